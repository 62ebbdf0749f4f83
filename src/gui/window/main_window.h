#pragma once

#include <memory>

#include <QMainWindow>

#include "core/catalogue/character_db.h"
#include "core/settings/settings_files.h"
#include "gui/app/settings_owner.h"

class QSplitter;

namespace zorvik {
class EditorMessages;
class Kel_IniHandler;
} // namespace zorvik

namespace zorvik::gui {

class BattleActions;
class BattleParameters;
class CharacterListPane;
class Choosers;
class CollectionCheckAction;
class PortraitRecaptureAction;
class DialogWorker;
class ListUpdateController;
class DebugMenu;
class MainMenu;
class MainToolBar;
class PortraitGridSwitch;
class RightPane;
class RosterExportAction;
class Shell;
class StatusBar;
struct JobPanes;

// TForm1, the main window "Zorvik". It opens the catalogue, holds the
// settings while the program runs (loaded as it is made, saved whenever
// they change and in FormClose), and owns the panes: the tool bar, the list
// pane with its search bar, the right-hand panel Panel4, the status bar and
// the battle and file actions. Edits of the detail pane not yet written
// are asked about before the list leaves their row, a job starts or the
// window closes.
class TForm1 : public QMainWindow {
    Q_OBJECT
public:
    // Opens the catalogue db.sqlite3 in folders.catalogue, loads the
    // settings from folders.settings (Settings.ini, FighterList and
    // ColumnName) and runs FormCreate. The current folder is never changed.
    TForm1(EditorMessages& messages, Shell& shell, Choosers& choosers,
           const SettingsFolders& folders, QWidget* parent = nullptr);
    ~TForm1() override;

    Kel_CharacterDb& characterDb() { return CharacterDb; }
    SettingsOwner& settings() { return settings_; }
    CharacterListPane& listPane() { return *Panel1; }
    ListUpdateController& listUpdates() { return *listUpdates_; }
    CollectionCheckAction& collectionCheck() { return *collectionCheck_; }
    PortraitRecaptureAction& portraitRecapture() { return *portraitRecapture_; }
    StatusBar& statusBar1() { return *StatusBar1; }
    PortraitGridSwitch& portraitGrid() { return *portraitGrid_; }

    // Rebuilds the character list (CharListResult is the list pane's).
    void UpdateCharList();

public slots:
    // Every way of starting a list update ends here: F5 and N1 (through
    // N1Click), ToolButton1, the debug item CallForm31, the first paint.
    // Call Form3 (the hidden debug menu)
    void CallForm31Click();
    // キャラクターリスト更新(&F)
    void N1Click();
    // UpdateCharList() (the hidden debug menu): rebuilds the list
    void Update1Click();
    // 設定(&O)...: the settings dialog. On OK its settings replace the
    // window's, and the panes refresh themselves from them; Cancel changes nothing.
    void O1Click();
    // Zorvikについて(&V)...
    void V1Click();

protected:
    void showEvent(QShowEvent* event) override;
    void paintEvent(QPaintEvent* event) override;
    void closeEvent(QCloseEvent* event) override;

private:
    void buildFrame();
    void buildPortraitGrid();
    void connectCommands();
    // The detail pane's edits are asked about before anything drops them.
    void guardUnsavedEdits();
    void FormCreate();
    void restorePanel4Width(Kel_IniHandler& store);
    void checkTemporaryFolder();
    void FormShow();
    void FormPaint();
    void FormClose();
    // Settings.ini and the two list files, each replaced whole; closing
    // writes FirstRun=0. False when a file could not be written.
    bool saveSettings(bool closing);
    // A setting changed: the files follow at once, for the companion.
    void settingsModified();
    void saveWindowKeys(Kel_IniHandler& store) const;

    // A close asked for while a job ran, now that it has ended.
    void closeAfterJob();

    // Made first: the catalogue's path and the settings come from it.
    SettingsFiles files_;
    Kel_CharacterDb CharacterDb;
    EditorMessages& messages_;
    Shell& shell_;
    Choosers& choosers_;
    SettingsOwner settings_;
    // Cleared by the first paint that starts the automatic list update.
    bool firstPaintPending_ = true;
    // Set when start-up failed and the window is about to close.
    bool closeRequested_ = false;
    // Set when the window was asked to close while a long job ran.
    bool closeAfterJob_ = false;

    MainToolBar* ToolBar1 = nullptr;
    StatusBar* StatusBar1 = nullptr;
    QSplitter* Splitter2 = nullptr;
    CharacterListPane* Panel1 = nullptr;
    RightPane* Panel4 = nullptr;
    DebugMenu* D1 = nullptr;
    std::unique_ptr<MainMenu> menu_;
    BattleActions* battleActions_ = nullptr;
    BattleParameters* battleParameters_ = nullptr;
    // What every long job reaches of the window, and the one worker they share.
    std::unique_ptr<JobPanes> jobPanes_;
    DialogWorker* jobs_ = nullptr;
    ListUpdateController* listUpdates_ = nullptr;
    RosterExportAction* rosterExport_ = nullptr;
    CollectionCheckAction* collectionCheck_ = nullptr;
    PortraitRecaptureAction* portraitRecapture_ = nullptr;
    // Destroyed before the catalogue: its decodes read it on a worker thread.
    std::unique_ptr<PortraitGridSwitch> portraitGrid_;
};

} // namespace zorvik::gui
