// Portraits from SFF version 2 files: the reader picked by the version
// byte, the node tables, links, every sprite format's decoder and the PNG
// encoding, on any bytes.

#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <string_view>

#include "core/sprite/portrait_decoder.h"
#include "core/sprite/sff_v2.h"
#include "scratch_folder.h"

namespace {

// Decoding every node of a long file would make each run slow; the nodes
// past these are read the same way.
constexpr std::size_t kMostDecodedSprites = 8;

void capture(const std::string& path, std::int16_t group, std::int16_t image) {
    const auto portrait = zorvik::DecodePortraitSprite(path, group, image);
    if (!portrait) {
        return;
    }
    const auto png = zorvik::EncodePortraitPng(*portrait);
    if (png && (png->size() < 8 || (*png)[0] != 0x89)) {
        zorvik::fuzz::fail("the PNG encoder returned something that is no PNG");
    }
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string path = zorvik::fuzz::ScratchFolder::instance().write(
        "input.sff", std::string_view(reinterpret_cast<const char*>(data), size));
    capture(path, 9000, 1); // the portrait registration takes by default
    zorvik::KelSFFV2 sff;
    if (!sff.Open(path)) {
        return 0;
    }
    const std::size_t nodes = std::min(sff.sprites().size(), kMostDecodedSprites);
    for (std::size_t i = 0; i < nodes; ++i) {
        capture(path, sff.sprites()[i].group, sff.sprites()[i].image);
    }
    return 0;
}
