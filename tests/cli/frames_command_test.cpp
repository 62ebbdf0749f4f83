#include <filesystem>
#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include "cli_sandbox.h"
#include "support/archive_writer.h"
#include "support/json_reader.h"
#include "support/png_reader.h"
#include "support/standing_character.h"

namespace zorvik::test {
namespace {

namespace fs = std::filesystem;
using ::testing::HasSubstr;

class FramesCommand : public ::testing::Test, public CliSandbox {
protected:
    JsonValue framesJson() const {
        const auto json = parseJson(readFile(root.file("frames/frames.json")));
        EXPECT_TRUE(json);
        return json.value_or(JsonValue{});
    }

    // The RGBA pixel at (x, y) of an RGBA PNG written by the command.
    std::vector<int> pngPixel(const std::string& name, std::uint32_t x, std::uint32_t y) const {
        const auto png = decodePng(readFile(root.file("frames/" + name)));
        if (!png || png->colorType != 6 || x >= png->width || y >= png->height) {
            return {};
        }
        const std::size_t at = (std::size_t{y} * png->width + x) * 4;
        return {png->pixels[at], png->pixels[at + 1], png->pixels[at + 2], png->pixels[at + 3]};
    }
};

TEST_F(FramesCommand, VersionOneCharacterFromItsDef) {
    StandingCharacter{}.writeTo(root.makeFolder("chars/Stander"));
    const CliRun frames = run({"frames", "--def", root.file("chars/Stander/stand.def"), root.file("frames")});
    ASSERT_EQ(frames.exitCode, 0) << frames.err;
    const JsonValue json = framesJson();
    EXPECT_EQ(json["action"].number, 0);
    ASSERT_EQ(json["frames"].items.size(), 3u);
    const JsonValue& second = json["frames"].items[1];
    EXPECT_EQ(second["group"].number, 0);
    EXPECT_EQ(second["number"].number, 1);
    EXPECT_EQ(second["x"].number, 3);
    EXPECT_EQ(second["y"].number, -2);
    EXPECT_EQ(second["time"].number, 4);
    EXPECT_EQ(second["flip"].text, "H");
    EXPECT_EQ(second["blend"].text, "");
    EXPECT_FALSE(second["loopstart"].boolean);
    EXPECT_TRUE(json["frames"].items[2]["loopstart"].boolean);
    EXPECT_EQ(json["frames"].items[2]["time"].number, -1);
    ASSERT_EQ(json["sprites"].items.size(), 3u);
    const JsonValue& body = json["sprites"].items[0];
    EXPECT_EQ(body["axis_x"].number, 2);
    EXPECT_EQ(body["axis_y"].number, 3);
    EXPECT_EQ(body["width"].number, 4);
    EXPECT_EQ(body["height"].number, 3);
    // Unflipped and unplaced; colour 0 clear, colour 1 from the .act.
    EXPECT_EQ(pngPixel("0_0.png", 0, 0), (std::vector<int>{0, 0, 0, 0}));
    EXPECT_EQ(pngPixel("0_0.png", 1, 0), (std::vector<int>{1, 254, 128, 255}));
    EXPECT_EQ(pngPixel("0_1.png", 0, 0), (std::vector<int>{9, 246, 128, 255}));
    EXPECT_TRUE(fs::exists(root.file("frames/0_2.png")));
}

TEST_F(FramesCommand, VersionTwoArchiveCharacterFromTheCatalogue) {
    StandingCharacter character;
    character.version = 2;
    writeArchive(root.file("chars/stander.zip"), ArchiveFormat::Zip,
                 {FixtureEntry::file("stander/stand.def", character.defText()),
                  FixtureEntry::file("stander/stand.air", character.airText()),
                  FixtureEntry::file("stander/stand.sff", character.sffBytes())});
    ASSERT_EQ(run({"update", "--main-dir", characters}).exitCode, 0);
    const CliRun frames = run({"frames", "--id", "1", "--main-dir", characters, root.file("frames")});
    ASSERT_EQ(frames.exitCode, 0) << frames.err;
    EXPECT_EQ(framesJson()["sprites"].items.size(), 3u);
    EXPECT_EQ(pngPixel("0_0.png", 1, 0), (std::vector<int>{1, 254, 7, 255}));
    EXPECT_EQ(pngPixel("0_1.png", 1, 0), (std::vector<int>{0, 0, 0, 0}));
    EXPECT_TRUE(fs::is_empty(temporary)); // the extraction is gone again
}

TEST_F(FramesCommand, AnotherActionAndItsFailures) {
    StandingCharacter{}.writeTo(root.makeFolder("chars/Stander"));
    const std::string def = root.file("chars/Stander/stand.def");
    const CliRun missingSprite = run({"frames", "--def", def, "--action", "20", root.file("frames")});
    EXPECT_EQ(missingSprite.exitCode, 1);
    EXPECT_THAT(missingSprite.err, HasSubstr("20,0"));
    const CliRun missingAction = run({"frames", "--def", def, "--action", "7", root.file("frames")});
    EXPECT_EQ(missingAction.exitCode, 1);
    EXPECT_THAT(missingAction.err, HasSubstr("no action 7"));
    fs::remove(root.file("chars/Stander/stand.air"));
    EXPECT_THAT(run({"frames", "--def", def, root.file("frames")}).err, HasSubstr(".air"));
    EXPECT_EQ(run({"frames", "--def", root.file("none.def"), root.file("frames")}).exitCode, 1);
    EXPECT_EQ(run({"frames", "--id", "5", root.file("frames")}).exitCode, 1);
    EXPECT_EQ(run({"frames", root.file("frames")}).exitCode, 2);
    EXPECT_EQ(run({"frames", "--id", "1", "--def", def, root.file("frames")}).exitCode, 2);
    EXPECT_EQ(run({"frames", "--def", def, "--action", "x", root.file("frames")}).exitCode, 2);
    EXPECT_EQ(run({"frames", "--help"}).exitCode, 0);
}

} // namespace
} // namespace zorvik::test
