#include "core/sprite/png_decoder.h"

#include <algorithm>
#include <array>
#include <cstring>
#include <vector>

#include <png.h>

namespace zorvik::sprite {

namespace {

struct Source {
    std::span<const std::uint8_t> bytes;
    std::size_t position = 0;
};

void readFromSource(png_structp png, png_bytep data, size_t length) {
    auto* source = static_cast<Source*>(png_get_io_ptr(png));
    if (source->bytes.size() - source->position < length) {
        png_error(png, "data ends inside the PNG");
    }
    std::memcpy(data, source->bytes.data() + source->position, length);
    source->position += length;
}

// A refused sprite is no news worth printing.
void stopQuietly(png_structp png, png_const_charp) {
    png_longjmp(png, 1);
}

void ignoreWarning(png_structp, png_const_charp) {}

// Asks libpng for 8-bit rows of exactly the picture's channels.
bool chooseTransforms(png_structp png, png_infop info, SpritePicture::Kind kind) {
    const int colourType = png_get_color_type(png, info);
    if (kind == SpritePicture::Kind::Indexed) {
        png_set_packing(png); // 1, 2 and 4-bit indices become one byte each
        return colourType == PNG_COLOR_TYPE_PALETTE;
    }
    png_set_expand(png);
    png_set_strip_16(png);
    png_set_gray_to_rgb(png);
    if (kind == SpritePicture::Kind::Rgb) {
        png_set_strip_alpha(png);
    } else if ((colourType & PNG_COLOR_MASK_ALPHA) == 0 &&
               png_get_valid(png, info, PNG_INFO_tRNS) == 0) {
        png_set_add_alpha(png, 0xFF, PNG_FILLER_AFTER);
    }
    return true;
}

// libpng reports errors by longjmp back here, so nothing in this function
// may own a resource or need a destructor; the row table is the caller's.
bool readRows(png_structp png, png_infop info, SpritePicture& picture, png_bytepp rows) {
    if (setjmp(png_jmpbuf(png))) {
        return false;
    }
    png_read_info(png, info);
    if (png_get_image_width(png, info) != picture.width ||
        png_get_image_height(png, info) != picture.height ||
        !chooseTransforms(png, info, picture.kind)) {
        return false;
    }
    png_set_interlace_handling(png);
    png_read_update_info(png, info);
    if (png_get_rowbytes(png, info) != picture.width * picture.channels()) {
        return false;
    }
    png_read_image(png, rows);
    return true;
}

// The signature, then the IHDR chunk's length and type, width and height.
constexpr std::size_t kSignatureLength = 8;
constexpr std::size_t kChunkTypeOffset = 12;
constexpr std::size_t kWidthOffset = 16;
constexpr std::size_t kHeightOffset = 20;
constexpr std::array<std::uint8_t, 4> kHeaderType = {'I', 'H', 'D', 'R'};

std::uint32_t readBigEndian32(std::span<const std::uint8_t> bytes, std::size_t offset) {
    return std::uint32_t{bytes[offset]} << 24 | std::uint32_t{bytes[offset + 1]} << 16 |
           std::uint32_t{bytes[offset + 2]} << 8 | bytes[offset + 3];
}

} // namespace

bool PngHeaderSizeIs(std::span<const std::uint8_t> png, std::uint32_t width, std::uint32_t height) {
    return png.size() >= kHeightOffset + 4 && png_sig_cmp(png.data(), 0, kSignatureLength) == 0 &&
           std::equal(kHeaderType.begin(), kHeaderType.end(), png.begin() + kChunkTypeOffset) &&
           readBigEndian32(png, kWidthOffset) == width &&
           readBigEndian32(png, kHeightOffset) == height;
}

bool DecodePngSprite(std::span<const std::uint8_t> png, SpritePicture& picture) {
    const std::size_t rowBytes = picture.width * picture.channels();
    if (picture.pixels.size() != rowBytes * picture.height) {
        return false;
    }
    std::vector<png_bytep> rows(picture.height);
    for (std::size_t row = 0; row < rows.size(); ++row) {
        rows[row] = picture.pixels.data() + row * rowBytes;
    }
    png_structp reader =
        png_create_read_struct(PNG_LIBPNG_VER_STRING, nullptr, stopQuietly, ignoreWarning);
    png_infop info = reader ? png_create_info_struct(reader) : nullptr;
    Source source{png};
    bool read = false;
    if (info) {
        png_set_read_fn(reader, &source, readFromSource);
        read = readRows(reader, info, picture, rows.data());
    }
    png_destroy_read_struct(&reader, &info, nullptr);
    return read;
}

} // namespace zorvik::sprite
