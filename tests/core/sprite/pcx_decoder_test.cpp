#include "core/sprite/pcx_decoder.h"

#include <cstring>
#include <string>

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

// Colours that tell every index apart, index 0 clear as the animation draws it.
PcxColours distinctColours() {
    PcxColours colours{};
    for (std::uint32_t i = 1; i < colours.size(); ++i) {
        colours[i] = 0xFF000000u | (i * 0x00010203u);
    }
    return colours;
}

// The coloured picture the bottom-up 8-bit decode gives: each row through the
// colours, top row first, no wider than the padded rows.
std::optional<Bytes> colouredFromBitmap(const std::string& pcx, const PcxColours& colours) {
    BitmapInfoHeader header;
    const auto block = DecodePcx(bytesOf(pcx), header);
    if (!block || header.width <= 0 || header.height <= 0) {
        return std::nullopt;
    }
    const auto height = static_cast<std::size_t>(header.height);
    const std::size_t stride = block->size() / height;
    const std::size_t width = std::min(static_cast<std::size_t>(header.width), stride);
    Bytes pixels(width * height * 4, 0);
    for (std::size_t y = 0; y < height; ++y) {
        for (std::size_t x = 0; x < width; ++x) {
            const std::uint8_t index = (*block)[(height - 1 - y) * stride + x];
            std::memcpy(&pixels[(y * width + x) * 4], &colours[index], 4);
        }
    }
    return pixels;
}

// The one-pass coloured decode must give what the bitmap decode gives, and
// refuse what it refuses.
void expectSameAsBitmapDecode(const std::string& pcx, const std::string& what) {
    const PcxColours colours = distinctColours();
    const auto expected = colouredFromBitmap(pcx, colours);
    const auto coloured = DecodePcxColoured(bytesOf(pcx), colours, 1u << 20);
    ASSERT_EQ(coloured.has_value(), expected.has_value()) << what;
    if (coloured) {
        EXPECT_EQ(coloured->pixels, *expected) << what;
        EXPECT_EQ(std::size_t(coloured->width) * std::size_t(coloured->height) * 4, expected->size()) << what;
    }
}

// A picture using every index, with runs of every length up to past a block of stores.
PcxPicture busyPicture(int width, int height) {
    PcxPicture picture{width, height, {}, distinctPalette()};
    for (int y = 0; y < height; ++y) {
        for (int x = 0; x < width; ++x) {
            const int run = 1 + (y * 5 + x / 7) % 19;
            picture.pixels.push_back(static_cast<std::uint8_t>((x / run) * 37 + y * 11));
        }
    }
    return picture;
}

TEST(PcxColouredTest, OddEvenAndPaddedWidthsMatchTheBitmapDecode) {
    for (const int width : {1, 2, 3, 7, 8, 9, 63, 64, 65, 130}) {
        const PcxPicture picture = busyPicture(width, 5);
        const std::string name = "width " + std::to_string(width);
        expectSameAsBitmapDecode(picture.pcx(), name);
        expectSameAsBitmapDecode(picture.pcx(width + 6), name + ", rows longer than the width");
        expectSameAsBitmapDecode(picture.pcx((width + 1) / 2), name + ", rows shorter than the width");
    }
    // One run of 63 fills a row exactly; the runs of a row end at its last byte.
    expectSameAsBitmapDecode(PcxPicture{63, 2, Bytes(126, 0xD0), {}}.pcx(63), "runs of 63");
}

TEST(PcxColouredTest, BrokenRowsAreRefusedAsTheBitmapDecodeRefusesThem) {
    PcxHeaderFields fields{.xMax = 3, .yMax = 1, .bytesPerLine = 4};
    const std::string header = fields.bytes();
    const std::vector<std::pair<const char*, std::string>> cases = {
        {"run across the row end", header + "\xC3\x05\xC2\x06\x01\x02\x03"},
        {"run without its value", header + "\x01\x02\x03\x04\xC4"},
        {"rows end early", header + "\x01\x02\x03\x04\x05"},
        {"runs of nothing", header + "\xC0\x09\xC4\x01\xC0\x09\xC4\x02"},
        {"no height", PcxHeaderFields{.xMax = 3, .yMax = -1, .bytesPerLine = 4}.bytes() + "\x01"},
        {"no row length", PcxHeaderFields{.xMax = 3, .yMax = 1}.bytes() + "\x01\x02"},
    };
    for (const auto& [what, pcx] : cases) {
        expectSameAsBitmapDecode(pcx, what);
    }
    // Cut at every length: what is left decodes alike or is refused alike.
    const std::string whole = busyPicture(9, 4).pcx();
    for (std::size_t length = 120; length < whole.size(); ++length) {
        expectSameAsBitmapDecode(whole.substr(0, length), "cut at " + std::to_string(length));
    }
}

TEST(PcxColouredTest, ColumnsPastThePaddedRowsAreNotMadeUp) {
    // A header claiming 4000 columns over rows of two bytes: the picture is
    // as wide as the rows' stride, not 4000 columns of nothing.
    const PcxHeaderFields narrow{.xMax = 3999, .yMax = 2, .bytesPerLine = 2};
    const std::string pcx = narrow.bytes() + "\xC2\x05\xC2\x06\x07\x08";
    EXPECT_EQ(ColouredPcxPixels(bytesOf(pcx)), 12u);
    const auto coloured = DecodePcxColoured(bytesOf(pcx), distinctColours(), 1u << 24);
    ASSERT_TRUE(coloured);
    EXPECT_EQ(coloured->width, 4);
    EXPECT_EQ(coloured->pixels.size(), 4u * 3 * 4);
    expectSameAsBitmapDecode(pcx, "narrow rows");
    EXPECT_FALSE(ColouredPcxPixels(bytesOf(pcx.substr(0, 127))));
}

TEST(PcxColouredTest, PicturesLargerThanAllowedAreRefused) {
    const std::string pcx = busyPicture(8, 4).pcx();
    EXPECT_TRUE(DecodePcxColoured(bytesOf(pcx), distinctColours(), 32));
    EXPECT_FALSE(DecodePcxColoured(bytesOf(pcx), distinctColours(), 31));
    // A forged size is refused before its memory is asked for.
    const PcxHeaderFields forged{.yMin = -32768, .xMax = 32767, .yMax = 32767, .bytesPerLine = 32766};
    EXPECT_FALSE(DecodePcxColoured(bytesOf(forged.bytes() + std::string(16, '\xC1')), distinctColours(),
                                   std::uint64_t{1} << 40));
}

} // namespace
} // namespace zorvik::test
