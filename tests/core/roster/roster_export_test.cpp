#include "core/roster/roster_export.h"

#include <filesystem>
#include <gtest/gtest.h>
#include <sqlite3.h>
#include <sys/stat.h>
#include <unistd.h>

#include "core/catalogue/character_db.h"
#include "core/catalogue/statement.h"
#include "core/discovery/candidate.h"
#include "core/roster/character_def.h"
#include "support/character_fixture.h"
#include "support/temp_folder.h"

namespace zorvik {
namespace {

namespace fs = std::filesystem;

// A catalogue with its character folder and an engine folder to write into.
class RosterExport : public ::testing::Test {
protected:
    void addRow(const std::string& fileName, const std::string& name,
                int fileType = kFolderCharacter, int deleted = 0) {
        Statement insert(catalogue.statements(),
                         "INSERT INTO CHARACTER_TABLE(FILETYPE, FILENAME, NAME, DELETED) "
                         "VALUES(?, ?, ?, ?)");
        ASSERT_TRUE(insert.bind({BoundValue::ofInt(fileType), BoundValue::ofText(fileName),
                                 BoundValue::ofText(name), BoundValue::ofInt(deleted)}));
        ASSERT_EQ(insert.step(), SQLITE_DONE);
    }

    // A folder character registered under its name, with one .def file.
    void addFolder(const std::string& folder, const std::string& defFile, const std::string& name) {
        test::DefFields fields;
        fields.name = name;
        temp.write("chars/" + folder + "/" + defFile, test::defText(fields));
        addRow(folder, name);
    }

    RosterReport exportTo(const std::string& target, const RosterSelection& selection = {}) {
        options.target = target;
        return ExportRoster(catalogue, temp.file("chars"), selection, options);
    }

    std::string target() const { return temp.file("mugen/data/select.def"); }

    test::TempFolder temp;
    Kel_CharacterDb catalogue{temp.file("db.sqlite3")};
    RosterOptions options;
    std::string dataFolder = temp.makeFolder("mugen/data");
};

std::vector<std::string> fileNames(const std::vector<RosterCharacter>& characters) {
    std::vector<std::string> names;
    for (const RosterCharacter& character : characters) {
        names.push_back(character.fileName);
    }
    return names;
}

TEST_F(RosterExport, FolderCharactersGetTheirDefAndArchivesAreLeftOutAndReported) {
    addFolder("kfm", "KFM.def", "Kung Fu Man");
    addFolder("ryu", "evil.def", "Evil Ryu");
    // Registration skips a .def without a Name, and so does the roster.
    temp.write("chars/ken/a-notes.def", "[Info]\r\nauthor = me\r\n");
    addFolder("ken", "ken-alt.def", "Ken");
    addRow("suave.zip", "Suave Dude", kZipCharacter);
    addRow("gone", "Gone");
    addRow("old", "Deleted", kFolderCharacter, 1);
    options.stage = RosterStage::Random;
    const RosterReport report = exportTo(target());
    ASSERT_TRUE(report.succeeded()) << report.errorText;
    EXPECT_EQ(test::readFile(target()),
              "[Characters]\r\nkfm, random\r\nryu/evil.def, random\r\nken/ken-alt.def, random\r\n");
    EXPECT_EQ(report.linesWritten, 3u);
    ASSERT_EQ(report.archivesLeftOut.size(), 1u);
    EXPECT_EQ(report.archivesLeftOut[0].name, "Suave Dude");
    EXPECT_EQ(report.archivesLeftOut[0].fileName, "suave.zip");
    EXPECT_EQ(fileNames(report.defNotFound), (std::vector<std::string>{"gone"}));
    EXPECT_TRUE(report.backupPath.empty()); // there was no old file
}

TEST_F(RosterExport, NestedCharactersAreWrittenByTheirDefsRelativePath) {
    addFolder("KOF/kyo", "kyo.def", "Kyo");
    addFolder("Capcom/Street Fighter/ken", "ken-alt.def", "Ken");
    addFolder("kfm", "kfm.def", "Kung Fu Man");
    addRow("Capcom/ryu.zip", "Ryu", kZipCharacter);
    addRow("KOF/gone", "Gone");
    // A merge replaces the old line of a nested character and keeps the others.
    temp.write("mugen/data/select.def",
               "[Characters]\nkof/KYO/kyo.def, stages/old.def\nKOF/iori/iori.def\n");
    options.merge = true;
    const RosterReport report = exportTo(target());
    ASSERT_TRUE(report.succeeded()) << report.errorText;
    EXPECT_EQ(test::readFile(target()), "[Characters]\nKOF/iori/iori.def\nKOF/kyo/kyo.def\n"
                                        "Capcom/Street Fighter/ken/ken-alt.def\nkfm\n");
    EXPECT_EQ(fileNames(report.archivesLeftOut), (std::vector<std::string>{"Capcom/ryu.zip"}));
    EXPECT_EQ(fileNames(report.defNotFound), (std::vector<std::string>{"KOF/gone"}));
}

TEST_F(RosterExport, TheEngineGetsANestedCharacterByItsDefPath) {
    addFolder("kfm", "other.def", "Kung Fu Man");
    addFolder("KOF/kyo", "kyo-98.def", "Kyo");
    const std::string chars = temp.file("chars");
    // A top-level character and an archive keep their FILENAME, as before.
    EXPECT_EQ(engineCharacterPath(chars, "kfm", kFolderCharacter), "kfm");
    EXPECT_EQ(engineCharacterPath(chars, "Capcom/ryu.zip", kZipCharacter), "Capcom/ryu.zip");
    EXPECT_EQ(engineCharacterPath(chars, "KOF/kyo", kFolderCharacter), "KOF/kyo/kyo-98.def");
    // Found ignoring letter case, as the engine finds it on Windows.
    EXPECT_EQ(engineCharacterPath(chars, "kof/KYO", kFolderCharacter), "kof/KYO/kyo-98.def");
    // No .def with a Name: the folder's own name.
    EXPECT_EQ(engineCharacterPath(chars, "KOF/gone", kFolderCharacter), "KOF/gone/gone.def");
}

TEST_F(RosterExport, TheListsSearchAndSortChooseAndOrderTheLines) {
    addFolder("a-kfm", "a-kfm.def", "Kung Fu Man");
    addFolder("b-kfg", "b-kfg.def", "Kung Fu Girl");
    addFolder("c-ryu", "c-ryu.def", "Ryu");
    const RosterSelection selection{makeListFilter(1, "Kung", MatchMode::BeginsWith),
                                    makeOrderClause(1, "ASC")};
    ASSERT_TRUE(exportTo(target(), selection).succeeded());
    EXPECT_EQ(test::readFile(target()), "[Characters]\r\nb-kfg\r\na-kfm\r\n");
}

TEST_F(RosterExport, AnExistingFileIsBackedUpAndMergeKeepsLinesOfOtherCharacters) {
    addFolder("kfm", "kfm.def", "Kung Fu Man");
    const std::string old = "[Characters]\nKFM/kfm.def, stages/old.def\nsandbag\n[Options]\n";
    temp.write("mugen/data/select.def", old);
    options.merge = true;
    options.order = 3;
    const RosterReport merged = exportTo(target());
    ASSERT_TRUE(merged.succeeded()) << merged.errorText;
    EXPECT_EQ(test::readFile(target()), "[Characters]\nsandbag\nkfm, , order=3\n[Options]\n");
    EXPECT_EQ(merged.linesKept, 1u);
    EXPECT_EQ(merged.backupPath, target() + ".bak");
    EXPECT_EQ(test::readFile(target() + ".bak"), old);

    options.merge = false;
    const RosterReport replaced = exportTo(target());
    EXPECT_EQ(test::readFile(target()), "[Characters]\nkfm, , order=3\n[Options]\n");
    EXPECT_EQ(replaced.linesKept, 0u);
    EXPECT_EQ(test::readFile(target() + ".bak"),
              "[Characters]\nsandbag\nkfm, , order=3\n[Options]\n");

    // The same roster again writes nothing, so the backup of the older file stays.
    const RosterReport again = exportTo(target());
    EXPECT_TRUE(again.succeeded());
    EXPECT_TRUE(again.unchanged);
    EXPECT_EQ(test::readFile(target() + ".bak"),
              "[Characters]\nsandbag\nkfm, , order=3\n[Options]\n");
}

TEST_F(RosterExport, AShiftJisFileGetsShiftJisLinesAndNamesWithoutAFormAreReported) {
    addFolder("リュウ", "リュウ.def", "Ryu");
    addFolder("kfm", "kfm.def", "Kung Fu Man");
    addFolder("한국", "한국.def", "Korean"); // Hangul has no Shift-JIS form
    addFolder("a,b", "a,b.def", "Comma");
    // "; キャラ" in Shift-JIS: the file is not UTF-8.
    const std::string comment = "; \x83\x4C\x83\x83\x83\x89\r\n";
    temp.write("mugen/data/select.def", comment + "[Characters]\r\n[ExtraStages]\r\n");
    const RosterReport report = exportTo(target());
    ASSERT_TRUE(report.succeeded()) << report.errorText;
    EXPECT_EQ(test::readFile(target()),
              comment + "[Characters]\r\n\x83\x8A\x83\x85\x83\x45\r\nkfm\r\n[ExtraStages]\r\n");
    EXPECT_EQ(fileNames(report.notNameable), (std::vector<std::string>{"한국", "a,b"}));
}

TEST_F(RosterExport, BadOptionsAreRefusedBeforeAnythingIsWritten) {
    options.order = 11;
    EXPECT_EQ(exportTo(target()).error, RosterError::BadOptions);
    options.order.reset();
    options.stage = RosterStage::Fixed;
    options.stagePath = "stages/a.def, order=2";
    EXPECT_EQ(exportTo(target()).error, RosterError::BadOptions);
    options.stage = RosterStage::None;
    EXPECT_EQ(exportTo("").error, RosterError::BadOptions);
    EXPECT_FALSE(fs::exists(target()));
}

TEST_F(RosterExport, AFailedBackupLeavesTheOldFileWhole) {
    addFolder("kfm", "kfm.def", "Kung Fu Man");
    temp.write("mugen/data/select.def", "[Characters]\nold\n");
    temp.write("mugen/data/select.def.bak/keep", "a folder stands where the backup would go");
    const RosterReport report = exportTo(target());
    EXPECT_EQ(report.error, RosterError::BackupWrite);
    EXPECT_NE(report.errorText.find("select.def.bak"), std::string::npos);
    EXPECT_EQ(test::readFile(target()), "[Characters]\nold\n");
}

TEST_F(RosterExport, ATargetThatIsNoFileOrHasNoFolderIsReported) {
    temp.write("mugen/plain", "a file, not a folder");
    const RosterReport inFile = exportTo(temp.file("mugen/plain/select.def"));
    EXPECT_EQ(inFile.error, RosterError::TargetWrite);
    EXPECT_EQ(test::readFile(temp.file("mugen/plain")), "a file, not a folder");
    EXPECT_EQ(exportTo(dataFolder).error, RosterError::TargetRead);
    // The engine chosen instead of its select.def is left alone.
    const std::string engine = temp.write("mugen/mugen.exe", std::string("MZ\0\0[Options]\n", 14));
    EXPECT_EQ(exportTo(engine).error, RosterError::TargetRead);
    EXPECT_EQ(test::readFile(engine).size(), 14u);
    EXPECT_FALSE(fs::exists(engine + ".bak"));
}

TEST_F(RosterExport, AReadOnlyTargetOrFolderIsReportedWithNothingLost) {
    if (geteuid() == 0) {
        GTEST_SKIP() << "root writes read-only files and folders";
    }
    addFolder("kfm", "kfm.def", "Kung Fu Man");
    temp.write("mugen/data/select.def", "[Characters]\nold\n");
    chmod(target().c_str(), 0444);
    const RosterReport file = exportTo(target());
    EXPECT_EQ(file.error, RosterError::TargetReadOnly);
    EXPECT_NE(file.errorText.find("読み取り専用"), std::string::npos);
    chmod(target().c_str(), 0644);
    chmod(dataFolder.c_str(), 0555);
    EXPECT_EQ(exportTo(target()).error, RosterError::TargetReadOnly);
    chmod(dataFolder.c_str(), 0755);
    EXPECT_EQ(test::readFile(target()), "[Characters]\nold\n");
    EXPECT_FALSE(fs::exists(target() + ".bak"));
}

TEST_F(RosterExport, ALinkIsFollowedToItsFile) {
    addFolder("kfm", "kfm.def", "Kung Fu Man");
    temp.write("real.def", "[Characters]\n");
    fs::create_symlink(temp.file("real.def"), target());
    ASSERT_TRUE(exportTo(target()).succeeded());
    EXPECT_TRUE(fs::is_symlink(target()));
    EXPECT_EQ(test::readFile(temp.file("real.def")), "[Characters]\nkfm\n");
}

TEST(RosterDefaultTarget, IsDataSelectDefBesideTheEngineAsFoundOnDisk) {
    test::TempFolder engine;
    engine.write("Data/Select.def", "");
    EXPECT_EQ(defaultRosterTarget(engine.file("mugen.exe")), engine.file("Data/Select.def"));
    EXPECT_EQ(defaultRosterTarget("/games/mugen/mugen.exe"), "/games/mugen/data/select.def");
    EXPECT_EQ(defaultRosterTarget(""), "");
}

} // namespace
} // namespace zorvik
