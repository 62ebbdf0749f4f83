#include "core/check/archive_entry_index.h"

#include <gtest/gtest.h>

namespace zorvik {
namespace {

TEST(ArchiveEntryIndex, FindsTheDefsFolderAsTheFlatExtractionKeepsIt) {
    const ArchiveEntryIndex index({"readme.txt", "KFM/Kfm.def", "other/kfm.DEF"});
    EXPECT_EQ(index.folderOf("kfm.def"), std::vector<std::string>{"KFM"});
    EXPECT_EQ(index.folderOf("readme.txt"), std::vector<std::string>{});
    EXPECT_EQ(index.folderOf("absent.def"), std::nullopt);
}

TEST(ArchiveEntryIndex, LooksUpWindowsPathsRelativeToAFolder) {
    const ArchiveEntryIndex index({"kfm/kfm.cns", "kfm/sprites/KFM.sff", "common.snd"});
    const std::vector<std::string> kfm = {"kfm"};
    EXPECT_TRUE(index.contains(kfm, "KFM.CNS"));
    EXPECT_TRUE(index.contains(kfm, "Sprites\\kfm.sff"));
    EXPECT_TRUE(index.contains(kfm, "./sprites//kfm.sff"));
    EXPECT_TRUE(index.contains(kfm, "..\\common.snd"));
    EXPECT_FALSE(index.contains(kfm, "..\\..\\kfm\\kfm.cns")); // above the archive's top
    EXPECT_FALSE(index.contains(kfm, "sprites")); // a folder, not a file
    EXPECT_FALSE(index.contains(kfm, "."));
    EXPECT_FALSE(index.contains({}, "kfm.cns"));
}

} // namespace
} // namespace zorvik
