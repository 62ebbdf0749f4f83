#pragma once

#include <array>
#include <cstdint>
#include <string>
#include <vector>

namespace zorvik::test {

using PcxPalette = std::array<std::uint8_t, 768>; // red, green, blue triples

// The 128-byte PCX header; every field can be set wrong on purpose.
struct PcxHeaderFields {
    std::uint8_t manufacturer = 10;
    std::uint8_t version = 5;
    std::uint8_t encoding = 1;
    std::uint8_t bitsPerPixel = 8;
    std::int16_t xMin = 0;
    std::int16_t yMin = 0;
    std::int16_t xMax = 0;
    std::int16_t yMax = 0;
    std::uint8_t planes = 1;
    std::int16_t bytesPerLine = 0;

    std::string bytes() const;
};

// An 8-bit picture: width * height palette indices, top row first.
struct PcxPicture {
    int width = 0;
    int height = 0;
    std::vector<std::uint8_t> pixels;
    PcxPalette palette{};

    // Rows of bytesPerLine bytes (padding with 0), run-length encoded the
    // way PCX writers do: runs of up to 63, single bytes >= 0xC0 as runs of one.
    std::string encodedRows(int bytesPerLine) const;
    // A complete PCX image: header, encoded rows, 0x0C and the palette.
    // bytesPerLine 0 means the width rounded up to even.
    std::string pcx(int bytesPerLine = 0) const;
};

// A palette whose every entry differs from the others: entry i is (i, 255 - i, i * 7).
PcxPalette distinctPalette();

// A picture that looks like a portrait: a dark background around a
// shaded figure, with long runs and short ones as real sprites have.
PcxPicture portraitPicture(int width, int height);

} // namespace zorvik::test
