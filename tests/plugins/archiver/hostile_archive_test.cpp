#include <filesystem>
#include <gtest/gtest.h>
#include <string>
#include <vector>

#include "plugin_runner.h"
#include "support/archive_writer.h"
#include "support/noise.h"
#include "support/temp_folder.h"

namespace zorvik::test {
namespace {

namespace fs = std::filesystem;
using Entry = ArchiveEntrySpec;
using Tree = std::vector<std::string>;

std::string commandLine(const std::string& command, const std::string& archive,
                        const std::string& destination, const std::string& rest = "") {
    return command + " \"" + archive + "\" \"" + destination + "/\" " + rest;
}

// True when output names an entry ending in nameEnd as skipped for reason.
// (libarchive turns backslashes of zip names into slashes, so the start may differ.)
bool skipped(const std::string& output, const std::string& reason, const std::string& nameEnd) {
    const std::string start = "skipped (" + reason + "): ";
    std::size_t lineStart = 0;
    while (lineStart < output.size()) {
        const std::size_t lineEnd = output.find('\n', lineStart);
        const std::string line = output.substr(lineStart, lineEnd - lineStart);
        if (line.starts_with(start) && line.ends_with(nameEnd)) {
            return true;
        }
        lineStart = lineEnd == std::string::npos ? lineEnd : lineEnd + 1;
    }
    return false;
}

// The destination sits in a folder of its own, so anything that escapes it shows.
class HostileArchive : public ::testing::Test {
protected:
    void SetUp() override { ASSERT_TRUE(plugin.loaded()); }

    PluginRunner plugin;
    TempFolder temp;
    std::string outside = temp.makeFolder("outside");
    std::string out = temp.makeFolder("nest/out");
    std::string archive = temp.file("hostile.archive");
};

class HostileArchiveBothModes : public HostileArchive,
                                public ::testing::WithParamInterface<const char*> {};

INSTANTIATE_TEST_SUITE_P(Modes, HostileArchiveBothModes, ::testing::Values("x", "e"));

TEST_P(HostileArchiveBothModes, EscapingNamesAndLinksAreSkippedAndNamed) {
    const std::string absolute = outside + "/absolute.txt";
    writeArchive(archive, ArchiveFormat::Zip,
                 {Entry::file("../escaped1.txt", "1"), Entry::file("kfm/../../escaped2.txt", "2"),
                  Entry::file("..\\escaped3.txt", "3"), Entry::file(absolute, "4"),
                  Entry::file("C:\\drive.txt", "5"), Entry::symbolicLink("link", outside),
                  Entry::file("link/through.txt", "6"), Entry::file("kfm/kfm.def", "good")});

    ASSERT_EQ(plugin.run(commandLine(GetParam(), archive, out)), 0) << plugin.output();
    const std::string& output = plugin.output();
    EXPECT_TRUE(skipped(output, "parent folder reference", "../escaped1.txt")) << output;
    EXPECT_TRUE(skipped(output, "parent folder reference", "kfm/../../escaped2.txt"));
    EXPECT_TRUE(skipped(output, "parent folder reference", "escaped3.txt"));
    EXPECT_TRUE(skipped(output, "absolute path", absolute));
    EXPECT_TRUE(skipped(output, "absolute path", "drive.txt"));
    EXPECT_TRUE(skipped(output, "symbolic link", "link"));
    EXPECT_TRUE(treeOf(outside).empty());
    for (const std::string& path : treeOf(temp.file("nest"))) {
        EXPECT_TRUE(path.starts_with("out/")) << path;
    }
    const Tree expected = std::string(GetParam()) == "x"
                              ? Tree{"kfm/", "kfm/kfm.def", "link/", "link/through.txt"}
                              : Tree{"kfm.def", "through.txt"};
    EXPECT_EQ(treeOf(out), expected);
}

TEST_F(HostileArchive, LinksDevicesAndFifosInRarArchivesAreSkippedAndNamed) {
    writeArchive(archive, ArchiveFormat::Rar4,
                 {Entry::symbolicLink("link4", outside + "/target"),
                  Entry::special("fifo4", Entry::Kind::Fifo),
                  Entry::special("device4", Entry::Kind::CharacterDevice),
                  Entry::file("kfm.def", "four")});
    ASSERT_EQ(plugin.run(commandLine("x", archive, out)), 0) << plugin.output();
    EXPECT_TRUE(skipped(plugin.output(), "symbolic link", "link4")) << plugin.output();
    EXPECT_TRUE(skipped(plugin.output(), "FIFO", "fifo4"));
    EXPECT_TRUE(skipped(plugin.output(), "device file", "device4"));

    const std::string five = temp.file("five.rar");
    writeArchive(five, ArchiveFormat::Rar5,
                 {Entry::file("kfm.sff", "five"), Entry::hardLink("hard5", outside + "/target"),
                  Entry::symbolicLink("link5", "/etc/passwd")});
    ASSERT_EQ(plugin.run(commandLine("x", five, out)), 0) << plugin.output();
    EXPECT_TRUE(skipped(plugin.output(), "hard link", "hard5")) << plugin.output();
    EXPECT_TRUE(skipped(plugin.output(), "symbolic link", "link5"));

    EXPECT_EQ(treeOf(out), (Tree{"kfm.def", "kfm.sff"}));
    EXPECT_TRUE(treeOf(outside).empty());
}

TEST_F(HostileArchive, LinksAlreadyInTheDestinationAreNeverFollowed) {
    const std::string victim = temp.write("outside/victim.def", "keep me");
    fs::create_symlink(victim, out + "/kfm.def");
    fs::create_symlink(outside, out + "/sub");
    writeArchive(archive, ArchiveFormat::Zip,
                 {Entry::file("kfm.def", "from the archive"), Entry::file("sub/planted.txt", "x")});

    EXPECT_EQ(plugin.run(commandLine("x", archive, out)), 4);
    EXPECT_TRUE(plugin.output().starts_with("error: cannot write sub/planted.txt")) << plugin.output();
    EXPECT_EQ(readFile(victim), "keep me");
    EXPECT_EQ(treeOf(outside), (Tree{"victim.def"}));
    EXPECT_FALSE(fs::is_symlink(out + "/kfm.def"));
    EXPECT_EQ(readFile(out + "/kfm.def"), "from the archive");
}

TEST_F(HostileArchive, SizeLimitStopsTheExtractionWithAFailure) {
    const std::string block = pseudoRandomBytes(600 * 1024, 2);
    writeArchive(archive, ArchiveFormat::Zip,
                 {Entry::file("a.snd", block), Entry::file("b.snd", block), Entry::file("c.snd", block)});
    EXPECT_EQ(plugin.run(commandLine("x", archive, out, "-size:1m")), 3);
    EXPECT_TRUE(plugin.output().starts_with("error: the files exceed the size limit of 1048576 bytes"))
        << plugin.output();
    EXPECT_EQ(treeOf(out), (Tree{"a.snd"}));

    EXPECT_EQ(plugin.run(commandLine("x", archive, out, "-SIZE:2M")), 0) << plugin.output();
    EXPECT_EQ(treeOf(out), (Tree{"a.snd", "b.snd", "c.snd"}));
}

TEST_F(HostileArchive, SizeLimitCountsTheBytesReallyWrittenNotTheHeader) {
    Entry liar = Entry::file("liar.snd", pseudoRandomBytes(700 * 1024, 3));
    liar.declaredSize = 10;
    writeArchive(archive, ArchiveFormat::Rar4, {Entry::file("kfm.def", "x"), liar});
    // libarchive hands out at least one read block of it, well over the limit.
    EXPECT_EQ(plugin.run(commandLine("e", archive, out, "-size:64k")), 3) << plugin.output();
    // The file cut off at the limit does not stay behind half written.
    EXPECT_EQ(treeOf(out), (Tree{"kfm.def"}));
}

TEST_F(HostileArchive, TruncatedArchivesFailWithATextAndLeaveNoHalfFile) {
    const std::vector<Entry> entries{Entry::file("kfm.def", "x"),
                                     Entry::file("kfm.sff", pseudoRandomBytes(200 * 1024, 4))};
    for (const ArchiveFormat format : {ArchiveFormat::Zip, ArchiveFormat::SevenZip,
                                       ArchiveFormat::Rar4, ArchiveFormat::Rar5}) {
        writeArchive(archive, format, entries);
        const std::string whole = readFile(archive);
        // Cut inside the sprite's data: the data is missing, not just an index.
        for (const std::size_t size : {whole.size() / 2, whole.size() * 3 / 4}) {
            fs::remove_all(out);
            fs::create_directory(out);
            const std::string cut = temp.write("cut.archive", whole.substr(0, size));
            EXPECT_NE(plugin.run(commandLine("x", cut, out)), 0) << formatName(format) << size;
            EXPECT_TRUE(plugin.output().starts_with("error: ")) << plugin.output();
            const Tree left = treeOf(out);
            EXPECT_TRUE(left.empty() || left == Tree{"kfm.def"}) << formatName(format) << size;
        }
    }
}

TEST_F(HostileArchive, CorruptedCompressedDataFailsWithAText) {
    // Stored RAR data is not checked against its CRC by libarchive, so only
    // the compressed formats can tell damaged data from good data.
    for (const ArchiveFormat format : {ArchiveFormat::Zip, ArchiveFormat::SevenZip}) {
        writeArchive(archive, format,
                     {Entry::file("kfm.def", "x"), Entry::file("kfm.sff", std::string(300000, 'a'))});
        std::string bytes = readFile(archive);
        for (std::size_t i = 60; i < 120 && i < bytes.size(); ++i) {
            bytes[i] = static_cast<char>(~bytes[i]);
        }
        const std::string damaged = temp.write(std::string("damaged") + formatExtension(format), bytes);
        EXPECT_NE(plugin.run(commandLine("x", damaged, out)), 0) << formatName(format);
        EXPECT_TRUE(plugin.output().starts_with("error: ")) << plugin.output();
    }
}

} // namespace
} // namespace zorvik::test
