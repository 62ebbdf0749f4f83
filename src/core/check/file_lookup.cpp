#include "core/check/file_lookup.h"

#include <sys/stat.h>

#include "core/discovery/character_files.h"
#include "core/platform/directory_listing.h"

namespace zorvik {

bool resolvesToFile(const std::string& folder, const std::string& windowsPath) {
    const std::vector<std::string> components = windowsPathComponents(windowsPath);
    if (components.empty()) {
        return false;
    }
    std::string path = folder;
    for (const std::string& component : components) {
        path = platform::resolveInFolder(path, component);
    }
    struct stat info {};
    return stat(path.c_str(), &info) == 0 && S_ISREG(info.st_mode);
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
