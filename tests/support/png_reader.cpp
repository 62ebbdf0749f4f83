#include "support/png_reader.h"

#include <cstring>

#include <png.h>

namespace zorvik::test {

namespace {

struct Source {
    std::string_view bytes;
    std::size_t position = 0;
};

void readFromSource(png_structp png, png_bytep data, size_t length) {
    auto* source = static_cast<Source*>(png_get_io_ptr(png));
    if (source->bytes.size() - source->position < length) {
        png_error(png, "truncated");
    }
    std::memcpy(data, source->bytes.data() + source->position, length);
    source->position += length;
}

void readHeader(png_structp png, png_infop info, DecodedPng& out) {
    png_read_info(png, info);
    out.width = png_get_image_width(png, info);
    out.height = png_get_image_height(png, info);
    out.bitDepth = png_get_bit_depth(png, info);
    out.colorType = png_get_color_type(png, info);
    out.hasTransparency = png_get_valid(png, info, PNG_INFO_tRNS) != 0;
    png_colorp colours = nullptr;
    int count = 0;
    if (png_get_PLTE(png, info, &colours, &count) != 0) {
        for (int i = 0; i < count; ++i) {
            out.palette.insert(out.palette.end(),
                               {colours[i].red, colours[i].green, colours[i].blue});
        }
    }
}

// libpng reports errors by longjmp back here, so the vectors it fills are
// the caller's and this function owns nothing.
bool readAll(png_structp png, png_infop info, DecodedPng& out) {
    if (setjmp(png_jmpbuf(png))) {
        return false;
    }
    readHeader(png, info, out);
    const std::size_t rowBytes = png_get_rowbytes(png, info);
    out.pixels.resize(rowBytes * out.height);
    for (std::uint32_t row = 0; row < out.height; ++row) {
        png_read_row(png, out.pixels.data() + row * rowBytes, nullptr);
    }
    png_read_end(png, nullptr);
    return true;
}

} // namespace

std::optional<DecodedPng> decodePng(std::string_view bytes) {
    png_structp png = png_create_read_struct(PNG_LIBPNG_VER_STRING, nullptr, nullptr, nullptr);
    png_infop info = png ? png_create_info_struct(png) : nullptr;
    Source source{bytes};
    DecodedPng out;
    bool read = false;
    if (info) {
        png_set_read_fn(png, &source, readFromSource);
        read = readAll(png, info, out);
    }
    png_destroy_read_struct(&png, &info, nullptr);
    if (!read) {
        return std::nullopt;
    }
    return out;
}

} // namespace zorvik::test
