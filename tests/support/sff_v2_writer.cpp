#include "support/sff_v2_writer.h"

#include <png.h>

#include "support/byte_writer.h"
#include "support/png_writer.h"
#include "support/sprite_encoders_v2.h"

namespace zorvik::test {

namespace {

constexpr std::uint32_t kHeaderSize = 512;
constexpr std::uint32_t kSpriteNodeSize = 28;
constexpr std::uint32_t kPaletteNodeSize = 16;

// Every format but raw stores the decoded size before its data.
std::string withSizeField(std::uint32_t decodedSize, const std::string& data) {
    std::string out;
    appendLe32(out, decodedSize);
    return out + data;
}

std::string png8Of(const PcxPicture& picture) {
    PngPicture png;
    png.width = static_cast<std::uint32_t>(picture.width);
    png.height = static_cast<std::uint32_t>(picture.height);
    png.colourType = PNG_COLOR_TYPE_PALETTE;
    png.rows = picture.pixels;
    png.palette.assign(picture.palette.rbegin(), picture.palette.rend());
    return png.encode();
}

std::string storedPixels(const PcxPicture& picture, std::uint8_t format) {
    const auto size = static_cast<std::uint32_t>(picture.pixels.size());
    switch (format) {
    case 0:
        return std::string(picture.pixels.begin(), picture.pixels.end());
    case 2:
        return withSizeField(size, encodeRle8(picture.pixels));
    case 3:
        return withSizeField(size, encodeRle5(picture.pixels));
    case 4:
        return withSizeField(size, encodeLz5(picture.pixels));
    default:
        return withSizeField(size, png8Of(picture));
    }
}

void appendSpriteNode(std::string& out, const SffV2Sprite& sprite, std::uint32_t offset) {
    appendLe16(out, static_cast<std::uint16_t>(sprite.group));
    appendLe16(out, static_cast<std::uint16_t>(sprite.image));
    appendLe16(out, sprite.width);
    appendLe16(out, sprite.height);
    appendLe16(out, static_cast<std::uint16_t>(sprite.axisX));
    appendLe16(out, static_cast<std::uint16_t>(sprite.axisY));
    appendLe16(out, sprite.linkIndex);
    out += static_cast<char>(sprite.format);
    out += static_cast<char>(sprite.colourDepth);
    appendLe32(out, sprite.dataOffset.value_or(offset));
    appendLe32(out, sprite.dataLength.value_or(static_cast<std::uint32_t>(sprite.data.size())));
    appendLe16(out, sprite.paletteIndex);
    appendLe16(out, sprite.inTdata ? 1 : 0);
}

void appendPaletteNode(std::string& out, const SffV2Palette& palette, std::uint32_t offset) {
    appendLe16(out, static_cast<std::uint16_t>(palette.group));
    appendLe16(out, static_cast<std::uint16_t>(palette.image));
    appendLe16(out, static_cast<std::uint32_t>(palette.data.size() / 4));
    appendLe16(out, palette.linkIndex);
    appendLe32(out, palette.dataOffset.value_or(offset));
    appendLe32(out, palette.dataLength.value_or(static_cast<std::uint32_t>(palette.data.size())));
}

} // namespace

SffV2Sprite SffV2Sprite::indexed(std::int16_t group, std::int16_t image, const PcxPicture& picture,
                                 std::uint8_t format, std::uint16_t paletteIndex) {
    SffV2Sprite sprite = link(group, image, 0, paletteIndex);
    sprite.width = static_cast<std::uint16_t>(picture.width);
    sprite.height = static_cast<std::uint16_t>(picture.height);
    sprite.format = format;
    sprite.colourDepth = format == 3 || format == 4 ? 5 : 8;
    sprite.inTdata = format != 0 && format < 10;
    sprite.data = storedPixels(picture, format);
    return sprite;
}

SffV2Sprite SffV2Sprite::png(std::int16_t group, std::int16_t image, std::uint16_t width,
                             std::uint16_t height, std::uint8_t format, std::string png) {
    SffV2Sprite sprite = link(group, image, 0);
    sprite.width = width;
    sprite.height = height;
    sprite.format = format;
    const std::uint32_t channels = format == 10 ? 1 : format == 11 ? 3 : 4;
    sprite.colourDepth = static_cast<std::uint8_t>(8 * channels);
    sprite.data = withSizeField(std::uint32_t{width} * height * channels, png);
    return sprite;
}

SffV2Sprite SffV2Sprite::link(std::int16_t group, std::int16_t image, std::uint16_t linkIndex,
                              std::uint16_t paletteIndex) {
    SffV2Sprite sprite;
    sprite.group = group;
    sprite.image = image;
    sprite.linkIndex = linkIndex;
    sprite.paletteIndex = paletteIndex;
    return sprite;
}

SffV2Palette SffV2Palette::of(const PcxPalette& colours, std::size_t count) {
    SffV2Palette palette;
    for (std::size_t i = 0; i < count; ++i) {
        palette.data.append(colours.begin() + 3 * i, colours.begin() + 3 * i + 3);
        palette.data += '\0';
    }
    return palette;
}

SffV2Palette SffV2Palette::link(std::uint16_t linkIndex) {
    SffV2Palette palette;
    palette.linkIndex = linkIndex;
    return palette;
}

std::uint32_t SffV2File::paletteNodeOffset() const {
    return kHeaderSize + kSpriteNodeSize * static_cast<std::uint32_t>(sprites.size());
}

std::uint32_t SffV2File::ldataOffset() const {
    return paletteNodeOffset() + kPaletteNodeSize * static_cast<std::uint32_t>(palettes.size());
}

std::uint32_t SffV2File::tdataOffset() const {
    std::size_t length = 0;
    for (const SffV2Palette& palette : palettes) {
        length += palette.data.size();
    }
    for (const SffV2Sprite& sprite : sprites) {
        length += sprite.inTdata ? 0 : sprite.data.size();
    }
    return ldataOffset() + static_cast<std::uint32_t>(length);
}

std::string SffV2File::bytes() const {
    std::string ldata;
    std::string tdata;
    std::string paletteNodes;
    for (const SffV2Palette& palette : palettes) {
        appendPaletteNode(paletteNodes, palette, static_cast<std::uint32_t>(ldata.size()));
        ldata += palette.data;
    }
    std::string spriteNodes;
    for (const SffV2Sprite& sprite : sprites) {
        std::string& block = sprite.inTdata ? tdata : ldata;
        appendSpriteNode(spriteNodes, sprite, static_cast<std::uint32_t>(block.size()));
        block += sprite.data;
    }
    std::string header("ElecbyteSpr\0", 12);
    header += {'\0', static_cast<char>(minorVersion), '\0', '\2'};
    header.append(8, '\0');
    header += {'\0', static_cast<char>(minorVersion), '\0', '\2'}; // the oldest reader needed
    header.append(8, '\0');
    for (const std::uint32_t field :
         {spriteNodeOffset(), spriteCount.value_or(static_cast<std::uint32_t>(sprites.size())),
          paletteNodeOffset(), paletteCount.value_or(static_cast<std::uint32_t>(palettes.size())),
          ldataOffset(), ldataLength.value_or(static_cast<std::uint32_t>(ldata.size())),
          tdataOffset(), static_cast<std::uint32_t>(tdata.size())}) {
        appendLe32(header, field);
    }
    header.resize(kHeaderSize, '\0');
    return header + spriteNodes + paletteNodes + ldata + tdata;
}

} // namespace zorvik::test
