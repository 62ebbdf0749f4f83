#include "core/platform/file_io.h"

#include <filesystem>
#include <gtest/gtest.h>
#include <set>
#include <sys/stat.h>
#include <unistd.h>

#include "core/platform/random_access_file.h"
#include "support/temp_folder.h"
#include "support/waiting_fifo.h"

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

std::uint32_t modeOf(const std::string& path) {
    struct stat info {};
    stat(path.c_str(), &info);
    return info.st_mode & 07777;
}

TEST(FileIo, AtomicWriteTakesTheModeGivenAndCanRefuseToReplace) {
    test::TempFolder temp;
    const std::string path = temp.write("select.def", "old");
    ASSERT_TRUE(writeFileAtomically(path, "new", {FileMode{0600, geteuid(), getegid()}, false}));
    EXPECT_EQ(modeOf(path), 0600u);
    EXPECT_FALSE(writeFileAtomically(path, "newer", {std::nullopt, true}));
    EXPECT_EQ(test::readFile(path), "new");
    const std::string fresh = temp.file("select.def.bak");
    ASSERT_TRUE(writeFileAtomically(fresh, "copy", {FileMode{0640, geteuid(), getegid()}, true}));
    EXPECT_EQ(modeOf(fresh), 0640u);
    EXPECT_EQ(std::distance(std::filesystem::directory_iterator(temp.path()),
                            std::filesystem::directory_iterator()),
              2); // no temporary file is left behind
}

TEST(FileIo, OnlyTemporaryFilesNamedAsTheWriterNamesThemAreRemoved) {
    test::TempFolder temp;
    for (const char* name : {"select.def.zorvik-tmp-a1B2c3", "select.def.bak.zorvik-tmp-XYZ789",
                             "select.def", "select.def.backup", "select.def.zorvik-tmp-abc12",
                             "select.def.zorvik-tmp-abc-12", "other.def.zorvik-tmp-abc123"}) {
        temp.write(name, "x");
    }
    temp.makeFolder("select.def.zorvik-tmp-folder");
    std::filesystem::create_symlink(temp.file("select.def"),
                                    temp.file("select.def.zorvik-tmp-link00"));
    removeStaleTemporaries(temp.path(), "select.def");
    std::set<std::string> left;
    for (const auto& entry : std::filesystem::directory_iterator(temp.path())) {
        left.insert(entry.path().filename().string());
    }
    EXPECT_EQ(left, (std::set<std::string>{
                        "select.def", "select.def.backup", "select.def.zorvik-tmp-abc12",
                        "select.def.zorvik-tmp-abc-12", "other.def.zorvik-tmp-abc123",
                        "select.def.zorvik-tmp-folder", "select.def.zorvik-tmp-link00"}));
}

TEST(FileIo, InspectingAPathTellsLinksThatLeadNowhere) {
    test::TempFolder temp;
    const std::string file = temp.write("real.def", "x");
    std::filesystem::create_symlink(file, temp.file("link.def"));
    std::filesystem::create_symlink(temp.file("gone.def"), temp.file("dangling.def"));
    std::filesystem::create_symlink(temp.file("loop-b"), temp.file("loop-a"));
    std::filesystem::create_symlink(temp.file("loop-a"), temp.file("loop-b"));
    std::filesystem::create_symlink("/dev/zero", temp.file("device.def"));
    const PathInspection link = inspectPath(temp.file("link.def"));
    EXPECT_EQ(link.kind, PathKind::File);
    EXPECT_TRUE(link.isLink);
    EXPECT_EQ(link.real, std::filesystem::canonical(file).string());
    EXPECT_EQ(inspectPath(file).kind, PathKind::File);
    EXPECT_FALSE(inspectPath(file).isLink);
    EXPECT_EQ(inspectPath(temp.file("dangling.def")).kind, PathKind::DanglingLink);
    EXPECT_EQ(inspectPath(temp.file("loop-a")).kind, PathKind::LoopingLink);
    EXPECT_EQ(inspectPath(temp.file("device.def")).kind, PathKind::Other);
    EXPECT_EQ(inspectPath(temp.file("missing.def")).kind, PathKind::Missing);
    EXPECT_EQ(inspectPath(temp.path()).kind, PathKind::Folder);
}

TEST(FileIo, ReadersRefuseADeviceOrFifoBehindALinkWithoutOpeningIt) {
    test::TempFolder temp;
    const test::WaitingFifo fifo(temp.file("pipe"));
    std::filesystem::create_symlink(fifo.path(), temp.file("kfm.def"));
    std::filesystem::create_symlink(fifo.path(), temp.file("kfm.sff"));
    std::string bytes;
    EXPECT_FALSE(readWholeFile(temp.file("kfm.def"), bytes));
    RandomAccessFile sprite;
    EXPECT_FALSE(sprite.Open(temp.file("kfm.sff")));
    EXPECT_FALSE(fifo.wasOpened());
    std::filesystem::create_symlink("/dev/zero", temp.file("zero.def"));
    EXPECT_FALSE(readWholeFile(temp.file("zero.def"), bytes));
}

} // namespace
} // namespace zorvik::platform
