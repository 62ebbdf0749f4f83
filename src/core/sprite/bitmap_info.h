#pragma once

#include <array>
#include <cstdint>

namespace zorvik {

// The header block of a decoded sprite: the 40-byte header and the 256
// colour entries of an 8-bit device-independent bitmap, field for field.
// The pixel rows that go with it are stored bottom-up, each padded to a
// multiple of 4 bytes.
struct BitmapInfoHeader {
    static constexpr std::uint32_t kSize = 40;

    std::uint32_t size = 0;
    std::int32_t width = 0;
    std::int32_t height = 0; // positive: rows are stored bottom-up
    std::uint16_t planes = 0;
    std::uint16_t bitCount = 0;
    std::uint32_t compression = 0; // 0: uncompressed
    std::uint32_t sizeImage = 0;   // row stride * height * planes
    std::int32_t xPelsPerMeter = 0;
    std::int32_t yPelsPerMeter = 0;
    std::uint32_t clrUsed = 0; // 0: all 256 colours
    std::uint32_t clrImportant = 0;
};

// One colour entry: blue, green, red and a zero byte.
struct RgbQuad {
    std::uint8_t blue = 0;
    std::uint8_t green = 0;
    std::uint8_t red = 0;
    std::uint8_t reserved = 0;

    bool operator==(const RgbQuad&) const = default;
};

struct BitmapInfo {
    BitmapInfoHeader header;
    std::array<RgbQuad, 256> colours{};
};

} // namespace zorvik
