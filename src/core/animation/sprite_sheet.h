#pragma once

#include <cstddef>
#include <cstdint>
#include <map>
#include <memory>
#include <optional>
#include <string>
#include <utility>

#include "core/animation/rgba_image.h"
#include "core/sprite/sff_v1_parts.h"
#include "core/sprite/sff_v2.h"
#include "core/sprite/sprite_picture.h"

namespace zorvik {

// A sprite as a frame shows it: its picture in colour, colour 0 fully
// transparent, and the axis it is placed by. Sprites linked to one
// picture share it.
struct FrameSprite {
    std::int16_t group = 0;
    std::int16_t number = 0;
    int axisX = 0;
    int axisY = 0;
    std::shared_ptr<const RgbaImage> image;
};

// Sprites larger than this are not shown (16 million pixels, 64 MB).
inline constexpr std::uint64_t kMostSpritePixels = 4096u * 4096u;

// All the pictures one sheet decodes take at most this many bytes (64 MB):
// the largest sprite fits, and no file makes an animation take more.
inline constexpr std::uint64_t kMostSheetBytes = 4 * kMostSpritePixels;

// A character's sprite file of either version, its sprites decoded one by
// one as frames ask for them; only what those sprites need is read. Each
// picture is decoded once, however many sprites link to it, and the
// pictures decoded together stay within a budget of bytes.
class SpriteSheet {
public:
    explicit SpriteSheet(std::uint64_t mostBytes = kMostSheetBytes) : mostBytes_(mostBytes) {}

    // Opens the file; actColours, the character's .act palette, colours a
    // version 1 file's shared-palette sprites. False when the file is
    // neither version 1 nor version 2.
    bool Open(const std::string& path, std::optional<SpritePalette> actColours);

    // 1 or 2 once opened, 0 before.
    int version() const { return version_; }

    // The sprite (group, number), links followed; none when it is missing,
    // has no palette, does not decode, is too large, or its picture would
    // take the decoded bytes past the budget (overBudget() then tells).
    std::optional<FrameSprite> Sprite(std::int16_t group, std::int16_t number);

    // Whether the last Sprite() was refused for the budget alone.
    bool overBudget() const { return overBudget_; }
    // The bytes of the pictures decoded so far.
    std::uint64_t decodedBytes() const { return decodedBytes_; }

private:
    // A decoded picture: the record or node holding the pixels, and for a
    // version 2 sprite the palette node it is shown in (-1 for version 1).
    using PictureKey = std::pair<std::size_t, int>;
    using Picture = std::shared_ptr<const RgbaImage>;

    std::optional<FrameSprite> spriteV1(std::int16_t group, std::int16_t number);
    std::optional<FrameSprite> spriteV2(std::int16_t group, std::int16_t number);
    Picture decodeV1(std::size_t owner);
    Picture decodeV2(std::int16_t group, std::int16_t number, const PictureKey& key);
    // The most pixels the next picture may have: the budget left, in colour.
    std::uint64_t budgetPixels() const;
    Picture keep(const PictureKey& key, std::optional<RgbaImage> image);

    int version_ = 0;
    SffV1Parts v1_;
    KelSFFV2 v2_;
    std::optional<SpritePalette> act_;
    std::map<PictureKey, Picture> pictures_;
    std::uint64_t mostBytes_;
    std::uint64_t decodedBytes_ = 0;
    bool overBudget_ = false;
};

} // namespace zorvik
