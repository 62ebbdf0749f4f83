#pragma once

#include <atomic>
#include <string>
#include <vector>

#include "core/discovery/candidate.h"
#include "core/platform/directory_listing.h"

namespace zorvik {

// How deep group folders are searched: a FILENAME has at most this many parts.
inline constexpr int kMaxCollectionDepth = 6;

// What the scan of the character folder looks for.
struct CollectionScanOptions {
    int recognizeFileType = 16;   // the kinds not listed (see candidateFromEntry)
    bool searchSubfolders = false; // descend into group folders
};

// The candidates of a character folder, and the folders below it that
// could not be read.
struct CollectionScan {
    std::vector<Candidate> candidates;
    bool complete = true; // false: cancelled before every folder was looked at
    // Group folders (by their path below the character folder, as FILENAME
    // names them) that could not be read, or not read completely: what lies
    // below them is unknown, so nothing there may be taken as gone.
    std::vector<std::string> unreadableFolders;
    // Candidates and group folders whose names are shown with their bytes.
    int namesToldApart = 0;
};

// True when a FILENAME is one of the folders or lies below one of them.
bool liesInFolders(const std::string& fileName, const std::vector<std::string>& folders);

// The candidates of the character folder mainDir from its top-level listing.
// Without subfolders: the top level only. With them, a folder that holds no
// .def file at its own top level is a group folder whose folders and archives
// are candidates in their turn, named by their path below mainDir with '/'
// between the parts; a folder with a .def is a character and is never
// descended into. Below the top level, symbolic links to folders are passed
// over: the target is outside mainDir, or inside it and reached by its own
// path. Stops between entries when cancel is set.
// The character folder's own listing, not opened for an empty MainDir: that
// would list the file system's root (and, with subfolders, walk it) as a
// collection.
platform::DirectoryListing listCharacterFolder(const std::string& mainDir);

CollectionScan scanCollection(const std::string& mainDir, const platform::DirectoryListing& topLevel,
                              const CollectionScanOptions& options, const std::atomic<bool>& cancel);

} // namespace zorvik
