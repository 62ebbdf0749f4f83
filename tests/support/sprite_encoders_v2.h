#pragma once

#include <cstdint>
#include <string>
#include <vector>

// Compressors for the pixel formats of SFF version 2 sprites, written from
// the format's description so that the reader's decoders can be tested
// against them. Each takes palette indices, top row first, and returns the
// compressed bytes without the 4-byte size field.
namespace zorvik::test {

using Pixels = std::vector<std::uint8_t>;

// Runs of 2 to 63 as 0x40 | n and a value; a single value of 0x40 to 0x7F as a run of one.
std::string encodeRle8(const Pixels& pixels);

// Packets of a first run (of any colour, up to 256 long) and up to 127 runs
// of 5-bit colours up to 8 long; a colour of 32 or more starts a packet.
std::string encodeRle5(const Pixels& pixels);

// Greedy LZ5: at each pixel the longer of a run and a copy of earlier
// pixels (found in the last 1024), with short and long packets of both
// kinds and the recycled distance bits of every fourth short copy. Every
// pixel must be below 32, the most a run packet can carry.
std::string encodeLz5(const Pixels& pixels);

} // namespace zorvik::test
