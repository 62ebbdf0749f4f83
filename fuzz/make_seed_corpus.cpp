// Writes the seed corpora of the fuzz targets with the tests' fixture
// writers: make_seed_corpus FOLDER writes FOLDER/<target>/<seed>. The
// result is committed as fuzz/corpus; run it again when a writer changes.

#include <cstdio>
#include <filesystem>
#include <fstream>
#include <map>
#include <string>
#include <vector>

#include "core/text/encoding.h"
#include "support/air_writer.h"
#include "support/archive_writer.h"
#include "support/character_fixture.h"
#include "support/drawn_portrait.h"
#include "support/hostile_animation.h"
#include "support/hostile_files.h"
#include "support/pcx_writer.h"
#include "support/rar4_writer.h"
#include "support/rar5_writer.h"
#include "support/sff_v2_writer.h"
#include "support/sff_writer.h"
#include "support/standing_character.h"
#include "support/temp_folder.h"

namespace {

namespace fs = std::filesystem;
using namespace zorvik::test;

using Seeds = std::map<std::string, std::string>; // file name -> bytes

Seeds sffSeeds() {
    const std::string pcx = portraitPicture(8, 6).pcx();
    SffFile shared;
    shared.subfiles = {SffSubfile::sprite(9000, 0, pcx), SffSubfile::link(9000, 1, 0),
                       SffSubfile::sprite(0, 0, portraitPicture(6, 4).pcx())};
    shared.subfiles[2].samePalette = 1;
    return {{"portrait.sff", portraitSff()},
            {"linked-shared-palette.sff", shared.bytes()},
            {"looping.sff", loopingSff()},
            {"huge-sprite.sff", hugeSpriteSff()}};
}

Seeds pcxSeeds() {
    PcxHeaderFields huge;
    huge.xMax = 32000;
    huge.yMax = 32000;
    huge.bytesPerLine = 32000;
    PcxPicture odd = portraitPicture(5, 3);
    // For the run-length decoder alone: row length 4, two rows, then the rows.
    const std::string rows = std::string("\x04\x02", 2) + portraitPicture(4, 2).encodedRows(4);
    return {{"portrait.pcx", portraitPicture(16, 8).pcx()},
            {"odd-line.pcx", odd.pcx(5)},
            {"huge-header.pcx", huge.bytes() + std::string(16, '\xFF')},
            {"rows.bin", rows}};
}

Seeds iniSeeds() {
    const std::string settings = "[General]\r\nMainDir=/home/user/mugen/chars\r\nTempDir=\r\n"
                                 "RecognizeFileType=16\r\nCharUpdateCheck=1\r\n"
                                 "BattleParamA=-p1.ai 1\r\n\r\n[ColumnOrder]\r\n0=1\r\n1=2\r\n";
    const std::string japanese =
        "[General]\nMainDir=/home/ユーザー/キャラ\nRecognizeFileType= 3 \n";
    return {{"settings.ini", settings},
            {"shift-jis.ini", zorvik::text::utf8ToCp932(japanese).value()},
            {"dllinfo.ini", "[ZorvikArc.so]\r\nPrefixStr=ZorvikArc\r\nCommandL=e\r\n"
                            "CommandR=*.def *.sff\r\n"}};
}

Seeds defSeeds() {
    DefFields quoted;
    quoted.name = "Say \"Hi\" 100%";
    quoted.displayName = "NAME";
    quoted.author = "O'Brien";
    DefFields japanese;
    japanese.name = "カンフーマン";
    japanese.author = "作者";
    return {{"kfm.def", defText(DefFields{})},
            {"quotes.def", defText(quoted)},
            {"shift-jis.def", zorvik::text::utf8ToCp932(defText(japanese)).value()}};
}

Seeds commandSeeds() {
    return {{"shipped.txt", "e \"/chars/kfm.zip\" \"/tmp/kfm.zip/\" *.def *.sff"},
            {"switches.txt", "x \"a b.7z\" \"C:\\Temp\\out\\\" -size:64k -SIZE:2G kfm?.*"},
            {"unbalanced.txt", "X \"unbalanced /tmp"}};
}

// An archive written to a file by the fixture writers, read back as bytes.
std::string archiveBytes(ArchiveFormat format, const std::vector<FixtureEntry>& entries) {
    const TempFolder folder;
    const std::string path = folder.file("seed");
    writeArchive(path, format, entries);
    return readFile(path);
}

Seeds archiveSeeds() {
    const std::vector<FixtureEntry> character = {
        FixtureEntry::folder("kfm/"), FixtureEntry::file("kfm/kfm.def", defText(DefFields{})),
        FixtureEntry::file("kfm/kfm.sff", portraitSff()),
        FixtureEntry::file("kfm/readme.txt", "read me")};
    const std::vector<FixtureEntry> hostile = {
        FixtureEntry::file("../escaped.def", "1"),  FixtureEntry::file("/tmp/absolute.def", "2"),
        FixtureEntry::symbolicLink("link", "/tmp"), FixtureEntry::file("link/through.def", "3"),
        FixtureEntry::file("KFM.DEF", "4"),         FixtureEntry::file("kfm.def", "5")};
    const std::vector<FixtureEntry> links = {FixtureEntry::file("kfm.sff", "five"),
                                             FixtureEntry::hardLink("hard.def", "/etc/passwd"),
                                             FixtureEntry::symbolicLink("link.sff", "/etc/passwd")};
    // ".." inside a name, not only at its start, in both separator styles.
    const std::vector<FixtureEntry> interior = {
        FixtureEntry::file("kfm/kfm.def", "1"), FixtureEntry::file("kfm/../../escaped.def", "2"),
        FixtureEntry::file("kfm\\..\\..\\escaped.sff", "3"),
        FixtureEntry::file("kfm/st/./../../../deep.def", "4")};
    // Out of a destination five folders deep, and into the fuzz target's canary folder.
    const std::vector<FixtureEntry> climbing = {
        FixtureEntry::file("kfm/kfm.def", "1"), FixtureEntry::file("../../../../../climbed.def", "2"),
        FixtureEntry::file("kfm/../../../../../../deeper.sff", "3"),
        FixtureEntry::file("/tmp/archive-fuzz-canary/absolute.def", "4")};
    return {{"character.zip", archiveBytes(ArchiveFormat::Zip, character)},
            {"climbing.zip", archiveBytes(ArchiveFormat::Zip, climbing)},
            {"climbing.rar", rar5Archive(climbing)},
            {"interior-dots.zip", archiveBytes(ArchiveFormat::Zip, interior)},
            {"interior-dots.rar", rar5Archive(interior)},
            {"character.7z", archiveBytes(ArchiveFormat::SevenZip, character)},
            {"character4.rar", rar4Archive(character)},
            {"character5.rar", rar5Archive(character)},
            {"hostile.zip", archiveBytes(ArchiveFormat::Zip, hostile)},
            {"links.rar", rar5Archive(links)},
            {"bomb.zip", zipBomb("kfm.sff", std::size_t{4} << 20)}};
}

Seeds sffV2Seeds() {
    const PcxPicture face = drawnPortrait(24, 20);
    SffV2File formats;
    formats.palettes.push_back(SffV2Palette::of(face.palette));
    formats.sprites = {SffV2Sprite::indexed(9000, 1, face, 4), SffV2Sprite::indexed(9000, 2, face, 10),
                       SffV2Sprite::indexed(0, 0, face, 2), SffV2Sprite::indexed(0, 1, face, 3),
                       SffV2Sprite::indexed(0, 2, face, 0), SffV2Sprite::link(0, 3, 0)};
    formats.sprites[2].inTdata = true;
    SffV2File linkedPalette = formats;
    linkedPalette.palettes.push_back(SffV2Palette::link(0));
    linkedPalette.sprites[0].paletteIndex = 1;
    return {{"formats.sff", formats.bytes()}, {"linked-palette.sff", linkedPalette.bytes()}};
}

Seeds selectDefSeeds() {
    const std::string stock = "; Character select definition\r\n[Characters]\r\n"
                              "; kfm, stages/kfm.def\r\nkfm, stages/kfm.def\r\nsuave, random\r\n"
                              "\r\n[ExtraStages]\r\nstages/stage0.def\r\n\r\n[Options]\r\n"
                              "arcade.maxmatches = 6,1,1,0,0,0,0,0,0,0\r\n";
    const std::string japanese = "[Characters]\nカンフーマン/kfm.def\n\n[ExtraStages]\n";
    return {{"stock.def", stock},
            {"shift-jis.def", zorvik::text::utf8ToCp932(japanese).value()},
            {"no-section.def", "[Options]\nteam.1vs2life = 1.5\n"},
            {"lone-cr.def", "; old Mac editor\r[Characters]\rkfm\rsuave, random\r[Options]\r"}};
}

Seeds filesCheckSeeds() {
    const std::string files = "[Info]\r\nname = \"Kung Fu Man\"\r\n[Files]\r\n"
                              "cmd = kfm.cmd\r\ncns = KFM.CNS\r\nst = st\\kfm.cns\r\n"
                              "stcommon = common1.cns\r\nsprite = ..\\kfm.sff\r\n"
                              "anim = \"kfm.air\" ; quoted\r\nsound = kfm.snd\r\n"
                              "pal1 = ./kfm1.act\r\nst9 = /absolute.st\r\n";
    // ".." climbing above the character's folder from inside it, both separator styles.
    const std::string climbing = "[Info]\r\nname = \"Kung Fu Man\"\r\n[Files]\r\n"
                                 "cmd = ..\\..\\kfm.cmd\r\ncns = st/../../kfm.cns\r\n"
                                 "sprite = kfm\\..\\..\\..\\x.sff\r\n"
                                 "anim = ./st\\../../kfm.air\r\n";
    return {
        {"kfm.def", files}, {"registration.def", defText(DefFields{})}, {"climbing.def", climbing}};
}

Seeds airSeeds() {
    const std::string broken = AirWriter()
                                   .line("1,1, 0,0, 1")
                                   .action(0)
                                   .line("Clsn1[0] = 1,2,3,4")
                                   .line("0,0, 0,0")
                                   .line("0,0, 0,0, 5, Q, AS1")
                                   .frame(0, 0, 0, 0, 0)
                                   .loopStart()
                                   .line("[Begin Action]")
                                   .text("\n");
    return {{"every-line-form.air", everyLineFormAir()},
            {"standing.air", StandingCharacter{}.airText()},
            {"broken.air", broken}};
}

// An .air text and a sprite file as one input: the text, a zero byte, the file.
std::string animationInput(const std::string& air, const std::string& sff) {
    return air + std::string(1, '\0') + sff;
}

Seeds animationSeeds() {
    StandingCharacter two;
    two.version = 2;
    const std::string standing = StandingCharacter{}.sffBytes();
    return {{"standing.bin", animationInput(StandingCharacter{}.airText(), standing)},
            {"standing-v2.bin", animationInput(two.airText(), two.sffBytes())},
            {"linked-narrow.bin", animationInput(spriteRunAir(4), linkedNarrowSff(3))},
            {"linked-large-v2.bin", animationInput(spriteRunAir(3), largeSffV2(1, 2))},
            {"default-boxes.bin", animationInput(boxHeavyAir(7000), standing)},
            {"every-line-form.bin", animationInput(everyLineFormAir(), standing)}};
}

void writeSeeds(const fs::path& folder, const Seeds& seeds) {
    fs::create_directories(folder);
    for (const auto& [name, bytes] : seeds) {
        std::ofstream(folder / name, std::ios::binary) << bytes;
    }
    std::printf("%s: %zu seeds\n", folder.string().c_str(), seeds.size());
}

} // namespace

int main(int argc, char** argv) {
    if (argc != 2) {
        std::fprintf(stderr, "usage: make_seed_corpus FOLDER\n");
        return 2;
    }
    const fs::path corpus = argv[1];
    writeSeeds(corpus / "sff_v1", sffSeeds());
    writeSeeds(corpus / "pcx", pcxSeeds());
    writeSeeds(corpus / "ini", iniSeeds());
    writeSeeds(corpus / "def_file", defSeeds());
    writeSeeds(corpus / "archiver_command", commandSeeds());
    writeSeeds(corpus / "archive_extract", archiveSeeds());
    writeSeeds(corpus / "sff_v2", sffV2Seeds());
    writeSeeds(corpus / "select_def", selectDefSeeds());
    writeSeeds(corpus / "files_check", filesCheckSeeds());
    writeSeeds(corpus / "air", airSeeds());
    writeSeeds(corpus / "animation", animationSeeds());
    return 0;
}
