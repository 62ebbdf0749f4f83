#include "core/discovery/character_files.h"

#include "core/platform/directory_listing.h"
#include "core/platform/file_io.h"

namespace zorvik {

std::vector<std::string> windowsPathComponents(const std::string& path) {
    std::vector<std::string> components;
    std::string current;
    for (const char c : path) {
        if (c == '\\' || c == '/') {
            if (!current.empty()) {
                components.push_back(current);
            }
            current.clear();
        } else {
            current += c;
        }
    }
    if (!current.empty()) {
        components.push_back(current);
    }
    return components;
}

bool staysInsideFolder(const std::string& windowsPath) {
    int depth = 0;
    for (const std::string& component : windowsPathComponents(windowsPath)) {
        if (component == "..") {
            --depth;
        } else if (component != ".") {
            ++depth;
        }
        if (depth < 0) {
            return false;
        }
    }
    return true;
}

std::vector<std::string> findDefFiles(const std::string& folder) {
    bool listed = false;
    return findDefFiles(folder, listed);
}

std::vector<std::string> findDefFiles(const std::string& folder, bool& listed) {
    std::vector<std::string> files;
    const auto listing = platform::listDirectory(folder, platform::ListingDetail::KindsOnly);
    listed = listing.opened && listing.errorCode == 0;
    for (const platform::DirectoryEntry& entry : listing.entries) {
        if (!entry.isFolder && platform::endsWithIgnoringCase(entry.name, ".def")) {
            files.push_back(folder + "/" + entry.diskName);
        }
    }
    return files;
}

std::string locateSpriteFile(const std::string& characterFolder, const std::string& spriteValue) {
    const std::vector<std::string> components = windowsPathComponents(spriteValue);
    if (components.empty()) {
        return characterFolder + "/";
    }
    std::string path = characterFolder;
    for (const std::string& component : components) {
        path = platform::resolveInFolder(path, component);
    }
    if (platform::pathExists(path) || components.size() == 1) {
        return path;
    }
    return platform::resolveInFolder(characterFolder, components.back());
}

} // namespace zorvik
