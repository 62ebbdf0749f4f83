#pragma once

#include <gtest/gtest.h>

#include <string>

#include "core/sprite/sff_ex.h"
#include "support/pcx_writer.h"
#include "support/sff_writer.h"
#include "support/temp_folder.h"

namespace zorvik::test {

// Writes SFF fixtures into a fresh folder and loads them.
class SffFixture : public ::testing::Test {
protected:
    bool loadBytes(const std::string& bytes) {
        return sff.LoadFile(folder.write("char.sff", bytes));
    }
    bool load(const SffFile& file) { return loadBytes(file.bytes()); }

    // A width x height picture whose every pixel is value, over a palette
    // whose every colour is (red, 0, 0), so that tests can tell pictures
    // and palettes apart.
    static PcxPicture flatPicture(int width, int height, std::uint8_t value, std::uint8_t red) {
        PcxPicture picture{width, height, std::vector<std::uint8_t>(width * height, value), {}};
        for (std::size_t i = 0; i < picture.palette.size(); i += 3) {
            picture.palette[i] = red;
        }
        return picture;
    }
    static SffSubfile flatSprite(std::int16_t group, std::int16_t image, std::uint8_t value,
                                 std::uint8_t red = 0) {
        return SffSubfile::sprite(group, image, flatPicture(2, 1, value, red).pcx());
    }

    // The first pixel (bottom row) and red of the first colour of a sprite; -1 when missing.
    std::pair<int, int> pixelAndRed(std::int16_t group, std::int16_t image) {
        BitmapInfo info;
        const auto pixels = sff.GetSprite(group, image, info);
        return pixels ? std::pair<int, int>{(*pixels)[0], info.colours[0].red}
                      : std::pair<int, int>{-1, -1};
    }

    TempFolder folder;
    KelSFFEx sff;
};

} // namespace zorvik::test
