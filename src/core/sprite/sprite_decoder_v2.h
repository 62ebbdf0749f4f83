#pragma once

#include <cstdint>
#include <optional>
#include <span>

#include "core/sprite/sprite_node_v2.h"
#include "core/sprite/sprite_picture.h"

namespace zorvik::sprite {

// Sprites larger than this are refused before anything is allocated for
// them (4096 x 4096 pixels, far beyond any portrait or stage layer).
inline constexpr std::uint64_t kMostSpritePixels = std::uint64_t{1} << 24;

// Decodes the data of a version 2 sprite node (the data length bytes at its
// offset) into a picture of the node's width and height. Raw, RLE8, RLE5,
// LZ5 and PNG8 sprites give an indexed picture whose palette the caller
// fills; PNG24 and PNG32 sprites give RGB and RGBA pictures. None, with the
// sprite error code set, when the format is unknown, the size is refused,
// or the data does not decode.
std::optional<SpritePicture> DecodeSpriteV2(const SPRITENODEV2& node,
                                            std::span<const std::uint8_t> data);

} // namespace zorvik::sprite
