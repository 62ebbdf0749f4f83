#include "core/sprite/sprite_decoder_v2.h"

#include <algorithm>
#include <new>

#include "core/sprite/png_decoder.h"
#include "core/sprite/sprite_codecs_v2.h"
#include "core/sprite/sprite_error.h"

namespace zorvik::sprite {

namespace {

// Every stored format except raw begins with a 4-byte field holding the
// decoded size, PNG formats included; real files settle this. Decoding
// goes by the node's width and height, so the field is only skipped.
constexpr std::size_t kSizeFieldLength = 4;
// Raw data holds one palette index a pixel; deeper raw sprites are not read.
constexpr std::uint8_t kMostRawColourDepth = 8;

// The most pixels one byte of each format can give: RLE8 63 from 2 bytes,
// RLE5 256 from 2, LZ5 263 from 2; a PNG byte inflates to at most 1032
// bytes, each up to 8 pixels at 1 bit a pixel. A node claiming more pixels
// than its data can give is forged and refused before allocating.
std::uint64_t mostPixelsPerByte(std::uint8_t format) {
    switch (format) {
    case SPRITENODEV2::kRaw:
        return 1;
    case SPRITENODEV2::kRle8:
        return 32;
    case SPRITENODEV2::kRle5:
        return 128;
    case SPRITENODEV2::kLz5:
        return 132;
    default:
        return 1032 * 8;
    }
}

std::optional<SpritePicture::Kind> kindOf(const SPRITENODEV2& node) {
    switch (node.format) {
    case SPRITENODEV2::kRaw:
        if (node.colourDepth > kMostRawColourDepth) {
            return std::nullopt;
        }
        return SpritePicture::Kind::Indexed;
    case SPRITENODEV2::kRle8:
    case SPRITENODEV2::kRle5:
    case SPRITENODEV2::kLz5:
    case SPRITENODEV2::kPng8:
        return SpritePicture::Kind::Indexed;
    case SPRITENODEV2::kPng24:
        return SpritePicture::Kind::Rgb;
    case SPRITENODEV2::kPng32:
        return SpritePicture::Kind::Rgba;
    default:
        return std::nullopt;
    }
}

bool decodePixels(std::uint8_t format, std::span<const std::uint8_t> payload,
                  SpritePicture& picture) {
    switch (format) {
    case SPRITENODEV2::kRaw:
        if (payload.size() < picture.pixels.size()) {
            return false;
        }
        std::copy_n(payload.begin(), picture.pixels.size(), picture.pixels.begin());
        return true;
    case SPRITENODEV2::kRle8:
        return DecodeRle8(payload, picture.pixels);
    case SPRITENODEV2::kRle5:
        return DecodeRle5(payload, picture.pixels);
    case SPRITENODEV2::kLz5:
        return DecodeLz5(payload, picture.pixels);
    default:
        return DecodePngSprite(payload, picture);
    }
}

std::optional<SpritePicture> refuse() {
    setLastError(kInvalidData);
    return std::nullopt;
}

} // namespace

std::optional<SpritePicture> DecodeSpriteV2(const SPRITENODEV2& node,
                                            std::span<const std::uint8_t> data) {
    const auto kind = kindOf(node);
    const std::size_t skipped = node.format == SPRITENODEV2::kRaw ? 0 : kSizeFieldLength;
    if (!kind || data.size() < skipped) {
        return refuse();
    }
    const auto payload = data.subspan(skipped);
    const std::uint64_t pixels = std::uint64_t{node.width} * node.height;
    const bool isPng = node.format >= SPRITENODEV2::kPng8;
    if (pixels == 0 || pixels > kMostSpritePixels ||
        pixels > mostPixelsPerByte(node.format) * payload.size() ||
        (isPng && !PngHeaderSizeIs(payload, node.width, node.height))) {
        return refuse();
    }
    SpritePicture picture;
    picture.kind = *kind;
    picture.width = node.width;
    picture.height = node.height;
    try {
        picture.pixels.resize(pixels * picture.channels());
    } catch (const std::bad_alloc&) {
        return std::nullopt;
    }
    if (!decodePixels(node.format, payload, picture)) {
        return refuse();
    }
    return picture;
}

} // namespace zorvik::sprite
