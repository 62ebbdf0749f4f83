#include "core/catalogue/character_db.h"

#include <gtest/gtest.h>
#include <sqlite3.h>
#include <sys/stat.h>
#include <unistd.h>

#include "support/temp_folder.h"

namespace zorvik {
namespace {

class CharacterDb : public ::testing::Test {
protected:
    test::TempFolder temp;
    test::ScopedCurrentFolder inTemp{temp.path()};
};

std::string schema(StatementCache& db) {
    std::string text;
    Statement statement(db, "SELECT sql FROM sqlite_master WHERE type='table' ORDER BY rowid");
    while (statement.step() == SQLITE_ROW) {
        text += statement.textAt(0) + "\n";
    }
    return text;
}

TEST_F(CharacterDb, FirstOpenCreatesBothTablesAndSecondOpenReportsDone) {
    {
        Kel_CharacterDb catalogue;
        EXPECT_EQ(catalogue.text(), "PATH_TABLEテーブルが存在しないため作成。\n");
        EXPECT_EQ(schema(catalogue.statements()), std::string("CREATE TABLE CHARACTER_TABLE (") +
                                              Kel_CharacterDb::kCharacterColumns +
                                              ")\nCREATE TABLE PATH_TABLE (" +
                                              Kel_CharacterDb::kPathColumns + ")\n");
    }
    Kel_CharacterDb again;
    EXPECT_EQ(again.text(), "初期化：終了");
    EXPECT_EQ(access("db.sqlite3", F_OK), 0); // by relative name, in the current folder
}

TEST_F(CharacterDb, NamesAreLookedUpThroughAnIndex) {
    Kel_CharacterDb catalogue;
    Statement plan(catalogue.statements(), "EXPLAIN QUERY PLAN SELECT ID, LASTCHECK_DATE FROM "
                                   "CHARACTER_TABLE WHERE FILENAME=?;");
    ASSERT_EQ(plan.step(), SQLITE_ROW);
    EXPECT_NE(plan.textAt(3).find(std::string("USING COVERING INDEX ") +
                                  Kel_CharacterDb::kFileNameIndex),
              std::string::npos)
        << plan.textAt(3);
}

TEST_F(CharacterDb, DroppedTableIsCreatedAgainAtTheNextOpen) {
    {
        Kel_CharacterDb catalogue;
        ASSERT_TRUE(catalogue.DropCharacterTable());
        EXPECT_EQ(catalogue.text(), "テーブル削除完了");
        EXPECT_FALSE(catalogue.DropCharacterTable());
        EXPECT_EQ(catalogue.text(), "テーブル削除失敗");
        EXPECT_FALSE(catalogue.DeleteAllCharacters());
        EXPECT_EQ(catalogue.text(), "データ削除失敗");
    }
    // Each table check starts the status afresh, so only the last one's text stays.
    Kel_CharacterDb again;
    EXPECT_EQ(again.text(), "初期化：終了");
    EXPECT_NE(again.Select("SELECT ID FROM CHARACTER_TABLE", {1}), nullptr);
}

TEST_F(CharacterDb, DeleteAllKeepsTheTableAndEmptiesIt) {
    Kel_CharacterDb catalogue;
    ASSERT_TRUE(executeBound(catalogue.statements(), "INSERT INTO CHARACTER_TABLE(NAME) VALUES(?)",
                             {BoundValue::ofText("kfm")}));
    ASSERT_TRUE(catalogue.DeleteAllCharacters());
    EXPECT_EQ(catalogue.text(), "レコード削除完了");
    auto rows = catalogue.Select("SELECT ID FROM CHARACTER_TABLE", {1});
    ASSERT_NE(rows, nullptr);
    EXPECT_EQ(rows->rowCount(), 0u);
    EXPECT_EQ(rows->columnCount(), 0u);
}

TEST_F(CharacterDb, SelectMakesCellsByTheCallersTypeCodes) {
    Kel_CharacterDb catalogue;
    ASSERT_TRUE(executeBound(
        catalogue.statements(),
        "INSERT INTO CHARACTER_TABLE(NAME, NAME2, AUTHOR, COMMENT) VALUES(?, NULL, ?, ?)",
        {BoundValue::ofText("日本語"), BoundValue::ofText("abc"), BoundValue::ofText("12x")}));
    auto rows = catalogue.Select(
        "SELECT ID, NAME, NAME2, AUTHOR, COMMENT, NAME FROM CHARACTER_TABLE", {1, 4, 4, 1, 1, 2});
    ASSERT_NE(rows, nullptr);
    ASSERT_EQ(rows->rowCount(), 1u);
    ASSERT_EQ(rows->columnCount(), 6u);
    EXPECT_EQ(rows->integerAt(0, 0), 1);
    EXPECT_EQ(rows->textAt(1, 0), "日本語");
    EXPECT_EQ(rows->textAt(2, 0), "");    // NULL as text
    EXPECT_EQ(rows->integerAt(3, 0), 0);  // non-numeric text as integer
    EXPECT_EQ(rows->integerAt(4, 0), 12); // leading digits as integer
    EXPECT_EQ(rows->textAt(5, 0), "Undefined column type.");
}

TEST_F(CharacterDb, SelectBindsParametersSoQuotesAndColumnNamesAreJustText) {
    Kel_CharacterDb catalogue;
    for (const char* name : {"NAME", "say \"hi\"", "other"}) {
        ASSERT_TRUE(executeBound(catalogue.statements(), "INSERT INTO CHARACTER_TABLE(NAME) VALUES(?)",
                                 {BoundValue::ofText(name)}));
    }
    for (const char* name : {"NAME", "say \"hi\""}) {
        auto rows = catalogue.Select("SELECT NAME FROM CHARACTER_TABLE WHERE NAME = ?", {4},
                                     {BoundValue::ofText(name)});
        ASSERT_NE(rows, nullptr);
        ASSERT_EQ(rows->rowCount(), 1u) << name;
        EXPECT_EQ(rows->textAt(0, 0), name);
    }
}

TEST_F(CharacterDb, SelectWithASyntaxErrorReportsTheStatement) {
    Kel_CharacterDb catalogue;
    EXPECT_EQ(catalogue.Select("SELEC ID FROM CHARACTER_TABLE", {1}), nullptr);
    EXPECT_EQ(catalogue.text(), "SELECT文の処理に失敗\nErrMsg : near \"SELEC\": syntax error\n"
                                "SQL : SELEC ID FROM CHARACTER_TABLE");
}

TEST_F(CharacterDb, StatusTextIsCutToItsBuffer) {
    Kel_CharacterDb catalogue;
    const std::string longStatement = "SELECT " + std::string(3000, 'x');
    EXPECT_EQ(catalogue.Select(longStatement, {1}), nullptr);
    EXPECT_EQ(catalogue.text().size(), 2047u);
}

TEST_F(CharacterDb, AFileThatIsNotADatabaseGivesSqlitesReason) {
    temp.write("db.sqlite3", std::string(4096, 'x'));
    Kel_CharacterDb catalogue;
    EXPECT_EQ(catalogue.text(),
              "CHARACTER_TABLEの存在確認SQLのprepareで不具合発生\nfile is not a database");
    EXPECT_EQ(catalogue.Select("SELECT ID FROM CHARACTER_TABLE", {1}), nullptr);
}

TEST_F(CharacterDb, AFolderInPlaceOfTheFileCannotBeOpened) {
    temp.makeFolder("db.sqlite3");
    Kel_CharacterDb catalogue;
    EXPECT_EQ(catalogue.text(),
              "CHARACTER_TABLEの存在確認SQLのprepareで不具合発生\nunable to open database file");
}

TEST_F(CharacterDb, AReadOnlyFolderCannotHoldTheCatalogue) {
    if (geteuid() == 0) {
        GTEST_SKIP() << "root writes into read-only folders";
    }
    chmod(temp.path().c_str(), 0555);
    Kel_CharacterDb catalogue;
    EXPECT_EQ(catalogue.text(),
              "CHARACTER_TABLEの存在確認SQLのprepareで不具合発生\nunable to open database file");
}

} // namespace
} // namespace zorvik
