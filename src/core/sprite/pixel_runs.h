#pragma once

#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <cstring>

// The two ways the version 2 decoders write pixels, each cut at the end of
// the destination.
namespace zorvik::sprite {

// Writes length copies of value at out; the position after them.
inline std::uint8_t* fillRun(std::uint8_t* out, const std::uint8_t* outEnd, std::uint8_t value,
                             std::size_t length) {
    const std::size_t count = std::min(length, static_cast<std::size_t>(outEnd - out));
    std::memset(out, value, count);
    return out + count;
}

// Copies length pixels from distance pixels back, one after another, so
// that a copy overlapping what it writes repeats the pixels before it.
// The caller makes sure distance pixels have been written.
inline std::uint8_t* copyBack(std::uint8_t* out, const std::uint8_t* outEnd, std::size_t distance,
                              std::size_t length) {
    const std::size_t count = std::min(length, static_cast<std::size_t>(outEnd - out));
    const std::uint8_t* from = out - distance;
    if (distance >= count) {
        std::memcpy(out, from, count);
    } else if (distance == 1) {
        std::memset(out, *from, count);
    } else {
        for (std::size_t i = 0; i < count; ++i) {
            out[i] = from[i];
        }
    }
    return out + count;
}

} // namespace zorvik::sprite
