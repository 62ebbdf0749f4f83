#include "core/launch/executable_files.h"

#include <filesystem>
#include <fstream>

#include "core/platform/file_permissions.h"

namespace zorvik::launch {

bool isExistingFile(const std::string& path) {
    std::error_code error;
    return std::filesystem::is_regular_file(path, error);
}

bool isWindowsExecutable(const std::string& path) {
    // Only a regular file is opened: a device could answer the read, or block it.
    if (!isExistingFile(path)) {
        return false;
    }
    std::ifstream file(path, std::ios::binary);
    char signature[2] = {};
    return file.read(signature, sizeof signature) && signature[0] == 'M' && signature[1] == 'Z';
}

std::optional<std::string> findProgramOnPath(std::string_view name, std::string_view pathVariable) {
    std::size_t start = 0;
    while (start <= pathVariable.size()) {
        std::size_t end = pathVariable.find(':', start);
        if (end == std::string_view::npos) {
            end = pathVariable.size();
        }
        const std::string_view folder = pathVariable.substr(start, end - start);
        if (!folder.empty() && folder.front() == '/') {
            const std::string candidate = std::string(folder) + "/" + std::string(name);
            if (isExistingFile(candidate) && platform::mayExecute(candidate)) {
                return candidate;
            }
        }
        start = end + 1;
    }
    return std::nullopt;
}

} // namespace zorvik::launch
