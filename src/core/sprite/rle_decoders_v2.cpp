#include "core/sprite/sprite_codecs_v2.h"

#include <cstddef>
#include <cstring>

#include "core/sprite/pixel_runs.h"

namespace zorvik::sprite {

namespace {

constexpr std::uint8_t kRle8RunMask = 0xC0;
constexpr std::uint8_t kRle8RunMarker = 0x40;
constexpr std::uint8_t kRle8CountMask = 0x3F;
constexpr std::uint8_t kRle5ColourFollows = 0x80;
constexpr std::uint8_t kRle5DataLengthMask = 0x7F;
constexpr std::uint8_t kFiveBitColour = 0x1F;

// Room for the longest run written a word at a time.
constexpr std::ptrdiff_t kRle8FastRoom = kRle8CountMask + kWordBytes - 1;

// Decodes while the destination has room for any code's pixels, a word at
// a time, and the source holds a whole code, so that no code needs a check.
void decodeRle8Unchecked(const std::uint8_t*& in, const std::uint8_t* inEnd, std::uint8_t*& out,
                         const std::uint8_t* outEnd) {
    while (outEnd - out >= kRle8FastRoom && inEnd - in >= 2) {
        const std::uint8_t code = in[0];
        const bool isRun = (code & kRle8RunMask) == kRle8RunMarker;
        const std::uint8_t value = isRun ? in[1] : code;
        const std::size_t count = isRun ? code & kRle8CountMask : 1;
        const std::uint64_t word = 0x0101010101010101ULL * value;
        std::memcpy(out, &word, kWordBytes);
        for (std::size_t i = kWordBytes; i < count; i += kWordBytes) {
            std::memcpy(out + i, &word, kWordBytes);
        }
        out += count;
        in += isRun ? 2 : 1;
    }
}

} // namespace

bool DecodeRle8(std::span<const std::uint8_t> source, std::span<std::uint8_t> destination) {
    const std::uint8_t* in = source.data();
    const std::uint8_t* const inEnd = in + source.size();
    std::uint8_t* out = destination.data();
    const std::uint8_t* const outEnd = out + destination.size();
    decodeRle8Unchecked(in, inEnd, out, outEnd);
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
            out =
                fillRun(out, outEnd, *in & kFiveBitColour, static_cast<std::size_t>(*in >> 5) + 1);
        }
    }
    return true;
}

} // namespace zorvik::sprite
