#pragma once

#include <cstddef>
#include <string>

#include "plugins/archiver/extractor.h"
#include "plugins/archiver/list_command.h"

struct archive;

namespace zorvik::archiver {

// Lists the files of an archive that an extraction with folders kept
// would write, in the archive's order, as much as fits the output buffer:
//   files: <n>          then n lines, one file each ("kfm/kfm.def")
//   next: <k>           when more files follow: ask again with -from:<k>
// On failure the text is "error: <why>".
class EntryLister {
public:
    // Room for the header and the next line besides the names.
    static constexpr std::size_t kReserve = 64;

    EntryLister(const ListCommand& command, std::size_t outputSize);
    ExtractResult run(std::string& text);

private:
    ExtractResult listFrom(archive* reader, std::string& text);

    const ListCommand& command_;
    std::size_t room_;
};

} // namespace zorvik::archiver
