// The PCX decoder of sprites: header checks and run-length decoding, the
// run-length decoder alone on rows of every length, and the one-pass coloured
// decode, which must give the 8-bit decode's pixels through its colours.

#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <cstring>
#include <optional>
#include <span>
#include <vector>

#include "core/sprite/pcx_decoder.h"
#include "scratch_folder.h"

namespace {

// The run-length decoder alone: the first byte chooses the row length and
// the second the number of rows, the rest is the encoded data.
void decodeRows(std::span<const std::uint8_t> input) {
    if (input.size() < 2) {
        return;
    }
    const int bytesPerLine = input[0];
    const std::size_t stride = (static_cast<std::size_t>(bytesPerLine) + 3) & ~std::size_t{3};
    std::vector<std::uint8_t> block(stride * input[1]);
    std::size_t bytesRead = 0;
    zorvik::DecodePcxRle(input.subspan(2), block, bytesPerLine, bytesRead);
    if (bytesRead > input.size() - 2) {
        zorvik::fuzz::fail("the decoder claims to have read past its input");
    }
}

// Index i drawn as the word i * 0x01010101, index 0 clear.
zorvik::PcxColours greyColours() {
    zorvik::PcxColours colours{};
    for (std::uint32_t i = 0; i < colours.size(); ++i) {
        colours[i] = i * 0x01010101u;
    }
    return colours;
}

// The columns of the 8-bit block's picture: its width, cut at the padded rows.
std::size_t blockColumns(const std::vector<std::uint8_t>& block, const zorvik::BitmapInfoHeader& header) {
    return std::min(static_cast<std::size_t>(header.width), block.size() / static_cast<std::size_t>(header.height));
}

// The coloured decode against the 8-bit block: top row first, each index
// through the colours, no wider than the padded rows.
void compareColoured(std::span<const std::uint8_t> input,
                     const std::optional<std::vector<std::uint8_t>>& block,
                     const zorvik::BitmapInfoHeader& header) {
    constexpr std::uint64_t kMostPixels = 1u << 22;
    static const zorvik::PcxColours colours = greyColours();
    const auto coloured = zorvik::DecodePcxColoured(input, colours, kMostPixels);
    const bool shown = block && header.width > 0 && header.height > 0 &&
                       blockColumns(*block, header) * std::uint64_t(header.height) <= kMostPixels;
    if (coloured.has_value() != shown) {
        zorvik::fuzz::fail("the coloured decode and the 8-bit decode disagree on decoding");
    }
    if (!coloured) {
        return;
    }
    const std::size_t width = blockColumns(*block, header);
    const auto height = static_cast<std::size_t>(header.height);
    const std::size_t stride = block->size() / height;
    std::vector<std::uint8_t> expected(width * height * 4, 0);
    for (std::size_t y = 0; y < height; ++y) {
        for (std::size_t x = 0; x < width; ++x) {
            std::memcpy(&expected[(y * width + x) * 4], &colours[(*block)[(height - 1 - y) * stride + x]], 4);
        }
    }
    if (coloured->pixels != expected) {
        zorvik::fuzz::fail("the coloured decode differs from the 8-bit decode");
    }
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::span<const std::uint8_t> input(data, size);
    zorvik::BitmapInfoHeader header;
    const auto pixels = zorvik::DecodePcx(input, header);
    if (pixels && pixels->size() != header.sizeImage) {
        zorvik::fuzz::fail("the decoded block differs from the header's image size");
    }
    compareColoured(input, pixels, header);
    decodeRows(input);
    return 0;
}
