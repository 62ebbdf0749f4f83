#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace zorvik::archiver {

// One listing as the command line asks for it: l "<archive>" [-from:<n>]
// (syntax in README.md).
struct ListCommand {
    std::string archivePath;
    // How many listed files to pass over: a listing longer than the output
    // buffer is asked for part by part.
    std::uint64_t from = 0;
};

// True when the command line's first word is the listing command.
bool isListCommand(std::string_view commandLine);

// Reads a listing command line; none, with error describing why, when it is not understood.
std::optional<ListCommand> parseListCommand(std::string_view commandLine, std::string& error);

} // namespace zorvik::archiver
