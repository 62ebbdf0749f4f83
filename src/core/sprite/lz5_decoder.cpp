#include "core/sprite/sprite_codecs_v2.h"

#include <cstddef>

#include "core/sprite/pixel_runs.h"

namespace zorvik::sprite {

namespace {

constexpr unsigned kPacketsPerControlByte = 8;
constexpr std::uint8_t kShortRunLengthMask = 0xE0;
constexpr std::uint8_t kFiveBitColour = 0x1F;
constexpr std::uint8_t kCopyLengthMask = 0x3F;
constexpr std::uint8_t kRecycledBitsMask = 0xC0;
constexpr unsigned kRecycledBitsPerOffset = 8;

// Reads the packets of an LZ5 stream. Each control byte, read before the
// packets it governs, says with bit n whether its n-th packet is a copy (1)
// or a run (0).
class Lz5Decoder {
public:
    Lz5Decoder(std::span<const std::uint8_t> source, std::span<std::uint8_t> destination)
        : in_(source.data()), inEnd_(in_ + source.size()), begin_(destination.data()), out_(begin_),
          outEnd_(begin_ + destination.size()) {}

    bool decode() {
        while (out_ != outEnd_) {
            if (packetsLeft_ == 0) {
                if (in_ == inEnd_) {
                    return false;
                }
                control_ = *in_++;
                packetsLeft_ = kPacketsPerControlByte;
            }
            const bool isCopy = (control_ & 1) != 0;
            control_ >>= 1;
            --packetsLeft_;
            if (in_ == inEnd_ || !(isCopy ? copyPacket(*in_++) : runPacket(*in_++))) {
                return false;
            }
        }
        return true;
    }

private:
    // A short run packs its length (1 to 7) over a 5-bit colour; a long run
    // has length bits 0 and a second byte with the length less 8.
    bool runPacket(std::uint8_t first) {
        std::size_t length = first >> 5;
        if ((first & kShortRunLengthMask) == 0) {
            if (in_ == inEnd_) {
                return false;
            }
            length = std::size_t{*in_++} + 8;
        }
        out_ = fillRun(out_, outEnd_, first & kFiveBitColour, length);
        return true;
    }

    // A long copy has length bits 0: its top two bits are bits 8 and 9 of
    // the distance less one, the next byte the low 8 bits, and a third byte
    // the length less 3. A short copy packs its length less one into the low
    // 6 bits and gives its top two bits to a store of recycled bits; its
    // distance less one is the next byte, except for every fourth short
    // copy, whose distance less one is the 8 recycled bits, the first
    // packet's highest.
    bool copyPacket(std::uint8_t first) {
        std::size_t length = 0;
        std::size_t distance = 0;
        if ((first & kCopyLengthMask) == 0) {
            if (inEnd_ - in_ < 2) {
                return false;
            }
            distance = ((std::size_t{first} << 2) | in_[0]) + 1;
            length = std::size_t{in_[1]} + 3;
            in_ += 2;
        } else {
            length = static_cast<std::size_t>(first & kCopyLengthMask) + 1;
            recycled_ |= (first & kRecycledBitsMask) >> recycledCount_;
            recycledCount_ += 2;
            if (recycledCount_ < kRecycledBitsPerOffset) {
                if (in_ == inEnd_) {
                    return false;
                }
                distance = std::size_t{*in_++} + 1;
            } else {
                distance = recycled_ + 1;
                recycled_ = 0;
                recycledCount_ = 0;
            }
        }
        if (distance > static_cast<std::size_t>(out_ - begin_)) {
            return false;
        }
        out_ = copyBack(out_, outEnd_, distance, length);
        return true;
    }

    const std::uint8_t* in_;
    const std::uint8_t* const inEnd_;
    std::uint8_t* const begin_;
    std::uint8_t* out_;
    const std::uint8_t* const outEnd_;
    unsigned control_ = 0;
    unsigned packetsLeft_ = 0;
    unsigned recycled_ = 0;
    unsigned recycledCount_ = 0;
};

} // namespace

bool DecodeLz5(std::span<const std::uint8_t> source, std::span<std::uint8_t> destination) {
    return Lz5Decoder(source, destination).decode();
}

} // namespace zorvik::sprite
