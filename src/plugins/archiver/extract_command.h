#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace zorvik::archiver {

// One extraction as the command line asks for it (syntax in README.md).
struct ExtractCommand {
    static constexpr std::uint64_t kDefaultSizeLimit = std::uint64_t{2} << 30;

    bool dropPaths = false;
    std::string archivePath;
    std::string destination;
    // File name patterns with '*' and '?', matched ignoring case; none means every file.
    std::vector<std::string> masks;
    // The most bytes the extracted files may hold together.
    std::uint64_t sizeLimit = kDefaultSizeLimit;
};

// Reads a command line; none, with error describing why, when it is not understood.
std::optional<ExtractCommand> parseExtractCommand(std::string_view commandLine, std::string& error);

} // namespace zorvik::archiver
