#include <png.h>

#include <random>

#include "allocation_probe.h"
#include "sff_v2_fixture.h"
#include "support/byte_writer.h"
#include "support/png_writer.h"

namespace zorvik::test {
namespace {

// Version 2 files cut short, garbled, or claiming sizes they do not hold
// must be refused or decoded without a read outside the file's bytes or a
// write outside the picture (run these under the sanitizer build).
class HostileInputV2Test : public SffV2Fixture {
protected:
    static constexpr std::int16_t kSprites = 9;

    static std::string pngOf(int colourType, std::size_t channels) {
        PngPicture png;
        png.width = 6;
        png.height = 5;
        png.colourType = colourType;
        png.rows.assign(6 * 5 * channels, 0x5A);
        png.palette.assign(96, 3);
        return png.encode();
    }

    // The PNG signature and a 1-bit palette IHDR chunk of this size.
    static std::string pngHeader(std::uint32_t width, std::uint32_t height) {
        std::string chunk = "IHDR";
        for (const std::uint32_t value : {width, height}) {
            for (int shift = 24; shift >= 0; shift -= 8) {
                chunk += static_cast<char>((value >> shift) & 0xFF);
            }
        }
        chunk += std::string("\x01\x03\0\0\0", 5);
        std::string crc;
        for (int shift = 24; shift >= 0; shift -= 8) {
            crc += static_cast<char>((crc32(chunk) >> shift) & 0xFF);
        }
        return std::string("\x89PNG\r\n\x1a\n\0\0\0\x0d", 12) + chunk + crc;
    }

    static SffV2File mixedFile() {
        const PcxPicture picture = distinctPicture(6, 5);
        SffV2File file;
        file.palettes = {SffV2Palette::of(picture.palette), SffV2Palette::link(0)};
        for (const std::uint8_t format : {0, 2, 3, 4, 10}) {
            file.sprites.push_back(SffV2Sprite::indexed(
                0, static_cast<std::int16_t>(file.sprites.size()), picture, format, 1));
        }
        file.sprites.push_back(SffV2Sprite::png(0, 5, 6, 5, 11, pngOf(PNG_COLOR_TYPE_RGB, 3)));
        file.sprites.push_back(
            SffV2Sprite::png(0, 6, 6, 5, 12, pngOf(PNG_COLOR_TYPE_RGB_ALPHA, 4)));
        file.sprites.push_back(SffV2Sprite::link(0, 7, 3, 1));
        file.sprites.push_back(SffV2Sprite::link(0, 8, 7));
        return file;
    }

    // Opens the bytes and asks for every sprite; the number decoded.
    int decodeAll(const std::string& bytes) {
        if (!openBytes(bytes)) {
            return 0;
        }
        int decoded = 0;
        for (std::int16_t image = 0; image < kSprites; ++image) {
            decoded += sff.GetSprite(0, image).has_value() ? 1 : 0;
        }
        return decoded;
    }
};

TEST_F(HostileInputV2Test, EveryTruncationIsSafe) {
    const std::string bytes = mixedFile().bytes();
    ASSERT_EQ(decodeAll(bytes), kSprites);
    for (std::size_t length = 0; length < bytes.size(); ++length) {
        decodeAll(bytes.substr(0, length));
    }
    // tdata comes last: cutting its last byte loses its last sprite (LZ5)
    // and the two sprites linked to it, no more.
    EXPECT_EQ(decodeAll(bytes.substr(0, bytes.size() - 1)), kSprites - 3);
}

TEST_F(HostileInputV2Test, GarbledHeaderNodesAndDataAreSafe) {
    const SffV2File file = mixedFile();
    const std::string bytes = file.bytes();
    std::mt19937 random(20240611);
    std::uniform_int_distribution<int> value(0, 255);
    // Aim at the header's fields and the node tables, where sizes and offsets live.
    std::uniform_int_distribution<std::size_t> fields(12, 76);
    std::uniform_int_distribution<std::size_t> nodes(file.spriteNodeOffset(),
                                                     file.ldataOffset() - 1);
    std::uniform_int_distribution<std::size_t> anywhere(file.ldataOffset(), bytes.size() - 1);
    for (int round = 0; round < 1500; ++round) {
        std::string garbled = bytes;
        garbled[round % 3 == 0 ? fields(random) : nodes(random)] = static_cast<char>(value(random));
        garbled[anywhere(random)] = static_cast<char>(value(random));
        garbled[anywhere(random)] = static_cast<char>(value(random));
        decodeAll(garbled);
    }
}

TEST_F(HostileInputV2Test, ForgedSizesAreRefusedBeforeAllocating) {
    SffV2File file = mixedFile();
    // Sizes the reader would allocate, far beyond what each sprite's data can give.
    for (SffV2Sprite& sprite : file.sprites) {
        sprite.width = 4000;
        sprite.height = 4000;
    }
    // 65535 x 65535: a PNG saying so at one bit a pixel, with the 600 KB of
    // data that could inflate that far.
    file.sprites.push_back(SffV2Sprite::png(1, 0, 65535, 65535, 10,
                                            pngHeader(65535, 65535) + std::string(600'000, 'x')));
    file.sprites.push_back(SffV2Sprite::indexed(1, 1, distinctPicture(6, 5), 4));
    file.sprites.back().width = 65535;
    file.sprites.back().height = 65535;
    // A size its data could give, over a PNG of 6 x 5.
    file.sprites.push_back(SffV2Sprite::png(
        1, 2, 4000, 4000, 12, pngOf(PNG_COLOR_TYPE_RGB_ALPHA, 4) + std::string(4000, '\0')));
    ASSERT_TRUE(open(file));
    resetLargestAllocation();
    for (std::int16_t image = 0; image < kSprites; ++image) {
        EXPECT_FALSE(sff.GetSprite(0, image)) << image;
    }
    for (std::int16_t image = 0; image < 3; ++image) {
        EXPECT_FALSE(sff.GetSprite(1, image)) << image;
    }
    // The largest block is the 600 KB of data read for a sprite, no picture.
    EXPECT_LT(largestAllocation(), 700'000u);
}

TEST_F(HostileInputV2Test, ForgedCountsAndLengthsAreRefusedBeforeAllocating) {
    SffV2File file = mixedFile();
    file.sprites[0].dataLength = 0xFFFFFFF0;
    file.palettes[0].dataLength = 0xFFFFFFF0;
    file.ldataLength = 0xFFFFFFFF;
    resetLargestAllocation();
    ASSERT_TRUE(open(file));
    EXPECT_FALSE(sff.GetSprite(0, 0));
    EXPECT_FALSE(sff.ReadPalette(0));
    file.paletteCount = 0xFFFFFFFF;
    EXPECT_FALSE(open(file));
    EXPECT_LT(largestAllocation(), 100'000u);
}

} // namespace
} // namespace zorvik::test
