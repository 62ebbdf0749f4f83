#pragma once

#include <string>
#include <vector>

#include "support/fixture_entry.h"

namespace zorvik::test {

enum class ArchiveFormat { Zip, SevenZip, Rar4, Rar5 };

// Writes entries as an archive at path: zip (deflate) and 7z with
// libarchive's writer, which takes files, folders and (zip only) symbolic
// links; RAR 4 and RAR 5 with the stored-only writers of this folder.
// Throws when an entry cannot be written.
// "Zip", "SevenZip", "Rar4", "Rar5", for test names.
const char* formatName(ArchiveFormat format);
// The file name extension of the format: ".zip", ".7z" or ".rar".
const char* formatExtension(ArchiveFormat format);

void writeArchive(const std::string& path, ArchiveFormat format,
                  const std::vector<FixtureEntry>& entries);

} // namespace zorvik::test
