#include "core/check/folder_index.h"

#include "core/check/archive_entry_index.h"
#include "core/discovery/character_files.h"
#include "core/text/ascii_text.h"

namespace zorvik {

namespace {

// The longest path the system opens (PATH_MAX); a longer one names nothing.
constexpr std::size_t kMaxPathBytes = 4096;

} // namespace

const FolderIndex::Folder& FolderIndex::folder(const std::string& path) {
    const auto known = folders_.find(path);
    if (known != folders_.end()) {
        return known->second;
    }
    Folder& listed = folders_[path];
    listed.listing = platform::listDirectory(path, platform::ListingDetail::KindsOnly);
    for (std::size_t i = 0; i < listed.listing.entries.size(); ++i) {
        const std::string& name = listed.listing.entries[i].name;
        listed.byName.emplace(name, i);
        listed.byFolded.emplace(text::asciiLowered(name), i);
    }
    return listed;
}

const platform::DirectoryEntry* FolderIndex::find(const std::string& folderPath,
                                                  const std::string& name) {
    const Folder& listed = folder(folderPath);
    auto match = listed.byName.find(name);
    if (match == listed.byName.end()) {
        match = listed.byFolded.find(text::asciiLowered(name));
        if (match == listed.byFolded.end()) {
            return nullptr;
        }
    }
    return &listed.listing.entries[match->second];
}

std::vector<std::string> FolderIndex::defFiles(const std::string& folderPath) {
    std::vector<std::string> files;
    for (const platform::DirectoryEntry& entry : folder(folderPath).listing.entries) {
        if (!entry.isFolder && platform::endsWithIgnoringCase(entry.name, ".def")) {
            files.push_back(folderPath + "/" + entry.diskName);
        }
    }
    return files;
}

bool FolderIndex::resolvesToFile(const std::string& folderPath, const std::string& windowsPath) {
    const std::vector<std::string> components = windowsPathComponents(windowsPath);
    std::string current = folderPath;
    for (std::size_t i = 0; i < components.size() && current.size() < kMaxPathBytes; ++i) {
        const bool last = i + 1 == components.size();
        if (components[i] == "." || components[i] == "..") {
            current += "/" + components[i];
            if (last) {
                return false; // a folder, not a file
            }
            continue;
        }
        const platform::DirectoryEntry* entry = find(current, components[i]);
        if (entry == nullptr || entry->isFolder != !last) {
            return false;
        }
        current += "/" + entry->diskName;
    }
    return !components.empty() && current.size() < kMaxPathBytes;
}

std::string engineDataFolder(const std::string& mugenExeFile) {
    if (mugenExeFile.empty()) {
        return {};
    }
    const std::size_t slash = mugenExeFile.rfind('/');
    const std::string engineFolder = slash == std::string::npos ? "." : mugenExeFile.substr(0, slash);
    return platform::resolveInFolder(engineFolder.empty() ? "/" : engineFolder, "data");
}

} // namespace zorvik
