#include "core/sprite/png_encoder.h"

#include <array>
#include <cstddef>
#include <cstdlib>
#include <new>
#include <utility>

#include <png.h>
#include <zlib.h>

namespace zorvik::sprite {

namespace {

// Where the rows of a picture lie: the top row, and the step from one row
// to the one below it (negative for a bitmap stored bottom row first).
struct PngRows {
    const std::uint8_t* topRow = nullptr;
    std::ptrdiff_t step = 0;
    std::uint32_t width = 0;
    std::uint32_t height = 0;
    int colourType = PNG_COLOR_TYPE_PALETTE;
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
    // The block holds the bottom row first; PNG wants the top row first.
    PngRows rows{pixels.data() + (height - 1) * stride, -static_cast<std::ptrdiff_t>(stride),
                 static_cast<std::uint32_t>(header.width), height};
    for (std::size_t i = 0; i < rows.palette.size(); ++i) {
        const RgbQuad& colour = info.colours[i];
        rows.palette[i] = png_color{colour.red, colour.green, colour.blue};
    }
    return rows;
}

// The rows of a decoded picture that holds all its pixels; none otherwise.
std::optional<PngRows> rowsOf(const SpritePicture& picture) {
    const std::size_t rowBytes = picture.width * picture.channels();
    if (picture.width < 1 || picture.height < 1 ||
        picture.pixels.size() != rowBytes * picture.height) {
        return std::nullopt;
    }
    PngRows rows{picture.pixels.data(), static_cast<std::ptrdiff_t>(rowBytes), picture.width,
                 picture.height};
    switch (picture.kind) {
    case SpritePicture::Kind::Indexed:
        for (std::size_t i = 0; i < rows.palette.size(); ++i) {
            const RgbColour& colour = picture.palette[i];
            rows.palette[i] = png_color{colour.red, colour.green, colour.blue};
        }
        break;
    case SpritePicture::Kind::Rgb:
        rows.colourType = PNG_COLOR_TYPE_RGB;
        break;
    case SpritePicture::Kind::Rgba:
        rows.colourType = PNG_COLOR_TYPE_RGB_ALPHA;
        break;
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

// zlib's work buffers (a few hundred KiB per encoder) are kept for the next
// portrait on the same thread: freeing them gives the heap's top back to the
// system and the next portrait asks for it again, which costs more than the
// encoding of a small picture.
class BufferCache {
public:
    ~BufferCache() {
        for (const Block& block : blocks_) {
            std::free(block.memory);
        }
    }

    void* take(std::size_t size) {
        for (Block& block : blocks_) {
            if (block.memory != nullptr && block.size == size) {
                return std::exchange(block.memory, nullptr);
            }
        }
        return std::malloc(size);
    }

    void give(void* memory, std::size_t size) {
        for (Block& block : blocks_) {
            if (block.memory == nullptr) {
                block = {memory, size};
                return;
            }
        }
        std::free(memory);
    }

private:
    struct Block {
        void* memory = nullptr;
        std::size_t size = 0;
    };
    std::array<Block, 8> blocks_{};
};

thread_local BufferCache bufferCache;

// libpng's allocator: each block carries its size in front of it, so that
// a freed block can be offered again for a request of the same size.
constexpr std::size_t kSizeHeader = alignof(std::max_align_t);

png_voidp allocate(png_structp, png_alloc_size_t size) {
    auto* block = static_cast<std::uint8_t*>(bufferCache.take(size + kSizeHeader));
    if (block == nullptr) {
        return nullptr;
    }
    *reinterpret_cast<std::size_t*>(block) = size + kSizeHeader;
    return block + kSizeHeader;
}

void release(png_structp, png_voidp memory) {
    if (memory != nullptr) {
        auto* block = static_cast<std::uint8_t*>(memory) - kSizeHeader;
        bufferCache.give(block, *reinterpret_cast<std::size_t*>(block));
    }
}

// libpng reports errors by longjmp back here, so nothing in this function
// may own a resource or need a destructor.
bool writePng(png_structp png, png_infop info, const PngRows& rows) {
    if (setjmp(png_jmpbuf(png))) {
        return false;
    }
    // Sprites are flat colours over a plain background: zlib's run-length
    // strategy finds almost all they repeat at a fraction of the default's
    // cost, and portrait capture is most of a first registration's work.
    png_set_compression_strategy(png, Z_RLE);
    png_set_IHDR(png, info, rows.width, rows.height, 8, rows.colourType, PNG_INTERLACE_NONE,
                 PNG_COMPRESSION_TYPE_DEFAULT, PNG_FILTER_TYPE_DEFAULT);
    if (rows.colourType == PNG_COLOR_TYPE_PALETTE) {
        png_set_PLTE(png, info, rows.palette.data(), static_cast<int>(rows.palette.size()));
    }
    png_write_info(png, info);
    for (std::uint32_t row = 0; row < rows.height; ++row) {
        png_write_row(png, rows.topRow + static_cast<std::ptrdiff_t>(row) * rows.step);
    }
    png_write_end(png, nullptr);
    return true;
}

std::optional<std::vector<std::uint8_t>> encodeRows(const PngRows& rows) {
    png_structp png = png_create_write_struct_2(PNG_LIBPNG_VER_STRING, nullptr, nullptr, nullptr,
                                                nullptr, allocate, release);
    png_infop pngInfo = png ? png_create_info_struct(png) : nullptr;
    std::vector<std::uint8_t> encoded;
    // Palette, headers and compressed rows of a portrait rarely need more.
    const std::size_t rowBytes = static_cast<std::size_t>(rows.step < 0 ? -rows.step : rows.step);
    encoded.reserve(1024 + rowBytes * rows.height / 2);
    bool written = false;
    if (pngInfo) {
        png_set_write_fn(png, &encoded, appendToVector, flushNothing);
        written = writePng(png, pngInfo, rows);
    }
    png_destroy_write_struct(&png, &pngInfo);
    if (!written) {
        return std::nullopt;
    }
    return encoded;
}

} // namespace

std::optional<std::vector<std::uint8_t>> encodePalettePng(const BitmapInfo& info,
                                                          std::span<const std::uint8_t> pixels) {
    const auto rows = rowsOf(info, pixels);
    return rows ? encodeRows(*rows) : std::nullopt;
}

std::optional<std::vector<std::uint8_t>> encodePicturePng(const SpritePicture& picture) {
    const auto rows = rowsOf(picture);
    return rows ? encodeRows(*rows) : std::nullopt;
}

std::optional<std::vector<std::uint8_t>> encodeRgbaPng(std::span<const std::uint8_t> pixels,
                                                       std::uint32_t width, std::uint32_t height) {
    if (width < 1 || height < 1 || pixels.size() != std::size_t{width} * height * 4) {
        return std::nullopt;
    }
    PngRows rows{pixels.data(), static_cast<std::ptrdiff_t>(std::size_t{width} * 4), width, height};
    rows.colourType = PNG_COLOR_TYPE_RGB_ALPHA;
    return encodeRows(rows);
}

} // namespace zorvik::sprite
