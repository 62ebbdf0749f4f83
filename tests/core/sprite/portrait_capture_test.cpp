#include "core/sprite/portrait_capture.h"

#include <gtest/gtest.h>
#include <png.h>

#include "core/catalogue/character_db.h"
#include "support/pcx_writer.h"
#include "support/png_reader.h"
#include "support/drawn_portrait.h"
#include "support/png_writer.h"
#include "support/recording_messages.h"
#include "support/sff_v2_writer.h"
#include "support/sff_writer.h"
#include "support/temp_folder.h"

namespace zorvik::test {
namespace {

class PortraitCaptureTest : public ::testing::Test {
protected:
    PortraitCaptureTest() {
        addRow("kfm");
        addRow("ケン.zip");
    }

    void addRow(const std::string& fileName) {
        ASSERT_TRUE(executeBound(catalogue.statements(),
                                 "INSERT INTO CHARACTER_TABLE (FILENAME, IMAGE) VALUES (?, ?)",
                                 {BoundValue::ofText(fileName), BoundValue::ofBlob("old")}));
    }

    std::string imageOf(const std::string& fileName) {
        Statement select(catalogue.statements(), "SELECT IMAGE FROM CHARACTER_TABLE WHERE FILENAME = ?");
        select.bindText(1, fileName);
        return select.step() == 100 ? select.blobAt(0) : "no row";
    }

    std::string write(const SffFile& file) { return folder.write("kfm/kfm.sff", file.bytes()); }
    std::string write(const SffV2File& file) { return folder.write("kfm/kfm.sff", file.bytes()); }

    bool capture(const std::string& fileName, const std::string& path, int group = 9000,
                 int image = 1) {
        return CapturePortrait(catalogue, messages, fileName, path, group, image);
    }

    TempFolder folder;
    ScopedCurrentFolder current{folder.path()};
    Kel_CharacterDb catalogue;
    RecordingMessages messages;
};

TEST_F(PortraitCaptureTest, StoredPngHoldsTheSpritesExactPixelsAndPalette) {
    const PcxPicture picture = portraitPicture(13, 9);
    SffFile file;
    file.subfiles = {SffSubfile::sprite(9000, 0, portraitPicture(4, 4).pcx()),
                     SffSubfile::sprite(9000, 1, picture.pcx())};
    ASSERT_TRUE(capture("kfm", write(file)));
    EXPECT_TRUE(messages.shown().empty());

    const auto png = decodePng(imageOf("kfm"));
    ASSERT_TRUE(png);
    EXPECT_EQ(png->width, 13u);
    EXPECT_EQ(png->height, 9u);
    EXPECT_EQ(png->bitDepth, 8);
    EXPECT_EQ(png->colorType, PNG_COLOR_TYPE_PALETTE);
    EXPECT_FALSE(png->hasTransparency);
    EXPECT_EQ(png->palette,
              std::vector<std::uint8_t>(picture.palette.begin(), picture.palette.end()));
    EXPECT_EQ(png->pixels, picture.pixels);
    EXPECT_EQ(imageOf("ケン.zip"), "old");
}

TEST_F(PortraitCaptureTest, LinkedSpriteAndNumbersCutTo16Bits) {
    const PcxPicture picture = portraitPicture(6, 5);
    SffFile file;
    file.subfiles = {SffSubfile::sprite(0, 0, picture.pcx()), SffSubfile::link(9000, 1, 0)};
    ASSERT_TRUE(capture("ケン.zip", write(file), 9000 + 65536, 1 - 65536));
    const auto png = decodePng(imageOf("ケン.zip"));
    ASSERT_TRUE(png);
    EXPECT_EQ(png->pixels, picture.pixels);
}

TEST_F(PortraitCaptureTest, NoPortraitIsStoredSilently) {
    SffFile file;
    file.subfiles = {SffSubfile::sprite(9000, 0, portraitPicture(4, 4).pcx())};
    const std::string path = write(file);
    EXPECT_FALSE(capture("kfm", path)); // only (9000, 0)
    EXPECT_FALSE(capture("kfm", folder.file("missing.sff")));
    EXPECT_TRUE(capture("other", path, 9000, 0)); // no such row: nothing written, no error
    file.version = 3;
    EXPECT_FALSE(capture("kfm", write(file), 9000, 0));
    EXPECT_TRUE(messages.shown().empty());
    EXPECT_EQ(imageOf("kfm"), "old");
}

TEST_F(PortraitCaptureTest, Version2IndexedSpritesAreStoredAsPalettePngs) {
    const PcxPicture picture = drawnPortrait(48, 40);
    SffV2File file;
    file.palettes = {SffV2Palette::of(distinctPalette()), SffV2Palette::of(picture.palette)};
    file.sprites = {SffV2Sprite::indexed(9000, 0, portraitPicture(4, 4), 2),
                    SffV2Sprite::indexed(9000, 1, picture, 4, 1),
                    SffV2Sprite::indexed(9000, 2, picture, 10, 1)};
    const std::string path = write(file);
    for (const int image : {1, 2}) {
        ASSERT_TRUE(capture("kfm", path, 9000, image));
        const auto png = decodePng(imageOf("kfm"));
        ASSERT_TRUE(png);
        EXPECT_EQ(png->colorType, PNG_COLOR_TYPE_PALETTE);
        EXPECT_FALSE(png->hasTransparency);
        EXPECT_EQ(png->width, 48u);
        EXPECT_EQ(png->palette,
                  std::vector<std::uint8_t>(picture.palette.begin(), picture.palette.end()));
        EXPECT_EQ(png->pixels, picture.pixels) << image;
    }
    EXPECT_TRUE(messages.shown().empty());
}

TEST_F(PortraitCaptureTest, Version2TruecolourSpritesAreStoredAsRgbAndRgbaPngs) {
    PngPicture rgba;
    rgba.width = 7;
    rgba.height = 3;
    rgba.colourType = PNG_COLOR_TYPE_RGB_ALPHA;
    for (std::uint8_t i = 0; i < 7 * 3 * 4; ++i) {
        rgba.rows.push_back(static_cast<std::uint8_t>(i * 3));
    }
    PngPicture rgb = rgba;
    rgb.colourType = PNG_COLOR_TYPE_RGB;
    rgb.rows.resize(7 * 3 * 3);
    SffV2File file;
    file.sprites = {SffV2Sprite::png(9000, 1, 7, 3, 12, rgba.encode()),
                    SffV2Sprite::png(9000, 2, 7, 3, 11, rgb.encode())};
    const std::string path = write(file);
    ASSERT_TRUE(capture("kfm", path));
    auto png = decodePng(imageOf("kfm"));
    ASSERT_TRUE(png);
    EXPECT_EQ(png->colorType, PNG_COLOR_TYPE_RGB_ALPHA);
    EXPECT_EQ(png->pixels, rgba.rows);
    ASSERT_TRUE(capture("kfm", path, 9000, 2));
    png = decodePng(imageOf("kfm"));
    ASSERT_TRUE(png);
    EXPECT_EQ(png->colorType, PNG_COLOR_TYPE_RGB);
    EXPECT_EQ(png->pixels, rgb.rows);
}

TEST_F(PortraitCaptureTest, Version2SpriteThatCannotBeReadLeavesTheRowSilently) {
    const PcxPicture picture = drawnPortrait(8, 8);
    SffV2File file;
    file.palettes = {SffV2Palette::of(picture.palette)};
    file.sprites = {SffV2Sprite::indexed(9000, 1, picture, 4, 1), // no palette 1
                    SffV2Sprite::link(9000, 2, 2)};
    const std::string path = write(file);
    EXPECT_FALSE(capture("kfm", path));
    EXPECT_FALSE(capture("kfm", path, 9000, 2));
    EXPECT_FALSE(capture("kfm", folder.write("short.sff", file.bytes().substr(0, 600))));
    EXPECT_TRUE(messages.shown().empty());
    EXPECT_EQ(imageOf("kfm"), "old");
}

TEST_F(PortraitCaptureTest, BitmapThatCannotBeEncodedIsReported) {
    SffFile file;
    // Wider than its rows, and zero pixels wide.
    file.subfiles = {SffSubfile::sprite(9000, 1, portraitPicture(9, 3).pcx(2)),
                     SffSubfile::sprite(9000, 2, PcxPicture{0, 2, {}, {}}.pcx(2))};
    const std::string path = write(file);
    EXPECT_FALSE(capture("kfm", path, 9000, 1));
    EXPECT_FALSE(capture("kfm", path, 9000, 2));
    EXPECT_EQ(messages.shown(), (std::vector<std::string>{"png変換に失敗", "png変換に失敗"}));
    EXPECT_EQ(imageOf("kfm"), "old");
}

TEST_F(PortraitCaptureTest, WriteFailureShowsTheDatabaseMessage) {
    SffFile file;
    file.subfiles = {SffSubfile::sprite(9000, 1, portraitPicture(4, 4).pcx())};
    const std::string path = write(file);
    ASSERT_TRUE(executeBound(catalogue.statements(),
                             "CREATE TRIGGER frozen BEFORE UPDATE ON CHARACTER_TABLE "
                             "BEGIN SELECT RAISE(ABORT, 'portraits are frozen'); END",
                             {}));
    EXPECT_FALSE(capture("kfm", path));
    // A statement that cannot be prepared stores nothing either.
    ASSERT_TRUE(catalogue.DropCharacterTable());
    EXPECT_FALSE(capture("kfm", path));
    EXPECT_EQ(messages.shown(), (std::vector<std::string>{
                                    "書き込みに失敗しました : portraits are frozen",
                                    "書き込みに失敗しました : no such table: CHARACTER_TABLE"}));
}

} // namespace
} // namespace zorvik::test
