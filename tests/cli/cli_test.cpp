#include <cstdlib>
#include <filesystem>
#include <gmock/gmock.h>
#include <gtest/gtest.h>
#include <sys/stat.h>

#include "cli_sandbox.h"
#include "support/character_fixture.h"
#include "support/drawn_portrait.h"
#include "support/png_reader.h"
#include "support/sff_v2_writer.h"
#include "support/json_reader.h"
#include "support/temp_folder.h"

namespace zorvik::test {
namespace {

namespace fs = std::filesystem;
using ::testing::HasSubstr;

// The companion installed beside its own Settings.ini, run from a work folder.
class Cli : public ::testing::Test, public CliSandbox {
protected:
    void addCharacter(const std::string& folder, const std::string& name) {
        DefFields fields;
        fields.name = name;
        root.write("chars/" + folder + "/" + folder + ".def", defText(fields));
        root.write("chars/" + folder + "/kfm.sff", portraitSff());
    }
};

TEST_F(Cli, UsageAndHelp) {
    EXPECT_EQ(run({}).exitCode, 2);
    EXPECT_EQ(run({"frobnicate"}).exitCode, 2);
    for (const char* command : {"update", "list", "portrait", "portraits", "roster", "check"}) {
        const CliRun help = run({command, "--help"});
        EXPECT_EQ(help.exitCode, 0) << command;
        EXPECT_THAT(help.out, HasSubstr(std::string("usage: zorvik-cli ") + command));
    }
    EXPECT_EQ(run({"update", "--bogus"}).exitCode, 2);
    EXPECT_EQ(run({"update", "--register-sprite", "maybe"}).exitCode, 2);
    EXPECT_EQ(run({"portrait", "x", "out.png"}).exitCode, 2);
    EXPECT_EQ(run({"roster", "--order", "11", "select.def"}).exitCode, 2);
    EXPECT_EQ(run({"roster", "--mode", "nearly", "select.def"}).exitCode, 2);
    EXPECT_EQ(run({"roster"}).exitCode, 2); // no FILE and no engine to find it beside
    EXPECT_EQ(run({"check", "--bogus"}).exitCode, 2);
    EXPECT_EQ(run({"check", "extra"}).exitCode, 2);
}

TEST_F(Cli, ListSortsEitherWayAndSearchesTextThatLooksLikeSqlAsText) {
    addCharacter("kfm", "Kung Fu Man");
    addCharacter("ryu", "Ryu");
    ASSERT_EQ(run({"update", "--main-dir", characters}).exitCode, 0);
    const auto firstRow = [](const CliRun& listed) {
        const std::size_t start = listed.out.find('\n') + 1;
        return listed.out.substr(start, listed.out.find('\n', start) - start);
    };
    EXPECT_THAT(firstRow(run({"list", "--sort", "name"})), HasSubstr("\tKung Fu Man\t"));
    EXPECT_THAT(firstRow(run({"list", "--sort", "1", "--desc"})), HasSubstr("\tRyu\t"));
    EXPECT_EQ(run({"list", "--sort", "IMAGE"}).exitCode, 2); // not a column a list may sort by
    EXPECT_EQ(run({"list", "--column", "15", "--search", "x"}).exitCode, 2);

    const CliRun injected = run({"list", "--search", "x' OR '1'='1", "--mode", "exact"});
    EXPECT_EQ(injected.exitCode, 0) << injected.err;
    EXPECT_EQ(std::count(injected.out.begin(), injected.out.end(), '\n'), 1); // the header only
    const CliRun named = run({"list", "--search", "NAME", "--column", "NAME", "--mode", "exact"});
    EXPECT_EQ(std::count(named.out.begin(), named.out.end(), '\n'), 1);
}

TEST_F(Cli, UpdatePrintsTheCountsAndListPrintsTheCatalogue) {
    addCharacter("kfm", "Kung Fu Man");
    addCharacter("ryu", "Say \"Hi\"");
    const CliRun update = run({"update", "--main-dir", characters});
    EXPECT_EQ(update.exitCode, 0) << update.err;
    EXPECT_EQ(update.out, "更新処理終了 : 新規追加データ 2件、 更新データ 0件でした。\n"
                          "見つからなくなったデータ : 0件\n");
    EXPECT_TRUE(fs::exists(root.file("work/db.sqlite3"))); // in the current folder

    const CliRun all = run({"list"});
    EXPECT_EQ(all.exitCode, 0);
    EXPECT_THAT(all.out, ::testing::StartsWith("ID\tNAME\tNAME2\tAUTHOR\t"));
    EXPECT_THAT(all.out, HasSubstr("\tSay \"Hi\"\t"));

    const CliRun quoted = run({"list", "--search", "\"Hi", "--sort", "NAME", "--desc"});
    EXPECT_EQ(quoted.exitCode, 0);
    EXPECT_EQ(std::count(quoted.out.begin(), quoted.out.end(), '\n'), 2); // header and one row
    EXPECT_THAT(quoted.out, HasSubstr("Say \"Hi\""));

    const CliRun begins = run({"list", "--search", "Kung", "--mode", "begins", "--column", "1"});
    EXPECT_THAT(begins.out, HasSubstr("Kung Fu Man"));
    EXPECT_THAT(begins.out, ::testing::Not(HasSubstr("Say")));

    // Nothing changed: a second update adds nothing.
    EXPECT_EQ(run({"update", "--main-dir", characters}).out,
              "更新処理終了 : 新規追加データ 0件、 更新データ 0件でした。\n"
              "見つからなくなったデータ : 0件\n");

    // A folder removed outside the program: its row is marked missing.
    fs::remove_all(characters + "/ryu");
    EXPECT_EQ(run({"update", "--main-dir", characters}).out,
              "更新処理終了 : 新規追加データ 0件、 更新データ 0件でした。\n"
              "見つからなくなったデータ : 1件\n");
}

TEST_F(Cli, OnATerminalTheUpdateShowsItsCountsOnce) {
    addCharacter("kfm", "Kung Fu Man");
    const CliRun update = runOnTerminal({"update", "--main-dir", characters});
    EXPECT_EQ(update.exitCode, 0) << update.out;
    const std::string counts = "更新処理終了 : 新規追加データ 1件、 更新データ 0件でした。";
    const std::size_t first = update.out.find(counts);
    ASSERT_NE(first, std::string::npos) << update.out;
    EXPECT_EQ(update.out.find(counts, first + 1), std::string::npos) << update.out;
    EXPECT_THAT(update.out, HasSubstr("] 1/1 ")); // the bar, which a terminal gets
    EXPECT_THAT(update.out, HasSubstr("見つからなくなったデータ : 0件"));
}

TEST_F(Cli, WithoutATerminalTheStatusTextsAreLinesOnStandardError) {
    addCharacter("kfm", "Kung Fu Man");
    const CliRun update = run({"update", "--main-dir", characters});
    EXPECT_EQ(update.err, "更新処理中...\n"
                          "更新処理終了 : 新規追加データ 1件、 更新データ 0件でした。\n");
}

TEST_F(Cli, UpdateOfAnEmptiedFolderMarksNothingAndSaysSo) {
    addCharacter("kfm", "Kung Fu Man");
    ASSERT_EQ(run({"update", "--main-dir", characters}).exitCode, 0);
    fs::remove_all(characters + "/kfm");
    const CliRun update = run({"update", "--main-dir", characters});
    EXPECT_EQ(update.exitCode, 0) << update.err;
    EXPECT_EQ(update.out, "更新処理終了 : 新規追加データ 0件、 更新データ 0件でした。\n"
                          "見つからなくなったデータ : 0件\n"
                          "キャラクターが一つも見つかりませんでした (フォルダが空か、"
                          "ドライブが接続されていません)。見つからなくなった印は付けていません\n");
    const CliRun check = run({"check", "--json", "--main-dir", characters});
    const auto report = parseJson(check.out);
    ASSERT_TRUE(report);
    ASSERT_EQ((*report)["missing"].items.size(), 1u);
    EXPECT_FALSE((*report)["missing"].items[0]["marked"].boolean);
}

TEST_F(Cli, UpdateOfAMissingFolderFails) {
    const CliRun update = run({"update", "--main-dir", root.file("missing")});
    EXPECT_EQ(update.exitCode, 1);
    EXPECT_THAT(update.err, HasSubstr("ファイル検索を開始できませんでした。"));
    EXPECT_EQ(update.out, "");
}

TEST_F(Cli, PortraitWritesTheStoredPng) {
    addCharacter("kfm", "Kung Fu Man");
    ASSERT_EQ(run({"update", "--main-dir", characters, "--register-sprite", "1"}).exitCode, 0);
    const CliRun portrait = run({"portrait", "1", root.file("kfm.png")});
    EXPECT_EQ(portrait.exitCode, 0) << portrait.err;
    EXPECT_EQ(readFile(root.file("kfm.png")).substr(0, 8), "\x89PNG\r\n\x1a\n");
    EXPECT_EQ(run({"portrait", "2", root.file("none.png")}).exitCode, 1);
    EXPECT_FALSE(fs::exists(root.file("none.png")));
}

TEST_F(Cli, UpdateAddsMissingPortraitsAndPortraitsTakesChosenOnesAgain) {
    addCharacter("kfm", "Kung Fu Man");
    addCharacter("ryu", "Ryu");
    ASSERT_EQ(run({"update", "--main-dir", characters}).exitCode, 0);
    // The switch turned on later: the portraits come without deleting the catalogue.
    EXPECT_EQ(run({"update", "--main-dir", characters, "--register-sprite", "1"}).out,
              "更新処理終了 : 新規追加データ 0件、 更新データ 0件でした。\n"
              "見つからなくなったデータ : 0件\n"
              "画像を追加したデータ : 2件\n");

    EXPECT_EQ(run({"portraits", "--main-dir", characters}).exitCode, 2); // neither way chosen
    EXPECT_EQ(run({"portraits", "--all", "--search", "x"}).exitCode, 2);
    EXPECT_EQ(run({"portraits", "--search", ""}).exitCode, 2);
    root.write("chars/kfm/kfm.sff", portraitSff(9000, 1, 9));
    root.write("chars/ryu/kfm.sff", portraitSff(9000, 1, 9));
    const CliRun chosen = run({"portraits", "--main-dir", characters, "--search", "kung"});
    EXPECT_EQ(chosen.exitCode, 0) << chosen.err;
    EXPECT_EQ(chosen.out, "ポートレート取り込み直し終了 : 取り込み 1件、 手動設定のため保持 0件、 "
                          "取り込めず 0件、 見つからず 0件\n");
    ASSERT_EQ(run({"portrait", "1", root.file("kfm.png")}).exitCode, 0);
    ASSERT_EQ(run({"portrait", "2", root.file("ryu.png")}).exitCode, 0);
    EXPECT_EQ(decodePng(readFile(root.file("kfm.png")))->pixels, std::vector<std::uint8_t>(12, 9));
    EXPECT_EQ(decodePng(readFile(root.file("ryu.png")))->pixels, std::vector<std::uint8_t>(12, 7));
    EXPECT_THAT(run({"portraits", "--main-dir", characters, "--all"}).out,
                HasSubstr("取り込み 2件"));
}

TEST_F(Cli, RegisterSpriteTakesPortraitsFromVersion1AndVersion2Files) {
    addCharacter("kfm", "Kung Fu Man"); // version 1: a 4 x 3 sprite of 7s
    const PcxPicture drawn = drawnPortrait(60, 50);
    SffV2File modern;
    modern.palettes = {SffV2Palette::of(drawn.palette)};
    modern.sprites = {SffV2Sprite::indexed(0, 0, drawn, 2),
                      SffV2Sprite::indexed(9000, 1, drawn, 4)};
    DefFields fields;
    fields.name = "Modern";
    root.write("chars/modern/modern.def", defText(fields));
    root.write("chars/modern/kfm.sff", modern.bytes());

    ASSERT_EQ(run({"update", "--main-dir", characters, "--register-sprite", "1"}).out,
              "更新処理終了 : 新規追加データ 2件、 更新データ 0件でした。\n"
              "見つからなくなったデータ : 0件\n"
              "画像を追加したデータ : 0件\n");
    // The folder is listed by name: kfm is 1, modern is 2.
    ASSERT_EQ(run({"portrait", "1", root.file("kfm.png")}).exitCode, 0);
    ASSERT_EQ(run({"portrait", "2", root.file("modern.png")}).exitCode, 0);
    const auto old = decodePng(readFile(root.file("kfm.png")));
    ASSERT_TRUE(old);
    EXPECT_EQ(old->pixels, std::vector<std::uint8_t>(12, 7));
    const auto drawnPng = decodePng(readFile(root.file("modern.png")));
    ASSERT_TRUE(drawnPng);
    EXPECT_EQ(drawnPng->pixels, drawn.pixels);
    EXPECT_EQ(drawnPng->palette,
              std::vector<std::uint8_t>(drawn.palette.begin(), drawn.palette.end()));
}

TEST_F(Cli, SubfoldersOptionSearchesGroupFoldersForUpdateCheckAndRoster) {
    addCharacter("kfm", "Kung Fu Man");
    root.write("chars/KOF/kyo/kyo.def", "[Info]\r\nname = Kyo\r\n");
    EXPECT_EQ(run({"update", "--main-dir", characters, "--subfolders", "maybe"}).exitCode, 2);
    EXPECT_EQ(run({"check", "--subfolders", "2"}).exitCode, 2);
    EXPECT_EQ(run({"roster", "--subfolders", "x", root.file("s.def")}).exitCode, 2);

    // Off, as by default: the group folder is a folder without a .def.
    EXPECT_THAT(run({"update", "--main-dir", characters, "--subfolders", "0"}).out,
                HasSubstr("新規追加データ 1件"));
    EXPECT_THAT(run({"update", "--main-dir", characters, "--subfolders", "1"}).out,
                HasSubstr("新規追加データ 1件"));
    EXPECT_THAT(run({"list", "--search", "KOF/kyo", "--column", "FILENAME"}).out,
                HasSubstr("\tKyo\t"));

    const CliRun nested = run({"check", "--json", "--main-dir", characters, "--subfolders", "1"});
    const auto report = parseJson(nested.out);
    ASSERT_TRUE(report) << nested.out;
    EXPECT_TRUE((*report)["missing"].items.empty());
    const CliRun topOnly = run({"check", "--json", "--main-dir", characters});
    EXPECT_EQ((*parseJson(topOnly.out))["missing"].items.size(), 1u);

    const std::string selectDef = root.file("select.def");
    const CliRun roster =
        run({"roster", "--main-dir", characters, "--subfolders", "1", "--sort", "NAME", selectDef});
    EXPECT_EQ(roster.exitCode, 0) << roster.err;
    EXPECT_EQ(readFile(selectDef), "[Characters]\r\nkfm\r\nKOF/kyo/kyo.def\r\n");
}

TEST_F(Cli, RelativeFoldersOfSettingsIniAreTakenFromItsFolderAsTheWindowTakesThem) {
    // Resolved against the work folder, "own" would name nothing.
    root.write("app/own/kfm/kfm.def", defText(DefFields{}));
    root.write("app/Settings.ini", "[General]\r\nMainDir=own\r\nTempDir=" + temporary + "/\r\n");
    const CliRun update = run({"update"});
    EXPECT_EQ(update.exitCode, 0) << update.err;
    EXPECT_THAT(update.out, HasSubstr("新規追加データ 1件"));
    EXPECT_FALSE(fs::exists(root.file("work/own")));
}

TEST_F(Cli, DbOptionChoosesTheCatalogue) {
    addCharacter("kfm", "Kung Fu Man");
    const std::string db = root.file("elsewhere.sqlite3");
    ASSERT_EQ(run({"update", "--main-dir", characters, "--db", db}).exitCode, 0);
    EXPECT_TRUE(fs::exists(db));
    EXPECT_THAT(run({"list", "--db", db}).out, HasSubstr("Kung Fu Man"));
    EXPECT_FALSE(fs::exists(root.file("work/db.sqlite3")));
}

TEST_F(Cli, RosterWritesTheListsCharactersIntoTheEnginesSelectDef) {
    addCharacter("kfm", "Kung Fu Man");
    addCharacter("ryu", "Ryu");
    ASSERT_EQ(run({"update", "--main-dir", characters}).exitCode, 0);
    root.write("app/Settings.ini", "[General]\r\nMainDir=" + characters +
                                       "\r\nMugenExeFile=" + root.file("mugen/mugen.exe") + "\r\n");
    const std::string selectDef =
        root.write("mugen/data/select.def", "; notes\r\n[Characters]\r\nold\r\n[Options]\r\n");

    const CliRun merged = run({"roster", "--search", "Ryu", "--stage", "random", "--merge"});
    EXPECT_EQ(merged.exitCode, 0) << merged.err;
    EXPECT_EQ(readFile(selectDef),
              "; notes\r\n[Characters]\r\nold\r\nryu, random\r\n[Options]\r\n");
    EXPECT_THAT(merged.out, HasSubstr("wrote 1 lines to " + selectDef));
    EXPECT_THAT(merged.out, HasSubstr("kept 1 old lines"));
    EXPECT_EQ(readFile(selectDef + ".bak"), "; notes\r\n[Characters]\r\nold\r\n[Options]\r\n");

    const std::string other = root.file("other.def");
    const CliRun replaced = run({"roster", "--sort", "NAME", "--desc", "--order", "2", other});
    EXPECT_EQ(replaced.exitCode, 0) << replaced.err;
    EXPECT_EQ(readFile(other), "[Characters]\r\nryu, , order=2\r\nkfm, , order=2\r\n");

    const CliRun failed = run({"roster", root.file("missing/select.def")});
    EXPECT_EQ(failed.exitCode, 1);
    EXPECT_THAT(failed.err, HasSubstr("missing"));
}

TEST_F(Cli, RosterRefusesAReadOnlyFileWhoeverRunsItAndTellsWhereALinkLed) {
    addCharacter("kfm", "Kung Fu Man");
    ASSERT_EQ(run({"update", "--main-dir", characters}).exitCode, 0);
    const std::string readOnly = root.write("mugen/data/select.def", "[Characters]\r\nold\r\n");
    chmod(readOnly.c_str(), 0444);
    const CliRun refused = run({"roster", "--main-dir", characters, readOnly});
    EXPECT_EQ(refused.exitCode, 1);
    EXPECT_THAT(refused.err, HasSubstr("読み取り専用"));
    EXPECT_EQ(readFile(readOnly), "[Characters]\r\nold\r\n");

    const std::string real = root.write("elsewhere/select.def", "[Characters]\n");
    fs::create_symlink(real, root.file("link.def"));
    const CliRun linked = run({"roster", "--main-dir", characters, root.file("link.def")});
    EXPECT_EQ(linked.exitCode, 0) << linked.err;
    const std::string realPath = fs::canonical(real).string();
    EXPECT_THAT(linked.out, HasSubstr(root.file("link.def") + " is a link to " + realPath));
    EXPECT_THAT(linked.out, HasSubstr("old file kept as " + realPath + ".bak"));
    EXPECT_THAT(run({"roster", "--help"}).out, HasSubstr("FILE.YYYYMMDD-HHMMSS.bak"));
}

// A character whose .def names only files that are there.
void addSoundCharacter(const TempFolder& root, const std::string& folder, const std::string& name) {
    DefFields fields;
    fields.name = name;
    root.write("chars/" + folder + "/" + folder + ".def", defText(fields));
    root.write("chars/" + folder + "/kfm.sff", portraitSff());
    root.write("chars/" + folder + "/kfm.cmd", "");
}

TEST_F(Cli, CheckFindsThePlantedProblems) {
    addSoundCharacter(root, "kfm", "Kung Fu Man");
    addSoundCharacter(root, "ryu", "Ryu");
    const CliRun clean = run({"check", "--main-dir", characters});
    EXPECT_EQ(clean.exitCode, 0) << clean.err; // an empty catalogue has no problems
    ASSERT_EQ(run({"update", "--main-dir", characters}).exitCode, 0);
    EXPECT_EQ(run({"check", "--main-dir", characters}).exitCode, 0);

    const std::string oddName = "kfm \"copy\"\t\\";
    addSoundCharacter(root, oddName, " KUNG FU MAN");
    addCharacter("broken", "Broken"); // its .def names kfm.cmd, which is not there
    addSoundCharacter(root, "gone", "Gone");
    ASSERT_EQ(run({"update", "--main-dir", characters}).exitCode, 0);
    fs::remove_all(characters + "/gone");

    const CliRun text = run({"check", "--main-dir", characters});
    EXPECT_EQ(text.exitCode, 3) << text.err;
    EXPECT_THAT(text.out, HasSubstr("gone from the character folder: 1\n"));
    EXPECT_THAT(text.out, HasSubstr("\tbroken\tbroken.def\tcmd = kfm.cmd\tnot found\n"));
    EXPECT_THAT(text.out, HasSubstr("same NAME and AUTHOR, groups: 1\n"));

    const CliRun json = run({"check", "--json", "--main-dir", characters});
    EXPECT_EQ(json.exitCode, 3);
    const auto report = parseJson(json.out);
    ASSERT_TRUE(report) << json.out;
    EXPECT_TRUE((*report)["completed"].boolean);
    ASSERT_EQ((*report)["missing"].items.size(), 1u);
    EXPECT_EQ((*report)["missing"].items[0]["fileName"].text, "gone");
    EXPECT_FALSE((*report)["missing"].items[0]["marked"].boolean);
    ASSERT_EQ((*report)["broken"].items.size(), 1u);
    EXPECT_EQ((*report)["broken"].items[0]["problem"].text, "missingFile");
    EXPECT_EQ((*report)["broken"].items[0]["key"].text, "cmd");
    const auto& group = (*report)["sameNameAndAuthor"].items.at(0).items;
    ASSERT_EQ(group.size(), 2u);
    EXPECT_EQ(group[0]["fileName"].text, "kfm");
    EXPECT_EQ(group[1]["name"].text, " KUNG FU MAN");
    EXPECT_EQ(group[1]["fileName"].text, oddName);
    EXPECT_EQ((*report)["samePortrait"].items.size(), 0u); // portraits are off
}

// What follows the word "roster: " or "check: " in a refusal.
std::string refusalText(const std::string& err) {
    const std::size_t colon = err.find(": ");
    return colon == std::string::npos ? err : err.substr(colon + 2);
}

TEST_F(Cli, CheckCountsBrokenCharactersApartFromTheirProblems) {
    addCharacter("broken", "Broken"); // one problem: kfm.cmd
    DefFields twice;
    twice.name = "Twice";
    twice.sprite = "gone.sff"; // two problems: kfm.cmd and gone.sff
    root.write("chars/twice/twice.def", defText(twice));
    ASSERT_EQ(run({"update", "--main-dir", characters}).exitCode, 0);

    const CliRun text = run({"check", "--main-dir", characters});
    EXPECT_EQ(text.exitCode, 3) << text.err;
    EXPECT_THAT(text.out, HasSubstr("broken characters: 2, problems: 3\n"));
    EXPECT_EQ(std::count(text.out.begin(), text.out.end(), '\n'), 7); // every problem listed

    const auto report = parseJson(run({"check", "--json", "--main-dir", characters}).out);
    ASSERT_TRUE(report);
    EXPECT_EQ((*report)["broken"].items.size(), 3u);
    EXPECT_EQ((*report)["brokenCharacters"].number, 2);
    EXPECT_EQ((*report)["brokenProblems"].number, 3);
}

TEST_F(Cli, CheckWithoutACharacterFolderRefusesAsRosterDoes) {
    addCharacter("kfm", "Kung Fu Man");
    ASSERT_EQ(run({"update", "--main-dir", characters}).exitCode, 0);
    // Settings.ini names no MainDir and no --main-dir is given: nothing
    // can be said about what is gone, so nothing is reported.
    const CliRun check = run({"check"});
    EXPECT_EQ(check.exitCode, 2);
    EXPECT_EQ(check.out, "");
    EXPECT_THAT(check.err, HasSubstr("MainDir"));
    const CliRun roster = run({"roster", root.file("select.def")});
    EXPECT_EQ(roster.exitCode, 2);
    EXPECT_EQ(refusalText(check.err), refusalText(roster.err));
    EXPECT_EQ(run({"check", "--json", "--main-dir", ""}).exitCode, 2);
}

TEST_F(Cli, CheckOfAMissingFolderFails) {
    const CliRun check = run({"check", "--main-dir", root.file("missing")});
    EXPECT_EQ(check.exitCode, 1);
    EXPECT_THAT(check.err, HasSubstr(root.file("missing")));
    EXPECT_EQ(check.out, "");
}

} // namespace
} // namespace zorvik::test
