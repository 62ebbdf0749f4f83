#include "core/platform/scratch_folder.h"

#include <filesystem>
#include <gmock/gmock.h>
#include <gtest/gtest.h>
#include <set>

#include "support/temp_folder.h"

namespace zorvik::test {
namespace {

namespace fs = std::filesystem;
using platform::isScratchFolderName;
using platform::removeStaleScratchFolders;
using platform::ScratchFolder;

std::set<std::string> namesIn(const std::string& folder) {
    std::set<std::string> names;
    for (const auto& entry : fs::directory_iterator(folder)) {
        names.insert(entry.path().filename().string());
    }
    return names;
}

TEST(ScratchFolder, EachIsNewNamedAsOursAndGoesWithWhatItHolds) {
    TempFolder temp;
    const std::string outside = temp.write("outside/keep.txt", "keep");
    std::string firstPath;
    {
        const ScratchFolder first(temp.path() + "/", "extract");
        const ScratchFolder second(temp.path(), "extract");
        ASSERT_TRUE(first.made() && second.made());
        firstPath = first.path();
        // One archive name or another, however long its group folders: never a clash.
        EXPECT_NE(first.path(), second.path());
        EXPECT_EQ(fs::path(first.path()).parent_path(), fs::path(temp.path()));
        EXPECT_TRUE(isScratchFolderName(fs::path(first.path()).filename().string()));
        temp.write(first.path().substr(temp.path().size() + 1) + "/a/b.def", "x");
        fs::create_directory_symlink(temp.file("outside"), first.path() + "/link");
    }
    EXPECT_FALSE(fs::exists(firstPath));
    EXPECT_EQ(namesIn(temp.path()), std::set<std::string>{"outside"});
    EXPECT_EQ(readFile(outside), "keep"); // a link inside is removed, never followed

    const ScratchFolder nowhere(temp.file("missing"), "extract");
    EXPECT_FALSE(nowhere.made());
    EXPECT_EQ(nowhere.path(), temp.file("missing/zorvik-scratch-extract-XXXXXX"));
    EXPECT_FALSE(ScratchFolder("", "frames").made()); // never the file system's root
}

TEST(ScratchFolder, OnlyLeftoversNobodyHoldsAreCleared) {
    TempFolder temp;
    // A killed process's folders, of any purpose: nobody holds them.
    temp.write("zorvik-scratch-extract-a1B2c3/kfm.def", "x");
    temp.makeFolder("zorvik-scratch-frames-QWERTY");
    // Not ours: other names, a file, and a link named like ours.
    temp.makeFolder("zorvik-scratch-extract-short");
    temp.makeFolder("kfm.zip");
    temp.makeFolder("zorvik-scratch--abcdef");
    temp.makeFolder("zorvik-test-abcdef"); // another program's, named much like ours
    temp.write("zorvik-scratch-check-zzzzzz", "a file");
    const std::string target = temp.write("target/keep.txt", "keep");
    fs::create_directory_symlink(temp.file("target"), temp.file("zorvik-scratch-check-LINK01"));
    const ScratchFolder held(temp.path(), "extract");
    ASSERT_TRUE(held.made());

    removeStaleScratchFolders(temp.path());
    EXPECT_EQ(namesIn(temp.path()),
              (std::set<std::string>{"zorvik-scratch-extract-short", "kfm.zip",
                                     "zorvik-scratch--abcdef", "zorvik-test-abcdef",
                                     "zorvik-scratch-check-zzzzzz", "target", "zorvik-scratch-check-LINK01",
                                     fs::path(held.path()).filename().string()}));
    EXPECT_EQ(readFile(target), "keep");
    EXPECT_TRUE(fs::exists(held.path())); // in use by this process
}

TEST(ScratchFolder, NamesAreRecognisedExactly) {
    EXPECT_TRUE(isScratchFolderName("zorvik-scratch-extract-a1B2c3"));
    EXPECT_TRUE(isScratchFolderName("zorvik-scratch-check-000000"));
    EXPECT_FALSE(isScratchFolderName("zorvik-scratch-extract-a1B2c"));
    EXPECT_FALSE(isScratchFolderName("zorvik-scratch-extract-a1B2c3d"));
    EXPECT_FALSE(isScratchFolderName("zorvik-scratch-Extract-a1B2c3"));
    EXPECT_FALSE(isScratchFolderName("zorvik-scratch-extract-a1B2c."));
    EXPECT_FALSE(isScratchFolderName("zorvik-tmp-"));
    EXPECT_FALSE(isScratchFolderName("zorvik-test-a1B2c3"));
    EXPECT_FALSE(isScratchFolderName("zorvik-extract-a1B2c3"));
    EXPECT_FALSE(isScratchFolderName("select.def.zorvik-tmp-a1B2c3"));
}

} // namespace
} // namespace zorvik::test
