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
    EXPECT_EQ(settings.RegisterGroup, 9000);
    EXPECT_EQ(settings.RegisterImage, 1);
    EXPECT_TRUE(settings.FirstRun);
    EXPECT_TRUE(settings.TempDirFromSystem);
    EXPECT_EQ(settings.ColumnOrder,
              (std::array<int, 17>{1, 2, 3, 4, 5, 6, 7, 8, 9, -1, 11, 12, 13, 14, 15, 16, 0}));

    ASSERT_TRUE(fillTemporaryFolder(settings));
    EXPECT_FALSE(settings.TempDir.empty());
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

// The left pane's choice between list and grid lasts from one run to the next.
TEST_F(AppSettingsTest, PortraitGridChoiceRoundTripsAndAnythingButZeroIsOn) {
    temp.write("Settings.ini", "[General]\nPortraitGrid=7\n");
    Kel_IniHandler handler = store();
    AppSettings settings;
    readGeneralSettings(handler, settings);
    EXPECT_TRUE(settings.PortraitGrid);
    settings.PortraitGrid = false;
    writeGeneralSettings(handler, settings);
    Kel_IniHandler again = store();
    AppSettings read;
    read.PortraitGrid = true;
    readGeneralSettings(again, read);
    EXPECT_FALSE(read.PortraitGrid);
    EXPECT_NE(test::readFile(temp.file("Settings.ini")).find("PortraitGrid=0"),
              std::string::npos);
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
