#include "core/sprite/sprite_codecs_v2.h"

#include <cstddef>

#include "core/sprite/pixel_runs.h"

namespace zorvik::sprite {

namespace {

constexpr std::uint8_t kRle8RunMask = 0xC0;
constexpr std::uint8_t kRle8RunMarker = 0x40;
constexpr std::uint8_t kRle8CountMask = 0x3F;
constexpr std::uint8_t kRle5ColourFollows = 0x80;
constexpr std::uint8_t kRle5DataLengthMask = 0x7F;
constexpr std::uint8_t kFiveBitColour = 0x1F;

} // namespace

bool DecodeRle8(std::span<const std::uint8_t> source, std::span<std::uint8_t> destination) {
    const std::uint8_t* in = source.data();
    const std::uint8_t* const inEnd = in + source.size();
    std::uint8_t* out = destination.data();
    const std::uint8_t* const outEnd = out + destination.size();
    while (out != outEnd && in != inEnd) {
        const std::uint8_t code = *in++;
        if ((code & kRle8RunMask) != kRle8RunMarker) {
            *out++ = code;
        } else if (in != inEnd) {
            out = fillRun(out, outEnd, *in++, code & kRle8CountMask);
        } else {
            return false;
        }
    }
    return out == outEnd;
}

// Each packet: a byte with the first run's length less one; a byte whose top
// bit says a colour byte follows (otherwise the first run is of colour 0)
// and whose low 7 bits count the data bytes after it; then the data bytes,
// each a 5-bit colour under a 3-bit run length less one.
bool DecodeRle5(std::span<const std::uint8_t> source, std::span<std::uint8_t> destination) {
    const std::uint8_t* in = source.data();
    const std::uint8_t* const inEnd = in + source.size();
    std::uint8_t* out = destination.data();
    const std::uint8_t* const outEnd = out + destination.size();
    while (out != outEnd) {
        if (inEnd - in < 2) {
            return false;
        }
        const std::size_t firstRun = std::size_t{in[0]} + 1;
        const std::uint8_t dataByte = in[1];
        in += 2;
        std::uint8_t colour = 0;
        if ((dataByte & kRle5ColourFollows) != 0) {
            if (in == inEnd) {
                return false;
            }
            colour = *in++;
        }
        out = fillRun(out, outEnd, colour, firstRun);
        const std::ptrdiff_t dataLength = dataByte & kRle5DataLengthMask;
        if (inEnd - in < dataLength) {
            return false;
        }
        for (const std::uint8_t* const dataEnd = in + dataLength; in != dataEnd; ++in) {
            out = fillRun(out, outEnd, *in & kFiveBitColour, static_cast<std::size_t>(*in >> 5) + 1);
        }
    }
    return true;
}

} // namespace zorvik::sprite
