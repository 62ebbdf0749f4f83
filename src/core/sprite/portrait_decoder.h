#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <variant>
#include <vector>

#include "core/sprite/bitmap_info.h"
#include "core/sprite/sprite_picture.h"

namespace zorvik {

// A version 1 sprite as its reader decodes it: the bitmap header with its
// colour table, and the bottom-up pixel rows.
struct DecodedBitmap {
    BitmapInfo info;
    std::vector<std::uint8_t> pixels;
};

// The sprite a portrait is made from: a version 1 bitmap or a version 2 picture.
using DecodedPortrait = std::variant<DecodedBitmap, SpritePicture>;

// Decodes the sprite (group, image) of the SFF file at spritePath with the
// reader its version byte names (1 or 2); none when the file cannot be
// read, is of another version, or lacks the sprite or cannot decode it.
std::optional<DecodedPortrait> DecodePortraitSprite(const std::string& spritePath,
                                                    std::int16_t group, std::int16_t image);

// Encodes a decoded portrait as PNG: an indexed sprite as an 8-bit palette
// PNG, a version 2 RGB or RGBA sprite as an RGB or RGBA PNG. None when the
// sprite cannot be encoded.
std::optional<std::vector<std::uint8_t>> EncodePortraitPng(const DecodedPortrait& portrait);

} // namespace zorvik
