#include "core/text/message.h"

#include <gtest/gtest.h>

namespace zorvik {
namespace {

TEST(MessageArguments, FillsNumberedPlacesInOnePass) {
    EXPECT_EQ(withArguments("%2 を %1 に", {"a", "b"}), "b を a に");
    EXPECT_EQ(withArguments("%1%1", {"x"}), "xx");
    // An argument is never read as a pattern: a file may be named "%2".
    EXPECT_EQ(withArguments("%1 / %2", {"%2", "b"}), "%2 / b");
    // Places without an argument, and other percent signs, stay as written.
    EXPECT_EQ(withArguments("%3 100% %", {"a"}), "%3 100% %");
    EXPECT_EQ(withArguments("", {"a"}), "");
}

TEST(MessageText, VerbatimTextIsNeverTranslatedNorFilled) {
    struct Shouting final : TextLanguage {
        std::string text(const char*, const char*) const override { return "LOUD %1"; }
    };
    const Message message = Message::verbatim("no such table: %1");
    EXPECT_EQ(messageText(message, Shouting()), "no such table: %1");
    EXPECT_EQ(japaneseText(message), "no such table: %1");
}

} // namespace
} // namespace zorvik
