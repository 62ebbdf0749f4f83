#include "support/png_writer.h"

#include <png.h>

namespace zorvik::test {

namespace {

void appendToString(png_structp png, png_bytep data, size_t length) {
    static_cast<std::string*>(png_get_io_ptr(png))
        ->append(reinterpret_cast<const char*>(data), length);
}

void flushNothing(png_structp) {}

// libpng reports errors by longjmp back here, so this function owns nothing.
bool writeAll(png_structp png, png_infop info, const PngPicture& picture,
              const std::vector<png_color>& palette, png_bytepp rows) {
    if (setjmp(png_jmpbuf(png))) {
        return false;
    }
    png_set_IHDR(png, info, picture.width, picture.height, picture.bitDepth, picture.colourType,
                 picture.interlaced ? PNG_INTERLACE_ADAM7 : PNG_INTERLACE_NONE,
                 PNG_COMPRESSION_TYPE_DEFAULT, PNG_FILTER_TYPE_DEFAULT);
    if (picture.colourType == PNG_COLOR_TYPE_PALETTE) {
        png_set_PLTE(png, info, palette.data(), static_cast<int>(palette.size()));
    }
    png_write_info(png, info);
    png_write_image(png, rows);
    png_write_end(png, nullptr);
    return true;
}

} // namespace

std::string PngPicture::encode() const {
    const std::size_t rowBytes = height == 0 ? 0 : rows.size() / height;
    std::vector<png_bytep> rowPointers(height);
    std::vector<std::uint8_t> copy = rows; // libpng takes rows it could write to
    for (std::size_t row = 0; row < height; ++row) {
        rowPointers[row] = copy.data() + row * rowBytes;
    }
    std::vector<png_color> colours;
    for (std::size_t i = 0; i + 2 < palette.size(); i += 3) {
        colours.push_back(png_color{palette[i], palette[i + 1], palette[i + 2]});
    }
    png_structp png = png_create_write_struct(PNG_LIBPNG_VER_STRING, nullptr, nullptr, nullptr);
    png_infop info = png ? png_create_info_struct(png) : nullptr;
    std::string out;
    bool written = false;
    if (info) {
        png_set_write_fn(png, &out, appendToString, flushNothing);
        written = writeAll(png, info, *this, colours, rowPointers.data());
    }
    png_destroy_write_struct(&png, &info);
    return written ? out : std::string();
}

} // namespace zorvik::test
