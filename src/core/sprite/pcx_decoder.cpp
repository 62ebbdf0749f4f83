#include "core/sprite/pcx_decoder.h"

#include <algorithm>
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

// The header of data DecodePcx would decode the rows of; none otherwise.
std::optional<PcxHeader> decodableHeader(std::span<const std::uint8_t> pcx) {
    if (pcx.size() < kPcxHeaderSize) {
        return std::nullopt;
    }
    const PcxHeader fields = PcxHeader::read(pcx);
    const std::int64_t size = fields.imageSize();
    if (!fields.isSupported() || size < 0 ||
        size > kMostBlockBytesPerSourceByte * std::ssize(pcx.subspan(kPcxHeaderSize))) {
        return std::nullopt;
    }
    return fields;
}

// Appends a decoded row: its first words, clear pixels past the data.
void appendRow(std::vector<std::uint8_t>& pixels, const std::vector<std::uint32_t>& row,
               std::size_t columns, std::size_t bytesPerLine) {
    const std::size_t filled = std::min(columns, bytesPerLine);
    const auto* bytes = reinterpret_cast<const std::uint8_t*>(row.data());
    pixels.insert(pixels.end(), bytes, bytes + 4 * filled);
    pixels.resize(pixels.size() + 4 * (columns - filled));
}

// The columns a coloured picture gets: the width, but no more than the
// decoded rows' stride. Columns past it would have no pixels at all.
std::size_t colouredColumns(const PcxHeader& fields) {
    return static_cast<std::size_t>(std::min(fields.width, fields.stride()));
}

} // namespace

std::optional<std::uint64_t> ColouredPcxPixels(std::span<const std::uint8_t> pcx) {
    if (pcx.size() < kPcxHeaderSize) {
        return std::nullopt;
    }
    const PcxHeader fields = PcxHeader::read(pcx);
    if (!fields.isSupported() || fields.width <= 0 || fields.height <= 0 || fields.bytesPerLine < 1) {
        return std::nullopt;
    }
    return std::uint64_t{colouredColumns(fields)} * static_cast<std::uint64_t>(fields.height);
}

std::optional<ColouredPcx> DecodePcxColoured(std::span<const std::uint8_t> pcx,
                                             const PcxColours& colours, std::uint64_t mostPixels) {
    const auto fields = decodableHeader(pcx);
    const auto pixels = ColouredPcxPixels(pcx);
    if (!fields || !pixels || *pixels > mostPixels) {
        sprite::setLastError(sprite::kInvalidData);
        return std::nullopt;
    }
    const std::size_t width = colouredColumns(*fields);
    const auto bytesPerLine = static_cast<std::size_t>(fields->bytesPerLine);
    const auto rows = pcx.subspan(kPcxHeaderSize);
    ColouredPcx image{static_cast<int>(width), fields->height, {}};
    std::vector<std::uint32_t> row(bytesPerLine + kColouredRowSlack);
    std::size_t read = 0;
    try {
        // Reserved up to what data of this size could fill, so that a forged
        // width is not granted its memory before its rows decode.
        image.pixels.reserve(std::min(4 * width * static_cast<std::size_t>(fields->height),
                                      4 * std::size_t{kMostBlockBytesPerSourceByte} * rows.size()));
        for (int y = 0; y < fields->height; ++y) {
            if (!DecodeColouredPcxRow(rows, read, colours, row, bytesPerLine)) {
                sprite::setLastError(sprite::kInvalidData);
                return std::nullopt;
            }
            appendRow(image.pixels, row, width, bytesPerLine);
        }
    } catch (const std::bad_alloc&) {
        return std::nullopt;
    }
    return image;
}

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
