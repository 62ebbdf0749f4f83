#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include "cli_sandbox.h"
#include "support/hostile_animation.h"
#include "support/json_reader.h"

namespace zorvik::test {
namespace {

using ::testing::HasSubstr;

// What writing a bounded animation may take at its peak: its 64 MB of
// decoded sprites and their encoding, with room for the sanitizers' own
// bookkeeping. Each input below took gigabytes before it was bounded.
constexpr long kBoundedPeakKilobytes = 400 * 1024;
// What refusing an animation may take: little more than the program itself.
constexpr long kRefusalPeakKilobytes = 120 * 1024;

class HostileAnimation : public ::testing::Test, public CliSandbox {
protected:
    CliRun frames(const std::string& name, const std::string& air, const std::string& sff) {
        const std::string folder = root.makeFolder("chars/" + name);
        writeAnimatedCharacter(folder, air, sff);
        return run({"frames", "--def", folder + "/hostile.def", root.file("frames-" + name)});
    }

    JsonValue framesJson(const std::string& name) const {
        return parseJson(readFile(root.file("frames-" + name + "/frames.json"))).value_or(JsonValue{});
    }
};

TEST_F(HostileAnimation, SpritesLinkedToOnePictureAreDecodedOnceInEitherVersion) {
    // 30 links to a sprite claiming 4096 x 4096 pixels in rows of 2 bytes.
    const CliRun one = frames("v1", spriteRunAir(31), linkedNarrowSff(30));
    ASSERT_EQ(one.exitCode, 0) << one.err;
    EXPECT_LT(one.peakKilobytes, kBoundedPeakKilobytes);
    const JsonValue sprites = framesJson("v1")["sprites"];
    ASSERT_EQ(sprites.items.size(), 31u);
    EXPECT_EQ(sprites.items[30]["width"].number, 4); // the rows' stride, not 4096 columns of nothing
    EXPECT_EQ(sprites.items[30]["height"].number, 4096);

    // 10 links to a version 2 picture of 4096 x 4096 pixels.
    const CliRun two = frames("v2", spriteRunAir(11), largeSffV2(1, 10));
    ASSERT_EQ(two.exitCode, 0) << two.err;
    EXPECT_LT(two.peakKilobytes, kBoundedPeakKilobytes);
    EXPECT_EQ(framesJson("v2")["sprites"].items.size(), 11u);
}

TEST_F(HostileAnimation, SpritesPastTheBoundAreRefusedWithTheReason) {
    // Two distinct pictures of 64 MB each in colour.
    const CliRun refused = frames("large", spriteRunAir(2), largeSffV2(2, 0));
    EXPECT_EQ(refused.exitCode, 1);
    EXPECT_THAT(refused.err, HasSubstr("more than 64 MB"));
    EXPECT_THAT(refused.err, HasSubstr("0,1"));
    EXPECT_LT(refused.peakKilobytes, kBoundedPeakKilobytes);
}

TEST_F(HostileAnimation, BoxesTimesFramesAreReportedNotAborting) {
    // Every frame took its own copy of every default box: gigabytes from 389 KB.
    const CliRun refused = frames("boxes", boxHeavyAir(389 * 1024), linkedNarrowSff(0));
    EXPECT_EQ(refused.exitCode, 1) << refused.err;
    EXPECT_THAT(refused.err, HasSubstr("too large"));
    EXPECT_LT(refused.peakKilobytes, kRefusalPeakKilobytes);
}

} // namespace
} // namespace zorvik::test
