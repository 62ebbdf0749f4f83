#include <png.h>

#include "core/sprite/sprite_error.h"
#include "sff_v2_fixture.h"
#include "support/drawn_portrait.h"
#include "support/noise.h"
#include "support/png_writer.h"

namespace zorvik::test {
namespace {

using SffV2FormatTest = SffV2Fixture;
using SffV2LinkTest = SffV2Fixture;
using SffV2LoadTest = SffV2Fixture;

constexpr std::uint8_t kIndexedFormats[] = {0, 2, 3, 4, 10};

PngPicture pngOf(std::uint32_t width, std::uint32_t height, int colourType,
                 std::vector<std::uint8_t> rows) {
    PngPicture png;
    png.width = width;
    png.height = height;
    png.colourType = colourType;
    png.rows = std::move(rows);
    return png;
}

std::vector<std::uint8_t> noise(std::size_t size, std::uint32_t seed) {
    const std::string bytes = pseudoRandomBytes(size, seed);
    return std::vector<std::uint8_t>(bytes.begin(), bytes.end());
}

TEST_F(SffV2FormatTest, EveryIndexedFormatGivesTheWrittenPixelsInTheNamedPalette) {
    PcxPicture picture = drawnPortrait(37, 29);
    picture.palette = distinctPalette();
    PcxPalette other = distinctPalette();
    std::reverse(other.begin(), other.end());
    SffV2File file;
    file.palettes = {SffV2Palette::of(other), SffV2Palette::of(picture.palette)};
    for (const std::uint8_t format : kIndexedFormats) {
        file.sprites.push_back(SffV2Sprite::indexed(0, format, picture, format, 1));
    }
    ASSERT_TRUE(open(file));
    for (const std::uint8_t format : kIndexedFormats) {
        const auto sprite = sff.GetSprite(0, format);
        ASSERT_TRUE(sprite) << int{format};
        EXPECT_EQ(sprite->kind, SpritePicture::Kind::Indexed);
        EXPECT_EQ(sprite->width, 37u);
        EXPECT_EQ(sprite->height, 29u);
        EXPECT_EQ(sprite->pixels, picture.pixels) << int{format};
        // PNG8 too: its own PLTE holds other colours.
        EXPECT_EQ(sprite->palette, paletteOf(picture.palette)) << int{format};
    }
}

TEST_F(SffV2FormatTest, PngSpritesOfEveryDepthAndLayout) {
    const std::vector<std::uint8_t> rgb = noise(5 * 3 * 3, 1);
    const std::vector<std::uint8_t> rgba = noise(5 * 3 * 4, 2);
    PngPicture packed = pngOf(3, 2, PNG_COLOR_TYPE_PALETTE, {0x12, 0x30, 0x45, 0x60});
    packed.bitDepth = 4;
    packed.palette.assign(48, 9);
    PngPicture interlaced = pngOf(5, 3, PNG_COLOR_TYPE_RGB_ALPHA, rgba);
    interlaced.interlaced = true;
    SffV2File file;
    file.palettes = {SffV2Palette::of(distinctPalette())};
    file.sprites = {
        SffV2Sprite::png(1, 0, 5, 3, 11, pngOf(5, 3, PNG_COLOR_TYPE_RGB, rgb).encode()),
        SffV2Sprite::png(1, 1, 5, 3, 12, interlaced.encode()),
        SffV2Sprite::png(1, 2, 5, 3, 12, pngOf(5, 3, PNG_COLOR_TYPE_RGB, rgb).encode()),
        SffV2Sprite::png(1, 3, 5, 3, 11, pngOf(5, 3, PNG_COLOR_TYPE_RGB_ALPHA, rgba).encode()),
        SffV2Sprite::png(1, 4, 3, 2, 10, packed.encode())};
    ASSERT_TRUE(open(file));
    const auto rgbSprite = sff.GetSprite(1, 0);
    ASSERT_TRUE(rgbSprite);
    EXPECT_EQ(rgbSprite->kind, SpritePicture::Kind::Rgb);
    EXPECT_EQ(rgbSprite->pixels, rgb);
    const auto rgbaSprite = sff.GetSprite(1, 1);
    ASSERT_TRUE(rgbaSprite);
    EXPECT_EQ(rgbaSprite->kind, SpritePicture::Kind::Rgba);
    EXPECT_EQ(rgbaSprite->pixels, rgba);
    // The format sets the channels: an RGB PNG in a PNG32 sprite is opaque,
    // an RGBA PNG in a PNG24 sprite loses its alpha.
    const auto opaque = sff.GetSprite(1, 2);
    ASSERT_TRUE(opaque);
    EXPECT_EQ(opaque->pixels.size(), 60u);
    EXPECT_EQ(opaque->pixels[3], 0xFF);
    EXPECT_EQ(std::vector<std::uint8_t>(opaque->pixels.begin(), opaque->pixels.begin() + 3),
              std::vector<std::uint8_t>(rgb.begin(), rgb.begin() + 3));
    const auto stripped = sff.GetSprite(1, 3);
    ASSERT_TRUE(stripped);
    EXPECT_EQ(stripped->pixels[3], rgba[4]);
    // 4-bit indices come out one a byte.
    const auto indices = sff.GetSprite(1, 4);
    ASSERT_TRUE(indices);
    EXPECT_EQ(indices->pixels, (std::vector<std::uint8_t>{1, 2, 3, 4, 5, 6}));
}

TEST_F(SffV2FormatTest, PngOfAnotherSizeOrKindIsRefused) {
    const std::vector<std::uint8_t> rgb = noise(4 * 3 * 3, 3);
    SffV2File file;
    file.palettes = {SffV2Palette::of(distinctPalette())};
    file.sprites = {
        SffV2Sprite::png(2, 0, 4, 3, 11, pngOf(4, 3, PNG_COLOR_TYPE_RGB, rgb).encode()),
        SffV2Sprite::png(2, 1, 5, 3, 11, pngOf(4, 3, PNG_COLOR_TYPE_RGB, rgb).encode()),
        SffV2Sprite::png(2, 2, 4, 2, 12, pngOf(4, 3, PNG_COLOR_TYPE_RGB, rgb).encode()),
        SffV2Sprite::png(2, 3, 4, 3, 10, pngOf(4, 3, PNG_COLOR_TYPE_RGB, rgb).encode())};
    ASSERT_TRUE(open(file));
    EXPECT_TRUE(sff.GetSprite(2, 0));
    for (const std::int16_t image : {1, 2, 3}) {
        sprite::setLastError(0);
        EXPECT_FALSE(sff.GetSprite(2, image)) << image;
        EXPECT_EQ(sprite::lastError(), sprite::kInvalidData) << image;
    }
}

TEST_F(SffV2FormatTest, PaletteEntriesAreRedGreenBlueAndAnUnusedByte) {
    PcxPalette colours = distinctPalette();
    SffV2File file;
    file.palettes = {SffV2Palette::of(colours, 3)};
    file.palettes[0].data[3] = '\x7F'; // the unused byte of colour 0
    file.sprites = {SffV2Sprite::indexed(0, 0, distinctPicture(2, 2), 0)};
    ASSERT_TRUE(open(file));
    const auto sprite = sff.GetSprite(0, 0);
    ASSERT_TRUE(sprite);
    EXPECT_EQ(sprite->palette, paletteOf(colours, 3)); // colours 3 to 255 black
    EXPECT_EQ(sprite->palette[1], (RgbColour{1, 254, 7}));
}

TEST_F(SffV2FormatTest, UnknownFormatsAndDeepRawSpritesAreRefused) {
    SffV2File file;
    file.palettes = {SffV2Palette::of(distinctPalette())};
    file.sprites = {SffV2Sprite::indexed(0, 0, distinctPicture(2, 2), 0),
                    SffV2Sprite::indexed(0, 1, distinctPicture(2, 2), 0),
                    SffV2Sprite::indexed(0, 2, distinctPicture(2, 2), 2)};
    file.sprites[1].colourDepth = 24;
    file.sprites[2].format = 1;
    ASSERT_TRUE(open(file));
    EXPECT_TRUE(sff.GetSprite(0, 0));
    EXPECT_FALSE(sff.GetSprite(0, 1));
    EXPECT_FALSE(sff.GetSprite(0, 2));
}

TEST_F(SffV2LinkTest, LinkedSpriteShowsItsTargetInItsOwnPalette) {
    const PcxPicture picture = distinctPicture(3, 2);
    PcxPalette second = distinctPalette();
    std::reverse(second.begin(), second.end());
    SffV2File file;
    file.palettes = {SffV2Palette::of(picture.palette), SffV2Palette::of(second)};
    file.sprites = {SffV2Sprite::indexed(0, 0, picture, 4), SffV2Sprite::link(9000, 1, 2, 1),
                    SffV2Sprite::link(0, 2, 0, 0), SffV2Sprite::indexed(9000, 1, picture, 2)};
    ASSERT_TRUE(open(file));
    // The first (9000, 1) wins; its chain ends at node 0, its palette stays palette 1.
    const auto linked = sff.GetSprite(9000, 1);
    ASSERT_TRUE(linked);
    EXPECT_EQ(linked->pixels, picture.pixels);
    EXPECT_EQ(linked->palette, paletteOf(second));
    EXPECT_EQ(sff.FindSprite(9000, 1), 1u);
}

TEST_F(SffV2LinkTest, LoopsAndLinksOutOfTheTableAreRefused) {
    SffV2File file;
    file.palettes = {SffV2Palette::of(distinctPalette()),
                     SffV2Palette::link(0),
                     SffV2Palette::link(1),
                     SffV2Palette::link(4),
                     SffV2Palette::link(5),
                     SffV2Palette::link(3)};
    file.sprites = {SffV2Sprite::indexed(0, 0, distinctPicture(2, 2), 2),
                    SffV2Sprite::link(1, 1, 0, 2),
                    SffV2Sprite::link(1, 2, 1, 3),
                    SffV2Sprite::link(1, 3, 4),
                    SffV2Sprite::link(1, 4, 3),
                    SffV2Sprite::link(1, 5, 8),
                    SffV2Sprite::link(1, 6, 0, 6),
                    SffV2Sprite::link(1, 7, 7)};
    ASSERT_TRUE(open(file));
    EXPECT_TRUE(sff.GetSprite(1, 1));  // sprites 1 -> 0, palettes 2 -> 1 -> 0
    EXPECT_FALSE(sff.GetSprite(1, 2)); // palettes 3 -> 4 -> 5 -> 3
    EXPECT_FALSE(sff.GetSprite(1, 3)); // sprites 3 -> 4 -> 3
    EXPECT_FALSE(sff.GetSprite(1, 5)); // sprite link past the table
    EXPECT_FALSE(sff.GetSprite(1, 6)); // palette index past the table
    EXPECT_FALSE(sff.GetSprite(1, 7)); // linked to itself
    EXPECT_TRUE(sff.ReadPalette(2));
    EXPECT_FALSE(sff.ReadPalette(5));
    EXPECT_FALSE(sff.ReadPalette(6));
}

TEST_F(SffV2LoadTest, HeaderAndTablesMustBeThere) {
    SffV2File file;
    file.palettes = {SffV2Palette::of(distinctPalette())};
    file.sprites = {SffV2Sprite::indexed(9000, 1, distinctPicture(2, 2), 3)};
    const std::string bytes = file.bytes();
    ASSERT_TRUE(openBytes(bytes));
    EXPECT_EQ(sff.sprites().size(), 1u);
    EXPECT_EQ(sff.palettes().size(), 1u);
    EXPECT_EQ(sff.header().tdataOffset, file.tdataOffset());
    for (const auto& [at, value] :
         std::vector<std::pair<std::size_t, char>>{{15, 1}, {15, 3}, {11, 'X'}, {0, 'e'}}) {
        std::string broken = bytes;
        broken[at] = value;
        EXPECT_FALSE(openBytes(broken)) << at;
        EXPECT_TRUE(sff.sprites().empty());
    }
    EXPECT_FALSE(openBytes(bytes.substr(0, 511)));
    EXPECT_FALSE(sff.Open(folder.file("missing.sff")));
    file.spriteCount = 0xFFFFFFFF;
    EXPECT_FALSE(open(file));
    file.spriteCount.reset();
    file.paletteCount = 2;
    ASSERT_TRUE(open(file)); // the second node is read from the palette's data
    file.paletteCount = 0x10000000;
    EXPECT_FALSE(open(file));
}

TEST_F(SffV2LoadTest, DataMustLieInsideItsBlock) {
    const PcxPicture picture = distinctPicture(4, 4);
    SffV2File file;
    file.palettes = {SffV2Palette::of(picture.palette)};
    file.sprites = {SffV2Sprite::indexed(0, 0, picture, 0), SffV2Sprite::indexed(0, 1, picture, 0),
                    SffV2Sprite::indexed(0, 2, picture, 4)};
    file.sprites[1].dataOffset = 1024 + 16 + 1; // ldata ends one byte before its end
    ASSERT_TRUE(open(file));
    EXPECT_TRUE(sff.GetSprite(0, 0));
    EXPECT_TRUE(sff.GetSprite(0, 2));
    EXPECT_FALSE(sff.GetSprite(0, 1));
    file.palettes[0].dataLength = 1024 + 32 + 1;
    ASSERT_TRUE(open(file));
    EXPECT_FALSE(sff.GetSprite(0, 0)); // the palette runs out of ldata
}

} // namespace
} // namespace zorvik::test
