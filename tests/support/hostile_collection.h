#pragma once

#include <string>
#include <vector>

namespace zorvik::test {

// The characters writeHostileCollection made that registration must take.
struct HostileCollection {
    std::vector<std::string> names;           // Name of every character that must be registered
    std::vector<std::string> namesWithSprite; // those of them whose portrait decodes
};

// Fills charactersFolder as a collector's downloads may leave it: folder,
// zip, 7z and RAR characters (names in Shift-JIS bytes, with quotes, percent
// signs and column names) among archives with "../" and absolute entries,
// a zip bomb, a truncated 7z, a RAR with a wrong CRC, .def files that are
// one 10 MB line or binary garbage, SFF files whose chain loops or whose
// sprite claims 65535 x 65535 pixels, FIFOs, and symbolic links to
// outsideFolder, to the folder itself and to nowhere. Absolute archive
// entries and links point into outsideFolder, an existing folder that
// nothing may change.
HostileCollection writeHostileCollection(const std::string& charactersFolder,
                                         const std::string& outsideFolder);

} // namespace zorvik::test
