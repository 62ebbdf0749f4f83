#include <gtest/gtest.h>
#include <string>

#include "core/archive/archiver_handler.h"
#include "core/archive/listing_part.h"
#include "core/platform/stdout_redirect.h"
#include "plugin_runner.h"
#include "support/archive_writer.h"

namespace zorvik::test {
namespace {

class Listing : public PluginTest {};

class ListingEveryFormat : public Listing, public ::testing::WithParamInterface<ArchiveFormat> {};

INSTANTIATE_TEST_SUITE_P(Formats, ListingEveryFormat,
                         ::testing::Values(ArchiveFormat::Zip, ArchiveFormat::SevenZip,
                                           ArchiveFormat::Rar4, ArchiveFormat::Rar5),
                         [](const auto& formatInfo) { return formatName(formatInfo.param); });

TEST_P(ListingEveryFormat, ListsTheFilesInArchiveOrder) {
    const std::string archive = temp.file(std::string("kfm") + formatExtension(GetParam()));
    writeArchive(archive, GetParam(),
                 {Entry::folder("KFM"), Entry::file("KFM/kfm.def", "d"),
                  Entry::file("KFM/Sprites/kfm.sff", "s"), Entry::file("readme.txt", "")});
    EXPECT_EQ(plugin.QueryFunctionList(ZORVIK_ARCHIVER_FUNCTION_LIST_COMMAND), 1);
    ASSERT_EQ(run("l \"" + archive + "\""), 0) << output;
    EXPECT_EQ(output, "files: 3\nKFM/kfm.def\nKFM/Sprites/kfm.sff\nreadme.txt\n");
}

TEST_F(Listing, LeavesOutWhatExtractionNeverWrites) {
    const std::string archive = temp.file("hostile.zip");
    writeArchive(archive, ArchiveFormat::Zip,
                 {Entry::file("../escape.cns", "x"), Entry::file("/etc/absolute.cns", "x"),
                  Entry::symbolicLink("link.cns", "/etc/passwd"),
                  Entry::file("two\nlines.cns", "x"), Entry::file("./kfm//kfm.cns", "x")});
    ASSERT_EQ(run("l \"" + archive + "\""), 0) << output;
    EXPECT_EQ(output, "files: 1\nkfm/kfm.cns\n");
}

TEST_F(Listing, LongListsComeInPartsThatTheManagerJoins) {
    const std::string archive = temp.file("many.zip");
    std::vector<Entry> entries;
    std::vector<std::string> names;
    for (int i = 0; i < 600; ++i) {
        names.push_back("character/sounds/voice_" + std::to_string(i) + ".snd");
        entries.push_back(Entry::file(names.back(), ""));
    }
    writeArchive(archive, ArchiveFormat::Zip, entries);
    ASSERT_EQ(run("L \"" + archive + "\""), 0);
    const auto first = parseListingPart(output);
    ASSERT_TRUE(first && first->next);
    EXPECT_EQ(first->names.front(), names.front());
    EXPECT_EQ(*first->next, first->names.size());
    EXPECT_LE(output.size(), std::size_t{ZORVIK_ARCHIVER_OUTPUT_SIZE - 1});

    const platform::StdoutRedirect quiet;
    KelArchiverHandler handler(ZORVIK_PLUGIN_DIR);
    ASSERT_TRUE(handler.OpenArchive(archive));
    std::vector<std::string> listed;
    ASSERT_TRUE(handler.ListEntries(listed));
    EXPECT_EQ(listed, names);
}

TEST_F(Listing, BadCommandsAndDamagedArchivesFailWithAText) {
    EXPECT_EQ(run("l"), 1);
    EXPECT_EQ(output, "error: the archive is needed\n");
    EXPECT_EQ(run("l \"a.zip\" \"b.zip\""), 1);
    EXPECT_EQ(run("l \"a.zip\" -from:x"), 1);
    EXPECT_EQ(run("l \"a.zip\" -size:1k"), 1);
    EXPECT_EQ(run("l \"" + temp.write("damaged.zip", "PK\x03\x04 and nothing more") + "\""), 2);
    EXPECT_EQ(output.rfind("error: ", 0), 0u);
    EXPECT_FALSE(parseListingPart(output));
}

} // namespace
} // namespace zorvik::test
