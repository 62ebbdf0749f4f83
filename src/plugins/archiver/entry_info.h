#pragma once

#include <string>

struct archive_entry;

namespace zorvik::archiver {

// The entry's name as UTF-8; names stored by Japanese Windows tools are CP932.
std::string entryName(archive_entry* entry);

// Why an entry is never written, or nullptr for files and folders.
const char* refusalReason(archive_entry* entry);

} // namespace zorvik::archiver
