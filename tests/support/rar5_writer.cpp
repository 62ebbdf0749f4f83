#include "support/rar5_writer.h"

#include "support/byte_writer.h"

namespace zorvik::test {

namespace {

enum HeaderType : std::uint64_t { kMain = 1, kFile = 2, kEnd = 5 };
constexpr std::uint64_t kHasExtra = 0x0001;
constexpr std::uint64_t kHasData = 0x0002;
constexpr std::uint64_t kFileIsFolder = 0x0001;
constexpr std::uint64_t kFileHasCrc = 0x0004;
constexpr std::uint64_t kHostUnix = 1;
constexpr std::uint64_t kRedirectionRecord = 5;
constexpr std::uint64_t kUnixSymbolicLink = 1;
constexpr std::uint64_t kHardLink = 4;

// A header: CRC-32 of the size field and the fields, the size, the fields.
std::string header(const std::string& fields) {
    std::string sized;
    appendVint(sized, fields.size());
    sized += fields;
    std::string out;
    appendLe32(out, crc32(sized));
    return out + sized;
}

// The extra area of a link entry: one redirection record.
std::string redirection(const FixtureEntry& entry) {
    std::string record;
    appendVint(record, kRedirectionRecord);
    appendVint(record, entry.kind == FixtureEntry::Kind::HardLink ? kHardLink : kUnixSymbolicLink);
    appendVint(record, 0); // flags
    appendVint(record, entry.content.size());
    record += entry.content;
    std::string extra;
    appendVint(extra, record.size());
    return extra + record;
}

std::string fileHeader(const FixtureEntry& entry, const std::string& data) {
    const bool isLink = entry.kind == FixtureEntry::Kind::SymbolicLink ||
                        entry.kind == FixtureEntry::Kind::HardLink;
    const bool isFolder = entry.kind == FixtureEntry::Kind::Folder;
    const std::string extra = isLink ? redirection(entry) : std::string();
    std::string fields;
    appendVint(fields, kFile);
    appendVint(fields, kHasData | (isLink ? kHasExtra : 0));
    if (isLink) {
        appendVint(fields, extra.size());
    }
    appendVint(fields, data.size());
    appendVint(fields, (isFolder ? kFileIsFolder : 0) | kFileHasCrc);
    appendVint(fields, data.size()); // unpacked size
    appendVint(fields, entry.unixMode());
    appendLe32(fields, crc32(data));
    appendVint(fields, 0); // compression: version 0, stored, smallest window
    appendVint(fields, kHostUnix);
    appendVint(fields, entry.name.size());
    fields += entry.name;
    return header(fields + extra);
}

std::string simpleHeader(std::uint64_t type) {
    std::string fields;
    appendVint(fields, type);
    appendVint(fields, 0); // header flags
    appendVint(fields, 0); // archive or end-of-archive flags
    return header(fields);
}

} // namespace

std::string rar5Archive(const std::vector<FixtureEntry>& entries) {
    std::string out("Rar!\x1A\x07\x01\x00", 8);
    out += simpleHeader(kMain);
    for (const FixtureEntry& entry : entries) {
        const bool hasData = entry.kind == FixtureEntry::Kind::File;
        const std::string data = hasData ? entry.content : std::string();
        out += fileHeader(entry, data) + data;
    }
    return out + simpleHeader(kEnd);
}

} // namespace zorvik::test
