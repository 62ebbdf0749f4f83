// Writes two characters with a standing animation a person can look at,
// FOLDER/Stander1 (sprite file version 1, .act palette) and
// FOLDER/Stander2 (version 2), for pictures of the portrait box:
//   make_showcase_characters FOLDER
#include <cstdio>
#include <filesystem>

#include "support/standing_character.h"

int main(int argc, char** argv) {
    if (argc != 2) {
        std::fprintf(stderr, "usage: make_showcase_characters FOLDER\n");
        return 2;
    }
    const std::filesystem::path folder = argv[1];
    for (const int version : {1, 2}) {
        const std::filesystem::path character = folder / ("Stander" + std::to_string(version));
        std::filesystem::create_directories(character);
        zorvik::test::writeShowcaseCharacter(character.string(), "Stander v" + std::to_string(version), version);
    }
    return 0;
}
