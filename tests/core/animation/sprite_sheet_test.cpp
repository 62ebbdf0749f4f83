#include "core/animation/sprite_sheet.h"

#include <algorithm>
#include <string>

#include <gtest/gtest.h>

#include "core/sprite/sff_ex.h"
#include "support/sff_writer.h"
#include "support/standing_character.h"
#include "support/temp_folder.h"

namespace zorvik::test {
namespace {

// The sprite as the whole-file reader decodes it, coloured as frames show
// it: index 0 clear, no wider than the padded rows.
std::optional<RgbaImage> wholeFileSprite(const KelSFFEx& sff, std::int16_t group, std::int16_t image) {
    BitmapInfo info;
    const auto pixels = sff.GetSprite(group, image, info);
    if (!pixels || info.header.width <= 0 || info.header.height <= 0) {
        return std::nullopt;
    }
    const std::size_t stride = pixels->size() / static_cast<std::size_t>(info.header.height);
    const int columns = std::min(info.header.width, static_cast<int>(stride));
    RgbaImage coloured(columns, info.header.height);
    for (int y = 0; y < coloured.height; ++y) {
        for (int x = 0; x < columns; ++x) {
            const std::uint8_t index = (*pixels)[static_cast<std::size_t>(coloured.height - 1 - y) * stride +
                                                 static_cast<std::size_t>(x)];
            const RgbQuad quad = info.colours[index];
            if (index != 0) {
                const std::size_t at = coloured.offsetOf(x, y);
                coloured.pixels[at] = quad.red;
                coloured.pixels[at + 1] = quad.green;
                coloured.pixels[at + 2] = quad.blue;
                coloured.pixels[at + 3] = 255;
            }
        }
    }
    return coloured;
}

// Every record of the file, looked up by its group and image, shows the
// pixels the whole-file reader decodes, or is missing in both.
void expectEverySpriteAsTheWholeFileReader(const std::string& path, const std::string& what) {
    KelSFFEx sff;
    ASSERT_TRUE(sff.LoadFile(path)) << what;
    SpriteSheet sheet;
    ASSERT_TRUE(sheet.Open(path, std::nullopt)) << what;
    ASSERT_GT(sff.sprites().size(), 12u) << what;
    for (const SPRITEHEADERV1SET& record : sff.sprites()) {
        const auto expected = wholeFileSprite(sff, record.group, record.image);
        const auto sprite = sheet.Sprite(record.group, record.image);
        ASSERT_EQ(sprite.has_value(), expected.has_value()) << what << ' ' << record.group << ',' << record.image;
        if (sprite) {
            EXPECT_EQ(sprite->image->width, expected->width) << what;
            EXPECT_EQ(sprite->image->pixels, expected->pixels) << what << ' ' << record.group << ',' << record.image;
        }
    }
}

TEST(SpriteSheetV1, EverySpriteMatchesTheWholeFileReaderInAnyOrderAndCut) {
    TempFolder folder;
    // Odd and even widths, one shared palette, sprites asked for out of file order.
    const std::string bytes = realisticSff(200 * 1024);
    expectEverySpriteAsTheWholeFileReader(folder.write("a.sff", bytes), "whole");
    expectEverySpriteAsTheWholeFileReader(folder.write("b.sff", realisticSff(200 * 1024, true)), "standing last");
    // Cut inside a subfile header and inside a sprite's data.
    for (const std::size_t length : {bytes.size() * 2 / 3, bytes.size() * 2 / 3 + 2000, bytes.size() - 5}) {
        expectEverySpriteAsTheWholeFileReader(folder.write("cut.sff", bytes.substr(0, length)),
                                              "cut at " + std::to_string(length));
    }
}

} // namespace
} // namespace zorvik::test
