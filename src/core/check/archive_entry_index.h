#pragma once

#include <optional>
#include <string>
#include <unordered_set>
#include <vector>

namespace zorvik {

// The files of an archive, as its plug-in lists them ("kfm/kfm.def"),
// looked up as the engine would find them once extracted: letter case
// ignored, '\' and '/' separating.
class ArchiveEntryIndex {
public:
    explicit ArchiveEntryIndex(std::vector<std::string> names);

    // The folders of the first file with this name (letter case ignored):
    // the file an extraction that drops folders keeps. None when absent.
    std::optional<std::vector<std::string>> folderOf(const std::string& fileName) const;

    // True when a Windows path relative to folder names a file of the archive.
    bool contains(const std::vector<std::string>& folder, const std::string& windowsPath) const;

private:
    std::vector<std::string> names_;
    std::unordered_set<std::string> folded_;
};

} // namespace zorvik
