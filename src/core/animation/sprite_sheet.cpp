#include "core/animation/sprite_sheet.h"

#include <algorithm>
#include <array>
#include <cstring>

namespace zorvik {

namespace {

bool fitsInPixels(std::int64_t width, std::int64_t height) {
    return width > 0 && height > 0 &&
           static_cast<std::uint64_t>(width) * static_cast<std::uint64_t>(height) <= kMostSpritePixels;
}

// The RGBA bytes of each palette index: colour 0 is the engine's see-through
// colour, whatever the palette holds there.
// Each entry holds the four bytes as one word, in memory order, so that a
// pixel is one load and one store.
using ColourTable = PcxColours;

ColourTable colourTable(const SpritePalette& palette) {
    ColourTable table{};
    for (std::size_t i = 1; i < table.size(); ++i) {
        const std::array<std::uint8_t, 4> bytes{palette[i].red, palette[i].green, palette[i].blue, 255};
        std::memcpy(&table[i], bytes.data(), bytes.size());
    }
    return table;
}

// count palette indices from source in colour into destination (4 bytes each).
void colourRow(const std::uint8_t* source, std::size_t count, const ColourTable& table,
               std::uint8_t* destination) {
    for (std::size_t x = 0; x < count; ++x) {
        std::memcpy(destination + 4 * x, &table[source[x]], 4);
    }
}

// The colours of a version 1 palette of red, green, blue triples.
ColourTable colourTable(const SffV1Parts::Palette& triples) {
    SpritePalette palette{};
    for (std::size_t i = 0; i < palette.size(); ++i) {
        palette[i] = RgbColour{triples[3 * i], triples[3 * i + 1], triples[3 * i + 2]};
    }
    return colourTable(palette);
}

// A version 2 picture in colour: indexed ones through their palette, RGB
// ones opaque, RGBA ones with their own alpha.
std::optional<RgbaImage> colourPicture(const SpritePicture& picture) {
    const std::size_t channels = picture.channels();
    if (!fitsInPixels(picture.width, picture.height) ||
        picture.pixels.size() < std::size_t{picture.width} * picture.height * channels) {
        return std::nullopt;
    }
    const int width = static_cast<int>(picture.width);
    const int height = static_cast<int>(picture.height);
    RgbaImage image(width, height);
    if (picture.kind == SpritePicture::Kind::Indexed) {
        colourRow(picture.pixels.data(), std::size_t{picture.width} * picture.height,
                  colourTable(picture.palette),
                  image.pixels.data());
        return image;
    }
    for (int y = 0; y < height; ++y) {
        for (int x = 0; x < width; ++x) {
            const std::size_t from = (static_cast<std::size_t>(y) * picture.width + static_cast<std::size_t>(x)) * channels;
            const std::size_t to = image.offsetOf(x, y);
            std::copy_n(picture.pixels.begin() + static_cast<std::ptrdiff_t>(from), 3,
                        image.pixels.begin() + static_cast<std::ptrdiff_t>(to));
            image.pixels[to + 3] = channels == 4 ? picture.pixels[from + 3] : 255;
        }
    }
    return image;
}

} // namespace

bool SpriteSheet::Open(const std::string& path, std::optional<SpritePalette> actColours) {
    act_ = std::move(actColours);
    pictures_.clear();
    decodedBytes_ = 0;
    overBudget_ = false;
    version_ = v1_.Open(path) ? 1 : v2_.Open(path) ? 2 : 0;
    return version_ != 0;
}

std::optional<FrameSprite> SpriteSheet::Sprite(std::int16_t group, std::int16_t number) {
    overBudget_ = false;
    if (version_ == 1) {
        return spriteV1(group, number);
    }
    return version_ == 2 ? spriteV2(group, number) : std::nullopt;
}

std::uint64_t SpriteSheet::budgetPixels() const {
    return std::min(kMostSpritePixels, (mostBytes_ - std::min(decodedBytes_, mostBytes_)) / 4);
}

SpriteSheet::Picture SpriteSheet::keep(const PictureKey& key, std::optional<RgbaImage> image) {
    if (!image) {
        return nullptr;
    }
    decodedBytes_ += image->pixels.size();
    auto picture = std::make_shared<const RgbaImage>(std::move(*image));
    pictures_.emplace(key, picture);
    return picture;
}

std::optional<FrameSprite> SpriteSheet::spriteV1(std::int16_t group, std::int16_t number) {
    std::size_t asked = 0;
    const auto owner = v1_.FindSprite(group, number, &asked);
    const Picture picture = owner ? decodeV1(*owner) : nullptr;
    if (!picture) {
        return std::nullopt;
    }
    // A linked sprite keeps its own axis: only the pixels are borrowed.
    const SPRITEHEADERV1SET& record = v1_.record(asked);
    return FrameSprite{group, number, record.axisX, record.axisY, picture};
}

SpriteSheet::Picture SpriteSheet::decodeV1(std::size_t owner) {
    const PictureKey key{owner, -1};
    if (const auto known = pictures_.find(key); known != pictures_.end()) {
        return known->second;
    }
    // The .act recolours the sprites whose pixels come with the shared-palette
    // flag: for a linked sprite, the flag of the record that holds its pixels.
    // Every other sprite keeps the palette the file gives it, found as the
    // portrait's is.
    std::optional<ColourTable> colours;
    if (act_ && v1_.record(owner).sharesPalette()) {
        colours = colourTable(*act_);
    } else if (const auto palette = v1_.PaletteOf(owner)) {
        colours = colourTable(*palette);
    }
    // A picture past the budget is refused before its memory is asked for.
    const std::uint64_t most = budgetPixels();
    auto decoded = colours ? v1_.Decode(owner, *colours, most) : std::nullopt;
    if (!decoded) {
        // Only a refusal reads the header again, to tell the budget from damage.
        const auto pixels = colours ? v1_.ColouredPixels(owner) : std::nullopt;
        overBudget_ = pixels && *pixels > most && *pixels <= kMostSpritePixels;
        return nullptr;
    }
    RgbaImage image;
    image.width = decoded->width;
    image.height = decoded->height;
    image.pixels = std::move(decoded->pixels);
    return keep(key, std::move(image));
}

std::optional<FrameSprite> SpriteSheet::spriteV2(std::int16_t group, std::int16_t number) {
    const auto asked = v2_.FindSprite(group, number);
    const auto owner = asked ? v2_.DataNode(*asked) : std::nullopt;
    if (!owner) {
        return std::nullopt;
    }
    const SPRITENODEV2& node = v2_.sprites()[*asked];
    // A linked sprite shows its target's pixels in its own palette.
    const Picture picture = decodeV2(group, number, PictureKey{*owner, node.paletteIndex});
    if (!picture) {
        return std::nullopt;
    }
    return FrameSprite{group, number, node.axisX, node.axisY, picture};
}

SpriteSheet::Picture SpriteSheet::decodeV2(std::int16_t group, std::int16_t number,
                                           const PictureKey& key) {
    if (const auto known = pictures_.find(key); known != pictures_.end()) {
        return known->second;
    }
    const SPRITENODEV2& owner = v2_.sprites()[key.first];
    const std::uint64_t pixels = std::uint64_t{owner.width} * owner.height;
    if (pixels > budgetPixels()) {
        overBudget_ = pixels <= kMostSpritePixels;
        return nullptr;
    }
    // Each version 2 sprite carries its palette, found as the portrait's is.
    const auto decoded = v2_.GetSprite(group, number);
    return keep(key, decoded ? colourPicture(*decoded) : std::nullopt);
}

} // namespace zorvik
