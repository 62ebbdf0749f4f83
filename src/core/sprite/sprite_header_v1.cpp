#include "core/sprite/sprite_header_v1.h"

#include <algorithm>

#include "core/sprite/little_endian.h"

namespace zorvik {

std::optional<SPRITEHEADERV1SET> SPRITEHEADERV1SET::read(std::span<const std::uint8_t> file,
                                                         std::uint32_t offset) {
    if (offset > file.size() || file.size() - offset < kHeaderSize) {
        return std::nullopt;
    }
    const auto bytes = file.subspan(offset, kHeaderSize);
    SPRITEHEADERV1SET record;
    record.nextOffset = sprite::readU32(bytes, 0);
    record.length = sprite::readU32(bytes, 4);
    record.axisX = sprite::readI16(bytes, 8);
    record.axisY = sprite::readI16(bytes, 10);
    record.group = sprite::readI16(bytes, 12);
    record.image = sprite::readI16(bytes, 14);
    record.linkIndex = sprite::readU16(bytes, 16);
    record.samePalette = sprite::readU16(bytes, 18);
    std::copy_n(bytes.begin() + 20, record.comment.size(), record.comment.begin());
    if (record.length != 0) {
        // The data may claim more bytes than the file has; keep only what is there.
        const std::size_t start = offset + kHeaderSize;
        record.pcxData =
            file.subspan(start, std::min<std::size_t>(record.length, file.size() - start));
    }
    return record;
}

} // namespace zorvik
