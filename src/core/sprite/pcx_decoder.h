#pragma once

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

} // namespace zorvik
