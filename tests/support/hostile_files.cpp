#include "support/hostile_files.h"

#include <stdexcept>
#include <vector>
#include <zlib.h>

#include "support/byte_writer.h"
#include "support/pcx_writer.h"
#include "support/sff_writer.h"

namespace zorvik::test {

namespace {

constexpr std::size_t kChunk = std::size_t{1} << 20;

// Raw deflate of one chunk of zeros ending on a full flush, so that copies
// of it can follow one another, and the empty final block that ends them.
std::pair<std::string, std::string> zeroChunkAndEnd() {
    z_stream stream{};
    if (deflateInit2(&stream, Z_BEST_COMPRESSION, Z_DEFLATED, -15, 9, Z_DEFAULT_STRATEGY) != Z_OK) {
        throw std::runtime_error("deflateInit2");
    }
    std::vector<Bytef> zeros(kChunk, 0);
    std::vector<Bytef> out(kChunk);
    const auto run = [&](Bytef* input, std::size_t size, int flush) {
        stream.next_in = input;
        stream.avail_in = static_cast<uInt>(size);
        stream.next_out = out.data();
        stream.avail_out = static_cast<uInt>(out.size());
        deflate(&stream, flush);
        return std::string(out.begin(), out.end() - stream.avail_out);
    };
    const std::string chunk = run(zeros.data(), zeros.size(), Z_FULL_FLUSH);
    const std::string end = run(nullptr, 0, Z_FINISH);
    deflateEnd(&stream);
    return {chunk, end};
}

std::uint32_t crcOfZeros(std::uint64_t size) {
    const std::vector<Bytef> zeros(kChunk, 0);
    const uLong chunkCrc = ::crc32(0, zeros.data(), static_cast<uInt>(kChunk));
    uLong crc = ::crc32(0, nullptr, 0);
    for (std::uint64_t done = 0; done < size; done += kChunk) {
        crc = crc32_combine(crc, chunkCrc, static_cast<z_off_t>(kChunk));
    }
    return static_cast<std::uint32_t>(crc);
}

// The fields a local and a central zip header share, from "version needed" on.
std::string commonZipFields(std::uint32_t crc, std::size_t packed, std::uint64_t size,
                            const std::string& name) {
    std::string out;
    appendLe16(out, 20); // version needed
    appendLe16(out, 0);  // flags
    appendLe16(out, 8);  // deflate
    appendLe32(out, 0);  // time and date
    appendLe32(out, crc);
    appendLe32(out, static_cast<std::uint32_t>(packed));
    appendLe32(out, static_cast<std::uint32_t>(size));
    appendLe16(out, static_cast<std::uint32_t>(name.size()));
    appendLe16(out, 0); // extra field length
    return out;
}

} // namespace

std::string loopingSff() {
    const std::string pcx = portraitPicture(8, 6).pcx();
    SffFile file;
    file.subfiles = {SffSubfile::sprite(0, 0, pcx), SffSubfile::link(9000, 1, 2),
                     SffSubfile::link(9000, 2, 1)};
    file.subfiles[2].nextOffset = file.offsetOf(0);
    return file.bytes();
}

std::string hugeSpriteSff() {
    PcxHeaderFields header;
    header.xMin = -32768;
    header.yMin = -32768;
    header.xMax = 32766;
    header.yMax = 32766;
    header.bytesPerLine = 32766;
    const PcxPalette palette = distinctPalette();
    std::string pcx = header.bytes() + std::string(64, '\xC1') + '\x0C';
    pcx.append(palette.begin(), palette.end());
    SffFile file;
    file.subfiles = {SffSubfile::sprite(9000, 1, pcx)};
    return file.bytes();
}

std::string zipBomb(const std::string& entryName, std::uint64_t size) {
    if (size % kChunk != 0 || size >= (std::uint64_t{1} << 32)) {
        throw std::invalid_argument("a zip bomb holds whole mebibytes, under 4 GiB");
    }
    const auto [chunk, end] = zeroChunkAndEnd();
    std::string data;
    for (std::uint64_t done = 0; done < size; done += kChunk) {
        data += chunk;
    }
    data += end;
    const std::string fields = commonZipFields(crcOfZeros(size), data.size(), size, entryName);
    std::string zip;
    appendLe32(zip, 0x04034b50);
    zip += fields + entryName + data;
    const std::size_t directoryStart = zip.size();
    appendLe32(zip, 0x02014b50);
    appendLe16(zip, 0x0314); // made by: Unix
    zip += fields;
    appendLe16(zip, 0); // comment length
    appendLe16(zip, 0); // disk
    appendLe16(zip, 0); // internal attributes
    appendLe32(zip, 0100644u << 16);
    appendLe32(zip, 0); // local header offset
    zip += entryName;
    const std::size_t directorySize = zip.size() - directoryStart;
    appendLe32(zip, 0x06054b50);
    appendLe32(zip, 0); // disk numbers
    appendLe16(zip, 1);
    appendLe16(zip, 1);
    appendLe32(zip, static_cast<std::uint32_t>(directorySize));
    appendLe32(zip, static_cast<std::uint32_t>(directoryStart));
    appendLe16(zip, 0); // comment length
    return zip;
}

std::string endlessLineDef(std::size_t size) {
    std::string line = "[Info] name = ";
    line.resize(size, 'x');
    return line;
}

std::string withFlippedByte(std::string archive, std::string_view stored) {
    const std::size_t at = archive.find(stored);
    if (stored.empty() || at == std::string::npos) {
        throw std::invalid_argument("the bytes are not stored as they are in the archive");
    }
    archive[at] = static_cast<char>(archive[at] ^ 0x20);
    return archive;
}

} // namespace zorvik::test
