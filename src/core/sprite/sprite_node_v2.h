#pragma once

#include <cstddef>
#include <cstdint>
#include <span>

namespace zorvik {

// One 28-byte sprite node of an SFF version 2 file, field for field.
struct SPRITENODEV2 {
    static constexpr std::size_t kSize = 28;

    // The ways a sprite's data is stored (the format byte).
    enum Format : std::uint8_t {
        kRaw = 0,
        kRle8 = 2,
        kRle5 = 3,
        kLz5 = 4,
        kPng8 = 10,
        kPng24 = 11,
        kPng32 = 12,
    };

    std::int16_t group = 0;
    std::int16_t image = 0;
    std::uint16_t width = 0;
    std::uint16_t height = 0;
    std::int16_t axisX = 0;
    std::int16_t axisY = 0;
    std::uint16_t linkIndex = 0; // node whose data a linked sprite shows
    std::uint8_t format = kRaw;
    std::uint8_t colourDepth = 0;
    std::uint32_t dataOffset = 0; // from the start of ldata or tdata
    std::uint32_t dataLength = 0; // 0 for a linked sprite
    std::uint16_t paletteIndex = 0;
    std::uint16_t flags = 0;

    // Reads the node from the first kSize bytes.
    static SPRITENODEV2 read(std::span<const std::uint8_t> bytes);

    bool isLinked() const { return dataLength == 0; }
    // Flag bit 0 puts the data in tdata, otherwise it is in ldata.
    bool inTdata() const { return (flags & 1) != 0; }
};

} // namespace zorvik
