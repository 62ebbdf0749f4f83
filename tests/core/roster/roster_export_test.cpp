#include "core/roster/roster_export.h"

#include <chrono>
#include <filesystem>
#include <gtest/gtest.h>
#include <thread>
#include <sqlite3.h>
#include <sys/stat.h>
#include <unistd.h>

#include "core/catalogue/character_db.h"
#include "core/catalogue/columns.h"
#include "core/catalogue/statement.h"
#include "core/discovery/candidate.h"
#include "core/platform/replacement_lock.h"
#include "core/roster/character_def.h"
#include "core/roster/roster_backups.h"
#include "core/roster/roster_target.h"
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

    RosterReport exportTo(const std::string& target, const ListCriteria& criteria = {}) {
        options.target = target;
        return ExportRoster(catalogue, temp.file("chars"), criteria, options);
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
    ASSERT_TRUE(report.succeeded()) << japaneseText(report.errorText);
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
    ASSERT_TRUE(report.succeeded()) << japaneseText(report.errorText);
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
    const ListCriteria criteria{{kNameColumn},
                                {kNameColumn, MatchMode::BeginsWith, "Kung"},
                                {kNameColumn, SortDirection::Ascending}};
    ASSERT_TRUE(exportTo(target(), criteria).succeeded());
    EXPECT_EQ(test::readFile(target()), "[Characters]\r\nb-kfg\r\na-kfm\r\n");
}

TEST_F(RosterExport, AnExistingFileIsBackedUpAndMergeKeepsLinesOfOtherCharacters) {
    addFolder("kfm", "kfm.def", "Kung Fu Man");
    const std::string old = "[Characters]\nKFM/kfm.def, stages/old.def\nsandbag\n[Options]\n";
    temp.write("mugen/data/select.def", old);
    options.merge = true;
    options.order = 3;
    const RosterReport merged = exportTo(target());
    ASSERT_TRUE(merged.succeeded()) << japaneseText(merged.errorText);
    EXPECT_EQ(test::readFile(target()), "[Characters]\nsandbag\nkfm, , order=3\n[Options]\n");
    EXPECT_EQ(merged.linesKept, 1u);
    EXPECT_EQ(merged.backupPath, target() + ".bak");
    EXPECT_EQ(test::readFile(target() + ".bak"), old);

    options.merge = false;
    const RosterReport replaced = exportTo(target());
    EXPECT_EQ(test::readFile(target()), "[Characters]\nkfm, , order=3\n[Options]\n");
    EXPECT_EQ(replaced.linesKept, 0u);
    // The first backup keeps the user's own file; the second export's backup is dated.
    EXPECT_EQ(test::readFile(target() + ".bak"), old);
    EXPECT_NE(replaced.backupPath, target() + ".bak");
    EXPECT_EQ(test::readFile(replaced.backupPath),
              "[Characters]\nsandbag\nkfm, , order=3\n[Options]\n");

    // The same roster again writes nothing, so no backup is added.
    const RosterReport again = exportTo(target());
    EXPECT_TRUE(again.succeeded());
    EXPECT_TRUE(again.unchanged);
    EXPECT_TRUE(again.backupPath.empty());
    EXPECT_EQ(RosterBackups(target()).dated(), std::vector<std::string>{replaced.backupPath});
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
    ASSERT_TRUE(report.succeeded()) << japaneseText(report.errorText);
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
    EXPECT_NE(japaneseText(report.errorText).find("select.def.bak"), std::string::npos);
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
    EXPECT_NE(japaneseText(file.errorText).find("読み取り専用"), std::string::npos);
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

std::uint32_t modeOf(const std::string& path) {
    struct stat info {};
    stat(path.c_str(), &info);
    return info.st_mode & 07777;
}

// Runs as root too: the mode bits decide, not what the process could do.
TEST_F(RosterExport, AFileOrFolderMadeReadOnlyIsRefusedWhoeverRunsTheExport) {
    addFolder("kfm", "kfm.def", "Kung Fu Man");
    temp.write("mugen/data/select.def", "[Characters]\nold\n");
    chmod(target().c_str(), 0444);
    const RosterReport file = exportTo(target());
    EXPECT_EQ(file.error, RosterError::TargetReadOnly);
    EXPECT_NE(japaneseText(file.errorText).find("読み取り専用"), std::string::npos);
    chmod(target().c_str(), 0644);
    chmod(dataFolder.c_str(), 0555);
    const RosterReport folder = exportTo(target());
    chmod(dataFolder.c_str(), 0755);
    EXPECT_EQ(folder.error, RosterError::TargetReadOnly);
    EXPECT_NE(japaneseText(folder.errorText).find(dataFolder), std::string::npos);
    EXPECT_EQ(test::readFile(target()), "[Characters]\nold\n");
    EXPECT_FALSE(fs::exists(target() + ".bak"));
}

TEST_F(RosterExport, TheNewFileAndItsBackupsKeepTheOldFilesMode) {
    addFolder("kfm", "kfm.def", "Kung Fu Man");
    temp.write("mugen/data/select.def", "[Characters]\nold\n");
    chmod(target().c_str(), 0600);
    const RosterReport first = exportTo(target());
    ASSERT_TRUE(first.succeeded()) << japaneseText(first.errorText);
    EXPECT_EQ(modeOf(target()), 0600u);
    EXPECT_EQ(modeOf(first.backupPath), 0600u);
    chmod(target().c_str(), 0640);
    options.order = 1;
    const RosterReport second = exportTo(target());
    ASSERT_TRUE(second.succeeded()) << japaneseText(second.errorText);
    EXPECT_EQ(modeOf(target()), 0640u);
    EXPECT_EQ(modeOf(second.backupPath), 0640u);
}

TEST_F(RosterExport, LoneCrLinesAreReadAsLinesAndWrittenWithCr) {
    addFolder("kfm", "kfm.def", "Kung Fu Man");
    temp.write("mugen/data/select.def", "; Mac\r[Characters]\rsandbag\rkfm\r[Options]\rx = 1\r");
    options.merge = true;
    const RosterReport report = exportTo(target());
    ASSERT_TRUE(report.succeeded()) << japaneseText(report.errorText);
    EXPECT_EQ(test::readFile(target()), "; Mac\r[Characters]\rsandbag\rkfm\r[Options]\rx = 1\r");
    EXPECT_EQ(report.linesKept, 1u);
}

TEST_F(RosterExport, ALinkIsReportedWithItsFileAndALinkLeadingNowhereIsRefused) {
    addFolder("kfm", "kfm.def", "Kung Fu Man");
    const std::string real = temp.write("elsewhere/real.def", "[Characters]\nold\n");
    fs::create_symlink(real, target());
    const RosterReport linked = exportTo(target());
    ASSERT_TRUE(linked.succeeded()) << japaneseText(linked.errorText);
    EXPECT_EQ(linked.linkPath, target());
    EXPECT_EQ(linked.target, fs::canonical(real).string());
    EXPECT_EQ(linked.backupPath, fs::canonical(real).string() + ".bak");
    EXPECT_FALSE(fs::exists(target() + ".bak"));

    const std::string dangling = dataFolder + "/dangling.def";
    fs::create_symlink(temp.file("elsewhere/gone.def"), dangling);
    const RosterReport nowhere = exportTo(dangling);
    EXPECT_EQ(nowhere.error, RosterError::TargetRead);
    EXPECT_NE(japaneseText(nowhere.errorText).find("リンク先のファイルがありません"),
              std::string::npos);
    EXPECT_TRUE(fs::is_symlink(dangling));
    EXPECT_FALSE(fs::exists(temp.file("elsewhere/gone.def")));
    fs::create_symlink(dataFolder + "/loop-b", dataFolder + "/loop-a");
    fs::create_symlink(dataFolder + "/loop-a", dataFolder + "/loop-b");
    const RosterReport looping = exportTo(dataFolder + "/loop-a");
    EXPECT_EQ(looping.error, RosterError::TargetRead);
    EXPECT_NE(japaneseText(looping.errorText).find("循環"), std::string::npos);
}

TEST_F(RosterExport, DevicesAndUtf16FilesAreRefusedWithTheirReason) {
    addFolder("kfm", "kfm.def", "Kung Fu Man");
    fs::create_symlink("/dev/zero", target());
    const RosterReport device = exportTo(target());
    EXPECT_EQ(device.error, RosterError::TargetRead);
    EXPECT_NE(japaneseText(device.errorText).find("ファイルではありません"), std::string::npos);
    fs::remove(target());
    const std::string utf16("\xFF\xFE[\0C\0]\0\r\0\n\0", 12);
    temp.write("mugen/data/select.def", utf16);
    const RosterReport wide = exportTo(target());
    EXPECT_EQ(wide.error, RosterError::TargetRead);
    for (const char* named : {"UTF-16", "UTF-8", "Shift-JIS"}) {
        EXPECT_NE(japaneseText(wide.errorText).find(named), std::string::npos)
            << japaneseText(wide.errorText);
    }
    EXPECT_EQ(test::readFile(target()), utf16);
}

TEST_F(RosterExport, AKilledExportsTemporaryFilesGoButNoOtherFile) {
    addFolder("kfm", "kfm.def", "Kung Fu Man");
    temp.write("mugen/data/select.def.zorvik-tmp-Ab12Cd", "[Charac");
    temp.write("mugen/data/select.def.bak.zorvik-tmp-xY98zW", "[Charac");
    temp.write("mugen/data/select.def.backup", "the user's own copy");
    ASSERT_TRUE(exportTo(target()).succeeded());
    EXPECT_FALSE(fs::exists(target() + ".zorvik-tmp-Ab12Cd"));
    EXPECT_FALSE(fs::exists(target() + ".bak.zorvik-tmp-xY98zW"));
    EXPECT_EQ(test::readFile(target() + ".backup"), "the user's own copy");
}

TEST_F(RosterExport, ASecondExportWaitsForTheFirstAndGivesUpAfterFiveSeconds) {
    addFolder("kfm", "kfm.def", "Kung Fu Man");
    temp.write("mugen/data/select.def", "[Characters]\nsandbag\n");
    auto other = std::make_unique<platform::ReplacementLock>();
    ASSERT_EQ(other->acquire(target(), std::chrono::milliseconds(0)),
              platform::ReplacementLock::Outcome::Locked);
    std::thread finisher([&other] {
        std::this_thread::sleep_for(std::chrono::milliseconds(300));
        other.reset();
    });
    options.merge = true;
    const RosterReport waited = exportTo(target());
    finisher.join();
    ASSERT_TRUE(waited.succeeded()) << japaneseText(waited.errorText);
    EXPECT_EQ(test::readFile(target()), "[Characters]\nsandbag\nkfm\n");

    platform::ReplacementLock holder;
    ASSERT_EQ(holder.acquire(target(), std::chrono::milliseconds(0)),
              platform::ReplacementLock::Outcome::Locked);
    const auto start = std::chrono::steady_clock::now();
    options.order = 2;
    const RosterReport busy = exportTo(target());
    EXPECT_GE(std::chrono::steady_clock::now() - start, RosterTarget::kLockPatience);
    EXPECT_EQ(busy.error, RosterError::TargetBusy);
    EXPECT_NE(japaneseText(busy.errorText).find("別の書き出し"), std::string::npos);
    EXPECT_EQ(test::readFile(target()), "[Characters]\nsandbag\nkfm\n");
}

TEST_F(RosterExport, TheFirstBackupStaysAndOnlyTheTenNewestDatedOnesAreKept) {
    addFolder("kfm", "kfm.def", "Kung Fu Man");
    temp.write("mugen/data/select.def", "[Characters]\nmine\n");
    for (int day = 10; day <= 20; ++day) {
        temp.write("mugen/data/select.def.200001" + std::to_string(day) + "-120000.bak", "older");
    }
    temp.write("mugen/data/select.def.notes.bak", "the user's");
    const RosterReport first = exportTo(target());
    ASSERT_TRUE(first.succeeded()) << japaneseText(first.errorText);
    EXPECT_EQ(first.backupPath, target() + ".bak");
    for (int order = 0; order < 3; ++order) {
        options.order = order;
        const RosterReport later = exportTo(target());
        ASSERT_TRUE(later.succeeded()) << japaneseText(later.errorText);
        EXPECT_NE(later.backupPath, target() + ".bak");
    }
    EXPECT_EQ(test::readFile(target() + ".bak"), "[Characters]\nmine\n");
    const std::vector<std::string> dated = RosterBackups(target()).dated();
    ASSERT_EQ(dated.size(), RosterBackups::kKept);
    EXPECT_EQ(dated.front(), target() + ".20000114-120000.bak"); // the four oldest went
    EXPECT_EQ(test::readFile(dated.back()), "[Characters]\nkfm, , order=1\n");
    EXPECT_EQ(test::readFile(target() + ".notes.bak"), "the user's");
}

TEST(RosterBackupNames, OnlyDatedNamesOfTheFileCount) {
    const auto parsed = parseDatedBackupName("select.def.20240131-235959-3.bak", "select.def");
    ASSERT_TRUE(parsed);
    EXPECT_EQ(parsed->stamp, "20240131-235959");
    EXPECT_EQ(parsed->counter, 3u);
    EXPECT_EQ(parseDatedBackupName("select.def.20240131-235959.bak", "select.def")->counter, 1u);
    for (const char* other :
         {"select.def.bak", "select.def.notes.bak", "other.def.20240131-235959.bak",
          "select.def.20240131-23595.bak", "select.def.20240131-235959-1.bak",
          "select.def.20240131-235959-x.bak", "select.def.20240131-235959"}) {
        EXPECT_FALSE(parseDatedBackupName(other, "select.def")) << other;
    }
    // Within one second the counter orders them.
    EXPECT_LT(*parseDatedBackupName("s.20240131-235959-9.bak", "s"),
              *parseDatedBackupName("s.20240131-235959-10.bak", "s"));
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
