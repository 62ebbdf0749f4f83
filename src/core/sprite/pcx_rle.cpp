#include "core/sprite/pcx_decoder.h"

#include <algorithm>

#include "core/sprite/sprite_error.h"

namespace zorvik {

namespace {

constexpr std::uint8_t kRunMarker = 0xC0;
constexpr std::uint8_t kRunCountMask = 0x3F;

} // namespace

bool DecodePcxRle(std::span<const std::uint8_t> source, std::span<std::uint8_t> destination,
                  int bytesPerLine, std::size_t& bytesRead) {
    bytesRead = 0;
    // Without a positive row length the rows could never be filled.
    if (bytesPerLine < 1) {
        sprite::setLastError(sprite::kInvalidData);
        return false;
    }
    if (bytesPerLine % 2 != 0) {
        // PCX rows have an even length; an odd one is noted, not refused.
        sprite::setLastError(sprite::kInvalidData);
    }
    const std::ptrdiff_t lineLength = bytesPerLine;
    const std::ptrdiff_t stride = (lineLength + 3) & ~std::ptrdiff_t{3};
    // Positions are signed so that "one row before the block" can be said.
    std::ptrdiff_t write = std::ssize(destination) - stride;
    std::ptrdiff_t rowEnd = write + lineLength;
    std::size_t read = 0;
    while (write >= 0 && read < source.size()) {
        const std::uint8_t code = source[read];
        if (code < kRunMarker) {
            destination[static_cast<std::size_t>(write++)] = code;
            ++read;
        } else {
            const std::ptrdiff_t count = code & kRunCountMask;
            if (write + count > rowEnd || read + 1 >= source.size()) {
                break;
            }
            std::fill_n(destination.begin() + write, count, source[read + 1]);
            write += count;
            read += 2;
        }
        if (write == rowEnd) {
            write -= lineLength + stride;
            rowEnd = write + lineLength;
        }
    }
    bytesRead = read;
    if (write != -stride) {
        sprite::setLastError(sprite::kInvalidData);
        return false;
    }
    return true;
}

} // namespace zorvik
