#include "core/sprite/sff.h"

#include "sff_fixture.h"

namespace zorvik::test {
namespace {

using SffLoadTest = SffFixture;

// 512 header bytes and one linked subfile: 544 bytes.
SffFile smallestFile() {
    SffFile file;
    file.subfiles = {SffSubfile::link(0, 0, 0)};
    return file;
}

TEST_F(SffLoadTest, FileMustBeLongerThan528BytesAndHoldOneWholeSubfileHeader) {
    const std::string bytes = smallestFile().bytes();
    ASSERT_EQ(bytes.size(), 544u);
    EXPECT_TRUE(loadBytes(bytes));
    EXPECT_EQ(sff.sprites().size(), 1u);
    EXPECT_EQ(sff.version(), 1);
    EXPECT_EQ(sff.size(), 544u);

    EXPECT_FALSE(loadBytes(bytes.substr(0, 528)));
    EXPECT_FALSE(sff.version());
    EXPECT_EQ(sff.capacity(), 0u);
    // A subfile header cut off by the end of the file is not read.
    EXPECT_FALSE(loadBytes(bytes.substr(0, 543)));
    EXPECT_FALSE(loadBytes(""));
    EXPECT_TRUE(sff.sprites().empty());
}

TEST_F(SffLoadTest, OnlyVersionOneWithTheExactSignatureIsRead) {
    for (const std::uint8_t version : {0, 2, 3, 0xFF}) {
        SffFile file = smallestFile();
        file.version = version;
        EXPECT_FALSE(load(file)) << int{version};
    }
    SffFile nonZero = smallestFile();
    nonZero.signature[11] = 'X';
    EXPECT_FALSE(load(nonZero));
    SffFile other = smallestFile();
    other.signature[0] = 'e';
    EXPECT_FALSE(load(other));
}

TEST_F(SffLoadTest, FirstSubfileFieldIsOnlyABoundCheck) {
    SffFile file = smallestFile();
    file.subfiles.push_back(SffSubfile::sprite(0, 1, std::string(9400, '\0')));
    for (const std::uint32_t offset : {1000000u, 0xFFFFFFF8u}) {
        file.firstSubfileOffset = offset;
        EXPECT_FALSE(load(file)) << offset;
    }
    // The walk starts at 512 even when the header names another offset.
    file.firstSubfileOffset = 544;
    ASSERT_TRUE(load(file));
    EXPECT_EQ(sff.sprites().size(), 2u);
    EXPECT_EQ(sff.sprites()[0].length, 0u);
}

TEST_F(SffLoadTest, ChainOfNextOffsetsEndsTheWalk) {
    SffFile file;
    for (std::int16_t i = 0; i < 4; ++i) {
        file.subfiles.push_back(flatSprite(0, i, 1));
    }
    ASSERT_TRUE(load(file));
    EXPECT_EQ(sff.sprites().size(), 4u);

    const std::uint32_t second = file.offsetOf(1);
    const auto end = static_cast<std::uint32_t>(file.bytes().size());
    // Pointing back, at itself, at or past the end, or too near the end to
    // hold a subfile header: the record is the last one.
    for (const std::uint32_t next : {0u, second - 1, second, end, end + 100000, end - 31}) {
        file.subfiles[1].nextOffset = next;
        ASSERT_TRUE(load(file)) << next;
        EXPECT_EQ(sff.sprites().size(), 2u) << next;
    }
    // A chain may skip subfiles by pointing further ahead.
    file.subfiles[1].nextOffset = file.offsetOf(3);
    ASSERT_TRUE(load(file));
    ASSERT_EQ(sff.sprites().size(), 3u);
    EXPECT_EQ(sff.sprites()[2].image, 3);
}

TEST_F(SffLoadTest, FailedLoadsLeaveTheRightState) {
    ASSERT_TRUE(load(smallestFile()));
    // A file that cannot be opened leaves what was held.
    EXPECT_FALSE(sff.LoadFile(folder.file("missing.sff")));
    EXPECT_EQ(sff.sprites().size(), 1u);
    // A file that opens but is refused leaves nothing.
    EXPECT_FALSE(loadBytes("not a sprite file"));
    EXPECT_TRUE(sff.sprites().empty());
    EXPECT_FALSE(sff.Release());
}

} // namespace
} // namespace zorvik::test
