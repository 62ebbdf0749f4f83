#include "core/launch/windows_command_line.h"

#include <gtest/gtest.h>

namespace zorvik::launch {
namespace {

using Words = std::vector<std::string>;

TEST(WindowsCommandLine, BlanksSeparateAndQuotesGroupWords) {
    EXPECT_EQ(splitWindowsCommandLine(""), Words{});
    EXPECT_EQ(splitWindowsCommandLine(" \t "), Words{});
    EXPECT_EQ(splitWindowsCommandLine("-rounds  3\t-p1"), (Words{"-rounds", "3", "-p1"}));
    EXPECT_EQ(splitWindowsCommandLine("-s \"stages/My Stage.def\" x"),
              (Words{"-s", "stages/My Stage.def", "x"}));
    // A quoted part may sit inside a word; an empty pair is an empty argument.
    EXPECT_EQ(splitWindowsCommandLine("a\"b c\"d \"\" e"), (Words{"ab cd", "", "e"}));
    // An unclosed quote runs to the end of the text.
    EXPECT_EQ(splitWindowsCommandLine("x \"open to  the end"), (Words{"x", "open to  the end"}));
}

TEST(WindowsCommandLine, BackslashesEscapeOnlyQuotes) {
    // Outside quotes, backslashes are path separators and stay.
    EXPECT_EQ(splitWindowsCommandLine("chars\\kfm\\ a\\\\b"), (Words{"chars\\kfm\\", "a\\\\b"}));
    // 2n+1 backslashes and a quote: n backslashes and a literal quote.
    EXPECT_EQ(splitWindowsCommandLine("\"ab\\\"c\" \"\\\\\" d"), (Words{"ab\"c", "\\", "d"}));
    EXPECT_EQ(splitWindowsCommandLine("a\\\\\\\"b c d"), (Words{"a\\\"b", "c", "d"}));
    // 2n backslashes and a quote: n backslashes, and the quote groups.
    EXPECT_EQ(splitWindowsCommandLine("a\\\\\\\\\"b c\" d"), (Words{"a\\\\b c", "d"}));
    // Inside quotes, a doubled quote is one literal quote and the group goes on.
    EXPECT_EQ(splitWindowsCommandLine("a\"b\"\" c d"), (Words{"ab\" c d"}));
}

TEST(WindowsCommandLine, MultibyteTextPassesThrough) {
    EXPECT_EQ(splitWindowsCommandLine("-s \"ステージ 1\" 対戦"),
              (Words{"-s", "ステージ 1", "対戦"}));
}

} // namespace
} // namespace zorvik::launch
