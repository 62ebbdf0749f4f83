#include <benchmark/benchmark.h>

#include <cstdio>
#include <cstring>
#include <vector>

#include <sqlite3.h>

#include "core/catalogue/character_db.h"
#include "core/sprite/pcx_decoder.h"
#include "core/sprite/portrait_capture.h"
#include "support/pcx_writer.h"
#include "support/recording_messages.h"
#include "support/sff_writer.h"
#include "support/temp_folder.h"

namespace zorvik {
namespace {

using Bytes = std::vector<std::uint8_t>;

constexpr int kWidth = 640;
constexpr int kHeight = 480;

Bytes encodedSprite() {
    const std::string rows = test::portraitPicture(kWidth, kHeight).encodedRows(kWidth);
    return Bytes(rows.begin(), rows.end());
}

// Baseline for DecodePcxRle: copying a block of the decoded size.
void BM_Memcpy640x480(benchmark::State& state) {
    const Bytes source(kWidth * kHeight, 7);
    Bytes block(source.size());
    for (auto _ : state) {
        std::memcpy(block.data(), source.data(), source.size());
        benchmark::DoNotOptimize(block.data());
        benchmark::ClobberMemory();
    }
    state.SetBytesProcessed(state.iterations() * static_cast<std::int64_t>(block.size()));
}
BENCHMARK(BM_Memcpy640x480);

void BM_DecodePcxRle640x480(benchmark::State& state) {
    const Bytes source = encodedSprite();
    Bytes block(kWidth * kHeight);
    std::size_t bytesRead = 0;
    for (auto _ : state) {
        benchmark::DoNotOptimize(DecodePcxRle(source, block, kWidth, bytesRead));
        benchmark::ClobberMemory();
    }
    state.SetBytesProcessed(state.iterations() * static_cast<std::int64_t>(block.size()));
    state.counters["compressed_bytes"] = static_cast<double>(source.size());
}
BENCHMARK(BM_DecodePcxRle640x480);

// A character's sprite file of about 4 MB: many poses, the portrait last.
struct LargeSpriteFile {
    test::TempFolder folder;
    std::string path;

    LargeSpriteFile() {
        test::SffFile file;
        const std::string pose = test::portraitPicture(200, 220).pcx();
        std::size_t size = 512;
        for (std::int16_t image = 0; size < 4'000'000; ++image) {
            file.subfiles.push_back(test::SffSubfile::sprite(0, image, pose));
            size += 32 + pose.size();
        }
        file.subfiles.push_back(
            test::SffSubfile::sprite(9000, 1, test::portraitPicture(120, 140).pcx()));
        path = folder.write("kfm/kfm.sff", file.bytes());
    }
};

// Baseline for CapturePortrait: reading the whole file into memory.
void BM_ReadSpriteFile4MB(benchmark::State& state) {
    const LargeSpriteFile sff;
    for (auto _ : state) {
        std::FILE* in = std::fopen(sff.path.c_str(), "rb");
        std::fseek(in, 0, SEEK_END);
        Bytes bytes(static_cast<std::size_t>(std::ftell(in)));
        std::fseek(in, 0, SEEK_SET);
        benchmark::DoNotOptimize(std::fread(bytes.data(), 1, bytes.size(), in));
        std::fclose(in);
    }
}
BENCHMARK(BM_ReadSpriteFile4MB)->Unit(benchmark::kMicrosecond);

// Captures run inside the list update's transaction, as in the program.
void BM_CapturePortrait4MB(benchmark::State& state) {
    const LargeSpriteFile sff;
    test::TempFolder dbFolder;
    Kel_CharacterDb catalogue(dbFolder.file("db.sqlite3"));
    executeBound(catalogue.statements(), "INSERT INTO CHARACTER_TABLE (FILENAME) VALUES ('kfm')", {});
    test::RecordingMessages messages;
    executeBound(catalogue.statements(), "BEGIN", {});
    for (auto _ : state) {
        if (!CapturePortrait(catalogue, messages, "kfm", sff.path, 9000, 1)) {
            state.SkipWithError("capture failed");
            break;
        }
    }
    executeBound(catalogue.statements(), "ROLLBACK", {});
}
BENCHMARK(BM_CapturePortrait4MB)->Unit(benchmark::kMicrosecond);

} // namespace
} // namespace zorvik

BENCHMARK_MAIN();
