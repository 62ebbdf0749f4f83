#include "support/standing_character.h"

#include <fstream>

#include "support/air_writer.h"
#include "support/drawn_portrait.h"
#include "support/sff_v2_writer.h"
#include "support/sff_writer.h"

namespace zorvik::test {

namespace {

void writeFile(const std::string& path, const std::string& bytes) {
    std::ofstream(path, std::ios::binary) << bytes;
}

SffSubfile withAxis(SffSubfile subfile, std::int16_t x, std::int16_t y, std::uint16_t samePalette) {
    subfile.axisX = x;
    subfile.axisY = y;
    subfile.samePalette = samePalette;
    return subfile;
}

SffV2Sprite withAxis(SffV2Sprite sprite, std::int16_t x, std::int16_t y) {
    sprite.axisX = x;
    sprite.axisY = y;
    return sprite;
}

} // namespace

PcxPicture standingBody() {
    return PcxPicture{4, 3, {0, 1, 2, 0, 3, 4, 5, 6, 0, 7, 8, 0}, distinctPalette()};
}

PcxPicture standingStep() {
    return PcxPicture{3, 2, {9, 0, 10, 11, 12, 0}, distinctPalette()};
}

std::string standingAct() {
    std::string act(768, '\0');
    for (int i = 0; i < 256; ++i) {
        const std::size_t triple = static_cast<std::size_t>(255 - i) * 3;
        act[triple] = static_cast<char>(i);
        act[triple + 1] = static_cast<char>(255 - i);
        act[triple + 2] = static_cast<char>(128);
    }
    return act;
}

std::string StandingCharacter::defText() const {
    std::string text = "[Info]\r\nname = \"" + name + "\"\r\nauthor = \"Tester\"\r\n\r\n[Files]\r\n"
                       "sprite = stand.sff\r\nanim = stand.air ; the animations\r\n";
    if (withAct) {
        text += "pal1 = stand.act\r\n";
    }
    return text;
}

std::string StandingCharacter::airText() const {
    return AirWriter()
        .line("; standing")
        .action(0)
        .frame(0, 0, 0, 0, 5)
        .frame(0, 1, 3, -2, 4, "H")
        .loopStart()
        .frame(0, 2, 0, 0, -1)
        .action(20)
        .frame(20, 0, 0, 0, 4)
        .text();
}

std::string StandingCharacter::sffBytes() const {
    if (version == 2) {
        SffV2File file;
        file.palettes.push_back(SffV2Palette::of(distinctPalette()));
        file.sprites.push_back(withAxis(SffV2Sprite::indexed(0, 0, standingBody(), 2), 2, 3));
        file.sprites.push_back(withAxis(SffV2Sprite::indexed(0, 1, standingStep(), 4), 1, 2));
        file.sprites.push_back(SffV2Sprite::link(0, 2, 0));
        return file.bytes();
    }
    SffFile file;
    PcxPicture portrait = standingBody();
    file.subfiles.push_back(SffSubfile::sprite(9000, 0, portrait.pcx()));
    file.subfiles.push_back(withAxis(SffSubfile::sprite(0, 0, standingBody().pcx()), 2, 3, 1));
    file.subfiles.push_back(withAxis(SffSubfile::sprite(0, 1, standingStep().pcx()), 1, 2, 1));
    file.subfiles.push_back(SffSubfile::link(0, 2, 1));
    return file.bytes();
}

void StandingCharacter::writeTo(const std::string& folder) const {
    writeFile(folder + "/stand.def", defText());
    writeFile(folder + "/stand.air", airText());
    writeFile(folder + "/stand.sff", sffBytes());
    if (version == 1 && withAct) {
        writeFile(folder + "/stand.act", standingAct());
    }
}

std::string realisticSff(std::size_t minBytes, bool standingLast) {
    SffFile file;
    file.subfiles.push_back(SffSubfile::sprite(9000, 0, portraitPicture(120, 140).pcx()));
    std::size_t total = 512;
    std::vector<SffSubfile> standing;
    for (int i = 0; total < minBytes; ++i) {
        // Groups hold 12 sprites each, as authors number them.
        const auto group = static_cast<std::int16_t>(i / 12 * 5);
        const auto image = static_cast<std::int16_t>(i % 12);
        PcxPicture picture = portraitPicture(56 + (i * 7) % 40, 90 + (i * 13) % 30);
        SffSubfile subfile = withAxis(SffSubfile::sprite(group, image, picture.pcx()),
                                      static_cast<std::int16_t>(picture.width / 2),
                                      static_cast<std::int16_t>(picture.height), 1);
        total += 32 + subfile.pcx.size();
        (group == 0 && standingLast ? standing : file.subfiles).push_back(std::move(subfile));
    }
    file.subfiles.insert(file.subfiles.end(), standing.begin(), standing.end());
    return file.bytes();
}

std::string realisticAir() {
    AirWriter air;
    air.line("; Standing").action(0);
    for (int i = 0; i < 12; ++i) {
        if (i == 2) {
            air.loopStart();
        }
        air.line("Clsn2: 1").line(" Clsn2[0] = -20, 0, 20, -90");
        air.frame(0, i, 0, 0, 4 + i % 4);
    }
    for (int action = 5; action < 200; action += 5) {
        air.action(action);
        for (int i = 0; i < 8; ++i) {
            air.frame(action, i, 0, 0, 3);
        }
    }
    return air.text();
}

namespace {

// Frame k of the showcase: the drawing inside a silhouette that widens a little as it breathes.
PcxPicture showcaseFrame(int k) {
    PcxPicture picture = drawnPortrait(64, 96);
    for (int y = 0; y < picture.height; ++y) {
        const int half = (y < 30 ? 14 : 22 + (y > 60 ? 4 : 0)) + (k == 2 ? 2 : k % 2);
        for (int x = 0; x < picture.width; ++x) {
            if (x < 32 - half || x >= 32 + half) {
                picture.pixels[static_cast<std::size_t>(y * picture.width + x)] = 0;
            }
        }
    }
    return picture;
}

std::string swappedAct(const PcxPalette& palette) {
    std::string act(768, '\0');
    for (std::size_t i = 0; i < 256; ++i) {
        const std::size_t triple = (255 - i) * 3;
        act[triple] = static_cast<char>(palette[3 * i + 2]);
        act[triple + 1] = static_cast<char>(palette[3 * i + 1]);
        act[triple + 2] = static_cast<char>(palette[3 * i]);
    }
    return act;
}

} // namespace

void writeShowcaseCharacter(const std::string& folder, const std::string& name, int version) {
    AirWriter air;
    air.action(0);
    const int rise[] = {0, -1, -2, -1};
    for (int k = 0; k < 4; ++k) {
        air.frame(0, k, 0, rise[k], 10);
    }
    std::string sff;
    if (version == 2) {
        SffV2File file;
        file.palettes.push_back(SffV2Palette::of(showcaseFrame(0).palette));
        for (int k = 0; k < 4; ++k) {
            file.sprites.push_back(withAxis(SffV2Sprite::indexed(0, static_cast<std::int16_t>(k), showcaseFrame(k), 2), 32, 96));
        }
        sff = file.bytes();
    } else {
        SffFile file;
        file.subfiles.push_back(SffSubfile::sprite(9000, 0, drawnPortrait(120, 120).pcx()));
        for (int k = 0; k < 4; ++k) {
            file.subfiles.push_back(withAxis(SffSubfile::sprite(0, static_cast<std::int16_t>(k), showcaseFrame(k).pcx()), 32, 96, 1));
        }
        sff = file.bytes();
        writeFile(folder + "/show.act", swappedAct(showcaseFrame(0).palette));
    }
    writeFile(folder + "/show.sff", sff);
    writeFile(folder + "/show.air", air.text());
    writeFile(folder + "/show.def", "[Info]\r\nname = \"" + name + "\"\r\nauthor = \"Zorvik\"\r\n[Files]\r\n"
                                    "sprite = show.sff\r\nanim = show.air\r\npal1 = show.act\r\n");
}

} // namespace zorvik::test
