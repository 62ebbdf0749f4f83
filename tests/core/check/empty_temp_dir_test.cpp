#include <filesystem>

#include "check_fixture.h"
#include "support/archive_writer.h"

namespace zorvik::test {
namespace {

// An archive character whose .def names a file the archive lacks, registered.
class EmptyTempDirCheck : public CheckFixture {
protected:
    void SetUp() override {
        writeArchive(root.file("chars/kfm.zip"), ArchiveFormat::Zip,
                     {FixtureEntry::file("kfm.def", filesDef({{"cns", "absent.cns"}}))});
        ASSERT_EQ(update().inserted, 1);
        settings.TempDir.clear();
    }
};

TEST_F(EmptyTempDirCheck, ArchivesAreExtractedInTheSystemsTemporaryFolder) {
    const std::string system = root.makeFolder("system");
    const ScopedEnvironment tmpdir("TMPDIR", system);
    const CheckReport report = check();
    ASSERT_TRUE(report.completed);
    ASSERT_EQ(report.broken.size(), 1u);
    EXPECT_EQ(report.broken[0].value, "absent.cns");
    EXPECT_EQ(report.archivesNotChecked, 0);
    EXPECT_TRUE(std::filesystem::is_empty(system)); // its folder is removed again
}

// Never a folder at the file system's root: the archive is left unchecked.
TEST_F(EmptyTempDirCheck, WithoutASystemFolderArchivesAreNotChecked) {
    const ScopedEnvironment tmpdir("TMPDIR", root.file("missing"));
    const CheckReport report = check();
    EXPECT_TRUE(report.completed);
    EXPECT_TRUE(report.broken.empty());
    EXPECT_EQ(report.archivesNotChecked, 1);
}

} // namespace
} // namespace zorvik::test
