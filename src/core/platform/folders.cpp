#include "core/platform/folders.h"

#include <filesystem>
#include <system_error>

namespace zorvik::platform {

namespace fs = std::filesystem;

std::string executablePath() {
    std::error_code error;
    const fs::path path = fs::read_symlink("/proc/self/exe", error);
    return error ? std::string() : path.string();
}

std::string executableFolder() {
    return fs::path(executablePath()).parent_path().string();
}

std::string currentFolder() {
    std::error_code error;
    const fs::path path = fs::current_path(error);
    return error ? std::string() : path.string();
}

std::string absolutePath(const std::string& path) {
    if (path.empty() || path.front() == '/') {
        return path;
    }
    return currentFolder() + "/" + path;
}

std::optional<std::string> temporaryFolder() {
    std::error_code error;
    std::string path = fs::temp_directory_path(error).string();
    if (error || path.empty()) {
        return std::nullopt;
    }
    if (path.back() != '/') {
        path += '/';
    }
    return path;
}

} // namespace zorvik::platform
