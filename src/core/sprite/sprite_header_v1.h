#pragma once

#include <array>
#include <cstdint>
#include <optional>
#include <span>

namespace zorvik {

// One subfile of an SFF version 1 file: its 32-byte header as stored,
// and where its PCX data lies in the loaded file.
struct SPRITEHEADERV1SET {
    static constexpr std::size_t kHeaderSize = 32;

    std::uint32_t nextOffset = 0; // file offset of the next subfile header
    std::uint32_t length = 0;     // PCX data length; 0 for a linked sprite
    std::int16_t axisX = 0;
    std::int16_t axisY = 0;
    std::int16_t group = 0;
    std::int16_t image = 0;
    std::uint16_t linkIndex = 0;   // record whose data a linked sprite uses
    std::uint16_t samePalette = 0; // 1: the sprite uses the previous palette
    std::array<std::uint8_t, 12> comment{};

    // The PCX data inside the loaded file, cut at the file's end when the
    // length runs past it; empty for a linked sprite. Valid while the file
    // stays loaded.
    std::span<const std::uint8_t> pcxData;

    // Reads the subfile header at offset of file; none when fewer than
    // 32 bytes remain there.
    static std::optional<SPRITEHEADERV1SET> read(std::span<const std::uint8_t> file,
                                                 std::uint32_t offset);

    bool sharesPalette() const { return samePalette == 1; }
    // True when all length bytes of the PCX data lie inside the file.
    bool hasCompleteData() const { return length != 0 && pcxData.size() == length; }
};

} // namespace zorvik
