// A whole action read as the standing animation reads it: an .air file and
// a sprite file together, the frames' sprites decoded, links followed and
// the frames placed. The input is the .air text, a zero byte, then the
// sprite file. Reading must stay within the animation's bounds: the heap
// it holds at once (counted under AddressSanitizer) may not pass what an
// action of the file's size and a sheet of decoded sprites may take.

#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <set>
#include <string_view>

#include "core/animation/air_file.h"
#include "core/animation/frame_layout.h"
#include "core/animation/loaded_action.h"
#include "heap_peak.h"
#include "scratch_folder.h"

namespace {

using zorvik::fuzz::fail;

// What reading an .air text may hold: a small multiple of its size (a frame
// line of ten bytes becomes one frame), never boxes times frames.
std::uint64_t mostAirBytes(std::size_t size) {
    return 64 * std::uint64_t{size} + (1u << 20);
}

// What loading may hold besides: the sheet's decoded pictures, one sprite's
// indexed pixels on the way to colour, and the sprite file's data read.
std::uint64_t mostLoadBytes(std::size_t airSize, std::size_t sffSize) {
    return mostAirBytes(airSize) + zorvik::kMostSheetBytes + zorvik::kMostSpritePixels +
           4 * std::uint64_t{sffSize} + (8u << 20);
}

void checkAir(std::string_view air) {
    const zorvik::fuzz::HeapPeak heap;
    const zorvik::AirDocument document = zorvik::parseAir(air, 0);
    if (heap.peak() > mostAirBytes(air.size())) {
        fail("reading an .air text held more memory than its size allows");
    }
    for (const zorvik::AirAction& action : document.actions) {
        if (action.frames.size() > zorvik::kMostActionFrames) {
            fail("an action holds more frames than its bound");
        }
        for (const zorvik::AirFrame& frame : action.frames) {
            if (frame.clsn1.size() > zorvik::kMostClsnBoxes || frame.clsn2.size() > zorvik::kMostClsnBoxes) {
                fail("a frame holds more boxes than the bound");
            }
        }
    }
}

void checkLoaded(const zorvik::LoadedAction& loaded) {
    if (loaded.spriteOfFrame.size() != loaded.action.frames.size() || loaded.action.tooLarge) {
        fail("a loaded action's frames and sprites disagree");
    }
    std::set<const zorvik::RgbaImage*> pictures;
    std::uint64_t bytes = 0;
    for (const zorvik::FrameSprite& sprite : loaded.sprites) {
        const zorvik::RgbaImage& image = *sprite.image;
        if (image.pixels.size() != std::size_t(image.width) * std::size_t(image.height) * 4) {
            fail("a sprite's pixels do not fill its picture");
        }
        if (pictures.insert(&image).second) {
            bytes += image.pixels.size();
        }
    }
    if (bytes > zorvik::kMostSheetBytes) {
        fail("the sprites of an action take more than the sheet's budget");
    }
    // The first frame drawn, when its canvas is small enough to spare the run.
    const zorvik::GroundRect bounds = zorvik::actionBounds(loaded);
    if (std::int64_t{bounds.width} * bounds.height <= (1 << 20)) {
        (void)zorvik::composeFrame(loaded, 0, bounds);
    }
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view input(reinterpret_cast<const char*>(data), size);
    const std::size_t split = std::min(input.find('\0'), input.size());
    const std::string_view air = input.substr(0, split);
    const std::string_view sff = input.substr(std::min(split + 1, input.size()));
    checkAir(air);
    const auto& scratch = zorvik::fuzz::ScratchFolder::instance();
    const std::string airPath = scratch.write("input.air", air);
    const std::string sffPath = scratch.write("input.sff", sff);
    const zorvik::fuzz::HeapPeak heap;
    const zorvik::ActionLoad load = zorvik::LoadAction(airPath, sffPath, {}, 0);
    if (heap.peak() > mostLoadBytes(air.size(), sff.size())) {
        fail("loading an action held more memory than its bounds allow");
    }
    if (load.loaded) {
        checkLoaded(*load.loaded);
    }
    return 0;
}
