#include "core/settings/settings_files.h"

#include <filesystem>

#include <gtest/gtest.h>

#include "core/platform/folders.h"
#include "support/temp_folder.h"

namespace zorvik {
namespace {

class SettingsFilesTest : public ::testing::Test {
protected:
    SettingsFilesTest() : settingsFolder(temp.makeFolder("settings")) {}

    SettingsFiles files() const { return SettingsFiles({settingsFolder, temp.file("data")}); }
    std::string settingsText() const { return test::readFile(settingsFolder + "/Settings.ini"); }

    test::TempFolder temp;
    std::string settingsFolder;
};

TEST_F(SettingsFilesTest, WhatIsSavedIsLoadedAgainFromTheGivenFolder) {
    AppSettings settings = files().load();
    settings.MainDir = "/chars";
    settings.BattleParamC = "-rounds 2";
    settings.FighterList = {"kfm", "ryu/ryu2.def"};
    settings.ColumnNames[1] = "名前";
    settings.ColumnOrder[0] = 4;
    ASSERT_TRUE(files().save(settings));
    // A folder that cannot be written fails the save.
    EXPECT_FALSE(SettingsFiles({temp.file("missing/deeper"), temp.path()}).save(settings));

    const AppSettings loaded = files().load();
    EXPECT_EQ(loaded.MainDir, "/chars");
    EXPECT_EQ(loaded.BattleParamC, "-rounds 2");
    EXPECT_FALSE(loaded.FirstRun);
    EXPECT_EQ(loaded.FighterList, settings.FighterList);
    EXPECT_EQ(loaded.ColumnNames, settings.ColumnNames);
    EXPECT_EQ(loaded.ColumnOrder, settings.ColumnOrder);
    EXPECT_EQ(test::readFile(settingsFolder + "/FighterList"), "kfm\r\nryu/ryu2.def\r\n");
}

TEST_F(SettingsFilesTest, TheWindowsKeysGoBetweenGeneralAndColumnOrderInOneFile) {
    ASSERT_TRUE(files().save(files().load(), [](Kel_IniHandler& store) {
        store.WriteInt("Splitter2Left", 341);
        store.SetSection("PreviousStatus");
        store.WriteInt("FindType", 1);
    }));
    const std::string text = settingsText();
    const auto general = text.find("[General]\r\n");
    const auto splitter = text.find("Splitter2Left=341\r\n");
    const auto previous = text.find("[PreviousStatus]\r\nFindType=1\r\n");
    const auto order = text.find("[ColumnOrder]\r\n0=1\r\n");
    ASSERT_NE(order, std::string::npos);
    EXPECT_LT(general, splitter);
    EXPECT_LT(text.find("FirstRun=0"), splitter);
    EXPECT_LT(splitter, previous);
    EXPECT_LT(previous, order);
}

TEST_F(SettingsFilesTest, RelativeFoldersAreFixedWhenTheObjectIsMade) {
    std::optional<SettingsFiles> relative;
    {
        const test::ScopedCurrentFolder started(temp.path());
        relative.emplace(SettingsFolders{"settings/", "."});
    }
    EXPECT_EQ(relative->settingsFile(), settingsFolder + "/Settings.ini");
    EXPECT_EQ(relative->catalogueFile(), temp.path() + "/db.sqlite3");
    AppSettings settings;
    settings.MainDir = "/elsewhere";
    ASSERT_TRUE(relative->save(settings));
    EXPECT_EQ(files().load().MainDir, "/elsewhere");
}

TEST_F(SettingsFilesTest, RelativeFoldersOfTheSettingsComeFromTheLayoutsPathFolder) {
    EXPECT_EQ(files().pathFolder(), settingsFolder);
    const SettingsFiles installed({settingsFolder, temp.file("data"), temp.file("data/")});
    EXPECT_EQ(installed.pathFolder(), temp.file("data"));
}

TEST(ProgramSettingsFolders, ThisPortableBuildKeepsSettingsBesideTheProgramAndMakesNothing) {
    test::TempFolder temp;
    Message error;
    const auto folders = programSettingsFolders(temp.file("not made"), error);
    ASSERT_TRUE(folders) << japaneseText(error);
    EXPECT_EQ(folders->settings, platform::executableFolder());
    EXPECT_EQ(folders->paths, platform::executableFolder());
    EXPECT_EQ(folders->catalogue, temp.file("not made"));
    EXPECT_FALSE(std::filesystem::exists(temp.file("not made")));
}

} // namespace
} // namespace zorvik
