#include "core/platform/scratch_folder.h"

#include <cerrno>
#include <fcntl.h>
#include <filesystem>
#include <stdlib.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <system_error>
#include <unistd.h>

#include "core/platform/directory_listing.h"

namespace zorvik::platform {

namespace {

constexpr std::size_t kRandomLetters = 6;
// A new name is tried when a cleaner removed the folder before it was locked.
constexpr int kAttempts = 8;

bool isLetterOrDigit(char c) {
    return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') || (c >= '0' && c <= '9');
}

// A folder itself, never a link to one, opened to be locked.
int openFolder(const std::string& path) {
    return ::open(path.c_str(), O_RDONLY | O_DIRECTORY | O_NOFOLLOW | O_CLOEXEC);
}

// A folder removed while its lock was awaited has no links left.
bool stillThere(int fd) {
    struct stat info {};
    return fstat(fd, &info) == 0 && info.st_nlink > 0;
}

void removeTree(const std::string& path) {
    std::error_code ignored;
    std::filesystem::remove_all(path, ignored); // links are removed, never followed
}

// The folder at path locked for this process; -1 when it went meanwhile.
int lockNewFolder(const std::string& path) {
    const int fd = openFolder(path);
    if (fd < 0) {
        return -1;
    }
    if (flock(fd, LOCK_EX) == 0 && stillThere(fd)) {
        return fd;
    }
    ::close(fd);
    return -1;
}

} // namespace

ScratchFolder::ScratchFolder(const std::string& parent, const std::string& purpose)
    : path_((parent.empty() || parent.back() != '/' ? parent + "/" : parent) + kScratchPrefix +
            purpose + "-XXXXXX") {
    // No temporary folder is not the file system's root.
    if (parent.empty()) {
        return;
    }
    const std::string pattern = path_;
    for (int attempt = 0; attempt < kAttempts; ++attempt) {
        std::string path = pattern;
        if (::mkdtemp(path.data()) == nullptr) {
            failure_ = std::generic_category().message(errno);
            return;
        }
        if (const int fd = lockNewFolder(path); fd >= 0) {
            path_ = std::move(path);
            lock_ = fd;
            return;
        }
    }
}

ScratchFolder::~ScratchFolder() {
    if (made()) {
        // Removed while still held, so that no cleaner meets it half gone.
        removeTree(path_);
        ::close(lock_);
    }
}

bool isScratchFolderName(const std::string& name) {
    const std::string prefix = kScratchPrefix;
    if (name.compare(0, prefix.size(), prefix) != 0) {
        return false;
    }
    std::size_t at = prefix.size();
    const std::size_t purposeStart = at;
    while (at < name.size() && name[at] >= 'a' && name[at] <= 'z') {
        ++at;
    }
    if (at == purposeStart || at >= name.size() || name[at] != '-' ||
        name.size() - at - 1 != kRandomLetters) {
        return false;
    }
    for (++at; at < name.size(); ++at) {
        if (!isLetterOrDigit(name[at])) {
            return false;
        }
    }
    return true;
}

void removeStaleScratchFolders(const std::string& parent) {
    if (parent.empty()) {
        return;
    }
    const DirectoryListing listing = listDirectory(parent, ListingDetail::KindsOnly);
    for (const DirectoryEntry& entry : listing.entries) {
        if (!isScratchFolderName(entry.diskName)) {
            continue;
        }
        const std::string path = (parent.back() == '/' ? parent : parent + "/") + entry.diskName;
        const int fd = openFolder(path);
        if (fd < 0) {
            continue;
        }
        // Whoever uses the folder holds its lock; a killed process holds nothing.
        if (flock(fd, LOCK_EX | LOCK_NB) == 0 && stillThere(fd)) {
            removeTree(path);
        }
        ::close(fd);
    }
}

} // namespace zorvik::platform
