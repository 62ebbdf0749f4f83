#include "core/catalogue/character_db.h"

#include <gtest/gtest.h>
#include <sqlite3.h>
#include <sys/stat.h>
#include <unistd.h>

#include "core/catalogue/columns.h"
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
    EXPECT_NE(again.SelectCharacterList({}), nullptr);
}

TEST_F(CharacterDb, DeleteAllKeepsTheTableAndEmptiesIt) {
    Kel_CharacterDb catalogue;
    ASSERT_TRUE(executeBound(catalogue.statements(), "INSERT INTO CHARACTER_TABLE(NAME) VALUES(?)",
                             {BoundValue::ofText("kfm")}));
    ASSERT_TRUE(catalogue.DeleteAllCharacters());
    EXPECT_EQ(catalogue.text(), "レコード削除完了");
    auto rows = catalogue.SelectCharacterList({});
    ASSERT_NE(rows, nullptr);
    EXPECT_EQ(rows->rowCount(), 0u);
    EXPECT_EQ(rows->columnCount(), 0u);
}

// The list's search for one NAME, exactly.
ListCriteria nameSearch(const std::string& name) {
    return {{kNameColumn}, {kNameColumn, MatchMode::Exact, name}, {}};
}

TEST_F(CharacterDb, TheListBindsItsSearchSoQuotesAndColumnNamesAreJustText) {
    Kel_CharacterDb catalogue;
    for (const char* name : {"NAME", "say \"hi\"", "other"}) {
        ASSERT_TRUE(executeBound(catalogue.statements(),
                                 "INSERT INTO CHARACTER_TABLE(NAME, DELETED) VALUES(?, 0)",
                                 {BoundValue::ofText(name)}));
    }
    for (const char* name : {"NAME", "say \"hi\""}) {
        auto rows = catalogue.SelectCharacterList(nameSearch(name));
        ASSERT_NE(rows, nullptr);
        ASSERT_EQ(rows->rowCount(), 1u) << name;
        EXPECT_EQ(rows->textAt(1, 0), name);
    }
}

TEST_F(CharacterDb, AListThatCannotRunReportsItsStatementButNotTheSearchedText) {
    Kel_CharacterDb catalogue;
    ASSERT_TRUE(catalogue.DropCharacterTable());
    EXPECT_EQ(catalogue.SelectCharacterList(nameSearch("secret 'text'")), nullptr);
    EXPECT_EQ(catalogue.text(), "SELECT文の処理に失敗\nErrMsg : no such table: CHARACTER_TABLE\n"
                                "SQL : SELECT ID,NAME,DELETED FROM CHARACTER_TABLE WHERE "
                                "DELETED != 1 AND NAME LIKE ?;");
}

TEST_F(CharacterDb, StatusTextIsCutToItsBuffer) {
    Kel_CharacterDb catalogue;
    EXPECT_FALSE(catalogue.EnsureTable(std::string(3000, 'x'), "ID INTEGER,"));
    EXPECT_EQ(catalogue.text().size(), 2047u);
}

TEST_F(CharacterDb, AFileThatIsNotADatabaseGivesSqlitesReason) {
    temp.write("db.sqlite3", std::string(4096, 'x'));
    Kel_CharacterDb catalogue;
    EXPECT_EQ(catalogue.text(),
              "CHARACTER_TABLEの存在確認SQLのprepareで不具合発生\nfile is not a database");
    EXPECT_EQ(catalogue.SelectCharacterList({}), nullptr);
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
