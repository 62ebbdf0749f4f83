// The SFF version 1 reader as portrait capture uses it: load a file, look
// sprites up by group and image, decode them and encode the result as PNG.

#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <string_view>

#include "core/sprite/png_encoder.h"
#include "core/sprite/sff_ex.h"
#include "scratch_folder.h"

namespace {

using zorvik::BitmapInfo;
using zorvik::KelSFFEx;

// Decoding every record of a long file would make each run slow; the
// records past these are read the same way.
constexpr std::size_t kMostDecodedRecords = 8;

void encode(const BitmapInfo& info, const std::vector<std::uint8_t>& pixels) {
    const auto png = zorvik::sprite::encodePalettePng(info, pixels);
    if (png && (png->size() < 8 || (*png)[0] != 0x89)) {
        zorvik::fuzz::fail("the PNG encoder returned something that is no PNG");
    }
}

void lookUp(const KelSFFEx& sff, std::int16_t group, std::int16_t image) {
    BitmapInfo info;
    if (const auto pixels = sff.GetSprite(group, image, info)) {
        encode(info, *pixels);
    }
    std::size_t index = 0;
    if (sff.FindSprite(group, image, &index) && index >= sff.sprites().size()) {
        zorvik::fuzz::fail("FindSprite gave an index past the records");
    }
    (void)sff.FindPalette(group, image);
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string path = zorvik::fuzz::ScratchFolder::instance().write(
        "input.sff", std::string_view(reinterpret_cast<const char*>(data), size));
    KelSFFEx sff;
    if (!sff.LoadFile(path)) {
        return 0;
    }
    lookUp(sff, 9000, 1); // the portrait registration takes by default
    const std::size_t records = std::min(sff.sprites().size(), kMostDecodedRecords);
    for (std::size_t i = 0; i < records; ++i) {
        lookUp(sff, sff.sprites()[i].group, sff.sprites()[i].image);
        std::optional<std::vector<std::uint8_t>> pixels;
        BitmapInfo info;
        if (sff.DecodeSprite(i, pixels, info) && pixels) {
            encode(info, *pixels);
        }
    }
    return 0;
}
