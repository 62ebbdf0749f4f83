#pragma once

#include <cstdint>
#include <string>
#include <vector>

namespace zorvik::test {

// A picture for libpng to encode, in libpng's own terms.
struct PngPicture {
    std::uint32_t width = 0;
    std::uint32_t height = 0;
    int colourType = 0; // PNG_COLOR_TYPE_*
    int bitDepth = 8;
    std::vector<std::uint8_t> rows;    // packed rows, top row first, as libpng takes them
    std::vector<std::uint8_t> palette; // red, green, blue triples of a palette PNG
    bool interlaced = false;

    // The PNG file's bytes; empty when libpng refuses the picture.
    std::string encode() const;
};

} // namespace zorvik::test
