#include "core/sprite/sff_ex.h"

#include "core/sprite/sprite_error.h"
#include "sff_fixture.h"

namespace zorvik::test {
namespace {

using SpriteLookupTest = SffFixture;
using PaletteTest = SffFixture;

TEST_F(SpriteLookupTest, FirstMatchInFileOrderIsUsed) {
    SffFile file;
    file.subfiles = {flatSprite(9000, 0, 1), flatSprite(9000, 1, 2), flatSprite(9000, 1, 3),
                     flatSprite(-1, -1, 4)};
    ASSERT_TRUE(load(file));
    EXPECT_EQ(pixelAndRed(9000, 1).first, 2);
    EXPECT_EQ(pixelAndRed(-1, -1).first, 4);
    EXPECT_EQ(pixelAndRed(9000, 2).first, -1);
    std::size_t index = 99;
    ASSERT_NE(sff.FindSprite(9000, 1, &index), nullptr);
    EXPECT_EQ(index, 1u);
}

TEST_F(SpriteLookupTest, LinksAreFollowedWithinBounds) {
    SffFile file;
    file.subfiles = {flatSprite(0, 0, 7), SffSubfile::link(9000, 1, 0),
                     SffSubfile::link(9000, 2, 2), SffSubfile::link(9000, 3, 5),
                     SffSubfile::link(9000, 4, 1)};
    ASSERT_TRUE(load(file));
    std::size_t index = 99;
    EXPECT_EQ(sff.FindSprite(9000, 4, &index), &sff.sprites()[0]);
    EXPECT_EQ(index, 0u);
    EXPECT_EQ(pixelAndRed(9000, 1).first, 7);
    EXPECT_EQ(sff.FindSprite(9000, 2), nullptr); // linked to itself
    EXPECT_EQ(sff.FindSprite(9000, 3), nullptr); // link index == number of records
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

TEST_F(PaletteTest, OnlyTheValueOneSharesThePreviousPalette) {
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
                     flatSprite(0, 2, 4, 40), flatSprite(0, 3, 5, 50)};
    file.subfiles[4].samePalette = 1;
    file.subfiles[5].samePalette = 1;
    ASSERT_TRUE(load(file));
    // The link leads to the second (0, 1); its own palette is used, not the first one's.
    EXPECT_EQ(pixelAndRed(9000, 1), std::make_pair(3, 30));
    // A flagged sprite after a linked record has no palette: the link has no data.
    EXPECT_EQ(pixelAndRed(0, 2), std::make_pair(-1, -1));
    EXPECT_FALSE(sff.FindPalette(0, 3));
    EXPECT_EQ(sff.FindPalette(0, 1)->data(), sff.sprites()[1].pcxData.last(768).data());
}

TEST_F(PaletteTest, NoPaletteWhenEveryEarlierSpriteSharesOrDataIsShort) {
    SffFile file;
    file.subfiles = {flatSprite(0, 0, 1), flatSprite(0, 1, 1)};
    file.subfiles[0].samePalette = 1;
    file.subfiles[1].samePalette = 1;
    ASSERT_TRUE(load(file));
    EXPECT_FALSE(sff.FindPalette(0, 1));

    // The declared length runs past the end of the file.
    file.subfiles = {flatSprite(0, 0, 1)};
    file.subfiles[0].length = static_cast<std::uint32_t>(file.subfiles[0].pcx.size() + 1);
    ASSERT_TRUE(load(file));
    EXPECT_FALSE(sff.FindPalette(0, 0));
    // Data shorter than a palette.
    file.subfiles = {SffSubfile::sprite(0, 0, std::string(767, '\0'))};
    ASSERT_TRUE(load(file));
    EXPECT_FALSE(sff.FindPalette(0, 0));
}

TEST_F(PaletteTest, ColourEntriesAreBlueGreenRedZeroAndNothingIsTransparent) {
    PcxPicture picture = flatPicture(3, 2, 0, 0);
    picture.palette[0] = 0xFF;
    picture.palette[1] = 0x80;
    picture.palette[2] = 0x00;
    picture.palette[765] = 1;
    picture.palette[766] = 2;
    picture.palette[767] = 3;
    SffFile file;
    file.subfiles = {SffSubfile::sprite(9000, 1, picture.pcx())};
    ASSERT_TRUE(load(file));
    BitmapInfo info;
    ASSERT_TRUE(sff.GetSprite(9000, 1, info));
    EXPECT_EQ(info.colours[0], (RgbQuad{0x00, 0x80, 0xFF, 0}));
    EXPECT_EQ(info.colours[255], (RgbQuad{3, 2, 1, 0}));
    EXPECT_EQ(info.header.size, 40u);
    EXPECT_EQ(info.header.width, 3);
    EXPECT_EQ(info.header.height, 2);
    EXPECT_EQ(info.header.sizeImage, 8u);
    EXPECT_EQ(info.header.bitCount, 8);
    EXPECT_EQ(info.header.planes, 1);
}

TEST_F(PaletteTest, DecodeFailureStillFillsTheColoursButGivesNoPixels) {
    PcxPicture picture = flatPicture(2, 1, 1, 9);
    std::string pcx = picture.pcx();
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
