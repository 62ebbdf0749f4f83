#include "gui/battle/battle_actions.h"

#include <filesystem>

#include <QAbstractItemView>
#include <QMainWindow>
#include <QMenu>
#include <QMenuBar>
#include <QTreeView>
#include <QUrl>

#include "core/catalogue/columns.h"
#include "core/discovery/candidate.h"
#include "core/platform/directory_listing.h"
#include "core/platform/user_messages.h"
#include "core/roster/character_def.h"
#include "core/settings/integer_text.h"
#include "core/text/message.h"
#include "gui/app/opponent_caption.h"
#include "gui/app/settings_owner.h"
#include "gui/app/status_messages.h"
#include "gui/list/character_list_pane.h"
#include "gui/list/list_context_menu_events.h"
#include "gui/platform/shell.h"

namespace zorvik::gui {

namespace {

// The buffers the texts were read into: a name for a battle or an
// opponent, a name for a folder to open, the storage kind.
constexpr std::size_t kBattleNameSize = 1024;
constexpr std::size_t kFolderNameSize = 512;
constexpr std::size_t kFileTypeSize = 32;

const char* const kFailed = QT_TRANSLATE_NOOP("zorvik::gui::BattleActions", "失敗しました");

// MainDir as a folder path without a trailing separator (the root stays "/").
std::string characterFolder(std::string mainDir) {
    while (mainDir.size() > 1 && mainDir.back() == '/') {
        mainDir.pop_back();
    }
    return mainDir;
}

// A file URL of the path's exact bytes, so that a name kept in Windows'
// Shift-JIS reaches the file manager as it is on disk.
QUrl folderUrl(const std::filesystem::path& folder) {
    const QByteArray bytes = QByteArray::fromStdString(folder.string());
    return QUrl::fromEncoded(QByteArrayLiteral("file://") + bytes.toPercentEncoding("/"));
}

} // namespace

BattleActions::BattleActions(Kel_CharacterDb& db, CharacterListPane& list, SettingsOwner& settings,
                             UserMessages& messages, Shell& shell, StatusMessages& status,
                             QWidget* window)
    : QObject(window), db_(db), records_(db), list_(list), settings_(settings), messages_(messages),
      shell_(shell), status_(status), engine_(settings, messages, shell) {
    buildPopupMenu(window);
    listEvents_ = new ListContextMenuEvents(*list_.listView());
    connect(listEvents_, &ListContextMenuEvents::requested, this,
            &BattleActions::ListView1ContextPopup);
    connect(&settings_, &SettingsOwner::changed, this, &BattleActions::BuildBattleMenu);
    connect(&settings_, &SettingsOwner::fightersChanged, this, &BattleActions::BuildBattleMenu);
}

void BattleActions::buildPopupMenu(QWidget* window) {
    PopupMenu3 = new QMenu(window);
    PopupMenu3->setObjectName(QStringLiteral("PopupMenu3"));
    Open1 = PopupMenu3->addAction(tr("開く(&O)"));
    Open1->setObjectName(QStringLiteral("Open1"));
    connect(Open1, &QAction::triggered, this, &BattleActions::Open1Click);
    N8 = PopupMenu3->addMenu(tr("対戦"));
    N8->setObjectName(QStringLiteral("N8"));
    // Each opponent's folder, which tells apart two characters of one name.
    N8->setToolTipsVisible(true);
    connect(N8, &QMenu::triggered, this, &BattleActions::BattleSubMenuClick);
    N6 = PopupMenu3->addSeparator();
    N6->setObjectName(QStringLiteral("N6"));
    // Named afresh as the menu opens: an update may have renamed an opponent.
    connect(PopupMenu3, &QMenu::aboutToShow, this, &BattleActions::BuildBattleMenu);
    N7 = PopupMenu3->addAction(tr("対戦キャラに登録(&R)"));
    N7->setObjectName(QStringLiteral("N7"));
    connect(N7, &QAction::triggered, this, &BattleActions::N7Click);
    exposeToAccessibilityTools(window);
}

void BattleActions::exposeToAccessibilityTools(QWidget* window) {
    auto* mainWindow = qobject_cast<QMainWindow*>(window);
    if (mainWindow == nullptr) {
        return;
    }
    // Qt gives a popup menu no accessible parent but the application, which
    // lists no popups, so tools could not reach it. Hung from the menu bar
    // as an invisible item, as the debug menu is, it is found as the main
    // menu's are, with its submenu below it.
    PopupMenu3->setTitle(tr("キャラクター"));
    mainWindow->menuBar()->addMenu(PopupMenu3)->setVisible(false);
}

std::optional<std::string> BattleActions::GetSelectedColumnText(int column, std::size_t size) {
    const auto id = list_.idOfRow(list_.selectedRow());
    if (!id) {
        return std::nullopt;
    }
    std::optional<std::string> text = records_.columnText(*id, column);
    if (!text || text->size() + 1 > size) {
        return std::nullopt;
    }
    return text;
}

std::optional<std::string> BattleActions::battleName() {
    const auto fileName = GetSelectedColumnText(kFileNameColumn, kBattleNameSize);
    const auto fileType =
        fileName ? GetSelectedColumnText(kFileTypeColumn, kFileTypeSize) : std::nullopt;
    if (!fileName || !fileType) {
        messages_.show(tr(kFailed).toStdString());
        return std::nullopt;
    }
    // FILETYPE 0 is a folder; the engine opens no archive, as player 1 or as an opponent.
    const int kind = parseWholeInt(*fileType).value_or(-1);
    if (kind != kFolderCharacter) {
        messages_.show(withArguments(tr("%1 は圧縮ファイルのキャラクターなので対戦できません。\n"
                                        "対戦させるにはフォルダに展開してください。")
                                         .toStdString(),
                                     {*fileName}));
        return std::nullopt;
    }
    return engineCharacterPath(characterFolder(settings_.inUse().MainDir), *fileName, kind);
}

void BattleActions::BuildBattleMenu() {
    N8->clear();
    const std::vector<std::string>& fighters = settings_.settings().FighterList;
    for (std::size_t i = 0; i < fighters.size(); ++i) {
        OpponentCaption caption = opponentCaption(db_, fighters[i]);
        // A name's "&" is shown as it is, not taken as an access key.
        QAction* item =
            N8->addAction(tr("%1 と対戦").arg(caption.text.replace(u'&', QStringLiteral("&&"))));
        item->setToolTip(caption.toolTip);
        item->setData(static_cast<qulonglong>(i));
    }
    N8->menuAction()->setEnabled(!fighters.empty());
}

void BattleActions::ListView1ContextPopup(const QPoint& listPos, const QPoint& globalPos) {
    if (list_.selectedRow() < 0 || listPos.y() < listEvents_->headerBand()) {
        return;
    }
    PopupMenu3->popup(globalPos);
}

void BattleActions::N7Click() {
    if (list_.selectedRow() < 0) {
        messages_.show(tr("何も起りません").toStdString());
        return;
    }
    const auto fileName = battleName();
    if (!fileName) {
        return;
    }
    // The settings owner announces the new line, and N8 is rebuilt from it.
    settings_.addFighter(*fileName);
    status_.ShowStatusMessage(
        tr("対戦相手リストに追加しました : %1").arg(QString::fromStdString(*fileName)));
}

void BattleActions::BattleSubMenuClick(QAction* sender) {
    startBattleAgainst(static_cast<std::size_t>(sender->data().toULongLong()));
}

void BattleActions::battleFirstOpponent() {
    if (list_.selectedRow() < 0) {
        return;
    }
    if (settings_.settings().FighterList.empty()) {
        messages_.show(
            tr("対戦相手が登録されていません。\n"
               "相手にするキャラクターを右クリックし、「対戦キャラに登録」で登録してください。")
                .toStdString());
        return;
    }
    startBattleAgainst(0);
}

void BattleActions::startBattleAgainst(std::size_t opponent) {
    if (!engine_.engineExists()) {
        messages_.show(tr("MUGENファイルが見つかりません\n設定を確認してください").toStdString());
        return;
    }
    const auto fileName = battleName();
    if (!fileName) {
        return;
    }
    const std::vector<std::string>& fighters = settings_.settings().FighterList;
    if (opponent < fighters.size()) {
        engine_.startBattle(*fileName, fighters[opponent]);
    }
}

void BattleActions::offerPopupOn(QAbstractItemView& view) {
    auto* events = new ListContextMenuEvents(view);
    connect(events, &ListContextMenuEvents::requested, this,
            [this, events](const QPoint& viewPos, const QPoint& globalPos) {
                if (list_.selectedRow() >= 0 && viewPos.y() >= events->headerBand()) {
                    PopupMenu3->popup(globalPos);
                }
            });
}

void BattleActions::Open1Click() {
    const auto fileName = GetSelectedColumnText(kFileNameColumn, kFolderNameSize);
    const auto fileType =
        fileName ? GetSelectedColumnText(kFileTypeColumn, kFileTypeSize) : std::nullopt;
    if (!fileName || !fileType) {
        messages_.show(tr(kFailed).toStdString());
        return;
    }
    // FILETYPE 0 is a character kept as a folder; the others are archives.
    if (*fileType != "0") {
        messages_.show(tr("開けるのはフォルダのみです").toStdString());
        return;
    }
    openFolder(*fileName);
}

void BattleActions::openFolder(const std::string& fileName) {
    const std::string folder = characterFolder(settings_.inUse().MainDir);
    // The folder as it is on disk: its name may differ in letter case or be kept in Shift-JIS.
    std::error_code error;
    const std::filesystem::path onDisk =
        std::filesystem::absolute(platform::resolvePathInFolder(folder, fileName), error);
    if (error || !std::filesystem::is_directory(onDisk, error) || !shell_.open(folderUrl(onDisk))) {
        // The path's own bytes, which may not be UTF-8.
        messages_.show(withArguments(tr("フォルダを開けませんでした\n%1").toStdString(),
                                     {folder + "/" + fileName}));
    }
}

void BattleActions::N10Click() {
    const auto id = list_.idOfRow(list_.selectedRow());
    if (!id) {
        return;
    }
    if (!records_.deleteRecord(*id)) {
        messages_.show(tr("データ削除失敗").toStdString());
        return;
    }
    list_.UpdateCharList();
}

} // namespace zorvik::gui
