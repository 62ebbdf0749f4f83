#include <filesystem>

#include "check_fixture.h"
#include "support/archive_writer.h"

namespace zorvik::test {
namespace {

namespace fs = std::filesystem;

// A collection sorted into group folders, checked as the update lists it.
class NestedCheck : public CheckFixture {
protected:
    NestedCheck() { settings.SearchSubfolders = true; }

    void addNested(const std::string& folder, const std::string& def, const FileEntries& files,
                   const std::vector<std::string>& present) {
        root.write("chars/" + folder + "/" + def, filesDef(files, folder));
        for (const std::string& file : present) {
            root.write("chars/" + folder + "/" + file, "x");
        }
    }
};

TEST_F(NestedCheck, FilesAreResolvedInTheNestedFolder) {
    addNested("KOF/kyo", "kyo.def", {{"cmd", "kyo.cmd"}, {"sprite", "Data\\KYO.SFF"}},
              {"kyo.cmd", "data/kyo.sff"});
    addNested("Capcom/Street Fighter/ken", "ken.def", {{"cmd", "ken.cmd"}, {"cns", "ken.cns"}},
              {"ken.cmd"});
    ASSERT_EQ(update().inserted, 2);
    const CheckReport report = check();
    ASSERT_TRUE(report.completed) << japaneseText(report.error.value_or(Message{}));
    EXPECT_TRUE(report.missing.empty());
    ASSERT_EQ(report.broken.size(), 1u);
    EXPECT_EQ(report.broken[0].fileName, "Capcom/Street Fighter/ken");
    EXPECT_EQ(report.broken[0].defFile, "ken.def");
    EXPECT_EQ(report.broken[0].key, "cns");
}

TEST_F(NestedCheck, ANestedCharacterGoneOrItsGroupRenamedIsMissing) {
    addNested("KOF/kyo", "kyo.def", {}, {});
    addNested("KOF/iori", "iori.def", {}, {});
    addNested("solo", "solo.def", {}, {});
    update();
    fs::remove_all(root.file("chars/KOF/iori"));
    CheckReport report = check();
    ASSERT_EQ(report.missing.size(), 1u);
    EXPECT_EQ(report.missing[0].fileName, "KOF/iori");
    EXPECT_FALSE(report.missing[0].marked);

    fs::rename(root.file("chars/KOF"), root.file("chars/SNK"));
    report = check();
    EXPECT_EQ(report.missing.size(), 2u);

    // With the setting off only the top level is looked at: every nested row is gone.
    settings.SearchSubfolders = false;
    fs::rename(root.file("chars/SNK"), root.file("chars/KOF"));
    report = check();
    EXPECT_EQ(report.missing.size(), 2u);
}

TEST_F(NestedCheck, AnArchiveInAGroupFolderIsChecked) {
    fs::create_directories(root.file("chars/Capcom"));
    writeArchive(root.file("chars/Capcom/ryu.zip"), ArchiveFormat::Zip,
                 {FixtureEntry::file("ryu.def", filesDef({{"cmd", "ryu.cmd"}}, "Ryu"))});
    ASSERT_EQ(update().inserted, 1);
    const CheckReport report = check();
    ASSERT_TRUE(report.completed) << japaneseText(report.error.value_or(Message{}));
    EXPECT_TRUE(report.missing.empty());
    EXPECT_EQ(report.archivesNotChecked, 0);
    ASSERT_EQ(report.broken.size(), 1u);
    EXPECT_EQ(report.broken[0].fileName, "Capcom/ryu.zip");
    EXPECT_EQ(report.broken[0].key, "cmd");
    EXPECT_TRUE(fs::is_empty(settings.TempDir));
}

} // namespace
} // namespace zorvik::test
