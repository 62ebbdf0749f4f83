#include "core/settings/ini_handler.h"

#include <filesystem>

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

TEST_F(IniHandler, DeferredWritesGiveTheSameFileInOneWrite) {
    temp.write("one.ini", "; kept\r\n[General]\r\nMainDir=old\r\n");
    temp.write("many.ini", "; kept\r\n[General]\r\nMainDir=old\r\n");
    const auto writeAll = [](Kel_IniHandler& store) {
        store.SetSection("General");
        store.WriteString("MainDir", "/chars");
        store.WriteInt("RecognizeFileType", 16);
        store.SetSection("ColumnOrder");
        for (int i = 0; i < 17; ++i) {
            store.WriteInt(std::to_string(i), i - 1);
        }
    };
    Kel_IniHandler each = storeOn("many.ini");
    writeAll(each);
    Kel_IniHandler once = storeOn("one.ini");
    once.DeferWrites();
    writeAll(once);
    // Nothing reaches the file before the flush, yet reads see the writes.
    EXPECT_EQ(test::readFile(temp.file("one.ini")), "; kept\r\n[General]\r\nMainDir=old\r\n");
    once.SetSection("General");
    EXPECT_EQ(once.GetString("MainDir", 512), "/chars");
    ASSERT_TRUE(once.FlushWrites());
    EXPECT_EQ(test::readFile(temp.file("one.ini")), test::readFile(temp.file("many.ini")));
    // After the flush, writes go straight to the file again.
    once.WriteString("TempDir", "/t/");
    EXPECT_NE(test::readFile(temp.file("one.ini")).find("TempDir=/t/"), std::string::npos);
}

TEST_F(IniHandler, AFlushThatCannotWriteReportsIt) {
    temp.makeFolder("gone");
    Kel_IniHandler store = storeOn("gone/settings.ini");
    store.DeferWrites();
    store.SetSection("General");
    EXPECT_TRUE(store.WriteInt("Left", 1));
    std::filesystem::remove_all(temp.file("gone"));
    EXPECT_FALSE(store.FlushWrites());
    EXPECT_TRUE(store.FlushWrites()); // nothing left to write
}

} // namespace
} // namespace zorvik
