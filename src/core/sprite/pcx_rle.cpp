#include "core/sprite/pcx_decoder.h"

#include <algorithm>

#include "core/sprite/sprite_error.h"

namespace zorvik {

namespace {

constexpr std::uint8_t kRunMarker = 0xC0;
constexpr std::uint8_t kRunCountMask = 0x3F;

// Stores count copies of colour from row on, in whole blocks: short runs,
// the most common, are then one store without a branch on their length.
void storeRun(std::uint32_t* row, std::size_t count, std::uint32_t colour) {
    std::size_t done = 0;
    do {
        for (std::size_t i = 0; i < kColouredRowSlack; ++i) {
            row[done + i] = colour;
        }
        done += kColouredRowSlack;
    } while (done < count);
}

} // namespace

bool DecodeColouredPcxRow(std::span<const std::uint8_t> source, std::size_t& read,
                          const PcxColours& colours, std::span<std::uint32_t> row,
                          std::size_t bytesPerLine) {
    if (row.size() < bytesPerLine + kColouredRowSlack) {
        return false;
    }
    std::size_t at = read;
    std::size_t x = 0;
    while (x < bytesPerLine) {
        if (at >= source.size()) {
            return false;
        }
        // A run is two bytes, a literal one: told apart by arithmetic, not a
        // branch, as the two mix unpredictably in drawn pictures.
        const std::uint8_t code = source[at];
        const std::size_t isRun = code >= kRunMarker;
        if (at + isRun >= source.size()) {
            return false;
        }
        const std::size_t count = (code & kRunCountMask) * isRun + (1 - isRun);
        if (x + count > bytesPerLine) {
            return false;
        }
        storeRun(row.data() + x, count, colours[source[at + isRun]]);
        x += count;
        at += 1 + isRun;
    }
    read = at;
    return true;
}

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
