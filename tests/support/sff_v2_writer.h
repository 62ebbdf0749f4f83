#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "support/pcx_writer.h"

namespace zorvik::test {

// One sprite node of an SFF version 2 fixture and the data it stores.
struct SffV2Sprite {
    std::int16_t group = 0;
    std::int16_t image = 0;
    std::uint16_t width = 0;
    std::uint16_t height = 0;
    std::uint16_t linkIndex = 0;
    std::uint8_t format = 0;
    std::uint8_t colourDepth = 8;
    std::uint16_t paletteIndex = 0;
    bool inTdata = false;
    std::string data; // as stored, size field included; empty for a linked sprite
    std::optional<std::uint32_t> dataOffset; // stored instead of where data lands
    std::optional<std::uint32_t> dataLength; // stored instead of data.size()
    std::int16_t axisX = 0;
    std::int16_t axisY = 0;

    // The picture's pixels stored in format: raw (0), RLE8 (2), RLE5 (3),
    // LZ5 (4) or PNG8 (10). A PNG8 sprite's own PLTE holds the picture's
    // colours reversed, so that a reader using it instead of the SFF
    // palette shows.
    static SffV2Sprite indexed(std::int16_t group, std::int16_t image, const PcxPicture& picture,
                               std::uint8_t format, std::uint16_t paletteIndex = 0);
    // A PNG8 (10), PNG24 (11) or PNG32 (12) sprite holding an encoded PNG,
    // whatever its size, under a node of width x height.
    static SffV2Sprite png(std::int16_t group, std::int16_t image, std::uint16_t width,
                           std::uint16_t height, std::uint8_t format, std::string png);
    static SffV2Sprite link(std::int16_t group, std::int16_t image, std::uint16_t linkIndex,
                            std::uint16_t paletteIndex = 0);
};

// One palette node and its colours (red, green, blue and an unused byte each).
struct SffV2Palette {
    std::int16_t group = 1;
    std::int16_t image = 1;
    std::uint16_t linkIndex = 0;
    std::string data; // empty for a linked palette
    std::optional<std::uint32_t> dataOffset;
    std::optional<std::uint32_t> dataLength;

    // The first count colours of a red, green, blue palette.
    static SffV2Palette of(const PcxPalette& colours, std::size_t count = 256);
    static SffV2Palette link(std::uint16_t linkIndex);
};

// An SFF version 2 file laid out as the engine's tools write it: the
// 512-byte header, the sprite nodes, the palette nodes, then ldata (the
// palettes' colours and the ldata sprites) and tdata.
struct SffV2File {
    std::uint8_t minorVersion = 1; // 2.01
    std::vector<SffV2Sprite> sprites;
    std::vector<SffV2Palette> palettes;
    std::optional<std::uint32_t> spriteCount;  // stored instead of sprites.size()
    std::optional<std::uint32_t> paletteCount; // stored instead of palettes.size()
    std::optional<std::uint32_t> ldataLength;  // stored instead of the block's length

    std::uint32_t spriteNodeOffset() const { return 512; }
    std::uint32_t paletteNodeOffset() const;
    std::uint32_t ldataOffset() const;
    std::uint32_t tdataOffset() const;
    std::string bytes() const;
};

} // namespace zorvik::test
