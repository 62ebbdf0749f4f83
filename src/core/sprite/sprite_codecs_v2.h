#pragma once

#include <cstdint>
#include <span>

// The compressed pixel formats of SFF version 2 sprites. Each decoder fills
// destination (width * height palette indices, top row first) from source,
// the sprite's data after its 4-byte size field. A run that would pass the
// end of destination is cut there; none of them writes past destination or
// reads past source. False when source ends before destination is full or
// refers to pixels not yet written.
namespace zorvik::sprite {

// RLE8: a byte 0x40 | n is a run of n copies of the byte after it; any other byte is one pixel.
bool DecodeRle8(std::span<const std::uint8_t> source, std::span<std::uint8_t> destination);

// RLE5: packets of a run of one colour followed by runs of 5-bit colours.
bool DecodeRle5(std::span<const std::uint8_t> source, std::span<std::uint8_t> destination);

// LZ5: groups of up to 8 packets under a control byte, each packet a run of a
// 5-bit colour or a copy of pixels written before.
bool DecodeLz5(std::span<const std::uint8_t> source, std::span<std::uint8_t> destination);

} // namespace zorvik::sprite
