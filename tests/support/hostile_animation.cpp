#include "support/hostile_animation.h"

#include <fstream>

#include <png.h>

#include "support/pcx_writer.h"
#include "support/png_writer.h"
#include "support/sff_v2_writer.h"
#include "support/sff_writer.h"

namespace zorvik::test {

namespace {

constexpr int kLargestSide = 4096;

void writeBytes(const std::string& path, const std::string& bytes) {
    std::ofstream(path, std::ios::binary) << bytes;
}

// A PNG8 picture of the largest size, all colour 1: zlib packs it small.
std::string largePng() {
    PngPicture png;
    png.width = kLargestSide;
    png.height = kLargestSide;
    png.colourType = PNG_COLOR_TYPE_PALETTE;
    png.rows.assign(std::size_t{kLargestSide} * kLargestSide, 1);
    const PcxPalette palette = distinctPalette();
    png.palette.assign(palette.begin(), palette.end());
    return png.encode();
}

} // namespace

std::string linkedNarrowSff(int links) {
    PcxHeaderFields header;
    header.xMax = kLargestSide - 1;
    header.yMax = kLargestSide - 1;
    header.bytesPerLine = 2;
    std::string pcx = header.bytes();
    for (int row = 0; row < kLargestSide; ++row) {
        pcx += "\xC2\x05"; // a run of two pixels of colour 5
    }
    pcx += '\x0C';
    const PcxPalette palette = distinctPalette();
    pcx.append(palette.begin(), palette.end());
    SffFile file;
    file.subfiles.push_back(SffSubfile::sprite(0, 0, pcx));
    for (int link = 1; link <= links; ++link) {
        file.subfiles.push_back(SffSubfile::link(0, static_cast<std::int16_t>(link), 0));
    }
    return file.bytes();
}

std::string largeSffV2(int pictures, int links) {
    SffV2File file;
    file.palettes.push_back(SffV2Palette::of(distinctPalette()));
    const std::string png = largePng();
    for (int picture = 0; picture < pictures; ++picture) {
        file.sprites.push_back(SffV2Sprite::png(0, static_cast<std::int16_t>(picture), kLargestSide,
                                                kLargestSide, 10, png));
    }
    for (int link = 0; link < links; ++link) {
        file.sprites.push_back(SffV2Sprite::link(0, static_cast<std::int16_t>(pictures + link), 0));
    }
    return file.bytes();
}

std::string spriteRunAir(int frames) {
    std::string air = "[Begin Action 0]\r\n";
    for (int frame = 0; frame < frames; ++frame) {
        air += "0," + std::to_string(frame) + ", 0,0, 1\r\n";
    }
    return air;
}

std::string defaultBoxesAir(std::size_t boxes, std::size_t frames) {
    std::string air = "[Begin Action 0]\r\nClsn2Default: 1\r\n";
    for (std::size_t box = 0; box < boxes; ++box) {
        air += "Clsn2[0]=0,0,0,0\r\n";
    }
    for (std::size_t frame = 0; frame < frames; ++frame) {
        air += "0,0,0,0,1\r\n";
    }
    return air;
}

std::string boxHeavyAir(std::size_t bytes) {
    // Half of the bytes for boxes, half for frames: the most boxes times frames.
    constexpr std::size_t kBoxLine = 18;
    constexpr std::size_t kFrameLine = 11;
    return defaultBoxesAir(bytes / 2 / kBoxLine, bytes / 2 / kFrameLine);
}

void writeAnimatedCharacter(const std::string& folder, const std::string& air,
                            const std::string& sff, const std::string& name) {
    writeBytes(folder + "/hostile.air", air);
    writeBytes(folder + "/hostile.sff", sff);
    writeBytes(folder + "/hostile.def", "[Info]\r\nname = \"" + name + "\"\r\n[Files]\r\n"
                                        "sprite = hostile.sff\r\nanim = hostile.air\r\n");
}

} // namespace zorvik::test
