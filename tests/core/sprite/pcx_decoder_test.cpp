#include "core/sprite/pcx_decoder.h"

#include <gtest/gtest.h>

#include "core/sprite/sprite_error.h"
#include "support/pcx_writer.h"

namespace zorvik::test {
namespace {

using Bytes = std::vector<std::uint8_t>;

struct RleCase {
    const char* what;
    Bytes source;
    std::size_t blockSize;
    int bytesPerLine;
    Bytes expected; // empty: the decode fails with the error code
    std::size_t bytesRead = 0;
};

TEST(PcxRleTest, DecodesBottomUpAndRefusesWhatDoesNotFitTheRows) {
    const std::vector<RleCase> cases = {
        {"top row lands last", {0xC3, 5, 0, 1, 2, 3, 0}, 8, 4, {1, 2, 3, 0, 5, 5, 5, 0}, 7},
        {"0xC0 stores nothing",
         {0xC0, 0xAA, 0xC5, 7, 0xC1, 0xC9, 0xC0},
         8,
         6,
         {7, 7, 7, 7, 7, 0xC9, 0, 0},
         6},
        {"line 10 pads to 12",
         {0xCA, 9, 0xCA, 8},
         24,
         10,
         {8, 8, 8, 8, 8, 8, 8, 8, 8, 8, 0, 0, 9, 9, 9, 9, 9, 9, 9, 9, 9, 9, 0, 0},
         4},
        {"line 12 needs no pad", {0xCC, 9}, 12, 12, Bytes(12, 9), 2},
        {"run past the row end", {0xC6, 1, 0xC2, 1}, 8, 4, {}},
        {"source ends early", {1, 2, 3, 4, 5, 6, 7}, 8, 4, {}},
        {"run without its value", {1, 2, 3, 4, 0xC4}, 8, 4, {}},
        {"block not whole rows", {1, 2, 3, 4}, 6, 4, {}},
        {"line 0", {1, 2, 3, 4}, 4, 0, {}},
        {"negative line", {1, 2, 3, 4}, 4, -4, {}},
    };
    for (const RleCase& c : cases) {
        sprite::setLastError(0);
        Bytes block(c.blockSize, 0);
        std::size_t bytesRead = 99;
        const bool decoded = DecodePcxRle(c.source, block, c.bytesPerLine, bytesRead);
        EXPECT_EQ(decoded, !c.expected.empty()) << c.what;
        EXPECT_EQ(sprite::lastError(), decoded ? 0 : sprite::kInvalidData) << c.what;
        if (decoded) {
            EXPECT_EQ(block, c.expected) << c.what;
            EXPECT_EQ(bytesRead, c.bytesRead) << c.what;
        }
    }
}

TEST(PcxRleTest, OddLineIsNotedButDecoded) {
    sprite::setLastError(0);
    Bytes block(4);
    std::size_t bytesRead = 0;
    EXPECT_TRUE(DecodePcxRle(Bytes{1, 2, 3}, block, 3, bytesRead));
    EXPECT_EQ(sprite::lastError(), sprite::kInvalidData);
}

Bytes bytesOf(const std::string& text) {
    return Bytes(text.begin(), text.end());
}

TEST(PcxDecodeTest, HeaderIsWrittenBeforeEveryFieldIsChecked) {
    const std::string valid = PcxPicture{5, 3, Bytes(15, 4), {}}.pcx(10);
    BitmapInfoHeader header;
    const auto pixels = DecodePcx(bytesOf(valid), header);
    ASSERT_TRUE(pixels);
    EXPECT_EQ(pixels->size(), 36u);
    EXPECT_EQ(header.width, 5);
    EXPECT_EQ(header.sizeImage, 36u);
    // Bits per pixel, planes, manufacturer, version and encoding.
    for (const std::size_t field : {3u, 65u, 0u, 1u, 2u}) {
        std::string broken = valid;
        broken[field] = 2;
        sprite::setLastError(0);
        header = {};
        EXPECT_FALSE(DecodePcx(bytesOf(broken), header)) << field;
        EXPECT_EQ(sprite::lastError(), sprite::kInvalidData);
        EXPECT_EQ(header.height, 3);
    }
    EXPECT_FALSE(DecodePcx(bytesOf(valid.substr(0, 127)), header));
    EXPECT_FALSE(DecodePcx(bytesOf(valid.substr(0, 139)), header));
}

TEST(PcxDecodeTest, ForgedSizesAreRefusedBeforeAllocating) {
    // 32768 x 65536 pixels from 16 bytes of data, then a negative height.
    PcxHeaderFields fields{.yMin = -32768, .xMax = 32767, .yMax = 32767, .bytesPerLine = 32766};
    BitmapInfoHeader header;
    EXPECT_FALSE(DecodePcx(bytesOf(fields.bytes() + std::string(16, '\xC1')), header));
    EXPECT_EQ(header.height, 65536);
    fields.yMin = 0;
    fields.yMax = -32768;
    EXPECT_FALSE(DecodePcx(bytesOf(fields.bytes() + std::string(16, '\xC1')), header));
}

} // namespace
} // namespace zorvik::test
