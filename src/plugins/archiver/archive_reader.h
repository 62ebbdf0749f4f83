#pragma once

#include <string>

#include "plugins/archiver/file_descriptor.h"

struct archive;

namespace zorvik::archiver {

// A libarchive reader of the formats this plug-in handles: zip, 7z, RAR 4 and RAR 5.
class ArchiveReader {
public:
    ArchiveReader();
    ~ArchiveReader();
    ArchiveReader(const ArchiveReader&) = delete;
    ArchiveReader& operator=(const ArchiveReader&) = delete;

    // False when the file cannot be opened, is no regular file or is none
    // of the formats.
    bool open(const std::string& path);
    archive* get() const { return archive_; }

private:
    archive* archive_;
    FileDescriptor file_; // read by archive_, which does not close it
};

// libarchive's text for the last failure of reader.
std::string archiveErrorText(archive* reader);

// True when path names a .zip, .7z or .rar file (any letter case) that
// opens as one of the formats and whose first entry can be read.
bool canReadArchive(const std::string& path);

} // namespace zorvik::archiver
