#pragma once

#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <cstring>

// The two ways the version 2 decoders write pixels, each cut at the end of
// the destination. Where the destination has room, a run or copy is written
// 8 bytes at a time, which may write up to 7 bytes past its end (never past
// the destination's); the pixels that follow overwrite them. Short runs are
// most of a sprite's data, and a library call for each costs more than the
// writing.
namespace zorvik::sprite {

inline constexpr std::size_t kWordBytes = 8;

// Writes length copies of value at out; the position after them.
inline std::uint8_t* fillRun(std::uint8_t* out, const std::uint8_t* outEnd, std::uint8_t value,
                             std::size_t length) {
    const auto room = static_cast<std::size_t>(outEnd - out);
    if (room >= length + kWordBytes - 1) {
        const std::uint64_t word = 0x0101010101010101ULL * value;
        for (std::size_t i = 0; i < length; i += kWordBytes) {
            std::memcpy(out + i, &word, kWordBytes);
        }
        return out + length;
    }
    const std::size_t count = std::min(length, room);
    std::memset(out, value, count);
    return out + count;
}

// Copies length pixels from distance pixels back, one after another, so
// that a copy overlapping what it writes repeats the pixels before it.
// The caller makes sure distance pixels have been written.
inline std::uint8_t* copyBack(std::uint8_t* out, const std::uint8_t* outEnd, std::size_t distance,
                              std::size_t length) {
    const auto room = static_cast<std::size_t>(outEnd - out);
    // From at least a word back, each word read was written before it.
    if (distance >= kWordBytes && room >= length + kWordBytes - 1) {
        const std::uint8_t* from = out - distance;
        for (std::size_t i = 0; i < length; i += kWordBytes) {
            std::memcpy(out + i, from + i, kWordBytes);
        }
        return out + length;
    }
    const std::size_t count = std::min(length, room);
    if (distance == 1) {
        std::memset(out, out[-1], count);
    } else {
        const std::uint8_t* from = out - distance;
        for (std::size_t i = 0; i < count; ++i) {
            out[i] = from[i];
        }
    }
    return out + count;
}

} // namespace zorvik::sprite
