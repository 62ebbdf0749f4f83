#include "core/sprite/palette_node_v2.h"

#include "core/sprite/little_endian.h"

namespace zorvik {

PALETTENODEV2 PALETTENODEV2::read(std::span<const std::uint8_t> bytes) {
    PALETTENODEV2 node;
    node.group = sprite::readI16(bytes, 0);
    node.image = sprite::readI16(bytes, 2);
    node.colourCount = sprite::readU16(bytes, 4);
    node.linkIndex = sprite::readU16(bytes, 6);
    node.dataOffset = sprite::readU32(bytes, 8);
    node.dataLength = sprite::readU32(bytes, 12);
    return node;
}

} // namespace zorvik
