#include <filesystem>

#include "check_fixture.h"
#include "core/check/character_def.h"
#include "support/archive_writer.h"

namespace zorvik::test {
namespace {

using ::testing::ElementsAre;
using ::testing::IsEmpty;

// The key and value of every broken entry, as "key=value".
std::vector<std::string> brokenFiles(const CheckReport& report) {
    std::vector<std::string> files;
    for (const BrokenCharacter& entry : report.broken) {
        files.push_back(entry.key + "=" + entry.value);
    }
    return files;
}

FileEntries everyKeyNaming(const std::string& prefix) {
    FileEntries files;
    for (const std::string& key : fileReferenceKeys()) {
        files.emplace_back(key, prefix + key + ".bin");
    }
    return files;
}

TEST(CharacterDef, TheKeysTheEngineLoadsFilesFrom) {
    const auto& keys = fileReferenceKeys();
    EXPECT_EQ(keys.size(), 30u); // cmd cns st st0-9 stcommon sprite anim sound ai pal1-12
    EXPECT_THAT(keys, ::testing::IsSupersetOf({"cmd", "cns", "st", "st0", "st9", "stcommon",
                                               "sprite", "anim", "sound", "ai", "pal1", "pal12"}));
}

TEST_F(CheckFixture, EveryKindOfFileEntryIsReportedWhenMissing) {
    addCharacter("kfm", filesDef(everyKeyNaming("absent_")));
    update();
    CheckReport report = check();
    ASSERT_TRUE(report.completed) << japaneseText(report.error.value_or(Message{}));
    // Without an engine every engine's own common files are assumed.
    std::vector<std::string> expected;
    for (const std::string& key : fileReferenceKeys()) {
        if (key != "stcommon") {
            expected.push_back(key + "=absent_" + key + ".bin");
        }
    }
    EXPECT_EQ(brokenFiles(report), expected);
    const BrokenCharacter& first = report.broken.front();
    EXPECT_EQ(first.id, row("kfm").id);
    EXPECT_EQ(first.fileName, "kfm");
    EXPECT_EQ(first.defFile, "kfm.def");
    EXPECT_EQ(first.kind, BrokenKind::MissingFile);

    settings.MugenExeFile = root.write("mugen/mugen.exe", "");
    root.makeFolder("mugen/data");
    EXPECT_EQ(check().broken.size(), fileReferenceKeys().size());
}

TEST_F(CheckFixture, WindowsPathsResolveIgnoringCaseAndSeparator) {
    FileEntries files;
    for (const std::string& key : fileReferenceKeys()) {
        files.emplace_back(key, "Data\\" + key + ".BIN");
    }
    files.front().second = "\"kfm.cmd\""; // quoted
    files.back().second = "./pals/../pals/PAL12.act";
    std::vector<std::string> onDisk = {"kfm.CMD", "pals/pal12.ACT"};
    for (const std::string& key : fileReferenceKeys()) {
        onDisk.push_back("data/" + key + ".bin");
    }
    addCharacter("kfm", filesDef(files), onDisk);
    update();
    const CheckReport report = check();
    EXPECT_THAT(report.broken, IsEmpty()) << ::testing::PrintToString(brokenFiles(report));
    EXPECT_FALSE(report.problemsFound());
}

TEST_F(CheckFixture, FilesNotBesideTheDefAreLookedForInTheEnginesDataFolder) {
    addCharacter("kfm",
                 filesDef({{"cns", "kfm.cns"}, {"stcommon", "common1.cns"}, {"sound", "fight.snd"}}),
                 {"kfm.cns"});
    update();
    settings.MugenExeFile = root.write("engine/Mugen.exe", "");
    root.write("engine/Data/common1.cns", "c");
    EXPECT_THAT(brokenFiles(check()), ElementsAre("sound=fight.snd"));
    root.write("engine/Data/FIGHT.SND", "s");
    EXPECT_THAT(check().broken, IsEmpty());

    // The engine's folder does not stand in for a missing data folder.
    settings.MugenExeFile = root.write("bare/mugen.exe", "");
    root.write("bare/common1.cns", "c");
    EXPECT_THAT(brokenFiles(check()), ElementsAre("stcommon=common1.cns", "sound=fight.snd"));
}

TEST_F(CheckFixture, TheDefRegistrationTakesIsChecked) {
    root.write("chars/kfm/a.def", "[Info]\r\nauthor = no name\r\n[Files]\r\ncns = a.cns\r\n");
    root.write("chars/kfm/B.def", filesDef({{"cns", "b.cns"}}));
    root.write("chars/kfm/c.def", filesDef({{"cns", "c.cns"}}));
    root.write("chars/kfm/b.cns", "b");
    root.write("chars/empty/readme.txt", "");
    update();
    // A row whose .def went away after registration.
    addCharacter("gone", filesDef({}));
    update();
    std::filesystem::remove(root.file("chars/gone/gone.def"));
    const CheckReport report = check();
    ASSERT_EQ(report.broken.size(), 1u);
    EXPECT_EQ(report.broken[0].fileName, "gone");
    EXPECT_EQ(report.broken[0].kind, BrokenKind::NoDefFile);
}

TEST_F(CheckFixture, FolderThatIsAFileNameDoesNotResolve) {
    addCharacter("kfm", filesDef({{"sprite", "kfm.sff"}, {"anim", "anims"}}));
    root.makeFolder("chars/kfm/kfm.sff");
    root.makeFolder("chars/kfm/anims");
    update();
    EXPECT_THAT(brokenFiles(check()), ElementsAre("sprite=kfm.sff", "anim=anims"));
}

TEST_F(CheckFixture, HostilePathsStayCheapAndFindNothing) {
    std::string climbing;
    for (int i = 0; i < 100000; ++i) {
        climbing += "..\\";
    }
    addCharacter("kfm", filesDef({{"cns", climbing + "kfm.cns"}, {"cmd", "/etc/passwd"}}),
                 {"kfm.cns"});
    update();
    const CheckReport report = check();
    ASSERT_EQ(report.broken.size(), 2u);
    EXPECT_EQ(report.broken[0].value, "/etc/passwd"); // below the character's folder, not the root
    EXPECT_LT(report.broken[1].value.size(), 1024u);  // cut as the INI reader cuts it
}

class ArchiveCharacters : public CheckFixture,
                          public ::testing::WithParamInterface<ArchiveFormat> {};

INSTANTIATE_TEST_SUITE_P(EachKind, ArchiveCharacters,
                         ::testing::Values(ArchiveFormat::Zip, ArchiveFormat::SevenZip,
                                           ArchiveFormat::Rar5),
                         [](const auto& param) { return std::string(formatName(param.param)); });

TEST_P(ArchiveCharacters, AreCheckedAgainstTheArchivesFiles) {
    const std::string name = std::string("kfm") + formatExtension(GetParam());
    writeArchive(root.file("chars/" + name), GetParam(),
                 {FixtureEntry::folder("KFM/"),
                  FixtureEntry::file("KFM/kfm.def", filesDef({{"cmd", "kfm.cmd"},
                                                              {"cns", "kfm.cns"},
                                                              {"sprite", "Sprites\\KFM.sff"},
                                                              {"sound", "..\\kfm.snd"}})),
                  FixtureEntry::file("KFM/KFM.cmd", "c"),
                  FixtureEntry::file("KFM/sprites/kfm.sff", portraitSff()),
                  FixtureEntry::file("kfm.snd", "s")});
    ASSERT_EQ(update().inserted, 1);
    const CheckReport report = check();
    ASSERT_TRUE(report.completed);
    EXPECT_THAT(brokenFiles(report), ElementsAre("cns=kfm.cns"));
    EXPECT_EQ(report.broken[0].defFile, "KFM/kfm.def");
    EXPECT_EQ(report.broken[0].fileName, name);
    EXPECT_EQ(report.archivesNotChecked, 0);
    EXPECT_TRUE(std::filesystem::is_empty(settings.TempDir)); // the .def files are removed again
}

TEST_F(CheckFixture, DamagedArchiveAndArchiveWithoutDef) {
    writeArchive(root.file("chars/nodef.zip"), ArchiveFormat::Zip,
                 {FixtureEntry::file("readme.txt", "")});
    writeArchive(root.file("chars/kfm.zip"), ArchiveFormat::Zip,
                 {FixtureEntry::file("kfm.def", filesDef({}))});
    update();
    executeBound(catalogue.statements(),
                 "INSERT INTO CHARACTER_TABLE(FILETYPE, FILENAME, DELETED) VALUES(2, 'nodef.zip', 0)",
                 {});
    root.write("chars/kfm.zip", "PK but damaged");
    const CheckReport report = check();
    ASSERT_EQ(report.broken.size(), 2u);
    EXPECT_EQ(report.broken[0].fileName, "kfm.zip");
    EXPECT_EQ(report.broken[0].kind, BrokenKind::UnreadableArchive);
    EXPECT_EQ(report.broken[1].fileName, "nodef.zip");
    EXPECT_EQ(report.broken[1].kind, BrokenKind::NoDefFile);
}

TEST_F(CheckFixture, ArchivesAreNotCheckedWithoutPlugins) {
    writeArchive(root.file("chars/kfm.zip"), ArchiveFormat::Zip,
                 {FixtureEntry::file("kfm.def", filesDef({{"cns", "absent.cns"}}))});
    update();
    const CheckReport report = RunCollectionCheck(
        {settings, catalogue, checkObserver, cancel, root.makeFolder("no-plugins"), nullptr});
    EXPECT_TRUE(report.completed);
    EXPECT_THAT(report.broken, IsEmpty());
    EXPECT_EQ(report.archivesNotChecked, 1);
    EXPECT_FALSE(report.problemsFound());
}

} // namespace
} // namespace zorvik::test
