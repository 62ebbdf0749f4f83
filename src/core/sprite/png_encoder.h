#pragma once

#include <cstdint>
#include <optional>
#include <span>
#include <vector>

#include "core/sprite/bitmap_info.h"
#include "core/sprite/sprite_picture.h"

namespace zorvik::sprite {

// Encodes a decoded 8-bit bitmap (info and its bottom-up pixel rows, each
// sizeImage / height bytes long) as a palette PNG: all 256 colours in the
// palette, none of them transparent, top row first. None when the bitmap
// is not such a bitmap or the encoder fails.
std::optional<std::vector<std::uint8_t>> encodePalettePng(const BitmapInfo& info,
                                                          std::span<const std::uint8_t> pixels);

// Encodes a decoded version 2 sprite: an indexed picture as a palette PNG
// like encodePalettePng's, an RGB or RGBA picture as an 8-bit RGB or RGBA
// PNG. None when the picture lacks pixels or the encoder fails.
std::optional<std::vector<std::uint8_t>> encodePicturePng(const SpritePicture& picture);

// Encodes width x height RGBA pixels, top row first, as an 8-bit RGBA PNG
// without copying them. None when pixels is not that long or the encoder fails.
std::optional<std::vector<std::uint8_t>> encodeRgbaPng(std::span<const std::uint8_t> pixels,
                                                       std::uint32_t width, std::uint32_t height);

} // namespace zorvik::sprite
