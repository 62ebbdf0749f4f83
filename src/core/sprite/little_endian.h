#pragma once

#include <cstddef>
#include <cstdint>
#include <span>

// Fields of the sprite formats, which store numbers little-endian whatever
// the machine. Callers make sure the bytes lie inside the span.
namespace zorvik::sprite {

inline std::uint16_t readU16(std::span<const std::uint8_t> bytes, std::size_t offset) {
    return static_cast<std::uint16_t>(bytes[offset] | (bytes[offset + 1] << 8));
}

inline std::int16_t readI16(std::span<const std::uint8_t> bytes, std::size_t offset) {
    return static_cast<std::int16_t>(readU16(bytes, offset));
}

inline std::uint32_t readU32(std::span<const std::uint8_t> bytes, std::size_t offset) {
    return static_cast<std::uint32_t>(readU16(bytes, offset)) |
           (static_cast<std::uint32_t>(readU16(bytes, offset + 2)) << 16);
}

} // namespace zorvik::sprite
