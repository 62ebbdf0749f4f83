#include "core/discovery/directory_tree.h"

#include <filesystem>
#include <gtest/gtest.h>

#include "support/recording_messages.h"
#include "support/temp_folder.h"

namespace zorvik {
namespace {

namespace fs = std::filesystem;

TEST(DirectoryTree, DeletesNestedFoldersAndFiles) {
    test::TempFolder temp;
    temp.write("kfm.zip/kfm.def", "x");
    temp.write("kfm.zip/sub/deeper/a.sff", "y");
    temp.makeFolder("kfm.zip/empty");
    test::RecordingMessages messages;
    EXPECT_TRUE(DeleteDirectoryTree(temp.file("kfm.zip/"), messages));
    EXPECT_FALSE(fs::exists(temp.file("kfm.zip")));
    EXPECT_TRUE(messages.shown().empty());
}

TEST(DirectoryTree, RemovesLinksWithoutFollowingThem) {
    test::TempFolder temp;
    const std::string outside = temp.write("outside/precious.txt", "keep");
    temp.makeFolder("x.zip");
    fs::create_directory_symlink(temp.file("outside"), temp.file("x.zip/folder-link"));
    fs::create_symlink(outside, temp.file("x.zip/file-link"));
    test::RecordingMessages messages;
    EXPECT_TRUE(DeleteDirectoryTree(temp.file("x.zip"), messages));
    EXPECT_FALSE(fs::exists(temp.file("x.zip")));
    EXPECT_EQ(test::readFile(outside), "keep");
}

TEST(DirectoryTree, ALinkGivenAsTheFolderIsRefused) {
    test::TempFolder temp;
    temp.write("outside/precious.txt", "keep");
    fs::create_directory_symlink(temp.file("outside"), temp.file("link"));
    test::RecordingMessages messages;
    EXPECT_FALSE(DeleteDirectoryTree(temp.file("link"), messages));
    EXPECT_TRUE(fs::exists(temp.file("outside/precious.txt")));
}

TEST(DirectoryTree, MissingOrTooLongFolderFails) {
    test::TempFolder temp;
    test::RecordingMessages messages;
    EXPECT_FALSE(DeleteDirectoryTree(temp.file("missing"), messages));
    EXPECT_EQ(messages.shown(), std::vector<std::string>{"ディレクトリの消去に失敗しました。"});
    EXPECT_FALSE(DeleteDirectoryTree(std::string(513, 'a'), messages));
    EXPECT_EQ(messages.shown().size(), 1u);
}

} // namespace
} // namespace zorvik
