#include "plugins/archiver/entry_info.h"

#include <archive_entry.h>

#include "core/text/encoding.h"

namespace zorvik::archiver {

std::string entryName(archive_entry* entry) {
    const char* name = archive_entry_pathname(entry);
    if (name == nullptr) {
        name = archive_entry_pathname_utf8(entry);
    }
    return name != nullptr ? text::decodeFileName(name) : std::string();
}

const char* refusalReason(archive_entry* entry) {
    if (archive_entry_is_encrypted(entry)) {
        return "encrypted";
    }
    if (archive_entry_hardlink(entry) != nullptr) {
        return "hard link";
    }
    switch (archive_entry_filetype(entry)) {
    case AE_IFREG:
    case AE_IFDIR:
        return nullptr;
    case AE_IFLNK:
        return "symbolic link";
    case AE_IFCHR:
    case AE_IFBLK:
        return "device file";
    case AE_IFIFO:
        return "FIFO";
    case AE_IFSOCK:
        return "socket";
    default:
        return "unknown entry type";
    }
}

} // namespace zorvik::archiver
