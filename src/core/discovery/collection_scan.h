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

// The candidates of a character folder, and whether every folder could be listed.
struct CollectionScan {
    std::vector<Candidate> candidates;
    bool complete = true; // false: a group folder could not be listed, or cancelled
};

// The candidates of the character folder mainDir from its top-level listing.
// Without subfolders: the top level only. With them, a folder that holds no
// .def file at its own top level is a group folder whose folders and archives
// are candidates in their turn, named by their path below mainDir with '/'
// between the parts; a folder with a .def is a character and is never
// descended into. Below the top level, symbolic links to folders are passed
// over: the target is outside mainDir, or inside it and reached by its own
// path. Stops between entries when cancel is set.
CollectionScan scanCollection(const std::string& mainDir, const platform::DirectoryListing& topLevel,
                              const CollectionScanOptions& options, const std::atomic<bool>& cancel);

// The name of a character's extraction folder directly under the temporary
// folder: its FILENAME with '%' and '/' encoded ("KOF%2Fkyo.zip"), so that
// characters of one name in different group folders never share one.
std::string extractionFolderName(const std::string& fileName);

} // namespace zorvik
