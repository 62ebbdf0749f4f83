#pragma once

#include <string>
#include <vector>

#include "plugins/archiver/file_descriptor.h"

namespace zorvik::archiver {

// The folder an archive is extracted into. Everything is created relative to
// the open folder and no symbolic link is ever followed below it, so that
// nothing can be written outside, whatever the folder already holds.
class DestinationFolder {
public:
    // False when path is not an existing folder.
    bool open(const std::string& path);

    // The folder reached through components (each created when missing);
    // invalid, with errno set, when one cannot be created or is not a real folder.
    FileDescriptor openFolder(const std::vector<std::string>& components) const;

    // A new empty file name inside folder, replacing a file or link of that
    // name rather than writing through it; invalid, with errno set, on failure.
    static FileDescriptor createFile(int folder, const std::string& name);

    static void removeFile(int folder, const std::string& name);

private:
    FileDescriptor root_;
};

} // namespace zorvik::archiver
