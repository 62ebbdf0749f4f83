#include "core/sprite/sprite_node_v2.h"

#include "core/sprite/little_endian.h"

namespace zorvik {

SPRITENODEV2 SPRITENODEV2::read(std::span<const std::uint8_t> bytes) {
    SPRITENODEV2 node;
    node.group = sprite::readI16(bytes, 0);
    node.image = sprite::readI16(bytes, 2);
    node.width = sprite::readU16(bytes, 4);
    node.height = sprite::readU16(bytes, 6);
    node.axisX = sprite::readI16(bytes, 8);
    node.axisY = sprite::readI16(bytes, 10);
    node.linkIndex = sprite::readU16(bytes, 12);
    node.format = bytes[14];
    node.colourDepth = bytes[15];
    node.dataOffset = sprite::readU32(bytes, 16);
    node.dataLength = sprite::readU32(bytes, 20);
    node.paletteIndex = sprite::readU16(bytes, 24);
    node.flags = sprite::readU16(bytes, 26);
    return node;
}

} // namespace zorvik
