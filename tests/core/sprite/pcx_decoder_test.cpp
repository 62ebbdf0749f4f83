#include "core/sprite/pcx_decoder.h"

#include <gtest/gtest.h>

#include "core/sprite/sprite_error.h"
#include "support/pcx_writer.h"

namespace zorvik::test {
namespace {

using Bytes = std::vector<std::uint8_t>;

struct RleResult {
    bool decoded = false;
    Bytes block;
    std::size_t bytesRead = 0;
    std::uint32_t error = 0;
};

RleResult decodeRle(const Bytes& source, std::size_t blockSize, int bytesPerLine) {
    sprite::setLastError(0);
    RleResult result;
    result.block.assign(blockSize, 0);
    result.decoded = DecodePcxRle(source, result.block, bytesPerLine, result.bytesRead);
    result.error = sprite::lastError();
    return result;
}

TEST(PcxRleTest, TopRowLandsLastAndEveryByteIsCounted) {
    const auto r = decodeRle({0xC3, 0x05, 0x00, 0x01, 0x02, 0x03, 0x00}, 8, 4);
    EXPECT_TRUE(r.decoded);
    EXPECT_EQ(r.block, (Bytes{0x01, 0x02, 0x03, 0x00, 0x05, 0x05, 0x05, 0x00}));
    EXPECT_EQ(r.bytesRead, 7u);
    EXPECT_EQ(r.error, 0u);
}

TEST(PcxRleTest, RunCounts) {
    // 0xC0 stores nothing and decoding goes on; 0xC5 0x07 stores five sevens.
    const auto r = decodeRle({0xC0, 0xAA, 0xC5, 0x07, 0xC1, 0xC9, 0xC0, 0x00}, 8, 6);
    EXPECT_TRUE(r.decoded);
    EXPECT_EQ(r.block, (Bytes{7, 7, 7, 7, 7, 0xC9, 0, 0}));
    EXPECT_EQ(r.bytesRead, 6u);
}

TEST(PcxRleTest, RunMustNotPassTheRowEnd) {
    // Two rows of 4 = 8 bytes in total, but the run of 6 crosses the first row's end.
    const auto r = decodeRle({0xC6, 0x01, 0xC2, 0x01}, 8, 4);
    EXPECT_FALSE(r.decoded);
    EXPECT_EQ(r.error, sprite::kInvalidData);
}

TEST(PcxRleTest, RowsMustBeFilledExactly) {
    EXPECT_FALSE(decodeRle({1, 2, 3, 4, 5, 6, 7}, 8, 4).decoded); // source ends early
    EXPECT_FALSE(decodeRle({1, 2, 3, 4, 0xC4}, 8, 4).decoded);    // run without its value
    EXPECT_FALSE(decodeRle({1, 2, 3, 4}, 6, 4).decoded);          // block not whole rows
    const auto r = decodeRle({}, 0, 4);
    EXPECT_TRUE(r.decoded);
}

TEST(PcxRleTest, RowsArePaddedToFourBytes) {
    Bytes ten{0xCA, 0x09, 0xCA, 0x08};
    const auto padded = decodeRle(ten, 24, 10);
    ASSERT_TRUE(padded.decoded);
    EXPECT_EQ(Bytes(padded.block.begin(), padded.block.begin() + 12),
              (Bytes{8, 8, 8, 8, 8, 8, 8, 8, 8, 8, 0, 0}));
    EXPECT_EQ(padded.block[12], 9);
    EXPECT_EQ(padded.block[23], 0);
    Bytes twelve{0xCC, 0x09, 0xCC, 0x08};
    EXPECT_TRUE(decodeRle(twelve, 24, 12).decoded);
}

TEST(PcxRleTest, OddLineIsNotedAndNoLineIsRefused) {
    const auto odd = decodeRle({1, 2, 3}, 4, 3);
    EXPECT_TRUE(odd.decoded);
    EXPECT_EQ(odd.error, sprite::kInvalidData);
    for (const int line : {0, -1, -4}) {
        const auto r = decodeRle({1, 2, 3, 4}, 4, line);
        EXPECT_FALSE(r.decoded) << line;
        EXPECT_EQ(r.error, sprite::kInvalidData);
    }
}

TEST(PcxDecodeTest, HeaderIsWrittenAndEveryFieldChecked) {
    PcxPicture picture{5, 3, Bytes(15, 4), distinctPalette()};
    const std::string valid = picture.pcx(10);
    const auto bytes = [](const std::string& s) { return Bytes(s.begin(), s.end()); };
    BitmapInfoHeader header;
    const auto pixels = DecodePcx(bytes(valid), header);
    ASSERT_TRUE(pixels);
    EXPECT_EQ(pixels->size(), 36u);
    EXPECT_EQ((*pixels)[4], 4);
    EXPECT_EQ((*pixels)[5], 0);
    EXPECT_EQ(header.width, 5);
    EXPECT_EQ(header.sizeImage, 36u);

    // Offsets of bits per pixel, planes, manufacturer, version and encoding.
    for (const std::size_t field : {3u, 65u, 0u, 1u, 2u}) {
        std::string broken = valid;
        broken[field] = 2;
        sprite::setLastError(0);
        header = {};
        EXPECT_FALSE(DecodePcx(bytes(broken), header)) << field;
        EXPECT_EQ(sprite::lastError(), sprite::kInvalidData);
        EXPECT_EQ(header.height, 3) << "written before the checks";
    }
    EXPECT_FALSE(DecodePcx(bytes(valid.substr(0, 127)), header));
    EXPECT_FALSE(DecodePcx(bytes(valid.substr(0, 139)), header));
}

TEST(PcxDecodeTest, ForgedSizesAreRefusedBeforeAllocating) {
    PcxHeaderFields fields;
    fields.xMax = 32767;
    fields.yMin = -32768;
    fields.yMax = 32767;
    fields.bytesPerLine = 32766;
    BitmapInfoHeader header;
    sprite::setLastError(0);
    const std::string forged = fields.bytes() + std::string(16, '\xC1');
    EXPECT_FALSE(DecodePcx(Bytes(forged.begin(), forged.end()), header));
    EXPECT_EQ(header.height, 65536);
    EXPECT_EQ(sprite::lastError(), sprite::kInvalidData);
    fields.yMax = -32768;
    fields.yMin = 0;
    const std::string negative = fields.bytes() + std::string(16, '\xC1');
    EXPECT_FALSE(DecodePcx(Bytes(negative.begin(), negative.end()), header));
}

} // namespace
} // namespace zorvik::test
