#pragma once

#include <cstddef>
#include <cstdint>
#include <optional>
#include <span>
#include <vector>

#include "core/sprite/bitmap_info.h"
#include "core/sprite/sff.h"

namespace zorvik {

// An SFF version 1 file whose sprites can be looked up by group and image
// and decoded to an 8-bit bitmap. Each caller builds its own; the object
// shares nothing with others.
class KelSFFEx : public KelSFF {
public:
    // Following more links than this means the links go round in a cycle.
    static constexpr int kMostLinkHops = 2500;
    static constexpr std::size_t kPaletteSize = 768;
    using Palette = std::span<const std::uint8_t, kPaletteSize>;

    ~KelSFFEx() override = default;

    // The first record with this group and image, links followed to the
    // record that holds the data; index receives that record's index.
    const SPRITEHEADERV1SET* FindSprite(std::int16_t group, std::int16_t image,
                                        std::size_t* index = nullptr) const;

    // The 768-byte palette (red, green, blue triples) of the sprite, found
    // from the record its links lead to.
    std::optional<Palette> FindPalette(std::int16_t group, std::int16_t image) const;

    // Decodes the record at index into pixels (none when the pixels do not
    // decode) and fills info with its header and colour table; false when
    // the record has no palette.
    bool DecodeSprite(std::size_t index, std::optional<std::vector<std::uint8_t>>& pixels,
                      BitmapInfo& info) const;

    // The sprite's bottom-up pixel rows, with info filled; none when the
    // sprite is missing, has no palette or does not decode.
    std::optional<std::vector<std::uint8_t>> GetSprite(std::int16_t group, std::int16_t image,
                                                       BitmapInfo& info) const;

private:
    std::optional<std::size_t> resolveLinks(std::size_t index) const;
    std::optional<Palette> paletteFrom(std::size_t index) const;
};

} // namespace zorvik
