#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace zorvik::archiver {

// One word of a command line; quoted words are never switches.
struct CommandWord {
    std::string text;
    bool quoted = false;
};

// Splits a command line at blanks outside double quotes; none when a quote
// is left open. A backslash is an ordinary character, so a quoted folder
// may end with one.
std::optional<std::vector<CommandWord>> splitCommandWords(std::string_view line);

} // namespace zorvik::archiver
