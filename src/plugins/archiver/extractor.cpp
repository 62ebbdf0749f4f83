#include "plugins/archiver/extractor.h"

#include <algorithm>
#include <archive.h>
#include <archive_entry.h>
#include <cerrno>
#include <cstring>
#include <unistd.h>

#include "plugins/archiver/archive_reader.h"
#include "plugins/archiver/ascii_case.h"
#include "plugins/archiver/entry_info.h"
#include "plugins/archiver/entry_path.h"
#include "plugins/archiver/file_mask.h"

namespace zorvik::archiver {

namespace {

std::string foldedKey(const std::vector<std::string>& components) {
    std::string key;
    for (const std::string& component : components) {
        key += component;
        key += '/';
    }
    std::transform(key.begin(), key.end(), key.begin(), lowerAscii);
    return key;
}

bool writeAll(int file, const void* data, std::size_t size, std::int64_t offset) {
    const char* bytes = static_cast<const char*>(data);
    while (size > 0) {
        const ssize_t written = ::pwrite(file, bytes, size, offset);
        if (written < 0 && errno == EINTR) {
            continue;
        }
        if (written <= 0) {
            return false;
        }
        bytes += written;
        size -= static_cast<std::size_t>(written);
        offset += written;
    }
    return true;
}

} // namespace

Extractor::Extractor(const ExtractCommand& command, ExtractionReport& report)
    : command_(command), report_(report) {}

ExtractResult Extractor::run() {
    if (!destination_.open(command_.destination)) {
        report_.error("destination folder cannot be opened: " + command_.destination);
        return ExtractResult::WriteError;
    }
    ArchiveReader reader;
    if (!reader.open(command_.archivePath)) {
        report_.error("cannot read " + command_.archivePath + ": " +
                      archiveErrorText(reader.get()));
        return ExtractResult::ArchiveError;
    }
    return extractAll(reader.get());
}

ExtractResult Extractor::extractAll(archive* reader) {
    for (;;) {
        archive_entry* entry = nullptr;
        const int status = archive_read_next_header(reader, &entry);
        if (status == ARCHIVE_EOF) {
            return ExtractResult::Success;
        }
        if (status != ARCHIVE_OK && status != ARCHIVE_WARN) {
            report_.error("damaged archive: " + archiveErrorText(reader));
            return ExtractResult::ArchiveError;
        }
        const ExtractResult result = extractEntry(reader, entry);
        if (result != ExtractResult::Success) {
            return result;
        }
    }
}

ExtractResult Extractor::extractEntry(archive* reader, archive_entry* entry) {
    const std::string name = entryName(entry);
    if (const char* reason = refusalReason(entry)) {
        report_.skipped(reason, name);
        return ExtractResult::Success;
    }
    const EntryPath path = parseEntryPath(name);
    if (path.problem != nullptr) {
        report_.skipped(path.problem, name);
        return ExtractResult::Success;
    }
    if (archive_entry_filetype(entry) == AE_IFDIR) {
        return command_.dropPaths ? ExtractResult::Success : makeFolder(path.components, name);
    }
    if (!matchesMasks(path.components.back())) {
        return ExtractResult::Success;
    }
    const std::vector<std::string> target =
        command_.dropPaths ? std::vector<std::string>{path.components.back()} : path.components;
    if (!claimName(target)) {
        report_.skipped("same name as an earlier file", name);
        return ExtractResult::Success;
    }
    return extractFile(reader, entry, target, name);
}

ExtractResult Extractor::makeFolder(const std::vector<std::string>& components,
                                    const std::string& name) {
    return destination_.openFolder(components) ? ExtractResult::Success : writeFailure(name);
}

bool Extractor::matchesMasks(const std::string& fileName) const {
    return command_.masks.empty() ||
           std::any_of(command_.masks.begin(), command_.masks.end(),
                       [&](const std::string& mask) { return matchesMask(fileName, mask); });
}

bool Extractor::claimName(const std::vector<std::string>& target) {
    // Letter case is folded so that the same files are kept on every file system.
    return claimedNames_.insert(foldedKey(target)).second;
}

ExtractResult Extractor::extractFile(archive* reader, archive_entry* entry,
                                     const std::vector<std::string>& target,
                                     const std::string& name) {
    // A declared size over the limit stops before anything is written.
    if (archive_entry_size_is_set(entry) &&
        static_cast<std::uint64_t>(std::max<la_int64_t>(archive_entry_size(entry), 0)) >
            command_.sizeLimit - written_) {
        return sizeLimitReached();
    }
    const FileDescriptor folder =
        destination_.openFolder(std::vector<std::string>(target.begin(), target.end() - 1));
    if (!folder) {
        return writeFailure(name);
    }
    FileDescriptor file = DestinationFolder::createFile(folder.get(), target.back());
    if (!file) {
        return writeFailure(name);
    }
    const ExtractResult result = writeData(reader, file.get(), name);
    file.reset();
    if (result != ExtractResult::Success) {
        DestinationFolder::removeFile(folder.get(), target.back());
        return result;
    }
    report_.extracted();
    return ExtractResult::Success;
}

ExtractResult Extractor::writeData(archive* reader, int file, const std::string& name) {
    std::uint64_t fileSize = 0;
    for (;;) {
        const void* block = nullptr;
        std::size_t length = 0;
        la_int64_t offset = 0;
        const int status = archive_read_data_block(reader, &block, &length, &offset);
        if (status == ARCHIVE_EOF) {
            break;
        }
        if (status != ARCHIVE_OK || offset < 0) {
            report_.error("damaged archive: " + name + ": " + archiveErrorText(reader));
            return ExtractResult::ArchiveError;
        }
        // Counts what is really written, whatever size the header declared.
        const std::uint64_t end = static_cast<std::uint64_t>(offset) + length;
        if (std::max(fileSize, end) > command_.sizeLimit - written_) {
            return sizeLimitReached();
        }
        if (!writeAll(file, block, length, offset)) {
            return writeFailure(name);
        }
        fileSize = std::max(fileSize, end);
    }
    written_ += fileSize;
    return ExtractResult::Success;
}

ExtractResult Extractor::writeFailure(const std::string& name) {
    const int error = errno;
    report_.error("cannot write " + name + ": " + std::strerror(error));
    return ExtractResult::WriteError;
}

ExtractResult Extractor::sizeLimitReached() {
    report_.error("the files exceed the size limit of " + std::to_string(command_.sizeLimit) +
                  " bytes");
    return ExtractResult::SizeLimit;
}

} // namespace zorvik::archiver
