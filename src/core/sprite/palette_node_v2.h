#pragma once

#include <cstddef>
#include <cstdint>
#include <span>

namespace zorvik {

// One 16-byte palette node of an SFF version 2 file, field for field.
// A palette's data always lies in ldata.
struct PALETTENODEV2 {
    static constexpr std::size_t kSize = 16;

    std::int16_t group = 0;
    std::int16_t image = 0;
    std::uint16_t colourCount = 0;
    std::uint16_t linkIndex = 0;  // node whose colours a linked palette uses
    std::uint32_t dataOffset = 0; // from the start of ldata
    std::uint32_t dataLength = 0; // 0 for a linked palette

    // Reads the node from the first kSize bytes.
    static PALETTENODEV2 read(std::span<const std::uint8_t> bytes);

    bool isLinked() const { return dataLength == 0; }
};

} // namespace zorvik
