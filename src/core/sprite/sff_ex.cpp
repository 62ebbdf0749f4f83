#include "core/sprite/sff_ex.h"

#include "core/sprite/pcx_decoder.h"

namespace zorvik {

const SPRITEHEADERV1SET* KelSFFEx::FindSprite(std::int16_t group, std::int16_t image,
                                              std::size_t* index) const {
    const auto& records = sprites();
    for (std::size_t i = 0; i < records.size(); ++i) {
        if (records[i].group != group || records[i].image != image) {
            continue;
        }
        const auto resolved = resolveLinks(i);
        if (!resolved) {
            return nullptr;
        }
        if (index) {
            *index = *resolved;
        }
        return &records[*resolved];
    }
    return nullptr;
}

std::optional<std::size_t> KelSFFEx::resolveLinks(std::size_t index) const {
    const auto& records = sprites();
    int hops = 0;
    while (records[index].length == 0) {
        if (++hops > kMostLinkHops || records[index].linkIndex >= records.size()) {
            return std::nullopt;
        }
        index = records[index].linkIndex;
    }
    return index;
}

std::optional<KelSFFEx::Palette> KelSFFEx::FindPalette(std::int16_t group,
                                                       std::int16_t image) const {
    std::size_t index = 0;
    if (!FindSprite(group, image, &index)) {
        return std::nullopt;
    }
    return paletteFrom(index);
}

std::optional<KelSFFEx::Palette> KelSFFEx::paletteFrom(std::size_t index) const {
    const auto& records = sprites();
    // A flagged sprite uses the palette of the nearest earlier sprite without the flag.
    while (records[index].sharesPalette()) {
        if (index == 0) {
            return std::nullopt;
        }
        --index;
    }
    // The palette is the last 768 bytes of the data, which must all be in the
    // file; a linked record reached by the walk has no data and so no palette.
    const SPRITEHEADERV1SET& owner = records[index];
    if (!owner.hasCompleteData() || owner.length < kPaletteSize) {
        return std::nullopt;
    }
    return Palette(owner.pcxData.last(kPaletteSize));
}

bool KelSFFEx::DecodeSprite(std::size_t index, std::optional<std::vector<std::uint8_t>>& pixels,
                            BitmapInfo& info) const {
    if (index >= sprites().size()) {
        return false;
    }
    pixels = DecodePcx(sprites()[index].pcxData, info.header);
    // The palette is searched from the decoded record's own position, so that
    // an earlier record with the same group and image cannot lend its palette.
    const auto palette = paletteFrom(index);
    if (!palette) {
        return false;
    }
    for (std::size_t i = 0; i < info.colours.size(); ++i) {
        const std::uint8_t* triple = palette->data() + 3 * i;
        info.colours[i] = RgbQuad{triple[2], triple[1], triple[0], 0};
    }
    return true;
}

std::optional<std::vector<std::uint8_t>> KelSFFEx::GetSprite(std::int16_t group, std::int16_t image,
                                                             BitmapInfo& info) const {
    std::size_t index = 0;
    if (!FindSprite(group, image, &index)) {
        return std::nullopt;
    }
    std::optional<std::vector<std::uint8_t>> pixels;
    if (!DecodeSprite(index, pixels, info)) {
        return std::nullopt;
    }
    return pixels;
}

} // namespace zorvik
