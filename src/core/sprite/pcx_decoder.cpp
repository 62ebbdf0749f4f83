#include "core/sprite/pcx_decoder.h"

#include <new>

#include "core/sprite/little_endian.h"
#include "core/sprite/sprite_error.h"

namespace zorvik {

namespace {

constexpr std::size_t kPcxHeaderSize = 128;
// Two source bytes give at most 63 pixels and a row pads to at most four
// times its length, so a block larger than this could never be filled;
// refusing it first keeps a forged header from claiming gigabytes.
constexpr std::int64_t kMostBlockBytesPerSourceByte = 128;

// The fields of the 128-byte PCX header that decoding uses.
struct PcxHeader {
    std::uint8_t manufacturer = 0;
    std::uint8_t version = 0;
    std::uint8_t encoding = 0;
    std::uint8_t bitsPerPixel = 0;
    int width = 0;
    int height = 0;
    std::uint8_t planes = 0;
    int bytesPerLine = 0;

    static PcxHeader read(std::span<const std::uint8_t> pcx) {
        PcxHeader h;
        h.manufacturer = pcx[0];
        h.version = pcx[1];
        h.encoding = pcx[2];
        h.bitsPerPixel = pcx[3];
        h.width = sprite::readI16(pcx, 8) - sprite::readI16(pcx, 4) + 1;
        h.height = sprite::readI16(pcx, 10) - sprite::readI16(pcx, 6) + 1;
        h.planes = pcx[65];
        h.bytesPerLine = sprite::readI16(pcx, 66);
        return h;
    }

    int stride() const { return (bytesPerLine + 3) & ~3; }

    std::int64_t imageSize() const { return std::int64_t{stride()} * height * planes; }

    bool isSupported() const {
        return bitsPerPixel == 8 && planes == 1 && manufacturer == 10 && version == 5 &&
               encoding == 1;
    }
};

void writeBitmapHeader(const PcxHeader& pcx, BitmapInfoHeader& header) {
    header = BitmapInfoHeader{};
    header.size = BitmapInfoHeader::kSize;
    header.width = pcx.width;
    header.height = pcx.height;
    header.planes = pcx.planes;
    header.bitCount = pcx.bitsPerPixel;
    header.sizeImage = static_cast<std::uint32_t>(pcx.imageSize());
}

std::optional<std::vector<std::uint8_t>> refuse() {
    sprite::setLastError(sprite::kInvalidData);
    return std::nullopt;
}

std::optional<std::vector<std::uint8_t>> zeroFilledBlock(std::int64_t size) {
    try {
        return std::vector<std::uint8_t>(static_cast<std::size_t>(size));
    } catch (const std::bad_alloc&) {
        return std::nullopt;
    }
}

} // namespace

std::optional<std::vector<std::uint8_t>> DecodePcx(std::span<const std::uint8_t> pcx,
                                                   BitmapInfoHeader& header) {
    if (pcx.size() < kPcxHeaderSize) {
        return refuse();
    }
    const PcxHeader fields = PcxHeader::read(pcx);
    writeBitmapHeader(fields, header);
    if (!fields.isSupported()) {
        return refuse();
    }
    const auto rows = pcx.subspan(kPcxHeaderSize);
    const std::int64_t size = fields.imageSize();
    if (size < 0 || size > kMostBlockBytesPerSourceByte * std::ssize(rows)) {
        return refuse();
    }
    auto pixels = zeroFilledBlock(size);
    std::size_t bytesRead = 0;
    if (!pixels || !DecodePcxRle(rows, *pixels, fields.bytesPerLine, bytesRead)) {
        return std::nullopt;
    }
    return pixels;
}

} // namespace zorvik
