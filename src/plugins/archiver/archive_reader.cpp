#include "plugins/archiver/archive_reader.h"

#include <archive.h>
#include <archive_entry.h>
#include <cerrno>
#include <fcntl.h>
#include <sys/stat.h>

#include "core/platform/directory_listing.h"

namespace zorvik::archiver {

namespace {

constexpr std::size_t kBlockSize = 256 * 1024;

bool hasArchiveExtension(const std::string& path) {
    return platform::endsWithIgnoringCase(path, ".zip") ||
           platform::endsWithIgnoringCase(path, ".7z") ||
           platform::endsWithIgnoringCase(path, ".rar");
}

} // namespace

ArchiveReader::ArchiveReader() : archive_(archive_read_new()) {
    if (archive_ != nullptr) {
        archive_read_support_format_zip(archive_);
        archive_read_support_format_7zip(archive_);
        archive_read_support_format_rar(archive_);
        archive_read_support_format_rar5(archive_);
    }
}

ArchiveReader::~ArchiveReader() {
    if (archive_ != nullptr) {
        archive_read_free(archive_);
    }
}

bool ArchiveReader::open(const std::string& path) {
    if (archive_ == nullptr) {
        return false;
    }
    // Only a regular file is read: opening a FIFO would wait for a writer
    // that may never come, and a device may never end.
    FileDescriptor file(::open(path.c_str(), O_RDONLY | O_CLOEXEC | O_NONBLOCK));
    struct stat info {};
    if (!file || fstat(file.get(), &info) != 0 || !S_ISREG(info.st_mode) ||
        fcntl(file.get(), F_SETFL, 0) != 0) {
        archive_set_error(archive_, EINVAL, "not a readable regular file");
        return false;
    }
    file_ = std::move(file);
    return archive_read_open_fd(archive_, file_.get(), kBlockSize) == ARCHIVE_OK;
}

std::string archiveErrorText(archive* reader) {
    const char* text = reader != nullptr ? archive_error_string(reader) : nullptr;
    return text != nullptr ? text : "unknown error";
}

bool canReadArchive(const std::string& path) {
    if (!hasArchiveExtension(path)) {
        return false;
    }
    ArchiveReader reader;
    if (!reader.open(path)) {
        return false;
    }
    archive_entry* entry = nullptr;
    const int status = archive_read_next_header(reader.get(), &entry);
    return status == ARCHIVE_OK || status == ARCHIVE_WARN || status == ARCHIVE_EOF;
}

} // namespace zorvik::archiver
