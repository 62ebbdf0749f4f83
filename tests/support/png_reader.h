#pragma once

#include <cstdint>
#include <optional>
#include <string_view>
#include <vector>

namespace zorvik::test {

// What a test checks in an encoded PNG.
struct DecodedPng {
    std::uint32_t width = 0;
    std::uint32_t height = 0;
    int bitDepth = 0;
    int colorType = 0;
    std::vector<std::uint8_t> palette; // red, green, blue triples
    bool hasTransparency = false;
    std::vector<std::uint8_t> pixels; // width * height indices, top row first
};

// Decodes a palette PNG with libpng without any transformation; none when
// libpng refuses it.
std::optional<DecodedPng> decodePng(std::string_view bytes);

} // namespace zorvik::test
