#include "core/animation/act_palette.h"

#include <array>
#include <cstdint>

#include "core/platform/directory_listing.h"
#include "core/platform/random_access_file.h"

namespace zorvik {

std::optional<SpritePalette> readActPalette(const std::string& path) {
    platform::RandomAccessFile file;
    std::array<std::uint8_t, kActFileSize> bytes{};
    if (!platform::endsWithIgnoringCase(path, ".act") || !file.Open(path) ||
        file.size() != kActFileSize || !file.Read(0, bytes)) {
        return std::nullopt;
    }
    SpritePalette palette{};
    for (std::size_t i = 0; i < palette.size(); ++i) {
        const std::size_t triple = (palette.size() - 1 - i) * 3;
        palette[i] = RgbColour{bytes[triple], bytes[triple + 1], bytes[triple + 2]};
    }
    return palette;
}

} // namespace zorvik
