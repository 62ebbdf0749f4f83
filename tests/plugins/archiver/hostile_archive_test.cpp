#include <filesystem>
#include <gtest/gtest.h>
#include <string>
#include <sys/stat.h>
#include <unistd.h>

#include "plugin_runner.h"
#include "support/archive_writer.h"
#include "support/noise.h"

namespace zorvik::test {
namespace {

namespace fs = std::filesystem;

// True when output names an entry ending in nameEnd as skipped for reason
// (libarchive turns the backslashes of zip names into slashes).
bool skipped(const std::string& output, const std::string& reason, const std::string& nameEnd) {
    const std::string start = "skipped (" + reason + "): ";
    for (std::size_t at = output.find(start); at != std::string::npos;
         at = output.find(start, at + 1)) {
        const std::string line = output.substr(at, output.find('\n', at) - at);
        if (line.ends_with(nameEnd)) {
            return true;
        }
    }
    return false;
}

// The destination "nest/out" has a sibling folder, so anything that escapes shows.
class HostileArchive : public PluginTest {
protected:
    std::string outside = temp.makeFolder("outside");
    std::string archive = temp.file("hostile.zip");
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

    ASSERT_EQ(run(commandLine(GetParam(), archive, out)), 0) << output;
    const std::string& text = output;
    EXPECT_TRUE(skipped(text, "parent folder reference", "../escaped1.txt")) << text;
    EXPECT_TRUE(skipped(text, "parent folder reference", "kfm/../../escaped2.txt"));
    EXPECT_TRUE(skipped(text, "parent folder reference", "escaped3.txt"));
    EXPECT_TRUE(skipped(text, "absolute path", absolute));
    EXPECT_TRUE(skipped(text, "absolute path", "drive.txt"));
    EXPECT_TRUE(skipped(text, "symbolic link", "link"));
    EXPECT_TRUE(treeOf(outside).empty());
    EXPECT_EQ(treeOf(temp.file("nest")).front(), "out/");
    EXPECT_EQ(treeOf(out), std::string(GetParam()) == "x"
                               ? (Tree{"kfm/", "kfm/kfm.def", "link/", "link/through.txt"})
                               : (Tree{"kfm.def", "through.txt"}));
}

TEST_F(HostileArchive, LinksDevicesAndFifosInRarArchivesAreSkippedAndNamed) {
    writeArchive(temp.file("four.rar"), ArchiveFormat::Rar4,
                 {Entry::symbolicLink("link4", outside + "/target"),
                  Entry::special("fifo4", Entry::Kind::Fifo),
                  Entry::special("device4", Entry::Kind::CharacterDevice),
                  Entry::file("kfm.def", "four")});
    ASSERT_EQ(run(commandLine("x", temp.file("four.rar"), out)), 0) << output;
    EXPECT_TRUE(skipped(output, "symbolic link", "link4")) << output;
    EXPECT_TRUE(skipped(output, "FIFO", "fifo4"));
    EXPECT_TRUE(skipped(output, "device file", "device4"));

    writeArchive(temp.file("five.rar"), ArchiveFormat::Rar5,
                 {Entry::file("kfm.sff", "five"), Entry::hardLink("hard5", outside + "/target"),
                  Entry::symbolicLink("link5", "/etc/passwd")});
    ASSERT_EQ(run(commandLine("x", temp.file("five.rar"), out)), 0) << output;
    EXPECT_TRUE(skipped(output, "hard link", "hard5")) << output;
    EXPECT_TRUE(skipped(output, "symbolic link", "link5"));
    EXPECT_EQ(treeOf(out), (Tree{"kfm.def", "kfm.sff"}));
    EXPECT_TRUE(treeOf(outside).empty());
}

TEST_F(HostileArchive, LinksAlreadyInTheDestinationAreNeverFollowed) {
    const std::string victim = temp.write("outside/victim.def", "keep me");
    fs::create_symlink(victim, out + "/kfm.def");
    fs::create_symlink(outside, out + "/sub");
    writeArchive(archive, ArchiveFormat::Zip,
                 {Entry::file("kfm.def", "from the archive"), Entry::file("sub/planted.txt", "x")});

    EXPECT_EQ(run(commandLine("x", archive, out)), 4);
    EXPECT_TRUE(output.starts_with("error: cannot write sub/planted.txt")) << output;
    EXPECT_EQ(readFile(victim), "keep me");
    EXPECT_EQ(treeOf(outside), (Tree{"victim.def"}));
    EXPECT_FALSE(fs::is_symlink(out + "/kfm.def"));
    EXPECT_EQ(readFile(out + "/kfm.def"), "from the archive");
}

TEST_F(HostileArchive, SizeLimitStopsTheExtractionWithAFailure) {
    const std::string block = pseudoRandomBytes(600 * 1024, 2);
    writeArchive(
        archive, ArchiveFormat::Zip,
        {Entry::file("a.snd", block), Entry::file("b.snd", block), Entry::file("c.snd", block)});
    EXPECT_EQ(run(commandLine("x", archive, out, "-size:1m")), 3);
    EXPECT_TRUE(output.starts_with("error: the files exceed the size limit of 1048576")) << output;
    EXPECT_EQ(treeOf(out), (Tree{"a.snd"}));
    EXPECT_EQ(run(commandLine("x", archive, out, "-SIZE:2M")), 0) << output;

    // A header that understates the size does not get past the limit, and the
    // file cut off there does not stay behind half written.
    Entry liar = Entry::file("liar.snd", pseudoRandomBytes(700 * 1024, 3));
    liar.declaredSize = 10;
    writeArchive(temp.file("liar.rar"), ArchiveFormat::Rar4, {Entry::file("kfm.def", "x"), liar});
    fs::remove_all(out);
    fs::create_directory(out);
    EXPECT_EQ(run(commandLine("e", temp.file("liar.rar"), out, "-size:64k")), 3);
    EXPECT_EQ(treeOf(out), (Tree{"kfm.def"}));
}

TEST_F(HostileArchive, AFifoOrADeviceNamedLikeAnArchiveIsRefusedAtOnce) {
    const std::string fifo = temp.file("pipe.zip");
    ASSERT_EQ(mkfifo(fifo.c_str(), 0644), 0);
    fs::create_symlink("/dev/zero", temp.file("zero.7z"));
    alarm(10); // an open that waits for a writer ends the test program instead of hanging it
    for (const std::string& path : {fifo, temp.file("zero.7z")}) {
        EXPECT_EQ(plugin.CheckArchive(path, 0), 0) << path;
        EXPECT_EQ(run(commandLine("x", path, out)), 2) << path;
        EXPECT_TRUE(output.starts_with("error: cannot read")) << output;
    }
    alarm(0);
    EXPECT_TRUE(treeOf(out).empty());
}

TEST_F(HostileArchive, DamagedArchivesFailWithATextAndLeaveNoHalfFile) {
    for (const ArchiveFormat format :
         {ArchiveFormat::Zip, ArchiveFormat::SevenZip, ArchiveFormat::Rar4, ArchiveFormat::Rar5}) {
        // Compressible bytes first, then bytes that keep the archive large.
        const std::string sprite = std::string(100000, 'a') + pseudoRandomBytes(200000, 4);
        writeArchive(archive, format,
                     {Entry::file("kfm.def", "x"), Entry::file("kfm.sff", sprite)});
        const std::string whole = readFile(archive);
        std::vector<std::string> damaged{whole.substr(0, whole.size() / 2),
                                         whole.substr(0, whole.size() * 3 / 4)};
        // Stored RAR data is not checked against its CRC by libarchive, so
        // only the compressed formats can tell flipped data bytes.
        if (format == ArchiveFormat::Zip || format == ArchiveFormat::SevenZip) {
            damaged.push_back(whole);
            for (std::size_t i = 60; i < 120; ++i) {
                damaged.back()[i] = static_cast<char>(~damaged.back()[i]);
            }
        }
        for (const std::string& bytes : damaged) {
            fs::remove_all(out);
            fs::create_directory(out);
            const std::string path =
                temp.write(std::string("bad") + formatExtension(format), bytes);
            EXPECT_NE(run(commandLine("x", path, out)), 0) << formatName(format);
            EXPECT_TRUE(output.starts_with("error: ")) << output;
            const Tree left = treeOf(out);
            EXPECT_TRUE(left.empty() || left == Tree{"kfm.def"}) << formatName(format);
        }
    }
}

} // namespace
} // namespace zorvik::test
