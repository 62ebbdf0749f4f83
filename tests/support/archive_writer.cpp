#include "support/archive_writer.h"

#include <archive.h>
#include <archive_entry.h>
#include <fstream>
#include <memory>
#include <stdexcept>

#include "support/rar4_writer.h"
#include "support/rar5_writer.h"

namespace zorvik::test {

namespace {

struct WriterFree {
    void operator()(archive* writer) const { archive_write_free(writer); }
};
struct EntryFree {
    void operator()(archive_entry* entry) const { archive_entry_free(entry); }
};

void check(archive* writer, int status, const std::string& what) {
    if (status != ARCHIVE_OK) {
        const char* reason = archive_error_string(writer);
        throw std::runtime_error(what + ": " + (reason ? reason : "unknown error"));
    }
}

void describe(archive_entry* entry, const FixtureEntry& item) {
    archive_entry_copy_pathname(entry, item.name.c_str());
    archive_entry_set_mtime(entry, 1577836800, 0); // 2020-01-01
    switch (item.kind) {
    case FixtureEntry::Kind::Folder:
        archive_entry_set_filetype(entry, AE_IFDIR);
        archive_entry_set_perm(entry, 0755);
        break;
    case FixtureEntry::Kind::SymbolicLink:
        archive_entry_set_filetype(entry, AE_IFLNK);
        archive_entry_set_perm(entry, 0777);
        archive_entry_copy_symlink(entry, item.content.c_str());
        break;
    case FixtureEntry::Kind::File:
        archive_entry_set_filetype(entry, AE_IFREG);
        archive_entry_set_perm(entry, 0644);
        archive_entry_set_size(entry, static_cast<la_int64_t>(item.content.size()));
        break;
    default:
        throw std::invalid_argument("zip and 7z fixtures hold files, folders and links only");
    }
}

void writeWithLibarchive(const std::string& path, ArchiveFormat format,
                         const std::vector<FixtureEntry>& entries) {
    const std::unique_ptr<archive, WriterFree> writer(archive_write_new());
    check(writer.get(),
          format == ArchiveFormat::Zip ? archive_write_set_format_zip(writer.get())
                                       : archive_write_set_format_7zip(writer.get()),
          "format");
    check(writer.get(), archive_write_open_filename(writer.get(), path.c_str()), path);
    for (const FixtureEntry& item : entries) {
        const std::unique_ptr<archive_entry, EntryFree> entry(archive_entry_new());
        describe(entry.get(), item);
        check(writer.get(), archive_write_header(writer.get(), entry.get()), item.name);
        if (item.kind == FixtureEntry::Kind::File && !item.content.empty() &&
            archive_write_data(writer.get(), item.content.data(), item.content.size()) < 0) {
            check(writer.get(), ARCHIVE_FATAL, item.name);
        }
    }
    check(writer.get(), archive_write_close(writer.get()), path);
}

} // namespace

const char* formatName(ArchiveFormat format) {
    switch (format) {
    case ArchiveFormat::Zip:
        return "Zip";
    case ArchiveFormat::SevenZip:
        return "SevenZip";
    case ArchiveFormat::Rar4:
        return "Rar4";
    case ArchiveFormat::Rar5:
        break;
    }
    return "Rar5";
}

const char* formatExtension(ArchiveFormat format) {
    return format == ArchiveFormat::Zip        ? ".zip"
           : format == ArchiveFormat::SevenZip ? ".7z"
                                               : ".rar";
}

void writeArchive(const std::string& path, ArchiveFormat format,
                  const std::vector<FixtureEntry>& entries) {
    if (format == ArchiveFormat::Zip || format == ArchiveFormat::SevenZip) {
        writeWithLibarchive(path, format, entries);
        return;
    }
    std::ofstream out(path, std::ios::binary | std::ios::trunc);
    out << (format == ArchiveFormat::Rar4 ? rar4Archive(entries) : rar5Archive(entries));
    if (!out) {
        throw std::runtime_error("cannot write " + path);
    }
}

} // namespace zorvik::test
