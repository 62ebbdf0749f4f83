#include "core/catalogue/result_rows.h"

#include <cstdint>
#include <gtest/gtest.h>
#include <limits>
#include <sqlite3.h>

#include "core/catalogue/character_db.h"
#include "support/temp_folder.h"

namespace zorvik {
namespace {

class ResultRows : public ::testing::Test {
protected:
    test::TempFolder temp;
    Kel_CharacterDb catalogue{temp.file("db.sqlite3")};
    Kel_QueryResult result;
};

TEST_F(ResultRows, CellsAreMadeByTheCallersTypeCodes) {
    ASSERT_TRUE(executeBound(
        catalogue.statements(),
        "INSERT INTO CHARACTER_TABLE(NAME, NAME2, AUTHOR, COMMENT) VALUES(?, NULL, ?, ?)",
        {BoundValue::ofText("日本語"), BoundValue::ofText("abc"), BoundValue::ofText("12x")}));
    Statement statement(catalogue.statements(),
                        "SELECT ID, NAME, NAME2, AUTHOR, COMMENT, NAME, NAME FROM CHARACTER_TABLE");
    // The last column has no type code at all.
    EXPECT_EQ(readResultRows(statement, {1, 4, 4, 1, 1, 2}, result), SQLITE_DONE);
    ASSERT_EQ(result.rowCount(), 1u);
    ASSERT_EQ(result.columnCount(), 7u);
    EXPECT_EQ(result.integerAt(0, 0), 1);
    EXPECT_EQ(result.textAt(1, 0), "日本語");
    EXPECT_EQ(result.textAt(2, 0), "");    // NULL as text
    EXPECT_EQ(result.integerAt(3, 0), 0);  // non-numeric text as integer
    EXPECT_EQ(result.integerAt(4, 0), 12); // leading digits as integer
    EXPECT_EQ(result.textAt(5, 0), "Undefined column type.");
    EXPECT_EQ(result.textAt(6, 0), "Undefined column type.");
}

TEST_F(ResultRows, NoRowsGiveNoColumns) {
    Statement statement(catalogue.statements(), "SELECT ID, NAME FROM CHARACTER_TABLE");
    EXPECT_EQ(readResultRows(statement, {1, 4}, result), SQLITE_DONE);
    EXPECT_EQ(result.rowCount(), 0u);
    EXPECT_EQ(result.columnCount(), 0u);
}

TEST_F(ResultRows, AStepErrorKeepsTheRowsReadBeforeItAndSaysSo) {
    // abs() of the second row's value overflows, only when that row is read.
    for (const std::int64_t value : {std::int64_t{7}, std::numeric_limits<std::int64_t>::min()}) {
        ASSERT_TRUE(executeBound(catalogue.statements(),
                                 "INSERT INTO CHARACTER_TABLE(PATH_ID) VALUES(?)",
                                 {BoundValue::ofInt(value)}));
    }
    Statement statement(catalogue.statements(),
                        "SELECT abs(PATH_ID) FROM CHARACTER_TABLE ORDER BY ID");
    EXPECT_EQ(readResultRows(statement, {1}, result), SQLITE_ERROR);
    ASSERT_EQ(result.rowCount(), 1u);
    EXPECT_EQ(result.integerAt(0, 0), 7);
}

} // namespace
} // namespace zorvik
