#include "core/discovery/character_moves.h"

#include <filesystem>

#include "core/catalogue/statement.h"
#include "list_update_fixture.h"
#include "support/archive_writer.h"

namespace zorvik::test {
namespace {

namespace fs = std::filesystem;

// A sorted collection whose characters the user moves about between updates.
class MovedCharacters : public ListUpdateFixture {
protected:
    MovedCharacters() { settings.SearchSubfolders = true; }

    void move(const std::string& from, const std::string& to) {
        fs::create_directories(fs::path(root.file("chars/" + to)).parent_path());
        fs::rename(root.file("chars/" + from), root.file("chars/" + to));
    }

    // What the user typed: the four notes and a NAME of their own.
    void typeNotes(const std::string& fileName) {
        ASSERT_TRUE(executeBound(
            catalogue.statements(),
            "UPDATE CHARACTER_TABLE SET NAME='My Ken', AI_AUTHOR='ai', SPECIAL1='s1', "
            "SPECIAL2='s2', COMMENT='my notes', SUPPORTED_VER='1.1' WHERE FILENAME=?",
            {BoundValue::ofText(fileName)}));
    }

    void expectNotes(const StoredRow& stored) {
        EXPECT_EQ(stored.text.at("NAME"), "My Ken");
        EXPECT_EQ(stored.text.at("AI_AUTHOR"), "ai");
        EXPECT_EQ(stored.text.at("COMMENT"), "my notes");
        EXPECT_EQ(stored.text.at("SUPPORTED_VER"), "1.1");
        EXPECT_EQ(stored.text.at("DELETED"), "0");
    }

    static DefFields ken() {
        DefFields fields;
        fields.name = "Ken";
        fields.displayName = "Ken Masters";
        fields.author = "Capcom";
        return fields;
    }
};

TEST_F(MovedCharacters, RenamedAndRegroupedFoldersKeepTheirRowAndNotes) {
    addFolder("Capcom/Ken", ken());
    addFolder("Capcom/Ryu");
    ASSERT_EQ(update().inserted, 2);
    const std::int64_t id = row("Capcom/Ken").id;
    typeNotes("Capcom/Ken");

    move("Capcom/Ken", "Capcom/Street Fighter/Ken");
    settings.RegisterSprite = true; // the row had no portrait: it gets one
    ListUpdateOutcome outcome = update();
    EXPECT_EQ(outcome.moved, 1);
    EXPECT_EQ(outcome.inserted, 0);
    EXPECT_EQ(outcome.missing, 0);
    EXPECT_EQ(row("Capcom/Street Fighter/Ken").id, id);
    expectNotes(row("Capcom/Street Fighter/Ken"));
    EXPECT_EQ(row("Capcom/Street Fighter/Ken").text.at("IMAGE IS NULL"), "0");
    EXPECT_EQ(japaneseText(outcome.countsText()),
              "更新処理終了 : 新規追加データ 0件、 更新データ 0件、 移動 1件でした。");

    // Renamed in its group, then moved to another group.
    move("Capcom/Street Fighter/Ken", "Capcom/Street Fighter/Ken Masters");
    EXPECT_EQ(update().moved, 1);
    move("Capcom/Street Fighter/Ken Masters", "SNK vs Capcom/Ken Masters");
    EXPECT_EQ(update().moved, 1);
    EXPECT_EQ(row("SNK vs Capcom/Ken Masters").id, id);
    expectNotes(row("SNK vs Capcom/Ken Masters"));
    EXPECT_EQ(rowCount(), 2u);
    EXPECT_TRUE(messages.shown().empty());
}

TEST_F(MovedCharacters, AMovePlusAnEditedDefTakesTheNewVersionAndKeepsTheNotes) {
    addFolder("Ken", ken(), "2012-03-03");
    update();
    const std::int64_t id = row("Ken").id;
    typeNotes("Ken");
    DefFields edited = ken();
    edited.versionDate = "01,01,2020";
    move("Ken", "Street Fighter/Ken");
    root.write("chars/Street Fighter/Ken/kfm.def", defText(edited));
    stamp(root.file("chars/Street Fighter/Ken"), "2020-01-01");
    EXPECT_EQ(update().moved, 1);
    const StoredRow moved = row("Street Fighter/Ken");
    EXPECT_EQ(moved.id, id);
    expectNotes(moved);
    EXPECT_EQ(moved.text.at("UPDATE_DATE"), "01,01,2020");
    EXPECT_EQ(moved.text.at("LASTCHECK_DATE"), "2020-01-01");
}

TEST_F(MovedCharacters, TwoIdenticalCopiesAreLeftAloneAndCounted) {
    addFolder("Ken", ken());
    update();
    typeNotes("Ken");
    move("Ken", "A/Ken");
    root.makeFolder("chars/B");
    fs::copy(root.file("chars/A/Ken"), root.file("chars/B/Ken"), fs::copy_options::recursive);
    settings.RegisterSprite = true;
    const ListUpdateOutcome outcome = update();
    EXPECT_EQ(outcome.moved, 0);
    EXPECT_EQ(outcome.movesLeft, 1);
    EXPECT_EQ(outcome.inserted, 2);
    EXPECT_EQ(outcome.missing, 1);
    EXPECT_EQ(row("Ken").text.at("COMMENT"), "my notes");
    EXPECT_EQ(row("Ken").text.at("DELETED"), "2");
    EXPECT_EQ(row("A/Ken").text.at("COMMENT"), "<null>");
    EXPECT_EQ(row("B/Ken").text.at("IMAGE IS NULL"), "0"); // added whole, portrait and all
    EXPECT_EQ(japaneseText(outcome.remarks().at(0)),
              "移動先を一つに決められず残したデータ : 1件");
}

// Two copies of one .def whose sprites differ: each moved copy finds the
// row holding its own portrait.
TEST_F(MovedCharacters, WhereTheDefIsSharedThePortraitsBytesDecide) {
    settings.RegisterSprite = true;
    addFolder("Ken", ken());
    addFolder("Ken 2", ken());
    root.write("chars/Ken 2/kfm.sff", portraitSff(9000, 1, 11));
    update();
    const std::int64_t first = row("Ken").id;
    const std::int64_t second = row("Ken 2").id;
    move("Ken", "B/Ken");
    move("Ken 2", "A/Ken 2");
    const ListUpdateOutcome outcome = update();
    EXPECT_EQ(outcome.moved, 2);
    EXPECT_EQ(outcome.movesLeft, 0);
    EXPECT_EQ(row("B/Ken").id, first);
    EXPECT_EQ(row("A/Ken 2").id, second);
    EXPECT_EQ(rowCount(), 2u);
}

TEST_F(MovedCharacters, AFolderMovedIntoAnArchiveKeepsItsRow) {
    addFolder("Ken", ken());
    update();
    const std::int64_t id = row("Ken").id;
    typeNotes("Ken");
    fs::remove_all(root.file("chars/Ken"));
    root.makeFolder("chars/Capcom");
    writeArchive(root.file("chars/Capcom/Ken.zip"), ArchiveFormat::Zip,
                 {FixtureEntry::file("Ken/kfm.def", defText(ken())),
                  FixtureEntry::file("Ken/kfm.sff", portraitSff())});
    EXPECT_EQ(update().moved, 1);
    const StoredRow moved = row("Capcom/Ken.zip");
    EXPECT_EQ(moved.id, id);
    EXPECT_EQ(moved.text.at("FILETYPE"), "2");
    expectNotes(moved);
}

// A row registered before the sources were kept is known by its NAME,
// NAME2 and AUTHOR; one the user renamed is then not found, and stays.
TEST_F(MovedCharacters, RowsWithoutAKeptSourceMoveByTheirColumns) {
    addFolder("Ken", ken());
    addFolder("Ryu");
    update();
    ASSERT_TRUE(executeBound(catalogue.statements(), "DELETE FROM CHARACTER_SOURCE_TABLE", {}));
    ASSERT_TRUE(executeBound(catalogue.statements(),
                             "UPDATE CHARACTER_TABLE SET NAME='Renamed' WHERE FILENAME='Ryu'", {}));
    move("Ken", "Capcom/Ken");
    move("Ryu", "Capcom/Ryu");
    const ListUpdateOutcome outcome = update();
    EXPECT_EQ(outcome.moved, 1);
    EXPECT_EQ(outcome.inserted, 1);
    EXPECT_EQ(row("Capcom/Ken").text.at("NAME"), "Ken");
    EXPECT_EQ(row("Ryu").text.at("DELETED"), "2");
}

} // namespace
} // namespace zorvik::test
