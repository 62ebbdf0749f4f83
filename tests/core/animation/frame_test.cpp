#include "core/animation/act_palette.h"
#include "core/animation/animation_clock.h"
#include "core/animation/frame_layout.h"
#include "core/animation/loaded_action.h"
#include "core/animation/sprite_sheet.h"

#include <array>

#include <gtest/gtest.h>

#include "support/air_writer.h"
#include "support/png_writer.h"
#include "support/sff_v2_writer.h"
#include "support/sff_writer.h"
#include "support/standing_character.h"
#include "support/temp_folder.h"

namespace zorvik::test {
namespace {

using Rgba = std::array<int, 4>;

Rgba pixel(const RgbaImage& image, int x, int y) {
    const std::size_t at = image.offsetOf(x, y);
    return {image.pixels[at], image.pixels[at + 1], image.pixels[at + 2], image.pixels[at + 3]};
}

constexpr Rgba kClear{0, 0, 0, 0};

// Colour i of the .act, and of distinctPalette().
Rgba act(int i) {
    return {i, 255 - i, 128, 255};
}
Rgba distinct(int i) {
    return {i, 255 - i, (i * 7) & 0xFF, 255};
}

ActionLoad loadStanding(const TempFolder& folder, const StandingCharacter& character) {
    character.writeTo(folder.path());
    return LoadAction(folder.file("stand.air"), folder.file("stand.sff"),
                      character.withAct ? folder.file("stand.act") : std::string(), 0);
}

// A frame of a 2 x 2 sprite with pixels 1 2 / 3 4 (in palette colours i, 255 - i, i * 7).
LoadedAction twoByTwo(const std::string& flip, int x, int y, int axisX, int axisY) {
    RgbaImage image(2, 2);
    for (int i = 0; i < 4; ++i) {
        const Rgba colour = distinct(i + 1);
        std::copy(colour.begin(), colour.end(), image.pixels.begin() + 4 * i);
    }
    FrameSprite sprite{0, 0, axisX, axisY, std::make_shared<const RgbaImage>(std::move(image))};
    AirFrame frame;
    frame.x = x;
    frame.y = y;
    frame.flip = flip;
    return LoadedAction{AirAction{0, 1, {frame}, false}, {sprite}, {0}, 1};
}

TEST(FramePlacement, AxisAndOffsetPutTheSpriteOnTheGroundPoint) {
    const auto place = [](const char* flip, int axisX, int axisY) {
        const LoadedAction action = twoByTwo(flip, 5, -1, axisX, axisY);
        return placeFrame(action.action.frames[0], action.sprites[0]);
    };
    EXPECT_EQ(place("", 1, 2), (GroundRect{4, -3, 2, 2}));
    EXPECT_EQ(place("", 0, 2), (GroundRect{5, -3, 2, 2}));
    // Flips mirror about the axis: 5 - (2 - 0) = 3 across, -1 - (2 - 0) = -3 down.
    EXPECT_EQ(place("H", 0, 2), (GroundRect{3, -3, 2, 2}));
    EXPECT_EQ(place("V", 0, 0), (GroundRect{5, -3, 2, 2}));
    EXPECT_EQ(place("HV", 0, 0), (GroundRect{3, -3, 2, 2}));
    EXPECT_EQ(place("HV", 2, 2), (GroundRect{5, -1, 2, 2}));
}

TEST(FramePlacement, FlipsMirrorThePixels) {
    struct Case {
        const char* flip;
        std::array<int, 4> order; // the sprite pixel shown at (0,0) (1,0) (0,1) (1,1)
    };
    for (const Case& c : {Case{"", {1, 2, 3, 4}}, Case{"H", {2, 1, 4, 3}}, Case{"V", {3, 4, 1, 2}},
                          Case{"HV", {4, 3, 2, 1}}}) {
        const LoadedAction action = twoByTwo(c.flip, 0, 0, 1, 1);
        const auto canvas = composeFrame(action, 0, actionBounds(action));
        ASSERT_TRUE(canvas) << c.flip;
        EXPECT_EQ(pixel(*canvas, 0, 0), distinct(c.order[0])) << c.flip;
        EXPECT_EQ(pixel(*canvas, 1, 0), distinct(c.order[1])) << c.flip;
        EXPECT_EQ(pixel(*canvas, 0, 1), distinct(c.order[2])) << c.flip;
        EXPECT_EQ(pixel(*canvas, 1, 1), distinct(c.order[3])) << c.flip;
    }
}

TEST(FramePlacement, EveryFrameOfAnActionSharesOneCanvas) {
    TempFolder folder;
    const ActionLoad load = loadStanding(folder, StandingCharacter{});
    ASSERT_TRUE(load.loaded);
    const LoadedAction& action = *load.loaded;
    // (0,0) at -2..2 x -3..0; (0,1) flipped at 1..4 x -4..-2; the link at 0..4 x 0..3.
    const GroundRect bounds = actionBounds(action);
    EXPECT_EQ(bounds, (GroundRect{-2, -4, 6, 7}));
    const auto first = composeFrame(action, 0, bounds);
    ASSERT_TRUE(first);
    EXPECT_EQ(pixel(*first, 0, 1), kClear); // colour 0
    EXPECT_EQ(pixel(*first, 1, 1), act(1));
    EXPECT_EQ(pixel(*first, 3, 2), act(6));
    EXPECT_EQ(pixel(*first, 0, 0), kClear); // outside the sprite
    const auto second = composeFrame(action, 1, bounds);
    ASSERT_TRUE(second);
    // Rows 9 0 10 / 11 12 0 flipped to 10 0 9 / 0 12 11 at (3, 0).
    EXPECT_EQ(pixel(*second, 3, 0), act(10));
    EXPECT_EQ(pixel(*second, 4, 0), kClear);
    EXPECT_EQ(pixel(*second, 5, 0), act(9));
    EXPECT_EQ(pixel(*second, 3, 1), kClear);
    EXPECT_EQ(pixel(*second, 5, 1), act(11));
    const auto third = composeFrame(action, 2, bounds);
    ASSERT_TRUE(third);
    EXPECT_EQ(pixel(*third, 3, 4), act(1)); // the link's own axis (0, 0)
    EXPECT_FALSE(composeFrame(action, 3, bounds));
}

TEST(FramePalette, ActColoursAreStoredInReverseOrder) {
    TempFolder folder;
    const auto palette = readActPalette(folder.write("a.ACT", standingAct()));
    ASSERT_TRUE(palette);
    EXPECT_EQ((*palette)[0], (RgbColour{0, 255, 128}));
    EXPECT_EQ((*palette)[255], (RgbColour{255, 0, 128}));
    EXPECT_FALSE(readActPalette(folder.write("long.act", standingAct() + "x")));
    EXPECT_FALSE(readActPalette(folder.write("short.act", standingAct().substr(1))));
    EXPECT_FALSE(readActPalette(folder.write("named.pal", standingAct())));
}

TEST(FramePalette, WithoutActSharedSpritesTakeThePaletteBeforeThem) {
    TempFolder folder;
    StandingCharacter character;
    character.withAct = false;
    const ActionLoad load = loadStanding(folder, character);
    ASSERT_TRUE(load.loaded);
    const auto canvas = composeFrame(*load.loaded, 0, actionBounds(*load.loaded));
    EXPECT_EQ(pixel(*canvas, 1, 1), distinct(1)); // the portrait's own palette
}

TEST(FramePalette, ActRecoloursOnlySpritesWhosePixelsCarryTheSharedFlag) {
    TempFolder folder;
    PcxPicture own = standingBody();
    for (std::size_t i = 0; i < own.palette.size(); ++i) {
        own.palette[i] = static_cast<std::uint8_t>(200);
    }
    SffFile file;
    file.subfiles.push_back(SffSubfile::sprite(9000, 0, standingBody().pcx()));
    file.subfiles.push_back(SffSubfile::sprite(1, 0, own.pcx())); // own palette, no flag
    SffSubfile link = SffSubfile::link(1, 1, 1);
    link.samePalette = 1; // the link's flag does not count: its pixels' record has none
    file.subfiles.push_back(link);
    SffSubfile shared = SffSubfile::sprite(1, 2, standingBody().pcx());
    shared.samePalette = 1;
    file.subfiles.push_back(shared);
    file.subfiles.push_back(SffSubfile::link(1, 3, 3)); // unflagged link to a flagged record
    folder.write("c.sff", file.bytes());
    folder.write("c.act", standingAct());
    folder.write("c.air", AirWriter().action(0).frame(1, 0, 0, 0, 1).frame(1, 1, 0, 0, 1)
                              .frame(1, 2, 0, 0, 1).frame(1, 3, 0, 0, 1).text());
    const ActionLoad load = LoadAction(folder.file("c.air"), folder.file("c.sff"), folder.file("c.act"), 0);
    ASSERT_TRUE(load.loaded);
    const auto& sprites = load.loaded->sprites;
    ASSERT_EQ(sprites.size(), 4u);
    EXPECT_EQ(pixel(*sprites[0].image, 1, 0), (Rgba{200, 200, 200, 255}));
    EXPECT_EQ(pixel(*sprites[1].image, 1, 0), (Rgba{200, 200, 200, 255}));
    EXPECT_EQ(pixel(*sprites[2].image, 1, 0), act(1));
    EXPECT_EQ(pixel(*sprites[3].image, 1, 0), act(1));
}

TEST(FramePalette, VersionTwoSpritesUseTheirOwnPaletteAndAlpha) {
    TempFolder folder;
    StandingCharacter character;
    character.version = 2;
    const ActionLoad load = loadStanding(folder, character);
    ASSERT_TRUE(load.loaded);
    EXPECT_EQ(load.loaded->spriteFileVersion, 2);
    const auto& body = load.loaded->sprites[0];
    EXPECT_EQ(body.axisX, 2);
    EXPECT_EQ(body.axisY, 3);
    EXPECT_EQ(pixel(*body.image, 0, 0), kClear);
    EXPECT_EQ(pixel(*body.image, 1, 0), distinct(1));
    EXPECT_EQ(pixel(*load.loaded->sprites[1].image, 2, 0), distinct(10)); // LZ5-stored step

    PngPicture rgba{2, 1, 6 /* RGBA */, 8, {10, 20, 30, 0, 40, 50, 60, 128}, {}, false};
    SffV2File file;
    file.sprites.push_back(SffV2Sprite::png(0, 0, 2, 1, 12, rgba.encode()));
    folder.write("rgba.sff", file.bytes());
    SpriteSheet sheet;
    ASSERT_TRUE(sheet.Open(folder.file("rgba.sff"), std::nullopt));
    const auto sprite = sheet.Sprite(0, 0);
    ASSERT_TRUE(sprite);
    EXPECT_EQ(pixel(*sprite->image, 0, 0), (Rgba{10, 20, 30, 0}));
    EXPECT_EQ(pixel(*sprite->image, 1, 0), (Rgba{40, 50, 60, 128}));
}

TEST(ActionLoading, EachMissingPieceIsTold) {
    TempFolder folder;
    StandingCharacter{}.writeTo(folder.path());
    const std::string air = folder.file("stand.air");
    const std::string sff = folder.file("stand.sff");
    EXPECT_EQ(LoadAction(folder.file("none.air"), sff, {}, 0).problem, ActionProblem::NoAirFile);
    EXPECT_EQ(LoadAction({}, sff, {}, 0).problem, ActionProblem::NoAirFile);
    EXPECT_EQ(LoadAction(air, sff, {}, 7).problem, ActionProblem::NoAction);
    EXPECT_EQ(LoadAction(air, folder.file("stand.def"), {}, 0).problem, ActionProblem::NoSpriteFile);
    const ActionLoad walk = LoadAction(air, sff, {}, 20);
    EXPECT_EQ(walk.problem, ActionProblem::NoSprite);
    EXPECT_EQ(walk.group, 20);
    EXPECT_EQ(walk.number, 0);
    const ActionLoad stand = LoadAction(air, sff, {}, 0);
    ASSERT_TRUE(stand.loaded);
    EXPECT_EQ(stand.loaded->sprites.size(), 3u);
    EXPECT_EQ(stand.loaded->spriteOfFrame, (std::vector<std::size_t>{0, 1, 2}));
}

TEST(ActionLoading, LinksForwardAreFollowedAndLinksOutOfTheFileAreMissing) {
    TempFolder folder;
    SffFile file;
    SffSubfile portrait = SffSubfile::sprite(9000, 0, standingBody().pcx());
    file.subfiles = {portrait, SffSubfile::link(0, 0, 3), SffSubfile::link(0, 1, 9),
                     SffSubfile::sprite(5, 0, standingStep().pcx())};
    folder.write("f.sff", file.bytes());
    folder.write("f.air", AirWriter().action(0).frame(0, 0, 0, 0, 1).action(1).frame(0, 1, 0, 0, 1).text());
    const ActionLoad forward = LoadAction(folder.file("f.air"), folder.file("f.sff"), {}, 0);
    ASSERT_TRUE(forward.loaded);
    EXPECT_EQ(forward.loaded->sprites[0].image->width, 3);
    EXPECT_EQ(LoadAction(folder.file("f.air"), folder.file("f.sff"), {}, 1).problem,
              ActionProblem::NoSprite);
}

TEST(ActionLoading, SpritesLinkedToOnePictureShareItInBothVersions) {
    TempFolder folder;
    SffFile one;
    one.subfiles = {SffSubfile::sprite(0, 0, standingBody().pcx()), SffSubfile::link(0, 1, 0),
                    SffSubfile::link(0, 2, 1)};
    one.subfiles[1].axisX = 7; // a link keeps its own axis
    folder.write("one.sff", one.bytes());
    folder.write("a.air", AirWriter().action(0).frame(0, 0, 0, 0, 1).frame(0, 1, 0, 0, 1)
                              .frame(0, 2, 0, 0, 1).text());
    const ActionLoad v1 = LoadAction(folder.file("a.air"), folder.file("one.sff"), {}, 0);
    ASSERT_TRUE(v1.loaded);
    const auto& sprites = v1.loaded->sprites;
    ASSERT_EQ(sprites.size(), 3u);
    EXPECT_EQ(sprites[1].image, sprites[0].image);
    EXPECT_EQ(sprites[2].image, sprites[0].image); // a link to a link
    EXPECT_EQ(sprites[1].axisX, 7);

    SffV2File two;
    two.palettes = {SffV2Palette::of(standingBody().palette), SffV2Palette::of(distinctPalette())};
    two.sprites = {SffV2Sprite::indexed(0, 0, standingBody(), 4), SffV2Sprite::link(0, 1, 0),
                   SffV2Sprite::link(0, 2, 0, 1)};
    folder.write("two.sff", two.bytes());
    const ActionLoad v2 = LoadAction(folder.file("a.air"), folder.file("two.sff"), {}, 0);
    ASSERT_TRUE(v2.loaded);
    EXPECT_EQ(v2.loaded->sprites[1].image, v2.loaded->sprites[0].image);
    // Shown in a palette of its own, the same pixels are another picture.
    EXPECT_NE(v2.loaded->sprites[2].image, v2.loaded->sprites[0].image);
    EXPECT_EQ(pixel(*v2.loaded->sprites[2].image, 1, 0), distinct(1));
}

TEST(SpriteSheetBudget, PicturesPastTheBudgetAreRefusedUndecodedAndLinksCostNothing) {
    TempFolder folder;
    StandingCharacter character;
    character.withAct = false;
    character.writeTo(folder.path());
    // The body is 4 x 3 (48 bytes in colour), the step 3 x 2 (24 bytes).
    SpriteSheet sheet(48 + 23);
    ASSERT_TRUE(sheet.Open(folder.file("stand.sff"), std::nullopt));
    ASSERT_TRUE(sheet.Sprite(0, 0));
    EXPECT_FALSE(sheet.Sprite(0, 1));
    EXPECT_TRUE(sheet.overBudget());
    EXPECT_EQ(sheet.decodedBytes(), 48u);
    EXPECT_TRUE(sheet.Sprite(0, 2)); // a link to the body
    EXPECT_FALSE(sheet.overBudget());
    EXPECT_FALSE(sheet.Sprite(7, 7));
    EXPECT_FALSE(sheet.overBudget()); // missing, not too large
}

TEST(AnimationClock, HeldFrameStopsTheAction) {
    const AirAction action = parseAir(AirWriter().action(0).frame(0, 0, 0, 0, 5).frame(0, 1, 0, 0, 4)
                                          .loopStart().frame(0, 2, 0, 0, -1).text()).actions[0];
    const AnimationClock clock(action);
    EXPECT_EQ(clock.frameAt(0), 0u);
    EXPECT_EQ(clock.frameAt(4), 0u);
    EXPECT_EQ(clock.frameAt(5), 1u);
    EXPECT_EQ(clock.frameAt(8), 1u);
    EXPECT_EQ(clock.frameAt(9), 2u);
    EXPECT_EQ(clock.frameAt(1'000'000), 2u);
}

TEST(AnimationClock, LoopsFromTheLoopStartAndZeroTimesStillShow) {
    const AirAction looped = parseAir(AirWriter().action(0).frame(0, 0, 0, 0, 2).loopStart()
                                          .frame(0, 1, 0, 0, 3).frame(0, 2, 0, 0, 1).text()).actions[0];
    const AnimationClock clock(looped);
    const std::vector<std::size_t> expected{0, 0, 1, 1, 1, 2, 1, 1, 1, 2, 1};
    for (std::size_t tick = 0; tick < expected.size(); ++tick) {
        EXPECT_EQ(clock.frameAt(tick), expected[tick]) << tick;
    }
    const AirAction zero =
        parseAir(AirWriter().action(0).frame(0, 0, 0, 0, 0).frame(0, 1, 0, 0, 2).text()).actions[0];
    const AnimationClock fromStart(zero);
    EXPECT_EQ(fromStart.frameAt(0), 0u);
    EXPECT_EQ(fromStart.frameAt(2), 1u);
    EXPECT_EQ(fromStart.frameAt(3), 0u);
}

} // namespace
} // namespace zorvik::test
