#pragma once

#include <optional>
#include <string>

// The process's well-known folders. Paths are UTF-8 with '/' separators.
namespace zorvik::platform {

// Full path of the running executable (from /proc/self/exe).
std::string executablePath();

// Folder of the running executable, without a trailing separator.
std::string executableFolder();

// The process's current folder, without a trailing separator: the folder
// the program was started from, since nothing changes it.
std::string currentFolder();

// A relative path taken from the current folder; an absolute or empty path
// as it is. A trailing separator stays.
std::string absolutePath(const std::string& path);

// The system's temporary folder with a trailing separator; none when the
// system has none.
std::optional<std::string> temporaryFolder();

} // namespace zorvik::platform
