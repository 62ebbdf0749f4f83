#pragma once

#include <atomic>
#include <string>
#include <string_view>
#include <vector>

#include "core/platform/directory_listing.h"

namespace zorvik {

// How a character is stored, as the catalogue's FILETYPE holds it.
enum CharacterFileType : int {
    kFolderCharacter = 0,
    kZipCharacter = 2,
    kSevenZipCharacter = 4,
    kRarCharacter = 8,
};

// The RecognizeFileType bit that excludes folders (the other kinds use
// their own FILETYPE value as their bit).
inline constexpr int kExcludeFolders = 1;

// The archive kind a file name's extension names (.zip, .7z, .rar, letter
// case ignored); 0 for any other name.
int archiveKindOfName(std::string_view name);

// One entry of the character folder that may be a character.
struct Candidate {
    std::string name;     // FILENAME: decoded name, an archive's extension in small letters
    std::string diskName; // the entry's name on disk, to reach it
    int fileType = kFolderCharacter;
    std::string date; // last-write date, "%04d-%02d-%02d" in UTC
    // The entry's name is shown with its bytes: decoded, it reads like another.
    bool nameToldApart = false;
};

// The candidate an entry makes under the exclusion mask, or none:
// folders (unless excluded), and .zip, .7z, .rar files whose kind is not
// excluded. A folder is looked at by its extension when folders are excluded.
bool candidateFromEntry(const platform::DirectoryEntry& entry, int recognizeFileType,
                        Candidate& candidate);

// The candidates of a listing, in listing order; stops early when cancel is set.
std::vector<Candidate> scanCandidates(const platform::DirectoryListing& listing,
                                      int recognizeFileType, const std::atomic<bool>& cancel);

} // namespace zorvik
