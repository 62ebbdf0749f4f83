#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <vector>

namespace zorvik {

struct RgbColour {
    std::uint8_t red = 0;
    std::uint8_t green = 0;
    std::uint8_t blue = 0;

    bool operator==(const RgbColour&) const = default;
};

using SpritePalette = std::array<RgbColour, 256>;

// A decoded version 2 sprite: rows top first, without padding. An indexed
// picture holds one palette index a pixel and the palette's 256 colours;
// an RGB or RGBA picture holds its colours in the pixels.
struct SpritePicture {
    enum class Kind { Indexed, Rgb, Rgba };

    Kind kind = Kind::Indexed;
    std::uint32_t width = 0;
    std::uint32_t height = 0;
    std::vector<std::uint8_t> pixels;
    SpritePalette palette{};

    std::size_t channels() const { return kind == Kind::Indexed ? 1 : kind == Kind::Rgb ? 3 : 4; }
};

} // namespace zorvik
