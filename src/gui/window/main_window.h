#pragma once

#include <memory>
#include <string>

#include <QMainWindow>

#include "core/catalogue/character_db.h"
#include "core/platform/folders.h"
#include "gui/app/settings_owner.h"
#include "gui/jobs/list_update_host.h"

class QSplitter;

namespace zorvik {
class Kel_IniHandler;
class UserMessages;
} // namespace zorvik

namespace zorvik::gui {

class BattleActions;
class BattleParameters;
class CharacterListPane;
class Choosers;
class CollectionCheckAction;
class ListUpdateController;
class DebugMenu;
class MainMenu;
class MainToolBar;
class PortraitGridSwitch;
class RightPane;
class RosterExportAction;
class Shell;
class StatusBar;

// TForm1, the main window "Zorvik". It opens the catalogue, holds the
// settings while the program runs (read in FormCreate, written in
// FormClose), and owns the panes: the tool bar, the list pane with its
// search bar, the right-hand panel Panel4, the status bar and the battle
// and file actions.
class TForm1 : public QMainWindow, private ListUpdateHost {
    Q_OBJECT
public:
    // The catalogue db.sqlite3 is opened in the current folder; then
    // programFolder (where Settings.ini, FighterList and ColumnName live)
    // becomes the current folder and FormCreate runs.
    TForm1(UserMessages& messages, Shell& shell, Choosers& choosers,
           std::string programFolder = platform::executableFolder(), QWidget* parent = nullptr);
    ~TForm1() override;

    Kel_CharacterDb& characterDb() { return CharacterDb; }
    SettingsOwner& settings() { return settings_; }
    CharacterListPane& listPane() { return *Panel1; }
    BattleActions& battleActions() { return *battleActions_; }
    ListUpdateController& listUpdates() { return *listUpdates_; }
    CollectionCheckAction& collectionCheck() { return *collectionCheck_; }
    StatusBar& statusBar1() { return *StatusBar1; }
    PortraitGridSwitch& portraitGrid() { return *portraitGrid_; }

    // Rebuilds the character list (CharListResult is the list pane's).
    void UpdateCharList();
    // Makes the program's folder the current folder again.
    bool setCurrentFolderToProgramFolder() const;

public slots:
    // Every way of starting a list update ends here: F5 and N1 (through
    // N1Click), ToolButton1, the debug item CallForm31, the first paint.
    void CallForm31Click();
    void N1Click();
    void Update1Click();
    // The settings dialog: on OK its settings replace the window's, and the
    // panes refresh themselves from them; Cancel changes nothing.
    void O1Click();
    void V1Click();

protected:
    void showEvent(QShowEvent* event) override;
    void paintEvent(QPaintEvent* event) override;
    void closeEvent(QCloseEvent* event) override;

private:
    void buildFrame();
    void buildPortraitGrid();
    void connectCommands();
    void FormCreate();
    void loadListFiles();
    void restorePanel4Width(Kel_IniHandler& store);
    void fixTemporaryFolder();
    void FormShow();
    void FormPaint();
    void FormClose();
    void saveListFiles() const;

    // What a list update needs of the window.
    QWidget* ownerWindow() override { return this; }
    void showStatusText(const QString& text) override;
    void startStatusBlink() override;
    void reloadList() override { UpdateCharList(); }
    void showMissingCount(std::optional<int> newlyMissing) override;

    std::string programFile(const char* name) const;
    Kel_IniHandler openSettingsStore() const;

    // First member: the catalogue opens before anything changes the current folder.
    Kel_CharacterDb CharacterDb;
    UserMessages& messages_;
    Shell& shell_;
    Choosers& choosers_;
    std::string programFolder_;
    SettingsOwner settings_;
    // Cleared by the first paint that starts the automatic list update.
    bool firstPaintPending_ = true;
    // Set when start-up failed and the window is about to close.
    bool closeRequested_ = false;

    MainToolBar* ToolBar1 = nullptr;
    StatusBar* StatusBar1 = nullptr;
    QSplitter* Splitter2 = nullptr;
    CharacterListPane* Panel1 = nullptr;
    RightPane* Panel4 = nullptr;
    DebugMenu* D1 = nullptr;
    std::unique_ptr<MainMenu> menu_;
    BattleActions* battleActions_ = nullptr;
    BattleParameters* battleParameters_ = nullptr;
    ListUpdateController* listUpdates_ = nullptr;
    RosterExportAction* rosterExport_ = nullptr;
    CollectionCheckAction* collectionCheck_ = nullptr;
    // Destroyed before the catalogue: its decodes read it on a worker thread.
    std::unique_ptr<PortraitGridSwitch> portraitGrid_;
};

} // namespace zorvik::gui
