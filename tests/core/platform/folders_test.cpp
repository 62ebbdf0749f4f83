#include "core/platform/folders.h"

#include <gtest/gtest.h>

#include "support/temp_folder.h"

namespace zorvik::platform {
namespace {

TEST(Folders, ExecutableFolderHoldsTheRunningProgram) {
    const std::string path = executablePath();
    const std::string folder = executableFolder();
    ASSERT_FALSE(folder.empty());
    EXPECT_EQ(path.substr(0, folder.size() + 1), folder + "/");
    EXPECT_EQ(path.find('/', folder.size() + 1), std::string::npos);
}

TEST(Folders, CurrentFolderCanBeChangedAndRestored) {
    test::TempFolder temp;
    const std::string before = currentFolder();
    ASSERT_TRUE(setCurrentFolder(temp.path()));
    EXPECT_EQ(currentFolder(), temp.path());
    EXPECT_FALSE(setCurrentFolder(temp.file("missing")));
    EXPECT_EQ(currentFolder(), temp.path());
    ASSERT_TRUE(setCurrentFolder(before));
}

TEST(Folders, TemporaryFolderEndsWithASeparator) {
    const auto folder = temporaryFolder();
    ASSERT_TRUE(folder.has_value());
    EXPECT_EQ(folder->back(), '/');
}

} // namespace
} // namespace zorvik::platform
