#include "core/sprite/png_encoder.h"

#include <array>
#include <new>

#include <png.h>

namespace zorvik::sprite {

namespace {

struct PngRows {
    const std::uint8_t* bottomRow = nullptr;
    std::size_t stride = 0;
    std::uint32_t width = 0;
    std::uint32_t height = 0;
    std::array<png_color, 256> palette{};
};

// The row layout of an 8-bit, one-plane, uncompressed bitmap whose rows the
// pixel block holds completely; none for anything else.
std::optional<PngRows> rowsOf(const BitmapInfo& info, std::span<const std::uint8_t> pixels) {
    const BitmapInfoHeader& header = info.header;
    if (header.bitCount != 8 || header.planes != 1 || header.compression != 0 || header.width < 1 ||
        header.height < 1) {
        return std::nullopt;
    }
    const std::uint32_t height = static_cast<std::uint32_t>(header.height);
    const std::size_t stride = header.sizeImage / height;
    // The rows follow the decoder's stride, so a width beyond it has no pixels.
    if (header.sizeImage % height != 0 || stride < static_cast<std::size_t>(header.width) ||
        pixels.size() < header.sizeImage) {
        return std::nullopt;
    }
    PngRows rows{pixels.data(), stride, static_cast<std::uint32_t>(header.width), height, {}};
    for (std::size_t i = 0; i < rows.palette.size(); ++i) {
        const RgbQuad& colour = info.colours[i];
        rows.palette[i] = png_color{colour.red, colour.green, colour.blue};
    }
    return rows;
}

void appendToVector(png_structp png, png_bytep data, size_t length) {
    auto* out = static_cast<std::vector<std::uint8_t>*>(png_get_io_ptr(png));
    bool appended = true;
    try {
        out->insert(out->end(), data, data + length);
    } catch (const std::bad_alloc&) {
        appended = false;
    }
    if (!appended) {
        png_error(png, "out of memory");
    }
}

void flushNothing(png_structp) {}

// libpng reports errors by longjmp back here, so nothing in this function
// may own a resource or need a destructor.
bool writePng(png_structp png, png_infop info, const PngRows& rows) {
    if (setjmp(png_jmpbuf(png))) {
        return false;
    }
    png_set_IHDR(png, info, rows.width, rows.height, 8, PNG_COLOR_TYPE_PALETTE, PNG_INTERLACE_NONE,
                 PNG_COMPRESSION_TYPE_DEFAULT, PNG_FILTER_TYPE_DEFAULT);
    png_set_PLTE(png, info, rows.palette.data(), static_cast<int>(rows.palette.size()));
    png_write_info(png, info);
    // The block holds the bottom row first; PNG wants the top row first.
    for (std::uint32_t row = rows.height; row-- > 0;) {
        png_write_row(png, rows.bottomRow + row * rows.stride);
    }
    png_write_end(png, nullptr);
    return true;
}

} // namespace

std::optional<std::vector<std::uint8_t>> encodePalettePng(const BitmapInfo& info,
                                                          std::span<const std::uint8_t> pixels) {
    const auto rows = rowsOf(info, pixels);
    if (!rows) {
        return std::nullopt;
    }
    png_structp png = png_create_write_struct(PNG_LIBPNG_VER_STRING, nullptr, nullptr, nullptr);
    png_infop pngInfo = png ? png_create_info_struct(png) : nullptr;
    std::vector<std::uint8_t> encoded;
    bool written = false;
    if (pngInfo) {
        png_set_write_fn(png, &encoded, appendToVector, flushNothing);
        written = writePng(png, pngInfo, *rows);
    }
    png_destroy_write_struct(&png, &pngInfo);
    if (!written) {
        return std::nullopt;
    }
    return encoded;
}

} // namespace zorvik::sprite
