#include <filesystem>

#include "list_update_fixture.h"
#include "support/archive_writer.h"

namespace zorvik::test {
namespace {

// An update whose TempDir was emptied (as the settings dialog's OK may
// leave it) with an archive character to extract.
class EmptyTempDirUpdate : public ListUpdateFixture {
protected:
    EmptyTempDirUpdate() {
        writeArchive(root.file("chars/kfm.zip"), ArchiveFormat::Zip,
                     {FixtureEntry::file("kfm.def", defText({}))});
        settings.TempDir.clear();
    }
};

TEST_F(EmptyTempDirUpdate, ArchivesAreExtractedInTheSystemsTemporaryFolder) {
    const std::string system = root.makeFolder("system");
    const ScopedEnvironment tmpdir("TMPDIR", system);
    EXPECT_EQ(update().inserted, 1) << ::testing::PrintToString(messages.shown());
    EXPECT_TRUE(std::filesystem::is_empty(system)); // the extraction folder is gone again

    // A killed update's leftover there is cleared: that is the folder in use.
    root.makeFolder("system/zorvik-scratch-extract-AbCd12");
    update();
    EXPECT_TRUE(std::filesystem::is_empty(system));
    EXPECT_TRUE(messages.shown().empty());
}

TEST_F(EmptyTempDirUpdate, WithoutASystemFolderNothingIsReadAndTheUserIsTold) {
    const ScopedEnvironment tmpdir("TMPDIR", root.file("missing"));
    const ListUpdateOutcome outcome = update();
    EXPECT_FALSE(outcome.listed);
    EXPECT_EQ(rowCount(), 0u);
    EXPECT_THAT(messages.shown(), ::testing::ElementsAre("一時ディレクトリを設定できません"));
    EXPECT_THAT(observer.calls, ::testing::ElementsAre("close"));
}

} // namespace
} // namespace zorvik::test
