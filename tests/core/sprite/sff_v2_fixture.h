#pragma once

#include <gtest/gtest.h>

#include <string>

#include "core/sprite/sff_v2.h"
#include "support/pcx_writer.h"
#include "support/sff_v2_writer.h"
#include "support/temp_folder.h"

namespace zorvik::test {

// Writes SFF version 2 fixtures into a fresh folder and opens them.
class SffV2Fixture : public ::testing::Test {
protected:
    bool openBytes(const std::string& bytes) { return sff.Open(folder.write("char.sff", bytes)); }
    bool open(const SffV2File& file) { return openBytes(file.bytes()); }

    // The first count colours of a red, green, blue palette as the reader
    // gives them, the rest black.
    static SpritePalette paletteOf(const PcxPalette& colours, std::size_t count = 256) {
        SpritePalette palette{};
        for (std::size_t i = 0; i < count; ++i) {
            palette[i] = RgbColour{colours[3 * i], colours[3 * i + 1], colours[3 * i + 2]};
        }
        return palette;
    }

    // A small picture whose pixels and palette entries all differ.
    static PcxPicture distinctPicture(int width, int height, std::uint8_t offset = 0) {
        PcxPicture picture{width, height, {}, distinctPalette()};
        for (int i = 0; i < width * height; ++i) {
            picture.pixels.push_back(static_cast<std::uint8_t>((i * 7 + offset) % 32));
        }
        return picture;
    }

    TempFolder folder;
    KelSFFV2 sff;
};

} // namespace zorvik::test
