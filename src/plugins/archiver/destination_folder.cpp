#include "plugins/archiver/destination_folder.h"

#include <cerrno>
#include <fcntl.h>
#include <sys/stat.h>

namespace zorvik::archiver {

namespace {

constexpr int kFolderFlags = O_RDONLY | O_DIRECTORY | O_NOFOLLOW | O_CLOEXEC;

} // namespace

bool DestinationFolder::open(const std::string& path) {
    root_ = FileDescriptor(::open(path.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC));
    return static_cast<bool>(root_);
}

FileDescriptor DestinationFolder::openFolder(const std::vector<std::string>& components) const {
    FileDescriptor current(::openat(root_.get(), ".", kFolderFlags));
    for (const std::string& component : components) {
        if (!current) {
            break;
        }
        if (::mkdirat(current.get(), component.c_str(), 0777) != 0 && errno != EEXIST) {
            return FileDescriptor();
        }
        current = FileDescriptor(::openat(current.get(), component.c_str(), kFolderFlags));
    }
    return current;
}

FileDescriptor DestinationFolder::createFile(int folder, const std::string& name) {
    // Removing first means an existing link (symbolic or hard) is replaced,
    // never written through.
    if (::unlinkat(folder, name.c_str(), 0) != 0 && errno != ENOENT) {
        return FileDescriptor();
    }
    return FileDescriptor(
        ::openat(folder, name.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_NOFOLLOW | O_CLOEXEC, 0666));
}

void DestinationFolder::removeFile(int folder, const std::string& name) {
    ::unlinkat(folder, name.c_str(), 0);
}

} // namespace zorvik::archiver
