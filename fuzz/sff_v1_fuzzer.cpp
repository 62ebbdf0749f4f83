// The SFF version 1 reader as portrait capture uses it: load a file, look
// sprites up by group and image, decode them and encode the result as PNG.
// The sprite sheet the animation reads the same sprites from, in parts, must
// show the pixels the whole-file reader decodes.

#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <string_view>

#include "core/animation/sprite_sheet.h"
#include "core/sprite/png_encoder.h"
#include "core/sprite/sff_ex.h"
#include "scratch_folder.h"

namespace {

using zorvik::BitmapInfo;
using zorvik::KelSFFEx;

// Decoding every record of a long file would make each run slow; the
// records past these are read the same way.
constexpr std::size_t kMostDecodedRecords = 8;

void encode(const BitmapInfo& info, const std::vector<std::uint8_t>& pixels) {
    const auto png = zorvik::sprite::encodePalettePng(info, pixels);
    if (png && (png->size() < 8 || (*png)[0] != 0x89)) {
        zorvik::fuzz::fail("the PNG encoder returned something that is no PNG");
    }
}

void lookUp(const KelSFFEx& sff, std::int16_t group, std::int16_t image) {
    BitmapInfo info;
    if (const auto pixels = sff.GetSprite(group, image, info)) {
        encode(info, *pixels);
    }
    std::size_t index = 0;
    if (sff.FindSprite(group, image, &index) && index >= sff.sprites().size()) {
        zorvik::fuzz::fail("FindSprite gave an index past the records");
    }
    (void)sff.FindPalette(group, image);
}

// The columns of the whole-file reader's picture: its width, cut at the padded rows.
std::size_t frameColumns(const BitmapInfo& info, const std::vector<std::uint8_t>& rows) {
    const auto height = static_cast<std::size_t>(info.header.height);
    return std::min(static_cast<std::size_t>(info.header.width), rows.size() / height);
}

// The sprite in colour as frames show it, from the whole-file reader's
// bottom-up rows: index 0 clear, no wider than the padded rows.
std::vector<std::uint8_t> framePixels(const BitmapInfo& info, const std::vector<std::uint8_t>& rows) {
    const std::size_t width = frameColumns(info, rows);
    const auto height = static_cast<std::size_t>(info.header.height);
    const std::size_t stride = rows.size() / height;
    std::vector<std::uint8_t> pixels(width * height * 4, 0);
    for (std::size_t y = 0; y < height; ++y) {
        for (std::size_t x = 0; x < width; ++x) {
            const std::uint8_t index = rows[(height - 1 - y) * stride + x];
            const zorvik::RgbQuad colour = info.colours[index];
            if (index != 0) {
                std::uint8_t* pixel = &pixels[(y * width + x) * 4];
                pixel[0] = colour.red;
                pixel[1] = colour.green;
                pixel[2] = colour.blue;
                pixel[3] = 255;
            }
        }
    }
    return pixels;
}

void compareWithSheet(zorvik::SpriteSheet& sheet, const KelSFFEx& sff, std::int16_t group,
                      std::int16_t image) {
    BitmapInfo info;
    const auto rows = sff.GetSprite(group, image, info);
    const auto sprite = sheet.Sprite(group, image);
    const std::int64_t width = info.header.width;
    const std::int64_t height = info.header.height;
    const bool shown = rows && width > 0 && height > 0 &&
                       frameColumns(info, *rows) * static_cast<std::uint64_t>(height) <= zorvik::kMostSpritePixels;
    // A sheet keeps what it decoded: past its budget it refuses, and the
    // whole-file reader, which keeps nothing, is no measure then.
    if (!sprite && sheet.overBudget()) {
        return;
    }
    if (sprite.has_value() != shown) {
        zorvik::fuzz::fail("the sprite sheet and the whole-file reader disagree on a sprite");
    }
    if (sprite && (static_cast<std::size_t>(sprite->image->width) != frameColumns(info, *rows) ||
                   sprite->image->pixels != framePixels(info, *rows))) {
        zorvik::fuzz::fail("the sprite sheet's pixels differ from the whole-file reader's");
    }
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string path = zorvik::fuzz::ScratchFolder::instance().write(
        "input.sff", std::string_view(reinterpret_cast<const char*>(data), size));
    KelSFFEx sff;
    if (!sff.LoadFile(path)) {
        return 0;
    }
    lookUp(sff, 9000, 1); // the portrait registration takes by default
    zorvik::SpriteSheet sheet;
    const bool sheetOpen = sheet.Open(path, std::nullopt);
    const std::size_t records = std::min(sff.sprites().size(), kMostDecodedRecords);
    for (std::size_t i = 0; i < records; ++i) {
        lookUp(sff, sff.sprites()[i].group, sff.sprites()[i].image);
        if (sheetOpen) {
            compareWithSheet(sheet, sff, sff.sprites()[i].group, sff.sprites()[i].image);
        }
        std::optional<std::vector<std::uint8_t>> pixels;
        BitmapInfo info;
        if (sff.DecodeSprite(i, pixels, info) && pixels) {
            encode(info, *pixels);
        }
    }
    return 0;
}
