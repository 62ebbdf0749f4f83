#include "core/text/encoding.h"

#include <gtest/gtest.h>

namespace zorvik::text {
namespace {

// "日本語" in Shift-JIS and in UTF-8.
const std::string kNihongoSjis = "\x93\xfa\x96\x7b\x8c\xea";
const std::string kNihongoUtf8 = "日本語";

TEST(Encoding, Utf8ValidityRejectsMalformedSequences) {
    EXPECT_TRUE(isValidUtf8("plain ascii"));
    EXPECT_TRUE(isValidUtf8(kNihongoUtf8));
    EXPECT_TRUE(isValidUtf8("\xF0\x9F\x98\x80")); // outside the basic plane
    EXPECT_FALSE(isValidUtf8(kNihongoSjis));
    EXPECT_FALSE(isValidUtf8("\xC0\xAF"));         // overlong slash
    EXPECT_FALSE(isValidUtf8("\xED\xA0\x80"));     // encoded surrogate
    EXPECT_FALSE(isValidUtf8("\xE6\x97"));         // truncated at the end
    EXPECT_FALSE(isValidUtf8("\xF4\x90\x80\x80")); // beyond U+10FFFF
}

TEST(Encoding, Utf16RoundTripKeepsEveryPlane) {
    const std::string text = "Kung Fu Man 日本語 \xF0\x9F\x98\x80";
    const std::u16string wide = utf8ToUtf16(text);
    EXPECT_EQ(wide.size(), 18u); // the emoji takes a surrogate pair
    EXPECT_EQ(utf16ToUtf8(wide), text);
    EXPECT_EQ(utf16ToUtf8(u"\xD800x"), "\xEF\xBF\xBDx"); // lone surrogate replaced
}

TEST(Encoding, ShiftJisConvertsBothWays) {
    EXPECT_EQ(cp932ToUtf8(kNihongoSjis), kNihongoUtf8);
    EXPECT_EQ(utf8ToCp932(kNihongoUtf8), kNihongoSjis);
    // CP932 extensions: the circled digit one and the wave dash of Windows.
    EXPECT_EQ(cp932ToUtf8("\x87\x40"), "①");
    EXPECT_EQ(cp932ToUtf8("\x81\x60"), "～");
    EXPECT_FALSE(utf8ToCp932("\xF0\x9F\x98\x80").has_value()); // no Shift-JIS form
}

TEST(Encoding, BrokenShiftJisIsReplacedNotDropped) {
    // A lead byte with nothing after it, in the middle and at the end.
    EXPECT_EQ(cp932ToUtf8("a\x93"), "a\xEF\xBF\xBD");
    EXPECT_EQ(cp932ToUtf8("\x93\xfa"
                          "b\x81"),
              "日b\xEF\xBF\xBD");
}

TEST(Encoding, FileTextIsUtf8WhenWholeFileIsValidElseShiftJis) {
    EXPECT_EQ(decodeFileText("\xEF\xBB\xBFname=日本語"), "name=日本語");
    EXPECT_EQ(decodeFileText("name=" + kNihongoSjis), "name=日本語");
    // One invalid byte anywhere makes the whole file Shift-JIS.
    EXPECT_EQ(decodeFileText("\x83\x41"), "ア");
}

TEST(Encoding, CuttingNeverSplitsACharacter) {
    EXPECT_EQ(cutToBytes("abc", 5), "abc");
    EXPECT_EQ(cutToBytes("日本語", 9), "日本語");
    EXPECT_EQ(cutToBytes("日本語", 8), "日本");
    EXPECT_EQ(cutToBytes("日本語", 2), "");
    EXPECT_EQ(cutToBytes("a日", 3), "a");
    EXPECT_EQ(fitToBuffer(std::string(300, 'x'), 256).size(), 255u);
    EXPECT_EQ(fitToBuffer("abc", 0), "");
}

TEST(Encoding, FileNamesFromWindowsAreDecoded) {
    EXPECT_EQ(decodeFileName("kfm"), "kfm");
    EXPECT_EQ(decodeFileName(kNihongoSjis), kNihongoUtf8);
}

} // namespace
} // namespace zorvik::text
