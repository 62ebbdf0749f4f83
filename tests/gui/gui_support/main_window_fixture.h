#pragma once

#include <memory>
#include <string>

#include <QHeaderView>
#include <QTest>
#include <QTreeView>
#include <gtest/gtest.h>

#include "core/catalogue/character_db.h"
#include "core/platform/folders.h"
#include "gui/window/main_window.h"
#include "gui_support/recording_shell.h"
#include "gui_support/scripted_choosers.h"
#include "support/recording_messages.h"
#include "support/temp_folder.h"

namespace zorvik::test {

// A main window on a fresh program folder ("program" inside a temporary
// folder) started from the temporary folder, where its catalogue lives.
class MainWindowFixture : public ::testing::Test {
protected:
    MainWindowFixture() : programFolder(temp.makeFolder("program")) {}

    // Adds a catalogue row (DELETED 0) before or while the window is open.
    void addCharacter(const std::string& name, const std::string& author = "",
                      const std::string& name2 = "") {
        insertRow(
            "INSERT INTO CHARACTER_TABLE(NAME, AUTHOR, NAME2, DELETED) VALUES(?, ?, ?, 0)",
            {BoundValue::ofText(name), BoundValue::ofText(author), BoundValue::ofText(name2)});
    }

    // A row as the list update registers a character: its FILENAME (a
    // folder's name or an archive's file name) and FILETYPE (0 a folder).
    void addStoredCharacter(const std::string& name, const std::string& fileName, int fileType) {
        insertRow(
            "INSERT INTO CHARACTER_TABLE(NAME, FILENAME, FILETYPE, DELETED) "
            "VALUES(?, ?, ?, 0)",
            {BoundValue::ofText(name), BoundValue::ofText(fileName), BoundValue::ofInt(fileType)});
    }

    void insertRow(const char* sql, const std::vector<BoundValue>& values) {
        Kel_CharacterDb catalogue(temp.file("db.sqlite3"));
        ASSERT_TRUE(executeBound(catalogue.statements(), sql, values));
    }

    // Settings.ini as a Windows editor leaves it: lines end with CR LF.
    void writeSettings(const std::string& text) const {
        std::string windowsText;
        for (const char c : text) {
            windowsText += c == '\n' ? std::string("\r\n") : std::string(1, c);
        }
        temp.write("program/Settings.ini", windowsText);
    }
    std::string settingsText() const { return readFile(programFolder + "/Settings.ini"); }

    // The program's folders: the settings in "program", the catalogue in
    // the temporary folder, as when the program is started from there.
    SettingsFolders folders() const { return {programFolder, temp.path()}; }

    gui::TForm1& open() {
        form.reset();
        form = std::make_unique<gui::TForm1>(messages, shell, choosers, folders());
        form->show();
        return *form;
    }

    // The window as the one that gets the keys (for its shortcuts).
    gui::TForm1& openActive() {
        open();
        form->activateWindow();
        EXPECT_TRUE(QTest::qWaitForWindowActive(form.get()));
        return *form;
    }

    template <typename Widget> Widget* find(const char* objectName) const {
        return form->findChild<Widget*>(QString::fromLatin1(objectName));
    }

    QTreeView* list() const { return find<QTreeView>("ListView1"); }

    // Selects a list row as a click on it does (the window starts with none
    // selected: its first show applies the search and rebuilds the list).
    void selectRow(int row) const { list()->setCurrentIndex(list()->model()->index(row, 0)); }

    // The captions of the list's rows (its first column).
    using Texts = std::vector<std::string>;

    Texts rowCaptions() const {
        Texts captions;
        const QAbstractItemModel* model = list()->model();
        for (int row = 0; row < model->rowCount(); ++row) {
            captions.push_back(model->index(row, 0).data().toString().toStdString());
        }
        return captions;
    }

    Texts headerCaptions() const {
        Texts captions;
        const QAbstractItemModel* model = list()->model();
        for (int column = 0; column < model->columnCount(); ++column) {
            captions.push_back(model->headerData(column, Qt::Horizontal).toString().toStdString());
        }
        return captions;
    }

    TempFolder temp;
    ScopedCurrentFolder inTemp{temp.path()};
    std::string programFolder;
    RecordingMessages messages;
    RecordingShell shell;
    ScriptedChoosers choosers;
    std::unique_ptr<gui::TForm1> form;
};

} // namespace zorvik::test
