#include "support/rar4_writer.h"

#include <stdexcept>

#include "support/byte_writer.h"

namespace zorvik::test {

namespace {

constexpr char kFileHeader = 0x74;
constexpr std::uint32_t kLongBlock = 0x8000;    // a data size follows the header
constexpr std::uint32_t kFolderWindow = 0x00E0; // the dictionary bits that mark a folder
constexpr char kHostUnix = 3;
constexpr char kMethodStore = 0x30;
constexpr std::uint32_t kDosTime = (40u << 25) | (1u << 21) | (1u << 16); // 2020-01-01

// A block: the CRC-16 (low half of the CRC-32) of everything after it, then the rest.
std::string block(const std::string& afterCrc) {
    std::string out;
    appendLe16(out, crc32(afterCrc) & 0xFFFF);
    return out + afterCrc;
}

std::string fileBlock(const FixtureEntry& entry) {
    if (entry.kind == FixtureEntry::Kind::HardLink) {
        throw std::invalid_argument("RAR 4 has no hard links");
    }
    const std::string& data = entry.content;
    std::string header;
    header += kFileHeader;
    appendLe16(header, kLongBlock | (entry.kind == FixtureEntry::Kind::Folder ? kFolderWindow : 0));
    appendLe16(header, static_cast<std::uint32_t>(32 + entry.name.size()));
    appendLe32(header, static_cast<std::uint32_t>(data.size())); // packed size
    appendLe32(header, entry.declaredSize.value_or(static_cast<std::uint32_t>(data.size())));
    header += kHostUnix;
    appendLe32(header, crc32(data));
    appendLe32(header, kDosTime);
    header += static_cast<char>(20); // version needed to extract
    header += kMethodStore;
    appendLe16(header, static_cast<std::uint32_t>(entry.name.size()));
    appendLe32(header, entry.unixMode());
    header += entry.name;
    return block(header) + data;
}

} // namespace

std::string rar4Archive(const std::vector<FixtureEntry>& entries) {
    std::string out("Rar!\x1A\x07\x00", 7);
    std::string archiveHeader("\x73\x00\x00", 3);
    appendLe16(archiveHeader, 13);
    archiveHeader.append(6, '\0'); // reserved
    out += block(archiveHeader);
    for (const FixtureEntry& entry : entries) {
        out += fileBlock(entry);
    }
    std::string end("\x7B", 1);
    appendLe16(end, 0x4000);
    appendLe16(end, 7);
    return out + block(end);
}

} // namespace zorvik::test
