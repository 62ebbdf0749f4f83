#pragma once

#include <cstdint>
#include <optional>
#include <string>

#include "core/animation/rgba_image.h"
#include "core/sprite/sff_v1_parts.h"
#include "core/sprite/sff_v2.h"
#include "core/sprite/sprite_picture.h"

namespace zorvik {

// A sprite as a frame shows it: its picture in colour, colour 0 fully
// transparent, and the axis it is placed by.
struct FrameSprite {
    std::int16_t group = 0;
    std::int16_t number = 0;
    int axisX = 0;
    int axisY = 0;
    RgbaImage image;
};

// Sprites larger than this are not shown (16 million pixels, 64 MB).
inline constexpr std::uint64_t kMostSpritePixels = 4096u * 4096u;

// A character's sprite file of either version, its sprites decoded one by
// one as frames ask for them; only what those sprites need is read.
class SpriteSheet {
public:
    // Opens the file; actColours, the character's .act palette, colours a
    // version 1 file's shared-palette sprites. False when the file is
    // neither version 1 nor version 2.
    bool Open(const std::string& path, std::optional<SpritePalette> actColours);

    // 1 or 2 once opened, 0 before.
    int version() const { return version_; }

    // The sprite (group, number), links followed; none when it is missing,
    // has no palette, does not decode or is too large.
    std::optional<FrameSprite> Sprite(std::int16_t group, std::int16_t number);

private:
    std::optional<FrameSprite> spriteV1(std::int16_t group, std::int16_t number);
    std::optional<FrameSprite> spriteV2(std::int16_t group, std::int16_t number) const;

    int version_ = 0;
    SffV1Parts v1_;
    KelSFFV2 v2_;
    std::optional<SpritePalette> act_;
};

} // namespace zorvik
