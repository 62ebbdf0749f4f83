#include "core/text/ascii_text.h"

#include <gtest/gtest.h>

namespace zorvik::text {
namespace {

TEST(AsciiText, TrimsOnlyAsciiBlanksAtTheEnds) {
    EXPECT_EQ(trimmed(" \t name = value \r\n"), "name = value");
    EXPECT_EQ(trimmed(" \r\n\t "), "");
    EXPECT_EQ(trimmed(""), "");
    EXPECT_EQ(trimmed("a b"), "a b");
    // A full-width space (Shift-JIS 81 40, UTF-8 E3 80 80) is a character, not a blank.
    EXPECT_EQ(trimmed("\x81\x40kfm\x81\x40 "), "\x81\x40kfm\x81\x40");
    EXPECT_EQ(trimmed("\xE3\x80\x80kfm"), "\xE3\x80\x80kfm");
    // A Shift-JIS trail byte may be '@' or a letter, never a blank.
    EXPECT_EQ(trimmed("\x83\x41 "), "\x83\x41");
}

TEST(AsciiText, FoldsOnlyTheAsciiLetters) {
    EXPECT_EQ(asciiLowered("KFM.DEF"), "kfm.def");
    EXPECT_EQ(asciiLowered("@[`{"), "@[`{"); // the neighbours of A-Z and a-z
    // UTF-8 bytes of other letters (Ä, ア) stay, whatever the locale thinks of them.
    EXPECT_EQ(asciiLowered("\xC3\x84\xE3\x82\xA2"), "\xC3\x84\xE3\x82\xA2");
    EXPECT_TRUE(equalsIgnoringAsciiCase("Characters", "cHARACTERS"));
    EXPECT_TRUE(equalsIgnoringAsciiCase("", ""));
    EXPECT_FALSE(equalsIgnoringAsciiCase("name", "names"));
    EXPECT_FALSE(equalsIgnoringAsciiCase("names", "name"));
    EXPECT_FALSE(equalsIgnoringAsciiCase("\xC3\x84", "\xC3\xA4")); // Ä and ä are not ASCII
}

} // namespace
} // namespace zorvik::text
