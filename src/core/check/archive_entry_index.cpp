#include "core/check/archive_entry_index.h"

#include "core/discovery/character_files.h"
#include "core/text/ascii_text.h"

namespace zorvik {

ArchiveEntryIndex::ArchiveEntryIndex(std::vector<std::string> names) : names_(std::move(names)) {
    for (const std::string& name : names_) {
        folded_.insert(text::asciiLowered(name));
    }
}

std::optional<std::vector<std::string>>
ArchiveEntryIndex::folderOf(const std::string& fileName) const {
    const std::string wanted = text::asciiLowered(fileName);
    for (const std::string& name : names_) {
        const std::size_t slash = name.rfind('/');
        const std::size_t start = slash == std::string::npos ? 0 : slash + 1;
        if (text::asciiLowered(name.substr(start)) == wanted) {
            return windowsPathComponents(name.substr(0, start));
        }
    }
    return std::nullopt;
}

bool ArchiveEntryIndex::contains(const std::vector<std::string>& folder,
                                 const std::string& windowsPath) const {
    std::vector<std::string> components = folder;
    for (const std::string& component : windowsPathComponents(windowsPath)) {
        if (component == "..") {
            // Above the archive's top nothing of the archive can be found.
            if (components.empty()) {
                return false;
            }
            components.pop_back();
        } else if (component != ".") {
            components.push_back(component);
        }
    }
    std::string path;
    for (const std::string& component : components) {
        path += path.empty() ? "" : "/";
        path += component;
    }
    return !path.empty() && folded_.count(text::asciiLowered(path)) != 0;
}

} // namespace zorvik
