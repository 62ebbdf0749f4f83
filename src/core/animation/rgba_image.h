#pragma once

#include <cstddef>
#include <cstdint>
#include <vector>

namespace zorvik {

// A picture of red, green, blue and alpha bytes, top row first, unpadded.
struct RgbaImage {
    int width = 0;
    int height = 0;
    std::vector<std::uint8_t> pixels; // width * height * 4

    RgbaImage() = default;
    RgbaImage(int w, int h)
        : width(w), height(h), pixels(static_cast<std::size_t>(w) * static_cast<std::size_t>(h) * 4) {}

    std::size_t offsetOf(int x, int y) const {
        return (static_cast<std::size_t>(y) * static_cast<std::size_t>(width) +
                static_cast<std::size_t>(x)) * 4;
    }
};

} // namespace zorvik
