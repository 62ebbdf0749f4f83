#include "plugins/archiver/entry_lister.h"

#include <archive.h>
#include <archive_entry.h>

#include "plugins/archiver/archive_reader.h"
#include "plugins/archiver/entry_info.h"
#include "plugins/archiver/entry_path.h"

namespace zorvik::archiver {

namespace {

// The name a file entry is listed under, or "" when extraction would not
// write it or a line cannot hold it.
std::string listedName(archive_entry* entry) {
    if (refusalReason(entry) != nullptr || archive_entry_filetype(entry) != AE_IFREG) {
        return {};
    }
    const std::string name = entryName(entry);
    // A line break inside a name would split it into two lines.
    if (name.find_first_of("\r\n") != std::string::npos) {
        return {};
    }
    const EntryPath path = parseEntryPath(name);
    if (path.problem != nullptr) {
        return {};
    }
    std::string joined;
    for (const std::string& component : path.components) {
        joined += joined.empty() ? "" : "/";
        joined += component;
    }
    return joined;
}

} // namespace

EntryLister::EntryLister(const ListCommand& command, std::size_t outputSize)
    : command_(command), room_(outputSize > kReserve ? outputSize - kReserve : 0) {}

ExtractResult EntryLister::run(std::string& text) {
    ArchiveReader reader;
    if (!reader.open(command_.archivePath)) {
        text = "error: cannot read " + command_.archivePath + ": " + archiveErrorText(reader.get()) +
               "\n";
        return ExtractResult::ArchiveError;
    }
    return listFrom(reader.get(), text);
}

ExtractResult EntryLister::listFrom(archive* reader, std::string& text) {
    std::string names;
    std::uint64_t index = 0;
    std::uint64_t listed = 0;
    for (;;) {
        archive_entry* entry = nullptr;
        const int status = archive_read_next_header(reader, &entry);
        if (status == ARCHIVE_EOF) {
            text = "files: " + std::to_string(listed) + "\n" + names;
            return ExtractResult::Success;
        }
        if (status != ARCHIVE_OK && status != ARCHIVE_WARN) {
            text = "error: damaged archive: " + archiveErrorText(reader) + "\n";
            return ExtractResult::ArchiveError;
        }
        const std::string name = listedName(entry);
        // A name no output can hold is passed over, so every part makes progress.
        if (name.empty() || name.size() + 1 > room_ || index++ < command_.from) {
            continue;
        }
        if (names.size() + name.size() + 1 > room_) {
            text = "files: " + std::to_string(listed) + "\n" + names + "next: " +
                   std::to_string(index - 1) + "\n";
            return ExtractResult::Success;
        }
        names += name;
        names += '\n';
        ++listed;
    }
}

} // namespace zorvik::archiver
