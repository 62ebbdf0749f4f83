#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace zorvik::cli {

// One finished translation of a Qt Linguist .ts file.
struct TsEntry {
    std::string context;
    std::string source;
    std::string translation;

    friend bool operator==(const TsEntry&, const TsEntry&) = default;
};

// The finished translations of a .ts file, sorted by context, then source
// (byte order, as the companion looks them up). Left out: translations
// marked unfinished, vanished or obsolete, empty ones, plural forms and
// texts with a disambiguating comment (a plain lookup never finds those).
// Entities are resolved and line breaks kept. None, with a message naming
// the line, for a file that is not well-formed XML or not a .ts file, or
// that gives one text two translations.
std::optional<std::vector<TsEntry>> readTsEntries(std::string_view xml, std::string& error);

} // namespace zorvik::cli
