#include "core/settings/app_settings.h"

#include <gtest/gtest.h>

#include "core/settings/ini_handler.h"
#include "support/temp_folder.h"

namespace zorvik {
namespace {

class AppSettingsTest : public ::testing::Test {
protected:
    Kel_IniHandler store() {
        Kel_IniHandler handler;
        handler.SetFileName(temp.file("Settings.ini"), false);
        return handler;
    }
    test::TempFolder temp;
};

TEST_F(AppSettingsTest, FreshFileGivesTheDefaultsAndCloseWritesNoTempDir) {
    Kel_IniHandler handler = store();
    AppSettings settings;
    readGeneralSettings(handler, settings);
    readColumnOrder(handler, settings.ColumnOrder);
    EXPECT_EQ(settings.RecognizeFileType, 16);
    EXPECT_TRUE(settings.CharUpdateCheck);
    EXPECT_FALSE(settings.SearchSubfolders);
    EXPECT_EQ(settings.RegisterGroup, 9000);
    EXPECT_EQ(settings.RegisterImage, 1);
    EXPECT_TRUE(settings.FirstRun);
    EXPECT_TRUE(settings.TempDirFromSystem);
    EXPECT_EQ(settings.ColumnOrder,
              (std::array<int, 17>{1, 2, 3, 4, 5, 6, 7, 8, 9, -1, 11, 12, 13, 14, 15, 16, 0}));

    EXPECT_TRUE(settings.TempDir.empty());
    writeGeneralSettings(handler, settings);
    writeColumnOrder(handler, settings.ColumnOrder);
    const std::string file = test::readFile(temp.file("Settings.ini"));
    EXPECT_EQ(file.find("TempDir"), std::string::npos);
    EXPECT_NE(file.find("FirstRun=0\r\n"), std::string::npos);
    EXPECT_NE(file.find("[ColumnOrder]\r\n0=1\r\n"), std::string::npos);
    EXPECT_NE(file.find("16=0\r\n"), std::string::npos);
}

TEST_F(AppSettingsTest, OutOfRangeBattleParamIsSetA) {
    temp.write("Settings.ini", "[General]\nDefaultBattleParam=7\nTempDir=/t/\n");
    Kel_IniHandler handler = store();
    AppSettings settings;
    readGeneralSettings(handler, settings);
    EXPECT_EQ(settings.DefaultBattleParam, 0);
    EXPECT_FALSE(settings.TempDirFromSystem);
    writeGeneralSettings(handler, settings);
    EXPECT_EQ(handler.GetInt("DefaultBattleParam"), 0);
    EXPECT_EQ(handler.GetString("TempDir", 512), "/t/");
}

TEST_F(AppSettingsTest, ATempDirChosenAfterAnEmptyStartIsKeptAndAClearedOneIsCleared) {
    Kel_IniHandler handler = store();
    AppSettings settings;
    readGeneralSettings(handler, settings);
    settings.TempDir = "/chosen/";
    writeGeneralSettings(handler, settings);
    EXPECT_EQ(handler.GetString("TempDir", 512), "/chosen/");

    Kel_IniHandler again = store();
    readGeneralSettings(again, settings);
    EXPECT_FALSE(settings.TempDirFromSystem);
    settings.TempDir.clear();
    writeGeneralSettings(again, settings);
    EXPECT_NE(test::readFile(temp.file("Settings.ini")).find("TempDir=\r\n"), std::string::npos);
}

TEST_F(AppSettingsTest, TheTemporaryFolderInUseIsTempDirOrTheSystemsOne) {
    const test::ScopedEnvironment tmpdir("TMPDIR", temp.makeFolder("system"));
    AppSettings settings;
    EXPECT_EQ(temporaryFolderInUse(settings), temp.file("system/"));
    settings.TempDir = "/given/";
    EXPECT_EQ(temporaryFolderInUse(settings), "/given/");
    {
        const test::ScopedCurrentFolder started(temp.path());
        settings.TempDir = "work";
        EXPECT_EQ(temporaryFolderInUse(settings), temp.file("work"));
    }
    // No system folder: an empty TempDir has none, a given one is kept.
    const test::ScopedEnvironment missing("TMPDIR", temp.file("missing"));
    EXPECT_TRUE(temporaryFolderInUse(settings).has_value());
    settings.TempDir.clear();
    EXPECT_EQ(temporaryFolderInUse(settings), std::nullopt);
}

TEST_F(AppSettingsTest, SearchSubfoldersIsAGeneralKeyKeptAcrossAWrite) {
    temp.write("Settings.ini", "[General]\nSearchSubfolders=1\n[Other]\nSearchSubfolders=1\n");
    Kel_IniHandler handler = store();
    AppSettings settings;
    readGeneralSettings(handler, settings);
    EXPECT_TRUE(settings.SearchSubfolders);
    settings.SearchSubfolders = false;
    writeGeneralSettings(handler, settings);
    AppSettings again;
    readGeneralSettings(handler, again);
    EXPECT_FALSE(again.SearchSubfolders);
    const std::string file = test::readFile(temp.file("Settings.ini"));
    EXPECT_NE(file.find("[General]\nSearchSubfolders=0\n"), std::string::npos) << file;
    EXPECT_NE(file.find("[Other]\nSearchSubfolders=1\n"), std::string::npos) << file;
}

TEST_F(AppSettingsTest, PartialColumnOrderFallsBackToTheDefault) {
    temp.write("Settings.ini", "[ColumnOrder]\n0=14\n1=-1\n2=1\n3=2\n4=3\n");
    Kel_IniHandler handler = store();
    std::array<int, 17> order{};
    readColumnOrder(handler, order);
    EXPECT_EQ(order,
              (std::array<int, 17>{1, 2, 3, 4, 5, 6, 7, 8, 9, -1, 11, 12, 13, 14, 15, 16, 0}));

    // Only key 16 missing: the default order, with entry 16 holding the -2 read.
    std::string all = "[ColumnOrder]\n";
    for (int i = 0; i < 16; ++i) {
        all += std::to_string(i) + "=" + std::to_string(i) + "\n";
    }
    temp.write("Settings.ini", all);
    Kel_IniHandler fresh = store();
    readColumnOrder(fresh, order);
    EXPECT_EQ(order[16], -2);
    EXPECT_EQ(order[9], -1);
}

TEST_F(AppSettingsTest, ColumnNamesComeFromTheFileCutAndBounded) {
    const auto defaults = columnNamesFromLines(nullptr);
    EXPECT_EQ(defaults[0], "ID");
    EXPECT_EQ(defaults[15], "IMAGE");

    std::vector<std::string> lines(20, "x");
    lines[1] = std::string(70, 'n');
    EXPECT_EQ(columnNamesFromLines(&lines)[1].size(), 63u);

    const std::vector<std::string> few = {"a", ""};
    const auto names = columnNamesFromLines(&few);
    EXPECT_EQ(names[0], "a");
    EXPECT_EQ(names[1], "");
    EXPECT_EQ(names[2], ""); // beyond the file's lines
}

} // namespace
} // namespace zorvik

namespace zorvik {
namespace {

// The window reads relative folders from the folder of Settings.ini, as it
// did when it made that folder current; stored values stay as typed.
TEST(SettingsPaths, RelativeFoldersAreTakenFromTheSettingsFolderAndOthersStay) {
    AppSettings stored;
    stored.MainDir = "chars";
    stored.TempDir = "work/";
    stored.MugenExeFile = "../mugen/mugen.exe";
    const AppSettings used = withPathsFrom(stored, "/opt/zorvik");
    EXPECT_EQ(used.MainDir, "/opt/zorvik/chars");
    EXPECT_EQ(used.TempDir, "/opt/zorvik/work/");
    EXPECT_EQ(used.MugenExeFile, "/opt/zorvik/../mugen/mugen.exe");
    EXPECT_EQ(stored.MainDir, "chars");

    AppSettings absolute;
    absolute.MainDir = "/home/me/chars";
    const AppSettings same = withPathsFrom(absolute, "/opt/zorvik/");
    EXPECT_EQ(same.MainDir, "/home/me/chars");
    EXPECT_EQ(same.TempDir, ""); // empty: the system's folder, decided elsewhere
    EXPECT_EQ(same.MugenExeFile, "");
    EXPECT_EQ(withPathsFrom(stored, "").MainDir, "chars");
}

} // namespace
} // namespace zorvik
