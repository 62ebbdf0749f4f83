#include "core/settings/ini_handler.h"

#include <gtest/gtest.h>

#include "core/platform/folders.h"
#include "support/temp_folder.h"

namespace zorvik {
namespace {

class IniHandler : public ::testing::Test {
protected:
    Kel_IniHandler storeOn(const std::string& name) {
        Kel_IniHandler store;
        store.SetFileName(temp.file(name), false);
        return store;
    }

    test::TempFolder temp;
};

TEST_F(IniHandler, MissingFileGivesTheDefaults) {
    Kel_IniHandler store = storeOn("absent.ini");
    store.SetSection("General");
    EXPECT_EQ(store.GetInt("MainDir"), -999999);
    EXPECT_EQ(store.GetInt("MainDir", 16), 16);
    EXPECT_EQ(store.GetString("MainDir", 512), "Kel_IniHandler : not found.");
    EXPECT_EQ(store.GetString("MainDir", 512, ""), "");
    store.SetDefaultString("");
    EXPECT_EQ(store.GetString("MainDir", 512), "");
}

TEST_F(IniHandler, FileNamesThatDoNotFitTheBufferBecomeErrorTexts) {
    Kel_IniHandler store;
    store.SetFileName(std::string(600, 'a'), false);
    EXPECT_EQ(store.fileName(), "ERROR - file name is too long.");
    store.SetFileName(std::string(511, 'a'), false);
    EXPECT_EQ(store.fileName(), std::string(511, 'a'));
    // The overflow check counts the whole executable path plus the name.
    const std::size_t room = 512 - platform::executablePath().size();
    store.SetFileName(std::string(room, 'b'), true);
    EXPECT_EQ(store.fileName(), "ERROR - ini-name buffer overflow.");
    store.SetFileName("Settings.ini", true);
    EXPECT_EQ(store.fileName(), platform::executableFolder() + "/Settings.ini");
    // An error text names no file: writes fail, reads give defaults.
    store.SetFileName(std::string(600, 'a'), false);
    store.SetSection("General");
    EXPECT_FALSE(store.WriteInt("x", 1));
    EXPECT_EQ(store.GetInt("x", 5), 5);
}

TEST_F(IniHandler, IntegersFollowTheProfileRules) {
    temp.write("a.ini", "[General]\r\nneg=-1\r\nlead=12abc\r\nword=abc\r\nspaced=  42  \r\n"
                        "empty=\r\nplus=+5\r\nhuge=99999999999\r\n");
    Kel_IniHandler store = storeOn("a.ini");
    store.SetSection("general");
    EXPECT_EQ(store.GetInt("NEG"), -1);
    EXPECT_EQ(store.GetInt("lead"), 12);
    EXPECT_EQ(store.GetInt("word"), 0);
    EXPECT_EQ(store.GetInt("spaced"), 42);
    EXPECT_EQ(store.GetInt("empty", 9000), 9000);
    EXPECT_EQ(store.GetInt("plus"), 0);
    EXPECT_EQ(store.GetInt("huge"), 2147483647);
}

TEST_F(IniHandler, StringsAreTrimmedAndCutToTheBuffer) {
    temp.write("a.ini", "[Info]\nname =   \"Kung Fu Man\"  \nlong=" + std::string(300, 'x') +
                            "\njp=日本語\n");
    Kel_IniHandler store = storeOn("a.ini");
    store.SetSection("Info");
    EXPECT_EQ(store.GetString("Name", 256), "\"Kung Fu Man\"");
    EXPECT_EQ(store.GetString("long", 256).size(), 255u);
    EXPECT_EQ(store.GetString("jp", 8), "日本"); // 7 bytes allowed, never half a character
}

TEST_F(IniHandler, WritesReadBackAndSectionSwitchRedirects) {
    Kel_IniHandler store = storeOn("new.ini");
    store.SetSection("General");
    ASSERT_TRUE(store.WriteInt("RecognizeFileType", -1));
    ASSERT_TRUE(store.WriteString("MainDir", "/home/me/chars"));
    store.SetSection("ColumnOrder");
    ASSERT_TRUE(store.WriteInt("0", 1));
    EXPECT_EQ(store.GetInt("RecognizeFileType"), -999999);
    store.SetSection("General");
    EXPECT_EQ(store.GetInt("RecognizeFileType"), -1);
    EXPECT_EQ(store.GetString("MainDir", 512), "/home/me/chars");
    EXPECT_EQ(test::readFile(temp.file("new.ini")),
              "[General]\r\nRecognizeFileType=-1\r\nMainDir=/home/me/chars\r\n"
              "[ColumnOrder]\r\n0=1\r\n");
}

TEST_F(IniHandler, ShiftJisFilesReadAsUnicodeAndAreRewrittenAsUtf8) {
    temp.write("sjis.ini", "[General]\r\nMainDir=C:\\\x83\x4c\x83\x83\x83\x89\r\n");
    Kel_IniHandler store = storeOn("sjis.ini");
    store.SetSection("General");
    EXPECT_EQ(store.GetString("MainDir", 512), "C:\\キャラ");
    ASSERT_TRUE(store.WriteInt("FirstRun", 0));
    EXPECT_EQ(test::readFile(temp.file("sjis.ini")),
              "[General]\r\nMainDir=C:\\キャラ\r\nFirstRun=0\r\n");
}

} // namespace
} // namespace zorvik
