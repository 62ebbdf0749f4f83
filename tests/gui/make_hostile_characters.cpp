// Writes characters whose standing animation asks for gigabytes from a few
// kilobytes, for measuring the companion and looking at the window with one
// of them selected:
//   make_hostile_characters FOLDER
// FOLDER/Links30 (30 links to a sprite of 4096 x 4096 pixels in rows of 2
// bytes, about 10 KB), Links60, LinksV2 (10 links to a version 2 picture of
// 4096 x 4096 pixels), Boxes389 and Boxes789 (.air files of about 389 KB and
// 789 KB whose frames each take every default box), each with hostile.def.
#include <cstdio>
#include <filesystem>
#include <string>

#include "support/hostile_animation.h"

namespace {

void write(const std::filesystem::path& folder, const std::string& name, const std::string& air,
           const std::string& sff) {
    const std::filesystem::path character = folder / name;
    std::filesystem::create_directories(character);
    zorvik::test::writeAnimatedCharacter(character.string(), air, sff, name);
}

} // namespace

int main(int argc, char** argv) {
    using namespace zorvik::test;
    if (argc != 2) {
        std::fprintf(stderr, "usage: make_hostile_characters FOLDER\n");
        return 2;
    }
    const std::filesystem::path folder = argv[1];
    write(folder, "Links30", spriteRunAir(31), linkedNarrowSff(30));
    write(folder, "Links60", spriteRunAir(61), linkedNarrowSff(60));
    write(folder, "LinksV2", spriteRunAir(11), largeSffV2(1, 10));
    write(folder, "LargeV2", spriteRunAir(2), largeSffV2(2, 0));
    write(folder, "Boxes389", boxHeavyAir(389 * 1024), linkedNarrowSff(0));
    write(folder, "Boxes789", boxHeavyAir(789 * 1024), linkedNarrowSff(0));
    write(folder, "BoxesAtBound", defaultBoxesAir(1024, 2048), linkedNarrowSff(0));
    return 0;
}
