#include "core/sprite/portrait_decoder.h"

#include <array>
#include <utility>

#include "core/platform/random_access_file.h"
#include "core/sprite/png_encoder.h"
#include "core/sprite/sff_ex.h"
#include "core/sprite/sff_v2.h"

namespace zorvik {

namespace {

constexpr std::size_t kVersionOffset = 15;

std::optional<std::int8_t> versionByte(const std::string& spritePath) {
    platform::RandomAccessFile file;
    std::array<std::uint8_t, kVersionOffset + 1> start{};
    if (!file.Open(spritePath) || !file.Read(0, start)) {
        return std::nullopt;
    }
    return static_cast<std::int8_t>(start[kVersionOffset]);
}

std::optional<DecodedPortrait> decodeVersion1(const std::string& spritePath, std::int16_t group,
                                              std::int16_t image) {
    KelSFFEx sff;
    std::optional<DecodedPortrait> portrait;
    BitmapInfo info;
    if (!sff.LoadFile(spritePath) || sff.version() != 1) {
        return portrait;
    }
    if (auto pixels = sff.GetSprite(group, image, info)) {
        portrait.emplace(std::in_place_type<DecodedBitmap>, DecodedBitmap{info, std::move(*pixels)});
    }
    return portrait;
}

std::optional<DecodedPortrait> decodeVersion2(const std::string& spritePath, std::int16_t group,
                                              std::int16_t image) {
    KelSFFV2 sff;
    std::optional<DecodedPortrait> portrait;
    if (!sff.Open(spritePath)) {
        return portrait;
    }
    if (auto picture = sff.GetSprite(group, image)) {
        portrait.emplace(std::in_place_type<SpritePicture>, std::move(*picture));
    }
    return portrait;
}

} // namespace

std::optional<DecodedPortrait> DecodePortraitSprite(const std::string& spritePath,
                                                    std::int16_t group, std::int16_t image) {
    switch (versionByte(spritePath).value_or(0)) {
    case 1:
        return decodeVersion1(spritePath, group, image);
    case 2:
        return decodeVersion2(spritePath, group, image);
    default:
        return std::nullopt;
    }
}

std::optional<std::vector<std::uint8_t>> EncodePortraitPng(const DecodedPortrait& portrait) {
    if (const auto* bitmap = std::get_if<DecodedBitmap>(&portrait)) {
        return sprite::encodePalettePng(bitmap->info, bitmap->pixels);
    }
    return sprite::encodePicturePng(std::get<SpritePicture>(portrait));
}

} // namespace zorvik
