#include "core/discovery/def_value.h"

#include <gtest/gtest.h>

#include "core/settings/ini_handler.h"
#include "support/temp_folder.h"

namespace zorvik {
namespace {

TEST(DefValue, CleaningDropsCommentsBlanksAndOnePairOfQuotes) {
    EXPECT_EQ(cleanDefValue("\"Kung Fu Man\" ;the original"), "Kung Fu Man");
    EXPECT_EQ(cleanDefValue("'Elecbyte'   ; who made it"), "Elecbyte");
    EXPECT_EQ(cleanDefValue(";all comment"), "");
    EXPECT_EQ(cleanDefValue("\"semi;colon\""), "semi"); // the comment cut ignores quotes
    EXPECT_EQ(cleanDefValue("\"\"quoted twice\"\""), "\"quoted twice\"");
    EXPECT_EQ(cleanDefValue("it's"), "it's"); // an inner quote stays
    EXPECT_EQ(cleanDefValue("\""), "");
    EXPECT_EQ(cleanDefValue("a\t \t"), "a");
}

TEST(DefValue, ReadsFromTheCurrentSectionAndTellsMissingFromEmpty) {
    test::TempFolder temp;
    temp.write("kfm.def", "[Info]\r\nname = \"Kung Fu Man\"\r\ndisplayname=;nothing\r\n"
                          "author = " +
                              std::string(300, 'a') + "\r\n[Files]\r\nsprite = kfm.sff\r\n");
    Kel_IniHandler ini;
    ini.SetFileName(temp.file("kfm.def"), false);
    ini.SetSection("Info");
    std::string value = "stale";
    EXPECT_TRUE(ReadDefValue("Name", value, 256, ini));
    EXPECT_EQ(value, "Kung Fu Man");
    EXPECT_TRUE(ReadDefValue("displayname", value, 256, ini)); // present, cleaned to empty
    EXPECT_EQ(value, "");
    EXPECT_FALSE(ReadDefValue("versiondate", value, 64, ini));
    EXPECT_EQ(value, "");
    EXPECT_TRUE(ReadDefValue("author", value, 64, ini));
    EXPECT_EQ(value.size(), 63u);
    ini.SetSection("Files");
    EXPECT_TRUE(ReadDefValue("sprite", value, 256, ini));
    EXPECT_EQ(value, "kfm.sff");
}

} // namespace
} // namespace zorvik
