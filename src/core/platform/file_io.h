#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "core/platform/file_permissions.h"

namespace zorvik::platform {

// How writeFileAtomically treats the file it writes.
struct AtomicWrite {
    // The mode and owners the new file takes (the owners where the process
    // may set them); a new file is 0644, owned by the process, without.
    std::optional<FileMode> like;
    // Fails rather than replace a file that exists already.
    bool keepExisting = false;
};

// The temporary files of writeFileAtomically are named path + this + six
// letters or digits; they are left behind only by a process that was killed.
inline constexpr const char* kTemporaryMarker = ".zorvik-tmp-";

// Replaces the file at path with content so that a crash leaves either the
// old file or the new one, never a truncated mix: the content goes to a
// temporary file in the same folder, which is flushed and renamed over path.
bool writeFileAtomically(const std::string& path, std::string_view content,
                         const AtomicWrite& how = {});

// Removes the temporary files an earlier, killed writeFileAtomically left in
// folder for files whose names start with namePrefix. Only regular files
// named as it names them are touched; any other name is left alone. Call it
// only while no other writer can be at work there (see ReplacementLock).
void removeStaleTemporaries(const std::string& folder, const std::string& namePrefix);

// What a path names, a link followed.
enum class PathKind { Missing, File, Folder, Other, DanglingLink, LoopingLink, Unreachable };

struct PathInspection {
    PathKind kind = PathKind::Missing;
    std::string real;    // the path itself, or the file a link leads to (an absolute path)
    bool isLink = false; // the path's last part is a symbolic link
};

// Looks path up without opening it, so that a device is never opened by mistake.
PathInspection inspectPath(const std::string& path);

// True when path is a regular file this process may open for reading.
bool isReadableFile(const std::string& path);

// True when anything exists at path (a link counts as what it points to).
bool pathExists(const std::string& path);

// The whole file's bytes; false when it cannot be read or is no regular
// file. Anything else (a device, a FIFO) is refused before it is opened.
bool readWholeFile(const std::string& path, std::string& bytes);
bool readWholeFile(const std::string& path, std::vector<std::uint8_t>& bytes);

} // namespace zorvik::platform
