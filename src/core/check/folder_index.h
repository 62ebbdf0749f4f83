#pragma once

#include <string>
#include <unordered_map>
#include <vector>

#include "core/platform/directory_listing.h"

namespace zorvik {

// The entries of folders on disk, each folder listed once however many
// paths are looked up in it: a character's .def names a dozen files, and
// one listing of its folder is cheaper than a lookup of each.
class FolderIndex {
public:
    // The full paths of the .def files at the top of folder (letter case
    // ignored), in listing order, as registration finds them.
    std::vector<std::string> defFiles(const std::string& folder);

    // True when a Windows path from a character file ('\' separates, letter
    // case ignored) names a file below folder, found as the engine finds it:
    // the entry of that name as written, else the first one that matches
    // ignoring case. A symbolic link counts as what it points to.
    bool resolvesToFile(const std::string& folder, const std::string& windowsPath);

private:
    struct Folder {
        platform::DirectoryListing listing;
        std::unordered_map<std::string, std::size_t> byName;   // the first entry of each name
        std::unordered_map<std::string, std::size_t> byFolded; // the same, ASCII case folded
    };

    const Folder& folder(const std::string& path);
    // The entry of folder that a path component names; nullptr when none.
    const platform::DirectoryEntry* find(const std::string& folderPath, const std::string& name);

    std::unordered_map<std::string, Folder> folders_;
};

// The engine's data folder beside the engine's program file (its letter
// case ignored); "" when no engine is set.
std::string engineDataFolder(const std::string& mugenExeFile);

} // namespace zorvik
