#include "core/catalogue/roster_query.h"

#include <gtest/gtest.h>

#include "core/catalogue/character_db.h"
#include "core/catalogue/columns.h"
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
    // The shown columns are the list's own business: the roster reads its own.
    const RosterRows rows = readRosterRows(
        catalogue, {{kNameColumn, 99}, {kFileNameColumn, MatchMode::Contains, "'"}, {}});
    ASSERT_TRUE(rows.ok) << rows.error;
    ASSERT_EQ(rows.rows.size(), 1u);
    EXPECT_EQ(rows.rows[0].fileType, 2);
    EXPECT_EQ(rows.rows[0].fileName, "x'y.zip");
    EXPECT_EQ(rows.rows[0].name, "X");
    const RosterRows sorted =
        readRosterRows(catalogue, {{}, {}, {kFileNameColumn, SortDirection::Descending}});
    ASSERT_EQ(sorted.rows.size(), 2u);
    EXPECT_EQ(sorted.rows[0].fileName, "x'y.zip");
    EXPECT_EQ(sorted.rows[1].fileName, "kfm");

    // A catalogue that cannot be read is a failure, never an empty roster.
    ASSERT_TRUE(catalogue.DropCharacterTable());
    const RosterRows broken = readRosterRows(catalogue, {});
    EXPECT_FALSE(broken.ok);
    EXPECT_FALSE(broken.error.empty());
}

} // namespace
} // namespace zorvik
