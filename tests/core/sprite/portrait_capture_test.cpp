#include "core/sprite/portrait_capture.h"

#include <gtest/gtest.h>
#include <png.h>

#include "core/catalogue/character_db.h"
#include "support/pcx_writer.h"
#include "support/png_reader.h"
#include "support/recording_messages.h"
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
    file.version = 2;
    EXPECT_FALSE(capture("kfm", write(file), 9000, 0));
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
