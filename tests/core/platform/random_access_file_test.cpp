#include "core/platform/random_access_file.h"

#include <gtest/gtest.h>

#include <array>
#include <filesystem>

#include "support/temp_folder.h"

namespace zorvik::platform {
namespace {

using Bytes4 = std::array<std::uint8_t, 4>;

TEST(RandomAccessFile, ReadsOnlyWholeRangesInsideTheFile) {
    test::TempFolder temp;
    RandomAccessFile file;
    Bytes4 bytes{};
    EXPECT_FALSE(file.Read(0, bytes)); // nothing open
    ASSERT_TRUE(file.Open(temp.write("six", "abcdef")));
    EXPECT_EQ(file.size(), 6u);
    ASSERT_TRUE(file.Read(2, bytes));
    EXPECT_EQ(bytes, (Bytes4{'c', 'd', 'e', 'f'}));
    EXPECT_FALSE(file.Read(3, bytes));
    EXPECT_FALSE(file.Read(0xFFFFFFFFFFFFFFFEull, bytes));
    EXPECT_TRUE(file.Read(6, std::span<std::uint8_t>()));
}

TEST(RandomAccessFile, RefusesFoldersMissingFilesAndAFileThatShrank) {
    test::TempFolder temp;
    RandomAccessFile file;
    EXPECT_FALSE(file.Open(temp.path()));
    EXPECT_FALSE(file.Open(temp.file("missing")));
    EXPECT_EQ(file.size(), 0u);
    const std::string path = temp.write("shrinks", "abcdef");
    ASSERT_TRUE(file.Open(path));
    std::filesystem::resize_file(path, 3);
    Bytes4 bytes{};
    EXPECT_FALSE(file.Read(2, bytes));
}

} // namespace
} // namespace zorvik::platform
