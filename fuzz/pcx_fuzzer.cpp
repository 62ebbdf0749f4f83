// The PCX decoder of sprites: header checks and run-length decoding, and the
// run-length decoder alone on rows of every length.

#include <cstddef>
#include <cstdint>
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

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::span<const std::uint8_t> input(data, size);
    zorvik::BitmapInfoHeader header;
    const auto pixels = zorvik::DecodePcx(input, header);
    if (pixels && pixels->size() != header.sizeImage) {
        zorvik::fuzz::fail("the decoded block differs from the header's image size");
    }
    decodeRows(input);
    return 0;
}
