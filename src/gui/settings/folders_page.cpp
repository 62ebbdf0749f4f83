#include "gui/settings/folders_page.h"

#include <tuple>

#include <QDir>
#include <QFileInfo>
#include <QFocusEvent>
#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

#include "core/platform/user_messages.h"
#include "gui/platform/choosers.h"
#include "gui/settings/language_choice.h"
#include "gui/settings/settings_controls.h"

namespace zorvik::gui {

using namespace settings_controls;

namespace {

// Each is the chooser's title; a label's caption may add an access key.
const char* const kMainFolderTitle = QT_TRANSLATE_NOOP("zorvik::gui::FoldersPage", "キャラフォルダ");
const char* const kTempFolderTitle = QT_TRANSLATE_NOOP("zorvik::gui::FoldersPage", "一時保存領域");
const char* const kEngineTitle = QT_TRANSLATE_NOOP("zorvik::gui::FoldersPage", "MUGEN実行ファイル");

// Room for a typical path without scrolling.
constexpr int kPathEditChars = 52;

// Focus that moves to another control of the dialog, not focus lost to
// another window, a menu or the dialog's own closing.
bool movesWithinTheDialog(const QFocusEvent& event) {
    return event.reason() != Qt::ActiveWindowFocusReason && event.reason() != Qt::PopupFocusReason;
}

// Linux lists a file without a dot under "*" only, so the all-files entry
// keeps its caption and matches every name.
const char* const kEngineFilterSource = QT_TRANSLATE_NOOP(
    "zorvik::gui::FoldersPage", "MUGEN実行ファイル(mugen, *.exe)|mugen;*.exe|全てのファイル(*.*)|*");

} // namespace

const QString FoldersPage::kEngineFilter = QString::fromUtf8(kEngineFilterSource);

FoldersPage::FoldersPage(UserMessages& messages, Choosers& choosers, QWidget* parent)
    : SettingsPage(parent), messages_(messages), choosers_(choosers) {
    setObjectName(QStringLiteral("TabSheet1"));
    buildControls();
    for (QLineEdit* edit : {Edit1, Edit2, Edit3}) {
        edit->setMinimumWidth(edit->fontMetrics().averageCharWidth() * kPathEditChars);
        edit->installEventFilter(this);
    }
    connect(Button3, &QPushButton::clicked, this, &FoldersPage::Button3Click);
    connect(Button4, &QPushButton::clicked, this, &FoldersPage::Button4Click);
    connect(Button5, &QPushButton::clicked, this, &FoldersPage::Button5Click);
}

void FoldersPage::buildControls() {
    Label1 = newLabel(this, "Label1", tr("キャラフォルダ", "label"));
    Edit1 = newEdit(this, "Edit1", Label1);
    Button3 = newChooserButton(this, "Button3", tr(kMainFolderTitle));
    Label2 = newLabel(this, "Label2", tr("一時保存領域 ※圧縮ファイルの一時的な展開に使われます"));
    Edit2 = newEdit(this, "Edit2", Label2);
    Button4 = newChooserButton(this, "Button4", tr(kTempFolderTitle));
    Label3 = newLabel(this, "Label3", tr("MUGEN実行ファイル", "label"));
    Edit3 = newEdit(this, "Edit3", Label3);
    Button5 = newChooserButton(this, "Button5", tr(kEngineTitle));
    auto* layout = new QGridLayout(this);
    int row = 0;
    for (const auto& [label, edit, button] :
         {std::tuple{Label1, Edit1, Button3}, std::tuple{Label2, Edit2, Button4},
          std::tuple{Label3, Edit3, Button5}}) {
        if (row > 0) {
            // An empty row keeps the three settings apart.
            layout->setRowMinimumHeight(row++, layout->verticalSpacing() * 2);
        }
        layout->addWidget(label, row++, 0, 1, 2);
        layout->addWidget(edit, row, 0);
        layout->addWidget(button, row++, 1);
    }
    layout->setRowMinimumHeight(row++, layout->verticalSpacing() * 2);
    language_ = new LanguageChoice(this);
    layout->addWidget(language_, row++, 0, 1, 2);
    layout->setRowStretch(row, 1);
}

void FoldersPage::load(const AppSettings& settings) {
    Edit1->setText(fromSetting(settings.MainDir));
    Edit2->setText(fromSetting(settings.TempDir));
    Edit3->setText(fromSetting(settings.MugenExeFile));
    language_->load(settings);
}

void FoldersPage::store(AppSettings& settings) const {
    settings.MainDir = toSetting(Edit1->text(), kPathSettingSize);
    settings.TempDir = toSetting(Edit2->text(), kPathSettingSize);
    settings.MugenExeFile = toSetting(Edit3->text(), kPathSettingSize);
    language_->store(settings);
}

bool FoldersPage::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::FocusOut &&
        movesWithinTheDialog(*static_cast<QFocusEvent*>(event))) {
        // Checked once the focus has moved: a box shown during the move
        // would swallow the click that moved it.
        QMetaObject::invokeMethod(this, &FoldersPage::Edit1Exit, Qt::QueuedConnection);
    }
    return SettingsPage::eventFilter(watched, event);
}

void FoldersPage::Edit1Exit() {
    const QString folder = Edit1->text();
    if (!folder.isEmpty() && !QFileInfo(folder).isDir()) {
        messages_.show(tr("%1は存在しないディレクトリです。").arg(folder).toStdString());
    }
}

void FoldersPage::chooseFolderInto(QLineEdit& edit, const QString& title) {
    if (const auto folder = choosers_.chooseFolder(window(), title, edit.text())) {
        edit.setText(QDir::toNativeSeparators(*folder));
    }
}

void FoldersPage::Button3Click() {
    chooseFolderInto(*Edit1, tr(kMainFolderTitle));
    Edit1Exit();
}

void FoldersPage::Button4Click() {
    chooseFolderInto(*Edit2, tr(kTempFolderTitle));
}

void FoldersPage::Button5Click() {
    if (const auto file = choosers_.chooseFileToOpen(window(), tr(kEngineTitle), Edit3->text(),
                                                     tr(kEngineFilterSource))) {
        Edit3->setText(QDir::toNativeSeparators(*file));
    }
}

} // namespace zorvik::gui
