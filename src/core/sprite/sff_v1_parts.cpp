#include "core/sprite/sff_v1_parts.h"

#include <algorithm>
#include <span>
#include <string_view>

#include "core/sprite/little_endian.h"
#include "core/sprite/pcx_decoder.h"
#include "core/sprite/sff.h"
#include "core/sprite/sff_ex.h"

namespace zorvik {

namespace {

constexpr std::size_t kHeaderBytes = 28;
constexpr std::size_t kVersionOffset = 15;
constexpr std::size_t kFirstSubfileField = 24;
constexpr std::uint64_t kFirstSubfileSlack = 16;
constexpr std::string_view kSignature("ElecbyteSpr\0", 12);
constexpr std::size_t kPcxHeaderBytes = 128;

} // namespace

bool SffV1Parts::Open(const std::string& path) {
    records_.clear();
    lastPalette_.reset();
    ended_ = true;
    std::array<std::uint8_t, kHeaderBytes> header{};
    if (!file_.Open(path) || file_.size() <= KelSFF::kTooSmallSize || !file_.Read(0, header)) {
        return false;
    }
    // Version 2 files share the signature; they are recognised by the byte and refused.
    const bool versionOne =
        std::equal(kSignature.begin(), kSignature.end(), header.begin()) &&
        static_cast<std::int8_t>(header[kVersionOffset]) == 1;
    if (!versionOne ||
        sprite::readU32(header, kFirstSubfileField) + kFirstSubfileSlack > file_.size()) {
        return false;
    }
    // The walk starts at 512 whatever the header says.
    next_ = KelSFF::kFirstSubfileOffset;
    ended_ = false;
    return walkOne();
}

bool SffV1Parts::walkOne() {
    // Only the header is read: the sprites passed on the way are not wanted,
    // and reading their data would cost as much as reading the whole file.
    std::array<std::uint8_t, SPRITEHEADERV1SET::kHeaderSize> header{};
    if (ended_ || !file_.Read(next_, header)) {
        ended_ = true; // a subfile header cut off by the end of the file ends the chain
        return false;
    }
    records_.push_back(Record{*SPRITEHEADERV1SET::read(header, 0), next_});
    // Offsets only grow, so the walk ends on any file.
    const std::uint32_t nextOffset = records_.back().header.nextOffset;
    if (nextOffset <= next_) {
        ended_ = true;
    }
    next_ = nextOffset;
    return true;
}

bool SffV1Parts::reach(std::size_t index) {
    while (records_.size() <= index) {
        if (!walkOne()) {
            return false;
        }
    }
    return true;
}

std::optional<std::size_t> SffV1Parts::FindSprite(std::int16_t group, std::int16_t image,
                                                  std::size_t* asked) {
    for (std::size_t i = 0; reach(i); ++i) {
        if (records_[i].header.group == group && records_[i].header.image == image) {
            if (asked) {
                *asked = i;
            }
            return resolveLinks(i);
        }
    }
    return std::nullopt;
}

std::optional<std::size_t> SffV1Parts::resolveLinks(std::size_t index) {
    int hops = 0;
    while (records_[index].header.length == 0) {
        const std::size_t link = records_[index].header.linkIndex;
        // A link past the last record is broken; reaching it may need more of the chain.
        if (++hops > KelSFFEx::kMostLinkHops || !reach(link)) {
            return std::nullopt;
        }
        index = link;
    }
    return index;
}

std::optional<std::vector<std::uint8_t>> SffV1Parts::readClipped(std::uint64_t offset,
                                                                 std::uint64_t length) const {
    if (offset > file_.size()) {
        return std::nullopt;
    }
    // Data that claims more bytes than the file has keeps only what is there.
    std::vector<std::uint8_t> bytes(
        static_cast<std::size_t>(std::min(length, file_.size() - offset)));
    if (!file_.Read(offset, bytes)) {
        return std::nullopt;
    }
    return bytes;
}

std::optional<SffV1Parts::Palette> SffV1Parts::PaletteOf(std::size_t index) const {
    while (records_[index].header.sharesPalette()) {
        if (index == 0) {
            return std::nullopt;
        }
        --index;
    }
    // The sprites of an action mostly share one palette: it is read once.
    if (lastPalette_ && lastPalette_->first == index) {
        return lastPalette_->second;
    }
    // The palette is the last 768 bytes of the data, which must all be in the file.
    const Record& owner = records_[index];
    const std::uint64_t end = std::uint64_t{owner.offset} + SPRITEHEADERV1SET::kHeaderSize +
                              owner.header.length;
    Palette palette{};
    if (owner.header.length < palette.size() || end > file_.size() ||
        !file_.Read(end - palette.size(), palette)) {
        return std::nullopt;
    }
    lastPalette_.emplace(index, palette);
    return palette;
}

std::optional<std::uint64_t> SffV1Parts::ColouredPixels(std::size_t index) const {
    const Record& owner = records_[index];
    std::array<std::uint8_t, kPcxHeaderBytes> header{};
    const std::uint64_t start = std::uint64_t{owner.offset} + SPRITEHEADERV1SET::kHeaderSize;
    if (owner.header.length < header.size() || start + header.size() > file_.size() ||
        !file_.Read(start, header)) {
        return std::nullopt;
    }
    return ColouredPcxPixels(header);
}

std::optional<ColouredPcx> SffV1Parts::Decode(std::size_t index, const PcxColours& colours,
                                              std::uint64_t mostPixels) const {
    const Record& owner = records_[index];
    const std::uint64_t start = std::uint64_t{owner.offset} + SPRITEHEADERV1SET::kHeaderSize;
    // Data that claims more bytes than the file has keeps only what is there.
    const std::uint64_t length =
        start > file_.size() ? 0 : std::min<std::uint64_t>(owner.header.length, file_.size() - start);
    const auto data = readClipped(start, length);
    return data ? DecodePcxColoured(*data, colours, mostPixels) : std::nullopt;
}

} // namespace zorvik
