#include "core/sprite/sff_header_v2.h"

#include <algorithm>
#include <array>

#include "core/sprite/little_endian.h"

namespace zorvik {

namespace {

constexpr std::array<std::uint8_t, 12> kSignature = {'E', 'l', 'e', 'c', 'b', 'y',
                                                     't', 'e', 'S', 'p', 'r', 0};
constexpr std::size_t kVersionOffset = 15;

} // namespace

std::optional<SFFHEADERV2> SFFHEADERV2::read(std::span<const std::uint8_t> bytes) {
    if (bytes.size() < kSize || !std::equal(kSignature.begin(), kSignature.end(), bytes.begin()) ||
        bytes[kVersionOffset] != 2) {
        return std::nullopt;
    }
    SFFHEADERV2 header;
    header.spriteNodeOffset = sprite::readU32(bytes, 36);
    header.spriteCount = sprite::readU32(bytes, 40);
    header.paletteNodeOffset = sprite::readU32(bytes, 44);
    header.paletteCount = sprite::readU32(bytes, 48);
    header.ldataOffset = sprite::readU32(bytes, 52);
    header.ldataLength = sprite::readU32(bytes, 56);
    header.tdataOffset = sprite::readU32(bytes, 60);
    header.tdataLength = sprite::readU32(bytes, 64);
    return header;
}

} // namespace zorvik
