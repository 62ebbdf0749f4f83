#pragma once

#include <cstdint>
#include <span>

#include "core/sprite/sprite_picture.h"

namespace zorvik::sprite {

// Decodes a PNG sprite into picture, whose kind, width and height the
// caller has set and whose pixels hold width * height * channels bytes. An
// indexed picture takes the PNG's palette indices (its PLTE is not read);
// RGB and RGBA pictures take whatever colour type the PNG has, converted.
// False when the PNG's size differs from the picture's, an indexed picture's
// PNG has no palette, or libpng refuses the data.
bool DecodePngSprite(std::span<const std::uint8_t> png, SpritePicture& picture);

// True when png starts with the PNG signature and an IHDR chunk of this
// width and height; lets a caller refuse a forged size before allocating.
bool PngHeaderSizeIs(std::span<const std::uint8_t> png, std::uint32_t width, std::uint32_t height);

} // namespace zorvik::sprite
