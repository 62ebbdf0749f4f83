#include "core/platform/file_io.h"

#include <cstdio>
#include <cstdlib>
#include <fcntl.h>
#include <filesystem>
#include <sys/stat.h>
#include <unistd.h>

namespace zorvik::platform {

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

} // namespace

bool createSingleFolder(const std::string& path) {
    return ::mkdir(path.c_str(), 0700) == 0;
}

std::string createUniqueFolder(const std::string& parent, const std::string& prefix) {
    std::string path = parent + "/" + prefix + "XXXXXX";
    return ::mkdtemp(path.data()) != nullptr ? path : std::string();
}

bool pathExists(const std::string& path) {
    struct stat info {};
    return ::stat(path.c_str(), &info) == 0;
}

bool writeFileAtomically(const std::string& path, std::string_view content) {
    std::string temporary = path + ".XXXXXX";
    const int fd = mkstemp(temporary.data());
    if (fd < 0) {
        return false;
    }
    const bool written = writeAll(fd, content) && fchmod(fd, 0644) == 0 && fsync(fd) == 0;
    const bool closed = ::close(fd) == 0;
    if (!written || !closed || std::rename(temporary.c_str(), path.c_str()) != 0) {
        std::remove(temporary.c_str());
        return false;
    }
    return true;
}

namespace {

// Reads a whole regular file into any byte container.
template <typename Bytes> bool readInto(const std::string& path, Bytes& bytes) {
    // Without O_NONBLOCK, opening a FIFO would wait for a writer that may never come.
    const int fd = ::open(path.c_str(), O_RDONLY | O_CLOEXEC | O_NONBLOCK);
    if (fd < 0) {
        return false;
    }
    struct stat info {};
    bool ok = fstat(fd, &info) == 0 && S_ISREG(info.st_mode);
    bytes.clear();
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
