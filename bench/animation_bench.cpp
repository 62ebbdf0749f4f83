// Preparing a character's standing animation for showing (reading its
// .air, decoding the sprites of action 0) against reading the .air and the
// whole sprite file, on a realistic character whose sprite file is 1.5 MB.

#include <benchmark/benchmark.h>

#include <string>
#include <vector>

#include "core/animation/frame_layout.h"
#include "core/animation/loaded_action.h"
#include "core/platform/file_io.h"
#include "support/standing_character.h"
#include "support/temp_folder.h"

namespace zorvik {
namespace {

constexpr std::size_t kSpriteFileBytes = 1536 * 1024;

// The character's files, written once for every benchmark.
struct Character {
    test::TempFolder folder;
    std::string air = folder.write("stand.air", test::realisticAir());
    std::string sprites = folder.write("stand.sff", test::realisticSff(kSpriteFileBytes));
    // The same sprites with group 0 at the end of the file.
    std::string standingLast = folder.write("last.sff", test::realisticSff(kSpriteFileBytes, true));
};

const Character& character() {
    static const Character files;
    return files;
}

// Baseline: the two files read whole into buffers of their own, as a
// reader holds them, and nothing decoded.
void BM_ReadAirAndWholeSpriteFile(benchmark::State& state) {
    std::size_t bytes = 0;
    for (auto _ : state) {
        std::vector<std::uint8_t> air;
        std::vector<std::uint8_t> sprites;
        platform::readWholeFile(character().air, air);
        platform::readWholeFile(character().sprites, sprites);
        benchmark::DoNotOptimize(sprites.data());
        bytes = sprites.size();
    }
    state.counters["sprite_file_bytes"] = static_cast<double>(bytes);
}
BENCHMARK(BM_ReadAirAndWholeSpriteFile)->Unit(benchmark::kMicrosecond);

// The same reads into buffers that are used again: no memory is mapped.
void BM_ReadAirAndWholeSpriteFileReusedBuffers(benchmark::State& state) {
    std::vector<std::uint8_t> air;
    std::vector<std::uint8_t> sprites;
    for (auto _ : state) {
        platform::readWholeFile(character().air, air);
        platform::readWholeFile(character().sprites, sprites);
        benchmark::DoNotOptimize(sprites.data());
    }
}
BENCHMARK(BM_ReadAirAndWholeSpriteFileReusedBuffers)->Unit(benchmark::kMicrosecond);

void prepare(benchmark::State& state, const std::string& sprites) {
    std::size_t frames = 0;
    for (auto _ : state) {
        const ActionLoad load = LoadAction(character().air, sprites, {}, 0);
        frames = load.loaded ? load.loaded->action.frames.size() : 0;
        benchmark::DoNotOptimize(frames);
    }
    if (frames != 12) {
        state.SkipWithError("action 0 did not load");
    }
}

// The program's preparation: the .air read and action 0's twelve sprites decoded.
void BM_PrepareStandingAnimation(benchmark::State& state) {
    prepare(state, character().sprites);
}
BENCHMARK(BM_PrepareStandingAnimation)->Unit(benchmark::kMicrosecond);

// The worst case: the standing sprites are the last of the file.
void BM_PrepareStandingAnimationSpritesLast(benchmark::State& state) {
    prepare(state, character().standingLast);
}
BENCHMARK(BM_PrepareStandingAnimationSpritesLast)->Unit(benchmark::kMicrosecond);

// The frames placed on their canvas as the window shows them.
void BM_ComposeStandingFrames(benchmark::State& state) {
    const ActionLoad load = LoadAction(character().air, character().sprites, {}, 0);
    const GroundRect bounds = actionBounds(*load.loaded);
    for (auto _ : state) {
        for (std::size_t i = 0; i < load.loaded->action.frames.size(); ++i) {
            benchmark::DoNotOptimize(composeFrame(*load.loaded, i, bounds));
        }
    }
}
BENCHMARK(BM_ComposeStandingFrames)->Unit(benchmark::kMicrosecond);

} // namespace
} // namespace zorvik

BENCHMARK_MAIN();
