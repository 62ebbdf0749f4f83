#include <cstring>
#include <gtest/gtest.h>
#include <string>

#include "plugin_runner.h"
#include "support/archive_writer.h"
#include "support/noise.h"

namespace zorvik::test {
namespace {

class ArchiverPlugin : public PluginTest {
protected:
    int checkArchive(const std::string& path) const { return plugin.CheckArchive(path, 0); }
};

class EveryFormat : public ArchiverPlugin, public ::testing::WithParamInterface<ArchiveFormat> {};

INSTANTIATE_TEST_SUITE_P(Formats, EveryFormat,
                         ::testing::Values(ArchiveFormat::Zip, ArchiveFormat::SevenZip,
                                           ArchiveFormat::Rar4, ArchiveFormat::Rar5),
                         [](const auto& formatInfo) { return formatName(formatInfo.param); });

TEST_P(EveryFormat, IsRecognisedWhateverTheExtensionCaseAndExtractsKeepingFolders) {
    std::string extension = formatExtension(GetParam());
    for (char& c : extension) {
        c = static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
    }
    const std::string archive = temp.file("chara" + extension);
    const std::string sprite = pseudoRandomBytes(300 * 1024, 1);
    writeArchive(archive, GetParam(),
                 {Entry::folder("kfm"), Entry::file("kfm/kfm.def", "[Info]\nName=kfm\n"),
                  Entry::file("kfm/sprites/kfm.sff", sprite), Entry::file("readme.txt", "")});
    EXPECT_EQ(checkArchive(archive), 1);

    ASSERT_EQ(run(commandLine("x", archive, out)), 0) << output;
    EXPECT_EQ(treeOf(out),
              (Tree{"kfm/", "kfm/kfm.def", "kfm/sprites/", "kfm/sprites/kfm.sff", "readme.txt"}));
    EXPECT_EQ(readFile(out + "/kfm/kfm.def"), "[Info]\nName=kfm\n");
    EXPECT_EQ(readFile(out + "/kfm/sprites/kfm.sff"), sprite);
    EXPECT_EQ(output, "extracted files: 3, skipped entries: 0\n");
}

TEST_F(ArchiverPlugin, CheckArchiveRefusesWhatItCannotRead) {
    EXPECT_EQ(checkArchive(temp.write("fake.zip", "PK but not really a zip archive")), 0);
    EXPECT_EQ(checkArchive(temp.write("empty.rar", "")), 0);
    EXPECT_EQ(checkArchive(temp.file("absent.zip")), 0);
    writeArchive(temp.file("chara.txt"), ArchiveFormat::Zip, {Entry::file("kfm.def", "x")});
    EXPECT_EQ(checkArchive(temp.file("chara.txt")), 0);
}

TEST_F(ArchiverPlugin, DroppingPathsKeepsTheFirstFileOfEachNameAndSaysSo) {
    const std::string archive = temp.file("kfm.zip");
    writeArchive(archive, ArchiveFormat::Zip,
                 {Entry::file("kfm/KFM.DEF", "first"), Entry::file("kfm/kfm.SFF", "sprites"),
                  Entry::file("kfm/sound/kfm.snd", "sounds"),
                  Entry::file("other/kfm.def", "second"),
                  Entry::file("kfm/readme.txt", "read me")});

    ASSERT_EQ(run(commandLine("e", archive, out, "*.def *.sff")), 0) << output;
    EXPECT_EQ(treeOf(out), (Tree{"KFM.DEF", "kfm.SFF"}));
    EXPECT_EQ(readFile(out + "/KFM.DEF"), "first");
    EXPECT_EQ(output, "extracted files: 2, skipped entries: 1\n"
                      "skipped (same name as an earlier file): other/kfm.def\n");
}

TEST_F(ArchiverPlugin, MasksMatchFileNamesWithWildcardsIgnoringCase) {
    const std::string archive = temp.file("masks.zip");
    writeArchive(archive, ArchiveFormat::Zip,
                 {Entry::file("abc.txt", ""),
                  Entry::file("a\xC3\xA9"
                              "c.txt",
                              ""),
                  Entry::file("ac.txt", ""), Entry::file("abcd.txt", ""),
                  Entry::file("deep/ABC.DEF", ""), Entry::file("abc", "")});

    ASSERT_EQ(run(commandLine("x", archive, out, "a?c.*")), 0) << output;
    EXPECT_EQ(treeOf(out), (Tree{"abc.txt",
                                 "a\xC3\xA9"
                                 "c.txt",
                                 "deep/", "deep/ABC.DEF"}));
}

TEST_F(ArchiverPlugin, ShiftJisNamesAreWrittenAsUtf8) {
    const std::string archive = temp.file("sjis.rar");
    // "テスト" in code page 932, as Japanese Windows tools store names.
    writeArchive(archive, ArchiveFormat::Rar4,
                 {Entry::file("kfm/\x83\x65\x83\x58\x83\x67.DEF", "def")});
    ASSERT_EQ(run(commandLine("e", archive, out, "*.def")), 0) << output;
    EXPECT_EQ(treeOf(out), (Tree{"テスト.DEF"}));
}

TEST_F(ArchiverPlugin, CommandLinesItDoesNotUnderstandFailWithAText) {
    const std::string archive = temp.file("kfm.zip");
    writeArchive(archive, ArchiveFormat::Zip, {Entry::file("kfm.def", "x")});
    for (const std::string& line :
         {std::string(""), "z \"" + archive + "\" \"" + out + "\"", "x \"" + archive + "\"",
          commandLine("x", archive, out, "-size:12q"), commandLine("x", archive, out, "-fast"),
          commandLine("x", archive, "") + "\"", "x \"\" \"" + out + "\""}) {
        EXPECT_EQ(run(line), 1) << line;
        EXPECT_TRUE(output.starts_with("error: ")) << line << " -> " << output;
    }
    EXPECT_EQ(run(commandLine("x", temp.file("absent.zip"), out)), 2);
    EXPECT_EQ(run(commandLine("x", archive, temp.file("absent"))), 4);
    EXPECT_TRUE(treeOf(out).empty());
}

TEST_F(ArchiverPlugin, OutputAlwaysFitsTheBufferItIsGiven) {
    std::vector<Entry> links;
    for (int i = 0; i < 200; ++i) {
        links.push_back(
            Entry::symbolicLink("link-" + std::to_string(i) + "-with-a-long-name", "x"));
    }
    const std::string archive = temp.file("links.zip");
    writeArchive(archive, ArchiveFormat::Zip, links);
    const std::string line = commandLine("x", archive, out);

    char buffer[64];
    std::memset(buffer, 0x7F, sizeof buffer);
    EXPECT_EQ(plugin.RunCommand(nullptr, line, buffer, 50), 0);
    EXPECT_EQ(std::strlen(buffer), 49u);
    EXPECT_EQ(std::string(buffer + 50, buffer + 64), std::string(14, '\x7F'));
    EXPECT_EQ(plugin.RunCommand(nullptr, line, nullptr, 0), 0);
    EXPECT_EQ(run(line), 0);
    EXPECT_EQ(output.size(), ZORVIK_ARCHIVER_OUTPUT_SIZE - 1);
}

} // namespace
} // namespace zorvik::test
