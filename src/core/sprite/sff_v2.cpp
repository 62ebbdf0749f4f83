#include "core/sprite/sff_v2.h"

#include <algorithm>
#include <array>

#include "core/sprite/sprite_decoder_v2.h"

namespace zorvik {

namespace {

// A palette entry is red, green, blue and one unused byte, as real files store it.
constexpr std::size_t kPaletteEntrySize = 4;
constexpr std::size_t kPaletteBytes = kPaletteEntrySize * std::tuple_size_v<SpritePalette>;

// The node that holds the data index leads to. A chain of more links than
// the table has nodes must visit one twice: a loop, refused like a link
// out of the table.
template <typename Node>
std::optional<std::size_t> followLinks(const std::vector<Node>& nodes, std::size_t index) {
    if (index >= nodes.size()) {
        return std::nullopt;
    }
    for (std::size_t hops = 0; nodes[index].isLinked(); ++hops) {
        if (hops == nodes.size() || nodes[index].linkIndex >= nodes.size()) {
            return std::nullopt;
        }
        index = nodes[index].linkIndex;
    }
    return index;
}

// length bytes of the file from offset; checked against the file's size
// before anything is allocated for them.
std::optional<std::vector<std::uint8_t>> readBytes(const platform::RandomAccessFile& file,
                                                   std::uint64_t offset, std::uint64_t length) {
    if (offset > file.size() || length > file.size() - offset) {
        return std::nullopt;
    }
    std::vector<std::uint8_t> bytes(static_cast<std::size_t>(length));
    if (!file.Read(offset, bytes)) {
        return std::nullopt;
    }
    return bytes;
}

} // namespace

bool KelSFFV2::Open(const std::string& path) {
    header_ = {};
    sprites_.clear();
    palettes_.clear();
    std::array<std::uint8_t, SFFHEADERV2::kSize> headerBytes{};
    if (!file_.Open(path) || !file_.Read(0, headerBytes)) {
        return false;
    }
    const auto header = SFFHEADERV2::read(headerBytes);
    if (!header) {
        return false;
    }
    header_ = *header;
    if (!readTable(header_.spriteNodeOffset, header_.spriteCount, sprites_) ||
        !readTable(header_.paletteNodeOffset, header_.paletteCount, palettes_)) {
        sprites_.clear();
        palettes_.clear();
        return false;
    }
    return true;
}

template <typename Node>
bool KelSFFV2::readTable(std::uint32_t offset, std::uint32_t count,
                         std::vector<Node>& nodes) const {
    const auto bytes = readBytes(file_, offset, std::uint64_t{count} * Node::kSize);
    if (!bytes) {
        return false;
    }
    const std::span<const std::uint8_t> table(*bytes);
    nodes.reserve(count);
    for (std::size_t i = 0; i < count; ++i) {
        nodes.push_back(Node::read(table.subspan(i * Node::kSize, Node::kSize)));
    }
    return true;
}

std::optional<std::size_t> KelSFFV2::FindSprite(std::int16_t group, std::int16_t image) const {
    const auto found =
        std::find_if(sprites_.begin(), sprites_.end(), [&](const SPRITENODEV2& node) {
            return node.group == group && node.image == image;
        });
    if (found == sprites_.end()) {
        return std::nullopt;
    }
    return static_cast<std::size_t>(found - sprites_.begin());
}

std::optional<std::uint64_t> KelSFFV2::fileOffsetInBlock(bool tdata, std::uint32_t offset,
                                                         std::uint32_t length) const {
    const std::uint64_t blockOffset = tdata ? header_.tdataOffset : header_.ldataOffset;
    const std::uint64_t blockLength = tdata ? header_.tdataLength : header_.ldataLength;
    if (offset > blockLength || length > blockLength - offset ||
        blockOffset + offset + length > file_.size()) {
        return std::nullopt;
    }
    return blockOffset + offset;
}

std::optional<SpritePalette> KelSFFV2::ReadPalette(std::size_t index) const {
    const auto owner = followLinks(palettes_, index);
    if (!owner) {
        return std::nullopt;
    }
    const PALETTENODEV2& node = palettes_[*owner];
    // Palette data always lies in ldata; colours past the 256th are never shown.
    const auto start = fileOffsetInBlock(false, node.dataOffset, node.dataLength);
    const auto bytes =
        start ? readBytes(file_, *start, std::min<std::size_t>(node.dataLength, kPaletteBytes))
              : std::nullopt;
    if (!bytes) {
        return std::nullopt;
    }
    SpritePalette palette{};
    for (std::size_t i = 0; i < bytes->size() / kPaletteEntrySize; ++i) {
        const std::uint8_t* entry = bytes->data() + i * kPaletteEntrySize;
        palette[i] = RgbColour{entry[0], entry[1], entry[2]};
    }
    return palette;
}

std::optional<std::size_t> KelSFFV2::DataNode(std::size_t index) const {
    return followLinks(sprites_, index);
}

std::optional<SpritePicture> KelSFFV2::GetSprite(std::int16_t group, std::int16_t image) const {
    const auto asked = FindSprite(group, image);
    const auto owner = asked ? followLinks(sprites_, *asked) : std::nullopt;
    if (!owner) {
        return std::nullopt;
    }
    const SPRITENODEV2& node = sprites_[*owner];
    const auto start = fileOffsetInBlock(node.inTdata(), node.dataOffset, node.dataLength);
    const auto data = start ? readBytes(file_, *start, node.dataLength) : std::nullopt;
    auto picture = data ? sprite::DecodeSpriteV2(node, *data) : std::nullopt;
    if (!picture || picture->kind != SpritePicture::Kind::Indexed) {
        return picture;
    }
    // A linked sprite shows its target's pixels in its own palette, and a
    // PNG8 sprite's indices take their colours from the SFF palette its node
    // names, not from the PNG's own; real files settle both.
    const auto palette = ReadPalette(sprites_[*asked].paletteIndex);
    if (!palette) {
        return std::nullopt;
    }
    picture->palette = *palette;
    return picture;
}

} // namespace zorvik
