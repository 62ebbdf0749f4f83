#include "core/catalogue/roster_query.h"

#include <gtest/gtest.h>

#include "core/catalogue/character_db.h"
#include "support/temp_folder.h"

namespace zorvik {
namespace {

TEST(RosterQuery, ReadsTheListsRowsWithTheirKindAndFailsLoudly) {
    test::TempFolder temp;
    Kel_CharacterDb catalogue(temp.file("db.sqlite3"));
    ASSERT_TRUE(executeBound(catalogue.statements(),
                             "INSERT INTO CHARACTER_TABLE(FILETYPE, FILENAME, NAME, DELETED) "
                             "VALUES(0, 'kfm', 'Kung Fu Man', 0), (2, 'x''y.zip', 'X', 0), "
                             "(0, 'old', 'Old', 1)",
                             {}));
    const RosterRows rows =
        readRosterRows(catalogue, makeListFilter(14, "'", MatchMode::Contains), "");
    ASSERT_TRUE(rows.ok) << rows.error;
    ASSERT_EQ(rows.rows.size(), 1u);
    EXPECT_EQ(rows.rows[0].fileType, 2);
    EXPECT_EQ(rows.rows[0].fileName, "x'y.zip");
    EXPECT_EQ(rows.rows[0].name, "X");
    EXPECT_EQ(readRosterRows(catalogue, {}, makeOrderClause(14, "DESC")).rows.size(), 2u);

    // A catalogue that cannot be read is a failure, never an empty roster.
    ASSERT_TRUE(catalogue.DropCharacterTable());
    const RosterRows broken = readRosterRows(catalogue, {}, "");
    EXPECT_FALSE(broken.ok);
    EXPECT_FALSE(broken.error.empty());
}

} // namespace
} // namespace zorvik
