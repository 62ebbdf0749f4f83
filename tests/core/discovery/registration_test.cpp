#include "core/discovery/registration.h"

#include <filesystem>

#include "core/archive/archiver_handler.h"
#include "core/discovery/candidate.h"
#include "core/discovery/character_files.h"
#include "list_update_fixture.h"
#include "support/archive_writer.h"

namespace zorvik::test {
namespace {

namespace fs = std::filesystem;

class Registration : public ListUpdateFixture, public ::testing::WithParamInterface<ArchiveFormat> {
protected:
    // An archive as characters are shipped: a top folder with the .def,
    // the sprites and sounds that registration does not need.
    std::string writeCharacterArchive(const std::string& fileName, ArchiveFormat format) {
        const std::string path = root.file("chars/" + fileName);
        writeArchive(path, format,
                     {FixtureEntry::folder("kfm/"), FixtureEntry::file("kfm/kfm.def", defText({})),
                      FixtureEntry::file("kfm/kfm.sff", portraitSff()),
                      FixtureEntry::file("kfm/sound.snd", std::string(4096, 's'))});
        stamp(path, "2011-07-15");
        return path;
    }

    bool tempIsEmpty() const { return fs::is_empty(settings.TempDir); }
};

TEST_P(Registration, ArchiveWithATopFolderRegistersThroughTheShippedPlugin) {
    const std::string extension = formatExtension(GetParam());
    std::string upper = extension;
    for (char& c : upper) {
        c = static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
    }
    writeCharacterArchive("KFM" + upper, GetParam());
    settings.RegisterSprite = true;
    const ListUpdateOutcome outcome = update();
    ASSERT_EQ(outcome.inserted, 1) << ::testing::PrintToString(messages.shown());
    const StoredRow stored = row("KFM" + extension); // the extension in small letters
    EXPECT_EQ(stored.text.at("NAME"), "Kung Fu Man");
    EXPECT_EQ(stored.text.at("LASTCHECK_DATE"), "2011-07-15");
    EXPECT_EQ(stored.text.at("FILETYPE"), std::to_string(extension == ".zip"  ? 2
                                                         : extension == ".7z" ? 4
                                                                              : 8));
    EXPECT_EQ(stored.text.at("IMAGE IS NULL"), "0");
    EXPECT_TRUE(tempIsEmpty()); // the extraction folder is gone again
    EXPECT_TRUE(messages.shown().empty());
}

INSTANTIATE_TEST_SUITE_P(EachKind, Registration,
                         ::testing::Values(ArchiveFormat::Zip, ArchiveFormat::SevenZip,
                                           ArchiveFormat::Rar4, ArchiveFormat::Rar5),
                         [](const auto& param) { return std::string(formatName(param.param)); });

// What a killed update left never stands in the way: its folders are
// cleared, and any other folder of the archive's name is no concern.
TEST_F(ListUpdateFixture, LeftoverExtractionFoldersNeverBlockAnArchive) {
    writeArchive(root.file("chars/kfm.zip"), ArchiveFormat::Zip,
                 {FixtureEntry::file("kfm.def", defText({}))});
    root.makeFolder("temp/kfm.zip");
    root.write("temp/zorvik-scratch-extract-K1ll3d/kfm.def", defText({}));
    EXPECT_EQ(update().inserted, 1);
    EXPECT_TRUE(messages.shown().empty());
    EXPECT_TRUE(fs::exists(root.file("temp/kfm.zip"))); // not ours to delete
    EXPECT_FALSE(fs::exists(root.file("temp/zorvik-scratch-extract-K1ll3d")));

    // A temporary folder where nothing can be made is named in the message.
    settings.TempDir = root.file("temp/missing/");
    stamp(root.file("chars/kfm.zip"), "2020-01-01");
    const ListUpdateOutcome outcome = update();
    EXPECT_EQ(outcome.updated, 0);
    EXPECT_THAT(messages.shown(), ::testing::ElementsAre(settings.TempDir +
                                                         "zorvik-scratch-extract-XXXXXX/を作れませんでした"));
    EXPECT_THAT(outcome.unreadable, ::testing::ElementsAre("kfm.zip"));
}

TEST_F(ListUpdateFixture, ArchiveNoPluginAcceptsLeavesNoRowAndNoFolder) {
    root.write("chars/broken.zip", "this is not a zip archive");
    EXPECT_EQ(update().inserted, 0);
    EXPECT_TRUE(fs::is_empty(settings.TempDir));
    EXPECT_TRUE(messages.shown().empty());
}

TEST_F(ListUpdateFixture, ArchiveNameWithADoubleQuoteIsNotHandedToThePlugin) {
    writeArchive(root.file("chars/a\" b.zip"), ArchiveFormat::Zip,
                 {FixtureEntry::file("kfm.def", defText({}))});
    EXPECT_EQ(update().inserted, 0);
    EXPECT_TRUE(fs::is_empty(settings.TempDir));
}

TEST_F(ListUpdateFixture, OnlyAFolderCharactersSpritePathMayClimbOutOfItsFolder) {
    DefFields climbing;
    climbing.sprite = "..\\shared\\KFM.SFF";
    // An archive would reach another file of the temporary folder this way.
    root.write("temp/shared/kfm.sff", portraitSff());
    writeArchive(root.file("chars/kfm.zip"), ArchiveFormat::Zip,
                 {FixtureEntry::file("kfm.def", defText(climbing))});
    // A folder character may share its sprites with its siblings.
    root.write("chars/ryu/ryu.def", defText(climbing));
    root.write("chars/shared/kfm.sff", portraitSff());
    settings.RegisterSprite = true;
    ASSERT_EQ(update().inserted, 2) << ::testing::PrintToString(messages.shown());
    EXPECT_EQ(row("kfm.zip").text.at("IMAGE IS NULL"), "1");
    EXPECT_EQ(row("ryu").text.at("IMAGE IS NULL"), "0");
    EXPECT_TRUE(messages.shown().empty());
    EXPECT_TRUE(staysInsideFolder("a\\..\\b\\.\\c.sff"));
    EXPECT_FALSE(staysInsideFolder("a/../../c.sff"));
}

TEST_F(ListUpdateFixture, RegistrationBindsEveryValue) {
    addFolder("kfm");
    addFolder("other");
    KelArchiverHandler archiver(root.file("no-plugins"));
    const auto registerAs = [&](const Candidate& candidate, std::int64_t id) {
        return registerCharacter(settings, catalogue, messages, archiver, candidate, id);
    };
    ASSERT_EQ(registerAs({"other", "other", 0, "2012-03-03"}, -1), RegistrationResult::Written);
    const std::int64_t otherId = row("other").id;
    // A date holding a single quote, as a hostile value would: stored as given.
    ASSERT_EQ(registerAs({"kfm", "kfm", 0, "2012'); DROP TABLE x;--"}, -1),
              RegistrationResult::Written);
    EXPECT_EQ(row("kfm").text.at("LASTCHECK_DATE"), "2012'); DROP TABLE x;--");
    // Rewriting one row by its ID leaves the other alone.
    ASSERT_EQ(registerAs({"kfm", "kfm", 0, "2020-01-01"}, row("kfm").id),
              RegistrationResult::Written);
    EXPECT_EQ(row("other").id, otherId);
    EXPECT_EQ(row("other").text.at("LASTCHECK_DATE"), "2012-03-03");
    EXPECT_EQ(rowCount(), 2u);
}

} // namespace
} // namespace zorvik::test
