#include "core/sprite/sff.h"

#include <algorithm>
#include <array>

#include "core/sprite/little_endian.h"

namespace zorvik {

namespace {

constexpr std::array<std::uint8_t, 12> kSignature = {'E', 'l', 'e', 'c', 'b', 'y',
                                                     't', 'e', 'S', 'p', 'r', 0};
constexpr std::size_t kVersionOffset = 15;
constexpr std::size_t kFirstSubfileField = 24;
// The first-subfile field is only checked: it and 16 bytes must fit in the file.
constexpr std::uint64_t kFirstSubfileSlack = 16;

} // namespace

std::optional<std::int8_t> KelSFF::version() const {
    if (data().size() <= kVersionOffset) {
        return std::nullopt;
    }
    return static_cast<std::int8_t>(data()[kVersionOffset]);
}

bool KelSFF::OnLoaded() {
    if (!isVersionOneFile() || ParseSubfiles() == 0) {
        Release();
        return false;
    }
    return true;
}

bool KelSFF::OnReleased() {
    sprites_.clear();
    return true;
}

bool KelSFF::isVersionOneFile() const {
    const auto bytes = data();
    // Version 2 files share the signature; they are recognised by the byte and refused.
    return bytes.size() > kTooSmallSize && version() == 1 &&
           std::equal(kSignature.begin(), kSignature.end(), bytes.begin());
}

std::size_t KelSFF::ParseSubfiles() {
    const auto bytes = data();
    sprites_.clear();
    if (sprite::readU32(bytes, kFirstSubfileField) + kFirstSubfileSlack > bytes.size()) {
        return 0;
    }
    // The walk starts at 512 whatever the header says, and follows the chain of
    // next offsets; offsets only grow, so it ends on any file.
    std::uint32_t position = kFirstSubfileOffset;
    while (position < bytes.size()) {
        const auto record = SPRITEHEADERV1SET::read(bytes, position);
        if (!record) {
            break; // a subfile header cut off by the end of the file
        }
        sprites_.push_back(*record);
        if (record->nextOffset <= position) {
            break;
        }
        position = record->nextOffset;
    }
    return sprites_.size();
}

} // namespace zorvik
