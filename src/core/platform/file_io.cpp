#include "core/platform/file_io.h"

#include <cerrno>
#include <climits>
#include <cstdio>
#include <cstdlib>
#include <fcntl.h>
#include <filesystem>
#include <system_error>
#include <sys/stat.h>
#include <unistd.h>

namespace zorvik::platform {

bool isReadableFile(const std::string& path) {
    // Anything but a regular file is refused unopened, as readWholeFile refuses it.
    struct stat info {};
    if (::stat(path.c_str(), &info) != 0 || !S_ISREG(info.st_mode)) {
        return false;
    }
    const int fd = ::open(path.c_str(), O_RDONLY | O_CLOEXEC | O_NONBLOCK | O_NOCTTY);
    if (fd < 0) {
        return false;
    }
    ::close(fd);
    return true;
}

bool pathExists(const std::string& path) {
    struct stat info {};
    return ::stat(path.c_str(), &info) == 0;
}

namespace {

bool writeAll(int fd, std::string_view content) {
    while (!content.empty()) {
        const ssize_t written = ::write(fd, content.data(), content.size());
        if (written <= 0) {
            return false;
        }
        content.remove_prefix(static_cast<std::size_t>(written));
    }
    return true;
}

// Gives the open temporary file the mode and owners it is to have.
bool setMode(int fd, const AtomicWrite& how) {
    if (!how.like) {
        return ::fchmod(fd, 0644) == 0;
    }
    // Owners first, as changing them may clear mode bits; a user may not give files away.
    (void)::fchown(fd, how.like->owner, how.like->group);
    return ::fchmod(fd, how.like->bits & 0777) == 0;
}

// Moves the finished temporary file to path, or beside nothing when keepExisting.
bool putInPlace(const std::string& temporary, const std::string& path, bool keepExisting) {
    if (!keepExisting) {
        return std::rename(temporary.c_str(), path.c_str()) == 0;
    }
    // A hard link fails when path exists, where a rename would replace it.
    if (::link(temporary.c_str(), path.c_str()) == 0) {
        std::remove(temporary.c_str());
        return true;
    }
    struct stat info {};
    // File systems without hard links: the caller's lock keeps the name free meanwhile.
    return errno != EEXIST && ::lstat(path.c_str(), &info) != 0 &&
           std::rename(temporary.c_str(), path.c_str()) == 0;
}

bool isTemporaryName(const std::string& name, const std::string& namePrefix) {
    const std::string marker = kTemporaryMarker;
    constexpr std::size_t kRandomLetters = 6;
    if (name.size() < namePrefix.size() + marker.size() + kRandomLetters ||
        name.compare(0, namePrefix.size(), namePrefix) != 0) {
        return false;
    }
    const std::size_t letters = name.size() - kRandomLetters;
    if (name.compare(letters - marker.size(), marker.size(), marker) != 0) {
        return false;
    }
    for (std::size_t i = letters; i < name.size(); ++i) {
        const char c = name[i];
        if (!((c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') || (c >= '0' && c <= '9'))) {
            return false;
        }
    }
    return true;
}

PathKind kindOf(mode_t mode) {
    return S_ISREG(mode) ? PathKind::File : S_ISDIR(mode) ? PathKind::Folder : PathKind::Other;
}

PathKind failedLookup(int error, bool followingLink) {
    if (error == ELOOP) {
        return PathKind::LoopingLink;
    }
    if (error == ENOENT || error == ENOTDIR) {
        return followingLink ? PathKind::DanglingLink : PathKind::Missing;
    }
    return PathKind::Unreachable;
}

} // namespace

bool writeFileAtomically(const std::string& path, std::string_view content,
                         const AtomicWrite& how) {
    std::string temporary = path + kTemporaryMarker + "XXXXXX";
    const int fd = mkstemp(temporary.data());
    if (fd < 0) {
        return false;
    }
    const bool written = writeAll(fd, content) && setMode(fd, how) && fsync(fd) == 0;
    const bool closed = ::close(fd) == 0;
    if (!written || !closed || !putInPlace(temporary, path, how.keepExisting)) {
        std::remove(temporary.c_str());
        return false;
    }
    return true;
}

void removeStaleTemporaries(const std::string& folder, const std::string& namePrefix) {
    std::error_code error;
    for (std::filesystem::directory_iterator it(folder, error), end; !error && it != end;
         it.increment(error)) {
        const std::string name = it->path().filename().string();
        struct stat info {};
        if (isTemporaryName(name, namePrefix) && ::lstat(it->path().c_str(), &info) == 0 &&
            S_ISREG(info.st_mode)) {
            std::remove(it->path().c_str());
        }
    }
}

PathInspection inspectPath(const std::string& path) {
    PathInspection inspection;
    inspection.real = path;
    struct stat info {};
    if (::lstat(path.c_str(), &info) != 0) {
        inspection.kind = failedLookup(errno, false);
        return inspection;
    }
    inspection.isLink = S_ISLNK(info.st_mode);
    if (!inspection.isLink) {
        inspection.kind = kindOf(info.st_mode);
        return inspection;
    }
    char real[PATH_MAX] = {};
    if (::realpath(path.c_str(), real) == nullptr) {
        inspection.kind = failedLookup(errno, true);
        return inspection;
    }
    inspection.real = real;
    inspection.kind = ::stat(real, &info) == 0 ? kindOf(info.st_mode) : PathKind::Unreachable;
    return inspection;
}

namespace {

// Reads a whole regular file into any byte container.
template <typename Bytes> bool readInto(const std::string& path, Bytes& bytes) {
    bytes.clear();
    // Opening a device can have effects of its own (a tape rewinds, a modem
    // hangs up): anything but a regular file is refused unopened.
    struct stat before {};
    if (::stat(path.c_str(), &before) != 0 || !S_ISREG(before.st_mode)) {
        return false;
    }
    // Without O_NONBLOCK, opening a FIFO would wait for a writer that may never come.
    const int fd = ::open(path.c_str(), O_RDONLY | O_CLOEXEC | O_NONBLOCK | O_NOCTTY);
    if (fd < 0) {
        return false;
    }
    struct stat info {};
    bool ok = fstat(fd, &info) == 0 && S_ISREG(info.st_mode);
    if (ok) {
        // The size is a hint: a file that grows or shrinks meanwhile is read to its end.
        bytes.resize(static_cast<std::size_t>(info.st_size) + 1);
        std::size_t used = 0;
        for (;;) {
            if (used == bytes.size()) {
                bytes.resize(bytes.size() * 2);
            }
            const ssize_t got = ::read(fd, bytes.data() + used, bytes.size() - used);
            if (got <= 0) {
                ok = got == 0;
                break;
            }
            used += static_cast<std::size_t>(got);
        }
        bytes.resize(used);
    }
    ::close(fd);
    return ok;
}

} // namespace

bool readWholeFile(const std::string& path, std::string& bytes) {
    return readInto(path, bytes);
}

bool readWholeFile(const std::string& path, std::vector<std::uint8_t>& bytes) {
    return readInto(path, bytes);
}

} // namespace zorvik::platform
