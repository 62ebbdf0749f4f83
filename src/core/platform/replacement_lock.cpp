#include "core/platform/replacement_lock.h"

#include <cerrno>
#include <fcntl.h>
#include <filesystem>
#include <sys/file.h>
#include <sys/stat.h>
#include <thread>
#include <unistd.h>

namespace zorvik::platform {

namespace {

using Clock = std::chrono::steady_clock;

// Polls for an exclusive lock until deadline; a short pause between tries.
ReplacementLock::Outcome lockUntil(int fd, Clock::time_point deadline) {
    for (;;) {
        if (::flock(fd, LOCK_EX | LOCK_NB) == 0) {
            return ReplacementLock::Outcome::Locked;
        }
        if (errno != EWOULDBLOCK && errno != EINTR) {
            return ReplacementLock::Outcome::Failed;
        }
        if (Clock::now() >= deadline) {
            return ReplacementLock::Outcome::Busy;
        }
        std::this_thread::sleep_for(std::chrono::milliseconds(20));
    }
}

std::string folderOf(const std::string& file) {
    const std::string parent = std::filesystem::path(file).parent_path().string();
    return parent.empty() ? std::string(".") : parent;
}

} // namespace

ReplacementLock::~ReplacementLock() {
    release();
}

void ReplacementLock::release() {
    for (int* fd : {&file_, &folder_}) {
        if (*fd >= 0) {
            ::close(*fd); // closing the descriptor drops its lock
        }
        *fd = -1;
    }
}

ReplacementLock::Outcome ReplacementLock::acquire(const std::string& file,
                                                  std::chrono::milliseconds patience) {
    release();
    const Clock::time_point deadline = Clock::now() + patience;
    folder_ = ::open(folderOf(file).c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (folder_ < 0) {
        return Outcome::Failed;
    }
    if (const Outcome outcome = lockUntil(folder_, deadline); outcome != Outcome::Locked) {
        release();
        return outcome;
    }
    // O_NONBLOCK: should the file have become a FIFO meanwhile, opening it must not wait.
    file_ = ::open(file.c_str(), O_RDONLY | O_NOFOLLOW | O_NONBLOCK | O_NOCTTY | O_CLOEXEC);
    if (file_ < 0) {
        return errno == ENOENT ? Outcome::Locked : (release(), Outcome::Failed);
    }
    struct stat info {};
    if (::fstat(file_, &info) != 0 || !S_ISREG(info.st_mode)) {
        release();
        return Outcome::Failed;
    }
    const Outcome outcome = lockUntil(file_, deadline);
    if (outcome != Outcome::Locked) {
        release();
    }
    return outcome;
}

} // namespace zorvik::platform
