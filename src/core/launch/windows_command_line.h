#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace zorvik::launch {

// Splits command-line text into arguments as a program built with the
// Microsoft C runtime splits its command line: blanks and tabs separate,
// double quotes group words (an empty pair is an empty argument), "" inside
// quotes is a literal quote, and backslashes escape a quote only: 2n of
// them before a quote give n and the quote groups, 2n+1 give n and a
// literal quote.
std::vector<std::string> splitWindowsCommandLine(std::string_view text);

} // namespace zorvik::launch
