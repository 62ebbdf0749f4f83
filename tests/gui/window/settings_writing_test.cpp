#include <filesystem>

#include <QAction>
#include <QLineEdit>
#include <QProcess>

#include "core/settings/settings_files.h"
#include "gui_support/settings_dialog_fixture.h"

namespace zorvik::test {
namespace {

// The settings files are written as soon as a setting changes, so that
// the companion started beside the open window reads what it uses.
class SettingsWriting : public SettingsDialogFixture {
protected:
    AppSettings written() const { return SettingsFiles(folders()).load(); }

    // `zorvik-cli check` run from a copy beside the window's Settings.ini,
    // in the folder of its catalogue; its exit code.
    int companionCheck() const {
        const std::string copy = programFolder + "/zorvik-cli";
        std::filesystem::copy_file(ZORVIK_CLI, copy,
                                   std::filesystem::copy_options::overwrite_existing);
        QProcess companion;
        companion.setWorkingDirectory(QString::fromStdString(temp.path()));
        companion.start(QString::fromStdString(copy), {QStringLiteral("check")});
        EXPECT_TRUE(companion.waitForFinished());
        EXPECT_TRUE(companion.readAllStandardError().isEmpty());
        return companion.exitCode();
    }

    std::vector<std::string> programFolderFiles() const {
        std::vector<std::string> names;
        for (const auto& entry : std::filesystem::directory_iterator(programFolder)) {
            names.push_back(entry.path().filename().string());
        }
        std::sort(names.begin(), names.end());
        return names;
    }
};

TEST_F(SettingsWriting, OkWritesThemForTheCompanionBesideTheOpenWindow) {
    const std::string characters = temp.makeFolder("chars");
    open();
    inSettings(Close::Ok,
               [&] { inDialog<QLineEdit>("Edit1")->setText(QString::fromStdString(characters)); });
    EXPECT_EQ(companionCheck(), 0); // not 2, "MainDir is not set"
    EXPECT_EQ(written().MainDir, characters);
    // The first-run message is still shown at each start until the first close.
    EXPECT_TRUE(written().FirstRun);
    form->close();
    EXPECT_FALSE(written().FirstRun);
}

TEST_F(SettingsWriting, TheWindowsOwnChangesAreWrittenAtOnceEachFileReplacedWhole) {
    addStoredCharacter("Alpha", "alpha", 0);
    open();
    selectRow(0);
    find<QAction>("N7")->trigger();
    EXPECT_EQ(readFile(programFolder + "/FighterList"), "alpha\r\n");
    find<QAction>("M_ParamC")->trigger();
    EXPECT_EQ(written().DefaultBattleParam, 2);
    find<QAction>("PortraitGrid1")->trigger();
    EXPECT_TRUE(written().PortraitGrid);
    EXPECT_EQ(programFolderFiles(),
              (std::vector<std::string>{"ColumnName", "FighterList", "Settings.ini"}));
}

} // namespace
} // namespace zorvik::test
