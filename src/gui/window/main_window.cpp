#include "gui/window/main_window.h"

#include <array>
#include <cstdlib>
#include <limits>

#include <QAction>
#include <QCloseEvent>
#include <QListView>
#include <QMenu>
#include <QMenuBar>
#include <QSplitter>
#include <QTimer>
#include <QToolButton>
#include <QTreeView>

#include "core/launch/battle_opponents.h"
#include "core/platform/user_messages.h"
#include "core/settings/ini_handler.h"
#include "gui/app/designed_font.h"
#include "gui/app/opponent_caption.h"
#include "gui/app/pane_splitter.h"
#include "gui/app/shown_language.h"
#include "gui/app/version_form.h"
#include "gui/battle/battle_actions.h"
#include "gui/battle/battle_parameters.h"
#include "gui/check/collection_check_action.h"
#include "gui/detail/detail_pane.h"
#include "gui/jobs/dialog_worker.h"
#include "gui/jobs/job_panes.h"
#include "gui/grid/portrait_grid_switch.h"
#include "gui/jobs/list_update_controller.h"
#include "gui/list/character_list_pane.h"
#include "gui/list/search_bar.h"
#include "gui/portrait/portrait_pane.h"
#include "gui/portrait/portrait_recapture_action.h"
#include "gui/roster/roster_export_action.h"
#include "gui/settings/settings_form.h"
#include "gui/window/debug_menu.h"
#include "gui/window/list_state_keys.h"
#include "gui/window/main_menu.h"
#include "gui/window/main_tool_bar.h"
#include "gui/window/right_pane.h"
#include "gui/window/status_bar.h"
#include "gui/window/window_placement.h"

namespace zorvik::gui {

namespace {

// The designed left edge of Splitter2, which is also Panel4's width when
// Settings.ini has none.
constexpr int kDesignedSplitter2Left = 341;

// FindType is kept as the absolute value; one with no absolute value selects nothing.
int searchColumnFromFindType(int findType) {
    return findType == std::numeric_limits<int>::min() ? -1 : std::abs(findType);
}

// The settings as the window starts with them: an archive among the
// opponents (which an earlier version let in) cannot battle and is left out.
AppSettings startingSettings(const SettingsFiles& files) {
    AppSettings settings = files.load();
    const std::string mainDir = withPathsFrom(settings, files.pathFolder()).MainDir;
    settings.FighterList = launch::battleReadyOpponents(mainDir, std::move(settings.FighterList));
    return settings;
}

} // namespace

TForm1::TForm1(EditorMessages& messages, Shell& shell, Choosers& choosers,
               const SettingsFolders& folders, QWidget* parent)
    : QMainWindow(parent), files_(folders), CharacterDb(files_.catalogueFile()),
      messages_(messages), shell_(shell), choosers_(choosers),
      settings_(startingSettings(files_), files_.pathFolder()) {
    setObjectName(QStringLiteral("Form1"));
    setWindowTitle(QStringLiteral("Zorvik"));
    setFont(designedFont());
    move(173, 79);
    resize(755, 591);
    buildFrame();
    connectCommands();
    guardUnsavedEdits();
    FormCreate();
    // After the start, which only restores what the files hold.
    connect(&settings_, &SettingsOwner::modified, this, &TForm1::settingsModified);
}

TForm1::~TForm1() = default;

void TForm1::buildFrame() {
    ToolBar1 = new MainToolBar(this);
    addToolBar(Qt::TopToolBarArea, ToolBar1);
    StatusBar1 = new StatusBar(this);
    setStatusBar(StatusBar1);
    // Built before the list: a change of the settings renames the grid's labels first.
    Panel4 = new RightPane(CharacterDb, settings_, messages_, choosers_, *StatusBar1, this);
    Panel1 = new CharacterListPane(CharacterDb, settings_, messages_, this);
    Panel4->followList(*Panel1);
    // The list pane takes what the window gains; Panel4 keeps its width.
    Splitter2 =
        makePaneSplitter(Qt::Horizontal, QStringLiteral("Splitter2"), Panel1, Panel4, 0, this);
    setCentralWidget(Splitter2);
    D1 = new DebugMenu(CharacterDb, messages_, *StatusBar1, this);
    menu_ = std::make_unique<MainMenu>(*menuBar(), *D1);
    // After the list and before the tool tips, in the order a settings change refreshes them.
    battleActions_ =
        new BattleActions(CharacterDb, *Panel1, settings_, messages_, shell_, *StatusBar1, this);
    battleParameters_ = new BattleParameters(settings_, menu_->battleParameterItems,
                                             ToolBar1->battleParameterButtons(), this);
    jobPanes_ =
        std::make_unique<JobPanes>(this, *StatusBar1, [list = Panel1] { list->UpdateCharList(); });
    jobs_ = new DialogWorker(messages_, this);
    listUpdates_ = new ListUpdateController(*jobPanes_, *jobs_, settings_.inUse(), CharacterDb,
                                            messages_, this);
    rosterExport_ =
        new RosterExportAction(CharacterDb, *Panel1, settings_, messages_, choosers_, this);
    collectionCheck_ =
        new CollectionCheckAction(CharacterDb, *Panel1, settings_, messages_, *jobPanes_, *jobs_);
    portraitRecapture_ =
        new PortraitRecaptureAction(CharacterDb, *Panel1, settings_, messages_, *jobPanes_, *jobs_);
    buildPortraitGrid();
}

void TForm1::buildPortraitGrid() {
    portraitGrid_ = std::make_unique<PortraitGridSwitch>(CharacterDb, *Panel1, settings_);
    QAction* toggle = portraitGrid_->toggleAction();
    menu_->View1->addAction(toggle);
    ToolBar1->addViewButton(toggle);
    battleActions_->offerPopupOn(*portraitGrid_->view());
    connect(Panel4->portraitPane(), &PortraitPane::portraitReplaced, portraitGrid_.get(),
            &PortraitGridSwitch::forgetPortrait);
    // Enter or a double-click on a row or a portrait starts a battle.
    const std::array<QAbstractItemView*, 2> views = {Panel1->listView(), portraitGrid_->view()};
    for (QAbstractItemView* view : views) {
        connect(view, &QAbstractItemView::activated, battleActions_,
                &BattleActions::battleFirstOpponent);
    }
    connect(Panel1, &CharacterListPane::searchFound, this,
            [this](int rows) { StatusBar1->setPanelText(tr("検索結果 : %1件").arg(rows)); });
}

void TForm1::connectCommands() {
    connect(menu_->N1, &QAction::triggered, this, &TForm1::N1Click);
    connect(ToolBar1->listUpdateButton(), &QToolButton::clicked, this, &TForm1::CallForm31Click);
    connect(D1->listUpdateItem(), &QAction::triggered, this, &TForm1::CallForm31Click);
    connect(D1->updateListItem(), &QAction::triggered, this, &TForm1::Update1Click);
    connect(D1->completeDeletionItem(), &QAction::triggered, battleActions_,
            &BattleActions::N10Click);
    connect(menu_->O1, &QAction::triggered, this, &TForm1::O1Click);
    connect(menu_->V1, &QAction::triggered, this, &TForm1::V1Click);
    connect(menu_->SelectDef1, &QAction::triggered, rosterExport_,
            &RosterExportAction::SelectDef1Click);
    connect(menu_->Check1, &QAction::triggered, collectionCheck_,
            &CollectionCheckAction::Check1Click);
    connect(menu_->Recapture1, &QAction::triggered, portraitRecapture_,
            &PortraitRecaptureAction::RecaptureClick);
    // Queued: whoever ran the job finishes showing its outcome first.
    connect(jobs_, &DialogWorker::finished, this, &TForm1::closeAfterJob, Qt::QueuedConnection);
    connect(menu_->Quit1, &QAction::triggered, this, &QWidget::close);
}

void TForm1::guardUnsavedEdits() {
    DetailPane* detail = Panel4->detailPane();
    Panel1->setLeaveGuard(
        [detail](std::optional<std::int64_t> nextId) { return detail->mayLeaveRecord(nextId); });
    jobs_->askBeforeEachJob([detail] { return detail->mayLeaveRecord(std::nullopt); });
    // A written row shows its new texts at once, where it is.
    connect(detail, &DetailPane::recordWritten, Panel1, &CharacterListPane::refreshRowOfId);
}

void TForm1::FormCreate() {
    const AppSettings& settings = settings_.settings();
    // The search column keeps these names until the next start, whatever the settings dialog does.
    Panel1->searchBar()->setColumnNames(settings.ColumnNames);
    Panel4->detailPane()->BuildDetailLabels();
    Kel_IniHandler store = files_.openStore();
    store.SetSection("General");
    restoreWindowPlacement(*this, store, settings.Maximized);
    restorePanel4Width(store);
    battleParameters_->showParameterTexts();
    battleParameters_->showSelection();
    checkTemporaryFolder();
    store.SetSection("PreviousStatus");
    Panel1->searchBar()->setSearchColumn(searchColumnFromFindType(store.GetInt("FindType", 1)));
    restoreListState(store, *Panel1);
    StatusBar1->setPanelText(shownText(CharacterDb.status()));
    Panel4->detailPane()->setUpGrid();
    Update1Click();
    portraitGrid_->restore();
    // Selecting the first row loads it into the detail pane.
    Panel1->selectFirstRow();
}

void TForm1::restorePanel4Width(Kel_IniHandler& store) {
    const int width = store.GetInt("Splitter2Left", kDesignedSplitter2Left);
    // Panel1 stretches, so its size here only has to leave Panel4 its width.
    Splitter2->setSizes({1, width});
}

void TForm1::checkTemporaryFolder() {
    if (temporaryFolderInUse(settings_.inUse())) {
        return;
    }
    messages_.show(tr("一時ディレクトリを設定できません").toStdString());
    // Closed from the event loop, through FormClose like any other close.
    closeRequested_ = true;
    QMetaObject::invokeMethod(this, &QWidget::close, Qt::QueuedConnection);
}

void TForm1::showEvent(QShowEvent* event) {
    QMainWindow::showEvent(event);
    if (!event->spontaneous()) {
        FormShow();
    }
}

void TForm1::FormShow() {
    SearchBar* search = Panel1->searchBar();
    search->N5Click(search->containsModeItem());
    Panel4->detailPane()->CheckBox1Click();
    battleActions_->BuildBattleMenu();
    // A box here would run the pending close inside the window's show, and
    // the program would go on without a window.
    if (settings_.settings().FirstRun && !closeRequested_) {
        messages_.show(tr("Zorvikをご使用いただき有難うございます。\n"
                          "キャラクターリストを更新する前に、設定をご確認下さい。")
                           .toStdString());
    }
}

void TForm1::paintEvent(QPaintEvent* event) {
    FormPaint();
    QMainWindow::paintEvent(event);
}

void TForm1::FormPaint() {
    if (!firstPaintPending_ || !settings_.settings().UpdateListOnRun) {
        return;
    }
    firstPaintPending_ = false;
    // Started from the event loop: the update's modal dialog must not run inside a paint.
    QTimer::singleShot(0, this, &TForm1::N1Click);
}

void TForm1::closeEvent(QCloseEvent* event) {
    // A long job stops as its cancel button stops it, keeping what it did;
    // the window closes once the job has ended.
    if (jobs_->isRunning()) {
        closeAfterJob_ = true;
        jobs_->stop();
        event->ignore();
        return;
    }
    if (!Panel4->detailPane()->mayLeaveRecord(std::nullopt)) {
        event->ignore();
        return;
    }
    FormClose();
    event->accept();
}

void TForm1::closeAfterJob() {
    if (closeAfterJob_) {
        closeAfterJob_ = false;
        close();
    }
}

void TForm1::FormClose() {
    saveSettings(true);
}

bool TForm1::saveSettings(bool closing) {
    return files_.save(settings_.settings(), [this, closing](Kel_IniHandler& store) {
        // The first-run message is shown at each start until the first close.
        if (!closing && settings_.settings().FirstRun) {
            store.WriteInt("FirstRun", 1);
        }
        saveWindowKeys(store);
    });
}

void TForm1::settingsModified() {
    if (!saveSettings(false)) {
        StatusBar1->ShowStatusMessage(tr("設定ファイルを書き込めませんでした : %1")
                                          .arg(QString::fromStdString(files_.settingsFile())));
    }
}

// Written in section General after the settings' own keys.
void TForm1::saveWindowKeys(Kel_IniHandler& store) const {
    saveWindowPlacement(*this, store);
    store.WriteInt("Splitter2Left", Panel4->width());
    store.SetSection("PreviousStatus");
    store.WriteInt("FindType", Panel1->searchBar()->searchColumn());
    saveListState(store, *Panel1);
}

void TForm1::UpdateCharList() {
    Panel1->UpdateCharList();
}

void TForm1::CallForm31Click() {
    listUpdates_->runOneUpdate();
}

void TForm1::N1Click() {
    CallForm31Click();
}

void TForm1::Update1Click() {
    UpdateCharList();
}

void TForm1::O1Click() {
    const auto captions = [this](const std::string& line) {
        return opponentCaption(CharacterDb, line);
    };
    TForm2 Form2(settings_.settings(), captions, messages_, choosers_, this);
    if (Form2.exec() != QDialog::Accepted) {
        return;
    }
    AppSettings changed = settings_.settings();
    Form2.storeInto(changed);
    settings_.store(changed);
}

void TForm1::V1Click() {
    TVersionForm box(shell_, this);
    box.exec();
}

} // namespace zorvik::gui
