#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <optional>
#include <span>
#include <vector>

#include "core/sprite/bitmap_info.h"

namespace zorvik {

// Decodes the PCX image of a sprite (version 5, run-length encoded, 8 bits,
// one plane) into a zero-filled block of bottom-up rows padded to 4 bytes.
// Writes the 40-byte bitmap header first, before checking anything; the
// colour table is left to the caller. None, with the sprite error code set,
// when the data is not such a PCX image or does not decode.
std::optional<std::vector<std::uint8_t>> DecodePcx(std::span<const std::uint8_t> pcx,
                                                   BitmapInfoHeader& header);

// Decodes run-length encoded rows of bytesPerLine bytes, top row first,
// into destination's rows of bytesPerLine rounded up to 4, bottom row
// first. A run never crosses a row end, and every row must be filled
// exactly; bytesRead receives the number of source bytes read.
bool DecodePcxRle(std::span<const std::uint8_t> source, std::span<std::uint8_t> destination,
                  int bytesPerLine, std::size_t& bytesRead);

// The four bytes each palette index is drawn with, as one word in memory order.
using PcxColours = std::array<std::uint32_t, 256>;

// Words written past a coloured row's end: runs are stored in blocks of this many.
inline constexpr std::size_t kColouredRowSlack = 8;

// Decodes one run-length encoded row of bytesPerLine indices, from source at
// read, into row's first bytesPerLine words through colours; row must hold
// kColouredRowSlack more words. read moves past the row. False when a run
// crosses the row end or the source ends before the row does.
bool DecodeColouredPcxRow(std::span<const std::uint8_t> source, std::size_t& read,
                          const PcxColours& colours, std::span<std::uint32_t> row,
                          std::size_t bytesPerLine);

// A PCX image in colour: width * height pixels of four bytes, top row first.
struct ColouredPcx {
    int width = 0;
    int height = 0;
    std::vector<std::uint8_t> pixels;
};

// Decodes the PCX image that DecodePcx accepts straight into colour, in one
// pass: pixel (x, y) is colours[index] for the x-th byte of row y while x is
// below bytesPerLine, and four zero bytes past it. The picture is as wide as
// the header says but no wider than DecodePcx's padded rows: columns past
// them hold no data, so they are not made up (a forged header must not
// turn a few bytes of rows into a picture of any width). Bytes of a row
// beyond the width are dropped. None when DecodePcx would refuse the data,
// or the picture is empty or has more than mostPixels pixels.
std::optional<ColouredPcx> DecodePcxColoured(std::span<const std::uint8_t> pcx,
                                             const PcxColours& colours, std::uint64_t mostPixels);

// The pixels DecodePcxColoured gives a picture, from its 128-byte header
// alone (width cut as it is cut, times height); none when the header is
// no 8-bit, one-plane, run-length encoded PCX header of a non-empty picture.
std::optional<std::uint64_t> ColouredPcxPixels(std::span<const std::uint8_t> pcx);

} // namespace zorvik
