#include <benchmark/benchmark.h>

#include <cstdio>
#include <cstring>
#include <vector>

#include <sqlite3.h>

#include "core/catalogue/character_db.h"
#include "core/sprite/pcx_decoder.h"
#include "core/sprite/portrait_capture.h"
#include "core/sprite/sprite_codecs_v2.h"
#include "support/drawn_portrait.h"
#include "support/pcx_writer.h"
#include "support/recording_messages.h"
#include "support/sff_v2_writer.h"
#include "support/sff_writer.h"
#include "support/sprite_encoders_v2.h"
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

// Two 640 x 480 pictures for the version 2 decoders, both of 32 colours
// (LZ5 carries no more): the drawn bust, cel-shaded in flat areas as sprite
// artists draw, and the busy picture above, with its bands of 3 pixels and
// detail pixels.
test::Pixels drawnPixels() {
    return test::drawnPortrait(kWidth, kHeight).pixels;
}

test::Pixels busyPixels() {
    test::Pixels pixels = test::portraitPicture(kWidth, kHeight).pixels;
    for (std::uint8_t& pixel : pixels) {
        pixel = static_cast<std::uint8_t>((pixel >> 3) ^ ((pixel & 3) != 0 ? 1 : 0));
    }
    return pixels;
}

using Encoder = std::string (*)(const test::Pixels&);
using Decoder = bool (*)(std::span<const std::uint8_t>, std::span<std::uint8_t>);

void decodeBenchmark(benchmark::State& state, Encoder encode, Decoder decode,
                     test::Pixels (*picture)()) {
    const test::Pixels pixels = picture();
    const std::string encoded = encode(pixels);
    const Bytes source(encoded.begin(), encoded.end());
    Bytes block(pixels.size());
    for (auto _ : state) {
        benchmark::DoNotOptimize(decode(source, block));
        benchmark::ClobberMemory();
    }
    if (block != pixels) {
        state.SkipWithError("decoded pixels differ");
    }
    state.SetBytesProcessed(state.iterations() * static_cast<std::int64_t>(block.size()));
    state.counters["compressed_bytes"] = static_cast<double>(source.size());
}

void BM_DecodeLz5_640x480(benchmark::State& state, test::Pixels (*picture)()) {
    decodeBenchmark(state, test::encodeLz5, sprite::DecodeLz5, picture);
}
BENCHMARK_CAPTURE(BM_DecodeLz5_640x480, drawn, drawnPixels);
BENCHMARK_CAPTURE(BM_DecodeLz5_640x480, busy, busyPixels);

void BM_DecodeRle8_640x480(benchmark::State& state, test::Pixels (*picture)()) {
    decodeBenchmark(state, test::encodeRle8, sprite::DecodeRle8, picture);
}
BENCHMARK_CAPTURE(BM_DecodeRle8_640x480, drawn, drawnPixels);
BENCHMARK_CAPTURE(BM_DecodeRle8_640x480, busy, busyPixels);

// Reads a whole file, the baseline of the captures.
void readWholeFile(const std::string& path) {
    std::FILE* in = std::fopen(path.c_str(), "rb");
    std::fseek(in, 0, SEEK_END);
    Bytes bytes(static_cast<std::size_t>(std::ftell(in)));
    std::fseek(in, 0, SEEK_SET);
    benchmark::DoNotOptimize(std::fread(bytes.data(), 1, bytes.size(), in));
    std::fclose(in);
}

// Captures run inside the list update's transaction, as in the program.
void captureBenchmark(benchmark::State& state, const std::string& path) {
    test::TempFolder dbFolder;
    Kel_CharacterDb catalogue(dbFolder.file("db.sqlite3"));
    executeBound(catalogue.statements(), "INSERT INTO CHARACTER_TABLE (FILENAME) VALUES ('kfm')",
                 {});
    test::RecordingMessages messages;
    // Captures run inside the list update's transaction, as in the program.
    executeBound(catalogue.statements(), "BEGIN", {});
    for (auto _ : state) {
        if (!CapturePortrait(catalogue, messages, "kfm", path, 9000, 1)) {
            state.SkipWithError("capture failed");
            break;
        }
    }
    executeBound(catalogue.statements(), "ROLLBACK", {});
}

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
        readWholeFile(sff.path);
    }
}
BENCHMARK(BM_ReadSpriteFile4MB)->Unit(benchmark::kMicrosecond);

void BM_CapturePortrait4MB(benchmark::State& state) {
    const LargeSpriteFile sff;
    captureBenchmark(state, sff.path);
}
BENCHMARK(BM_CapturePortrait4MB)->Unit(benchmark::kMicrosecond);

// A version 2 character's sprite file of about 4 MB, as the engine's tools
// write them: about 1,700 LZ5 poses of a dozen sizes in tdata, the palettes
// in ldata, and the portrait, the last node, an LZ5 sprite of 120 x 140.
struct LargeSpriteFileV2 {
    test::TempFolder folder;
    std::string path;
    std::size_t spriteCount = 0;

    LargeSpriteFileV2() {
        std::vector<test::SffV2Sprite> poses;
        for (int size = 0; size < 12; ++size) {
            poses.push_back(test::SffV2Sprite::indexed(
                0, 0, test::drawnPortrait(160 + 8 * size, 200 + 6 * size), 4));
        }
        test::SffV2File file;
        const test::PcxPicture portrait = test::drawnPortrait(120, 140);
        for (int i = 0; i < 12; ++i) {
            file.palettes.push_back(test::SffV2Palette::of(portrait.palette));
        }
        std::size_t size = 512;
        for (std::int16_t image = 0; size < 4'000'000; ++image) {
            test::SffV2Sprite pose = poses[static_cast<std::size_t>(image) % poses.size()];
            pose.image = image;
            size += 28 + pose.data.size();
            file.sprites.push_back(std::move(pose));
        }
        file.sprites.push_back(test::SffV2Sprite::indexed(9000, 1, portrait, 4));
        spriteCount = file.sprites.size();
        path = folder.write("kfm/kfm.sff", file.bytes());
    }
};

void BM_ReadSpriteFileV2_4MB(benchmark::State& state) {
    const LargeSpriteFileV2 sff;
    state.counters["file_bytes"] = static_cast<double>(test::readFile(sff.path).size());
    state.counters["sprites"] = static_cast<double>(sff.spriteCount);
    for (auto _ : state) {
        readWholeFile(sff.path);
    }
}
BENCHMARK(BM_ReadSpriteFileV2_4MB)->Unit(benchmark::kMicrosecond);

void BM_CapturePortraitV2_4MB(benchmark::State& state) {
    const LargeSpriteFileV2 sff;
    captureBenchmark(state, sff.path);
}
BENCHMARK(BM_CapturePortraitV2_4MB)->Unit(benchmark::kMicrosecond);

} // namespace
} // namespace zorvik

BENCHMARK_MAIN();
