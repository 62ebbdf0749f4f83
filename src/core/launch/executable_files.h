#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace zorvik::launch {

// True when path names an existing file (a link counts as what it points
// to); a folder is no file.
bool isExistingFile(const std::string& path);

// True when the file starts with the "MZ" signature of a Windows (DOS)
// executable, whatever its name.
bool isWindowsExecutable(const std::string& path);

// The full path of the first executable file called name in the folders of
// pathVariable (the PATH environment variable: folders separated by ':').
// Empty and relative entries are skipped, so that a program of that name
// in whatever folder happens to be current is never taken.
std::optional<std::string> findProgramOnPath(std::string_view name, std::string_view pathVariable);

} // namespace zorvik::launch
