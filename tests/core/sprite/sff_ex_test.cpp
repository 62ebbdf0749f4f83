#include "core/sprite/sff_ex.h"

#include "core/sprite/sprite_error.h"
#include "sff_fixture.h"

namespace zorvik::test {
namespace {

using SpriteLookupTest = SffFixture;
using PaletteTest = SffFixture;
using Found = std::pair<int, int>; // first pixel and red of colour 0; -1 when none

TEST_F(SpriteLookupTest, FirstMatchWinsAndLinksAreFollowedWithinBounds) {
    SffFile file;
    file.subfiles = {flatSprite(0, 0, 7),       flatSprite(9000, 1, 2),
                     flatSprite(9000, 1, 3),    SffSubfile::link(1, 1, 0),
                     SffSubfile::link(1, 2, 4), SffSubfile::link(1, 3, 6)};
    ASSERT_TRUE(load(file));
    EXPECT_EQ(pixelAndRed(9000, 1).first, 2);
    EXPECT_EQ(pixelAndRed(9000, 2).first, -1);
    std::size_t index = 99;
    EXPECT_EQ(sff.FindSprite(1, 1, &index), &sff.sprites()[0]);
    EXPECT_EQ(index, 0u);
    EXPECT_EQ(sff.FindSprite(1, 2), nullptr); // linked to itself
    EXPECT_EQ(sff.FindSprite(1, 3), nullptr); // link index == number of records
}

TEST_F(SpriteLookupTest, AtMost2500HopsAreFollowed) {
    SffFile file;
    file.subfiles.push_back(flatSprite(0, 0, 7));
    for (std::uint16_t i = 1; i <= 2501; ++i) {
        file.subfiles.push_back(SffSubfile::link(1, static_cast<std::int16_t>(i), i - 1));
    }
    ASSERT_TRUE(load(file));
    EXPECT_NE(sff.FindSprite(1, 2500), nullptr);
    EXPECT_EQ(sff.FindSprite(1, 2501), nullptr);
}

TEST_F(PaletteTest, OnlyBytes01And00ShareThePreviousPalette) {
    SffFile file;
    file.subfiles = {flatSprite(0, 0, 1, 10), flatSprite(0, 1, 1, 20), flatSprite(0, 2, 1, 30),
                     flatSprite(0, 3, 1, 40), flatSprite(0, 4, 1, 50)};
    file.subfiles[2].samePalette = 0x0001; // bytes 01 00
    file.subfiles[3].samePalette = 0x0101; // bytes 01 01
    file.subfiles[4].samePalette = 0x0100; // bytes 00 01
    ASSERT_TRUE(load(file));
    EXPECT_EQ(pixelAndRed(0, 2).second, 20);
    EXPECT_EQ(pixelAndRed(0, 3).second, 40);
    EXPECT_EQ(pixelAndRed(0, 4).second, 50);
}

TEST_F(PaletteTest, WalkStartsAtTheResolvedRecordAndNeedsARealPalette) {
    SffFile file;
    file.subfiles = {flatSprite(0, 0, 1, 10), flatSprite(0, 1, 2, 20),
                     flatSprite(0, 1, 3, 30), SffSubfile::link(9000, 1, 2),
                     flatSprite(0, 2, 4, 40), SffSubfile::sprite(0, 3, std::string(767, '\0'))};
    file.subfiles[4].samePalette = 1;
    ASSERT_TRUE(load(file));
    // The link leads to the second (0, 1), whose own palette is used, not the first one's.
    EXPECT_EQ(pixelAndRed(9000, 1), Found(3, 30));
    EXPECT_EQ(pixelAndRed(0, 2), Found(-1, -1)); // the walk reaches a link: no data
    EXPECT_FALSE(sff.FindPalette(0, 3));         // shorter than a palette

    file.subfiles = {flatSprite(0, 0, 1), flatSprite(0, 1, 1)};
    file.subfiles[0].samePalette = 1;
    file.subfiles[1].samePalette = 1;
    ASSERT_TRUE(load(file));
    EXPECT_FALSE(sff.FindPalette(0, 1)); // every sprite from index 0 shares
    file.subfiles = {flatSprite(0, 0, 1)};
    file.subfiles[0].length = static_cast<std::uint32_t>(file.subfiles[0].pcx.size() + 1);
    ASSERT_TRUE(load(file));
    EXPECT_FALSE(sff.FindPalette(0, 0)); // the data runs past the end of the file
}

TEST_F(PaletteTest, ColourEntriesAreBlueGreenRedZeroAndNothingIsTransparent) {
    PcxPicture picture = flatPicture(3, 2, 0, 0);
    std::copy_n("\xFF\x80\x00", 3, picture.palette.begin());
    std::copy_n("\x01\x02\x03", 3, picture.palette.end() - 3);
    SffFile file;
    file.subfiles = {SffSubfile::sprite(9000, 1, picture.pcx())};
    ASSERT_TRUE(load(file));
    BitmapInfo info;
    ASSERT_TRUE(sff.GetSprite(9000, 1, info));
    EXPECT_EQ(info.colours[0], (RgbQuad{0x00, 0x80, 0xFF, 0}));
    EXPECT_EQ(info.colours[255], (RgbQuad{3, 2, 1, 0}));
    EXPECT_EQ(info.header.size, 40u);
    EXPECT_EQ(info.header.sizeImage, 8u);
}

TEST_F(PaletteTest, UndecodablePixelsStillGetTheColours) {
    std::string pcx = flatPicture(2, 1, 1, 9).pcx();
    pcx[2] = 0; // not run-length encoded
    SffFile file;
    file.subfiles = {SffSubfile::sprite(0, 0, pcx)};
    ASSERT_TRUE(load(file));
    sprite::setLastError(0);
    BitmapInfo info;
    std::optional<std::vector<std::uint8_t>> pixels;
    EXPECT_TRUE(sff.DecodeSprite(0, pixels, info));
    EXPECT_FALSE(pixels);
    EXPECT_EQ(info.colours[0].red, 9);
    EXPECT_EQ(sprite::lastError(), sprite::kInvalidData);
    EXPECT_FALSE(sff.GetSprite(0, 0, info));
}

} // namespace
} // namespace zorvik::test
