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

TEST(Folders, RelativePathsAreTakenFromTheCurrentFolder) {
    test::TempFolder temp;
    const test::ScopedCurrentFolder inTemp(temp.path());
    EXPECT_EQ(currentFolder(), temp.path());
    EXPECT_EQ(absolutePath("work/"), temp.path() + "/work/");
    EXPECT_EQ(absolutePath("/abs/x"), "/abs/x");
    EXPECT_EQ(absolutePath(""), "");
}

TEST(Folders, TemporaryFolderEndsWithASeparator) {
    const auto folder = temporaryFolder();
    ASSERT_TRUE(folder.has_value());
    EXPECT_EQ(folder->back(), '/');
}

} // namespace
} // namespace zorvik::platform
