#include "core/platform/file_io.h"

#include <filesystem>
#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

#include "support/temp_folder.h"

namespace zorvik::platform {
namespace {

TEST(FileIo, AtomicWriteReplacesTheWholeFileAndLeavesNoTemporary) {
    test::TempFolder temp;
    const std::string path = temp.write("Settings.ini", "old content that is longer");
    ASSERT_TRUE(writeFileAtomically(path, "new"));
    EXPECT_EQ(test::readFile(path), "new");
    std::size_t files = 0;
    for ([[maybe_unused]] const auto& entry : std::filesystem::directory_iterator(temp.path())) {
        ++files;
    }
    EXPECT_EQ(files, 1u);
}

TEST(FileIo, AtomicWriteIntoAReadOnlyFolderFailsAndKeepsTheOldFile) {
    if (geteuid() == 0) {
        GTEST_SKIP() << "root writes into read-only folders";
    }
    test::TempFolder temp;
    const std::string path = temp.write("a.ini", "old");
    chmod(temp.path().c_str(), 0555);
    EXPECT_FALSE(writeFileAtomically(path, "new"));
    EXPECT_EQ(test::readFile(path), "old");
}

TEST(FileIo, ReadingGivesBytesOrFailure) {
    test::TempFolder temp;
    std::string bytes;
    EXPECT_FALSE(readWholeFile(temp.file("missing"), bytes));
    const std::string binary("a\0b\xff", 4);
    ASSERT_TRUE(readWholeFile(temp.write("bin", binary), bytes));
    EXPECT_EQ(bytes, binary);
}

TEST(FileIo, ReadingAFifoFailsAtOnceRatherThanWaitingForAWriter) {
    test::TempFolder temp;
    const std::string fifo = temp.file("kfm.def");
    ASSERT_EQ(mkfifo(fifo.c_str(), 0644), 0);
    alarm(10); // a read that waits ends the test program instead of hanging it
    std::string bytes;
    EXPECT_FALSE(readWholeFile(fifo, bytes));
    alarm(0);
}

} // namespace
} // namespace zorvik::platform
