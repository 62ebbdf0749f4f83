#pragma once

#include <cstddef>
#include <functional>
#include <string>
#include <string_view>
#include <vector>

namespace zorvik {

// Decides whether a merge keeps an old [Characters] entry line (given as
// UTF-8, without its line ending).
using KeepEntry = std::function<bool(std::string_view line)>;

// The new file's bytes and what became of the old section.
struct SelectDefRewrite {
    std::string bytes;
    std::size_t keptEntries = 0;
};

// Puts new character lines (already in the file's encoding, without line
// endings) into select.def's first [Characters] section; every byte outside
// that section stays as it was. Bytes in, bytes out, nothing else touched.
//
// The section's lines are read as three runs: the comment and blank lines
// before its first entry (the file's notes on the format), the run from
// the first entry to the last, and the comment and blank lines after the
// last entry (they head the next section). The first and last runs stay.
// The middle run is replaced by the new lines; with keep, every entry keep
// accepts stays, with the run's comment and blank lines when keepNotes is
// set (a merge), and the new lines follow them. A section without entries
// gets the new lines after the comment lines right under its header. A
// file without the section gets one at its end; an empty old text makes a
// file of the section alone.
SelectDefRewrite rewriteSelectDef(std::string_view oldBytes,
                                  const std::vector<std::string>& newLines, const KeepEntry& keep,
                                  bool keepNotes = true);

} // namespace zorvik
