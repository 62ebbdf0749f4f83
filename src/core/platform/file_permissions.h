#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

// Whether this program may change a file, decided from the file's mode bits
// as its owner set them, and not only from what the system would let the
// process do: the superuser may write anything, but a file its user made
// read-only must stay as it is whoever runs the program.
namespace zorvik::platform {

// A file's permission bits (0777 and the special bits) and its owners.
struct FileMode {
    std::uint32_t bits = 0;
    std::uint32_t owner = 0;
    std::uint32_t group = 0;
};

// Who the program runs as.
struct ProcessIdentity {
    std::uint32_t user = 0;
    std::vector<std::uint32_t> groups; // the effective group and the supplementary ones
};

inline constexpr std::uint32_t kSuperuser = 0;

// True when the bits let who write the file: the owner's bit for its owner,
// the group's for a member, the others' for the rest. The superuser, whom
// the bits do not bind, is held to them as to execution: any write bit lets
// it write, none keeps the file read-only.
bool modeGrantsWriting(const FileMode& file, const ProcessIdentity& who);

// True when the bits of a folder let who create and rename files in it:
// writing and searching, decided as modeGrantsWriting decides.
bool modeGrantsChangingFolder(const FileMode& folder, const ProcessIdentity& who);

// The mode of path (a link counts as what it points to); none when it cannot be looked up.
std::optional<FileMode> fileMode(const std::string& path);

// The running process's identity.
ProcessIdentity currentProcess();

// True when the file's mode bits let this process write it and the system
// agrees (a read-only file system, an access list).
bool mayReplaceFile(const std::string& path);

// True when files may be created, renamed and removed in folder, as mayReplaceFile decides.
bool mayChangeFolder(const std::string& folder);

// True when the system lets this process run the file.
bool mayExecute(const std::string& path);

} // namespace zorvik::platform
