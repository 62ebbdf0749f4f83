#include "core/sprite/sprite_codecs_v2.h"

#include <gtest/gtest.h>

#include <functional>

#include "support/drawn_portrait.h"
#include "support/sprite_encoders_v2.h"

namespace zorvik::test {
namespace {

using Bytes = std::vector<std::uint8_t>;
using Decoder = std::function<bool(std::span<const std::uint8_t>, std::span<std::uint8_t>)>;

// Decodes into exactly size pixels; none when the decoder refuses.
std::optional<Bytes> decode(const Decoder& decoder, const Bytes& source, std::size_t size) {
    Bytes pixels(size, 0xEE);
    if (!decoder(source, pixels)) {
        return std::nullopt;
    }
    return pixels;
}

Bytes bytesOf(const std::string& text) {
    return Bytes(text.begin(), text.end());
}

TEST(Rle8Test, RunsLiteralsAndTheirEnds) {
    // 0x43 7: three 7s; 0x40 9: an empty run; 0x05; 0x41 0x45: one 0x45; 0xC5 and 0x85 are pixels.
    EXPECT_EQ(decode(sprite::DecodeRle8, {0x43, 7, 0x40, 9, 0x05, 0x41, 0x45, 0xC5, 0x85}, 7),
              (Bytes{7, 7, 7, 5, 0x45, 0xC5, 0x85}));
    // A run passing the end is cut there; what follows the last pixel is not read.
    EXPECT_EQ(decode(sprite::DecodeRle8, {1, 0x45, 2, 0x99}, 3), (Bytes{1, 2, 2}));
    EXPECT_FALSE(decode(sprite::DecodeRle8, {0x43, 7}, 4)); // ends early
    EXPECT_FALSE(decode(sprite::DecodeRle8, {1, 0x42}, 3)); // run without its value
    EXPECT_FALSE(decode(sprite::DecodeRle8, {}, 1));
}

TEST(Rle5Test, PacketsOfAFirstRunAndFiveBitRuns) {
    // Three of 0x99, two of 3 and one of 31; then two of colour 0 without a colour byte.
    const Bytes packets = {2, 0x82, 0x99, (1 << 5) | 3, 31, 1, 0x00};
    EXPECT_EQ(decode(sprite::DecodeRle5, packets, 8), (Bytes{0x99, 0x99, 0x99, 3, 3, 31, 0, 0}));
    EXPECT_EQ(decode(sprite::DecodeRle5, packets, 4), (Bytes{0x99, 0x99, 0x99, 3}));
    EXPECT_FALSE(decode(sprite::DecodeRle5, packets, 9));
    EXPECT_FALSE(decode(sprite::DecodeRle5, {2, 0x82}, 3));       // colour byte missing
    EXPECT_FALSE(decode(sprite::DecodeRle5, {0, 0x03, 1, 2}, 4)); // a data byte missing
    EXPECT_FALSE(decode(sprite::DecodeRle5, {0}, 1));
}

// Every kind of LZ5 packet, built by hand from the format's description.
TEST(Lz5Test, HandBuiltStreamOfEveryPacketKind) {
    const Bytes stream = {
        0xE0,             // packets 6 to 8 are copies
        0x65, 0xE2, 0x29, // short runs: three 5s, seven 2s, one 9
        0x5F,             // two 31s
        0x00, 0xCA,       // long run: 210 of colour 0
        0xC2, 0xDE,       // short copies with distances 223, 2 and 226, whose top
        0x81, 0x01,       // bits 11, 10, 11 and the fourth's own 01 make the
        0xC9, 0xE1,       // fourth copy's distance less one: 0b11101101
        0x15,             // packets 1, 3 and 5 are copies
        0x43,             // four from 238 back, a distance with no byte of its own
        0x03, 0x5C,       // long run: 100 of colour 3
        0x40, 0x55, 0x11, // long copy: 20 from 342 back (bits 8 and 9 in the first byte)
        0x31,             // one 17
        0x04, 0x01,       // five from 2 back, overlapping what it writes
    };
    Bytes expected;
    const auto run = [&](std::uint8_t colour, std::size_t length) {
        expected.insert(expected.end(), length, colour);
    };
    const auto copy = [&](std::size_t distance, std::size_t length) {
        for (std::size_t i = 0; i < length; ++i) {
            expected.push_back(expected[expected.size() - distance]);
        }
    };
    run(5, 3), run(2, 7), run(9, 1), run(31, 2), run(0, 210);
    copy(223, 3), copy(2, 2), copy(226, 10), copy(238, 4);
    run(3, 100), copy(342, 20), run(17, 1), copy(2, 5);
    ASSERT_EQ(expected.size(), 368u);
    EXPECT_EQ(decode(sprite::DecodeLz5, stream, expected.size()), expected);
}

TEST(Lz5Test, RefusesCopiesBeforeTheStartAndCutStreams) {
    EXPECT_FALSE(decode(sprite::DecodeLz5, {0x01, 0x02, 0x00}, 3));       // a copy of nothing
    EXPECT_FALSE(decode(sprite::DecodeLz5, {0x02, 0x23, 0x02, 0x01}, 4)); // 2 back from 1
    EXPECT_EQ(decode(sprite::DecodeLz5, {0x02, 0x23, 0x02, 0x01}, 1), (Bytes{3}));
    EXPECT_FALSE(decode(sprite::DecodeLz5, {0x00, 0x03}, 3)); // long run without its length
    EXPECT_FALSE(decode(sprite::DecodeLz5, {0x00, 0x23}, 2)); // ends early
    EXPECT_FALSE(decode(sprite::DecodeLz5, {0x02, 0x23, 0x00, 0x00}, 40)); // long copy cut
    EXPECT_FALSE(decode(sprite::DecodeLz5, {}, 1));
}

// The test encoders against the decoders over a drawn picture, large enough
// for every kind of packet.
TEST(SpriteCodecsTest, EncodedPicturesDecodeToTheirPixels) {
    const PcxPicture picture = drawnPortrait(301, 217);
    const std::vector<std::pair<std::string, std::pair<Decoder, std::string>>> cases = {
        {"RLE8", {sprite::DecodeRle8, encodeRle8(picture.pixels)}},
        {"RLE5", {sprite::DecodeRle5, encodeRle5(picture.pixels)}},
        {"LZ5", {sprite::DecodeLz5, encodeLz5(picture.pixels)}},
    };
    for (const auto& [name, codec] : cases) {
        const Bytes source = bytesOf(codec.second);
        EXPECT_LT(source.size(), picture.pixels.size() / 4) << name;
        EXPECT_EQ(decode(codec.first, source, picture.pixels.size()), picture.pixels) << name;
        // Every cut of the data is refused or stops at the destination's end.
        for (std::size_t length = 0; length < source.size(); length += 97) {
            const Bytes cut(source.begin(), source.begin() + static_cast<std::ptrdiff_t>(length));
            EXPECT_FALSE(decode(codec.first, cut, picture.pixels.size())) << name << length;
        }
    }
}

} // namespace
} // namespace zorvik::test
