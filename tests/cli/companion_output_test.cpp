// What the companion prints of a collection's own bytes, and which
// catalogues it refuses to read.

#include <filesystem>
#include <fstream>
#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include "cli_sandbox.h"
#include "support/archive_writer.h"
#include "support/character_fixture.h"
#include "support/json_reader.h"
#include "support/standing_character.h"

namespace zorvik::test {
namespace {

namespace fs = std::filesystem;
using ::testing::HasSubstr;
using ::testing::Not;

// A name that would turn a terminal's text red and ring its bell, with a
// C1 control (U+009B, which a terminal also takes for an escape).
const std::string kHostileName = "\x1b[31mRed\x07\xc2\x9b" "2J";
// A sprite file name with a NUL inside: the character is broken.
const std::string kNulSprite = std::string("kfm\0.sff", 8);

class CompanionOutput : public ::testing::Test, public CliSandbox {
protected:
    void addCharacter(const std::string& folder, const DefFields& fields) {
        root.write("chars/" + folder + "/" + folder + ".def", defText(fields));
        root.write("chars/" + folder + "/kfm.sff", portraitSff());
        root.write("chars/" + folder + "/kfm.cmd", "");
    }
    void addCharacter(const std::string& folder, const std::string& name) {
        DefFields fields;
        fields.name = name;
        addCharacter(folder, fields);
    }
    void update() {
        const CliRun updated = run({"update", "--main-dir", characters});
        ASSERT_EQ(updated.exitCode, 0) << updated.err;
    }
};

TEST_F(CompanionOutput, ControlCharactersAreEscapedOnATerminalAndKeptInFilesPipesAndJson) {
    addCharacter("red", kHostileName);
    update();

    const CliRun shown = runOnTerminal({"list"});
    EXPECT_EQ(shown.exitCode, 0) << shown.out;
    EXPECT_THAT(shown.out, HasSubstr("\\x1b[31mRed\\x07\\xc2\\x9b2J"));
    EXPECT_THAT(shown.out, Not(HasSubstr("\x1b[31m")));
    EXPECT_THAT(shown.out, Not(HasSubstr("\x07")));
    EXPECT_THAT(shown.out, Not(HasSubstr("\xc2\x9b")));

    // A pipe or a file gets the bytes the .def holds.
    EXPECT_THAT(run({"list"}).out, HasSubstr("\t" + kHostileName + "\t"));

    // The check's duplicates print the name too.
    addCharacter("red2", kHostileName);
    update();
    const CliRun checked = runOnTerminal({"check", "--main-dir", characters});
    EXPECT_EQ(checked.exitCode, 3) << checked.out;
    EXPECT_THAT(checked.out, HasSubstr("\\x1b[31mRed"));
    EXPECT_THAT(checked.out, Not(HasSubstr("\x1b[31m")));
    const auto json = parseJson(run({"check", "--json", "--main-dir", characters}).out);
    ASSERT_TRUE(json);
    EXPECT_EQ((*json)["sameNameAndAuthor"].items.at(0).items.at(0)["name"].text, kHostileName);
}

TEST_F(CompanionOutput, CheckPrintsEveryProblemPastANulInADefValue) {
    DefFields nul;
    nul.name = "Nul";
    nul.sprite = kNulSprite;
    addCharacter("a_nul", nul);
    DefFields later;
    later.name = "Later";
    later.sprite = "gone.sff";
    addCharacter("b_later", later);
    addCharacter("c_twin", "Twin");
    addCharacter("d_twin", "Twin");
    update();

    const CliRun piped = run({"check", "--main-dir", characters});
    EXPECT_EQ(piped.exitCode, 3) << piped.err;
    EXPECT_THAT(piped.out, HasSubstr("sprite = " + kNulSprite + "\tnot found\n"));
    EXPECT_THAT(piped.out, HasSubstr("\tb_later\tb_later.def\tsprite = gone.sff\tnot found\n"));
    EXPECT_THAT(piped.out, HasSubstr("same NAME and AUTHOR, groups: 1\n"));
    EXPECT_THAT(piped.out, HasSubstr("same portrait, groups: 0\n"));

    const CliRun shown = runOnTerminal({"check", "--main-dir", characters});
    EXPECT_THAT(shown.out, HasSubstr("sprite = kfm\\x00.sff\tnot found"));
    EXPECT_THAT(shown.out, HasSubstr("same NAME and AUTHOR, groups: 1"));

    const auto json = parseJson(run({"check", "--json", "--main-dir", characters}).out);
    ASSERT_TRUE(json);
    EXPECT_EQ((*json)["broken"].items.at(0)["value"].text, kNulSprite);
}

TEST_F(CompanionOutput, CommandsThatOnlyReadRefuseACatalogueThatDoesNotExist) {
    StandingCharacter{}.writeTo(root.makeFolder("chars/Stander"));
    root.write("app/Settings.ini", "[General]\r\nMainDir=" + characters + "\r\nTempDir=" +
                                       temporary + "/\r\n");
    const std::string typo = root.file("work/typo.db");
    for (const std::vector<std::string>& words :
         {std::vector<std::string>{"list", "--db", typo},
          {"portrait", "--db", typo, "1", root.file("p.png")},
          {"check", "--db", typo},
          {"frames", "--db", typo, "--id", "1", root.file("frames")},
          {"roster", "--db", typo, root.file("select.def")},
          {"list"}}) {
        const CliRun refused = run(words);
        EXPECT_EQ(refused.exitCode, 1) << words[0];
        EXPECT_THAT(refused.err, HasSubstr(words.size() > 1 ? typo : catalogue)) << words[0];
        EXPECT_EQ(refused.out, "") << words[0];
    }
    EXPECT_FALSE(fs::exists(typo));
    EXPECT_FALSE(fs::exists(catalogue));
    EXPECT_FALSE(fs::exists(root.file("select.def")));
    EXPECT_THAT(run({"list", "--lang", "en"}).err,
                HasSubstr("the catalogue " + catalogue + " does not exist"));
    // A character read from its .def needs no catalogue.
    EXPECT_EQ(run({"frames", "--db", typo, "--def", root.file("chars/Stander/stand.def"),
                   root.file("frames")})
                  .exitCode,
              0);
    // The update makes the catalogue, as ever.
    update();
    EXPECT_EQ(run({"list"}).exitCode, 0);
}

// Overwrites the catalogue's page of CHARACTER_TABLE (the second, after
// the schema) with bytes that are no b-tree page.
void damageCharacterTable(const std::string& catalogue) {
    std::fstream file(catalogue, std::ios::in | std::ios::out | std::ios::binary);
    file.seekp(4096);
    const std::string garbage(4096, '\xee');
    file.write(garbage.data(), static_cast<std::streamsize>(garbage.size()));
}

TEST_F(CompanionOutput, ADamagedCatalogueIsReportedAsSuchNotAsAMissingCharacter) {
    addCharacter("kfm", "Kung Fu Man");
    update();
    damageCharacterTable(catalogue);
    for (const std::vector<std::string>& words :
         {std::vector<std::string>{"frames", "--id", "1", root.file("frames")},
          {"portrait", "1", root.file("p.png")}}) {
        const CliRun failed = run(words);
        EXPECT_EQ(failed.exitCode, 1) << words[0];
        EXPECT_THAT(failed.err, HasSubstr("DBの読み込みでエラーがありました")) << failed.err;
        EXPECT_THAT(failed.err, Not(HasSubstr("no character has the ID"))) << words[0];
    }
    // A file that is no catalogue at all says so too.
    root.write("work/db.sqlite3", std::string(8192, '\xee'));
    const CliRun notACatalogue = run({"--lang", "en", "frames", "--id", "1", root.file("frames")});
    EXPECT_EQ(notACatalogue.exitCode, 1);
    EXPECT_THAT(notACatalogue.err, HasSubstr("Error while reading the catalogue: file is not a database"));
    EXPECT_THAT(notACatalogue.err, Not(HasSubstr("no character has the ID")));
}

TEST_F(CompanionOutput, FramesKeepsTheArchiverTraceOffStandardOutput) {
    StandingCharacter character;
    writeArchive(root.file("chars/stander.zip"), ArchiveFormat::Zip,
                 {FixtureEntry::file("stander/stand.def", character.defText()),
                  FixtureEntry::file("stander/stand.air", character.airText()),
                  FixtureEntry::file("stander/stand.sff", character.sffBytes())});
    update();
    const std::vector<std::string> frames = {"frames", "--id", "1", "--main-dir", characters,
                                             root.file("frames")};
    const CliRun quiet = run(frames);
    EXPECT_EQ(quiet.exitCode, 0) << quiet.err;
    EXPECT_EQ(quiet.out, "");
    EXPECT_EQ(quiet.err, "");

    std::vector<std::string> traced = frames;
    traced.push_back("--trace");
    const CliRun shown = run(traced);
    EXPECT_EQ(shown.exitCode, 0) << shown.err;
    EXPECT_EQ(shown.out, "");
    EXPECT_THAT(shown.err, HasSubstr("stander.zip"));
    EXPECT_THAT(run({"frames", "--help"}).out, HasSubstr("--trace"));
}

TEST_F(CompanionOutput, VersionAndTheRefusalsOfAColumnOrModeNameTheValue) {
    const CliRun version = run({"--version"});
    EXPECT_EQ(version.exitCode, 0);
    EXPECT_EQ(version.out, "zorvik-cli " ZORVIK_VERSION "\n");
    EXPECT_THAT(run({"--help"}).out, HasSubstr("--version"));

    const CliRun column = run({"list", "--column", "NAMEE", "--search", "x"});
    EXPECT_EQ(column.exitCode, 2);
    EXPECT_THAT(column.err, HasSubstr("bad column 'NAMEE'"));
    EXPECT_THAT(run({"list", "--sort", "IMAGE"}).err, HasSubstr("bad column 'IMAGE'"));
    EXPECT_THAT(run({"roster", "--mode", "nearly", "s.def"}).err, HasSubstr("bad mode 'nearly'"));
    EXPECT_THAT(run({"portraits", "--search", "x", "--column", "99"}).err,
                HasSubstr("bad column '99'"));
}

} // namespace
} // namespace zorvik::test
