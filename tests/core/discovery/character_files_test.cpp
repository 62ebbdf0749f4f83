#include "core/discovery/character_files.h"

#include <gtest/gtest.h>

#include "support/temp_folder.h"

namespace zorvik {
namespace {

TEST(CharacterFiles, DefFilesAtTheTopLevelOnlyInListingOrder) {
    test::TempFolder temp;
    temp.write("b.def", "");
    temp.write("A.DEF", "");
    temp.write("sub/c.def", "");
    temp.write("notes.txt", "");
    temp.makeFolder("folder.def");
    EXPECT_EQ(findDefFiles(temp.path()),
              (std::vector<std::string>{temp.file("A.DEF"), temp.file("b.def")}));
}

TEST(CharacterFiles, SpritePathsAreWindowsPathsWithoutCase) {
    test::TempFolder temp;
    temp.write("Media/Ken.SFF", "s");
    temp.write("kfm.sff", "k");
    EXPECT_EQ(locateSpriteFile(temp.path(), "MeDiA\\ken.sff"), temp.file("Media/Ken.SFF"));
    EXPECT_EQ(locateSpriteFile(temp.path(), "KFM.sff"), temp.file("kfm.sff"));
    // Folders dropped at extraction: the file name alone is found.
    EXPECT_EQ(locateSpriteFile(temp.path(), "sprites\\kfm.sff"), temp.file("kfm.sff"));
    EXPECT_EQ(locateSpriteFile(temp.path(), "missing.sff"), temp.file("missing.sff"));
}

} // namespace
} // namespace zorvik
