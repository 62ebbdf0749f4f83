#include "core/catalogue/missing_rows.h"

#include <gtest/gtest.h>

#include "core/catalogue/character_db.h"
#include "support/catalogue_probe.h"
#include "support/temp_folder.h"

namespace zorvik {
namespace {

using Stage = CatalogueStatus::Stage;
using Ids = std::vector<std::int64_t>;

// Rows 1..5 named a..e with DELETED 0, 2, 2, 1, 2.
class MissingRowsTest : public ::testing::Test {
protected:
    void SetUp() override {
        const std::vector<std::pair<const char*, int>> rows = {
            {"a", 0}, {"b", 2}, {"c", 2}, {"d", 1}, {"e", 2}};
        for (const auto& [name, deleted] : rows) {
            ASSERT_TRUE(executeBound(catalogue.statements(),
                                     "INSERT INTO CHARACTER_TABLE(NAME, DELETED) VALUES(?, ?)",
                                     {BoundValue::ofText(name), BoundValue::ofInt(deleted)}));
        }
    }

    void setDeleted(std::int64_t id, int state) {
        ASSERT_TRUE(executeBound(catalogue.statements(),
                                 "UPDATE CHARACTER_TABLE SET DELETED=? WHERE ID=?",
                                 {BoundValue::ofInt(state), BoundValue::ofInt(id)}));
    }

    std::vector<std::string> names() { return test::catalogueNames(path); }

    test::TempFolder temp;
    std::string path = temp.file("db.sqlite3");
    Kel_CharacterDb catalogue{path};
    MissingRows missing{catalogue};
};

TEST_F(MissingRowsTest, DeletesExactlyTheRowsStillMarkedOfThoseConfirmed) {
    const MissingRowIds marked = missing.readIds();
    ASSERT_TRUE(marked.status);
    EXPECT_EQ(marked.ids, (Ids{2, 3, 5}));
    // Since the user was asked: c came back, and a new row was marked.
    setDeleted(3, 0);
    setDeleted(1, 2);
    const MissingRowRemoval removal = missing.deleteMarked(Ids{2, 3, 5, 4});
    ASSERT_TRUE(removal.status) << removal.status.error;
    EXPECT_EQ(removal.deleted, 2);
    EXPECT_EQ(names(), (std::vector<std::string>{"a", "c", "d"}));
    EXPECT_EQ(missing.readIds().ids, (Ids{1}));
    EXPECT_EQ(missing.deleteMarked({}).deleted, 0);
}

// What the user typed goes with the row: the question counts such rows.
TEST_F(MissingRowsTest, RowsCarryingTypedNotesAreCounted) {
    EXPECT_EQ(missing.readIds().withNotes, 0);
    const std::vector<std::pair<const char*, std::int64_t>> typed = {
        {"UPDATE CHARACTER_TABLE SET COMMENT='my notes' WHERE ID=?", 2},
        {"UPDATE CHARACTER_TABLE SET AI_AUTHOR='ai', SPECIAL2='x' WHERE ID=?", 3},
        {"UPDATE CHARACTER_TABLE SET SPECIAL1='hidden row' WHERE ID=?", 4},
        {"UPDATE CHARACTER_TABLE SET COMMENT='  ', SPECIAL1='' WHERE ID=?", 5}};
    for (const auto& [sql, id] : typed) {
        ASSERT_TRUE(executeBound(catalogue.statements(), sql, {BoundValue::ofInt(id)}));
    }
    const MissingRowIds marked = missing.readIds();
    EXPECT_EQ(marked.ids, (Ids{2, 3, 5}));
    EXPECT_EQ(marked.withNotes, 2); // blanks are no notes; row 4 is hidden, not missing
}

TEST_F(MissingRowsTest, AFailureHalfwayDeletesNothingAndSaysWhy) {
    ASSERT_TRUE(executeBound(catalogue.statements(),
                             "CREATE TRIGGER keep_e BEFORE DELETE ON CHARACTER_TABLE "
                             "WHEN OLD.ID = 5 BEGIN SELECT RAISE(ABORT, 'e is kept'); END;",
                             {}));
    const MissingRowRemoval removal = missing.deleteMarked(Ids{2, 3, 5});
    EXPECT_EQ(removal.status.failedAt, Stage::Run);
    EXPECT_EQ(removal.status.error, "e is kept");
    EXPECT_EQ(removal.status.statement, MissingRows::kDeleteSql);
    EXPECT_EQ(removal.deleted, 0);
    EXPECT_EQ(names(), (std::vector<std::string>{"a", "b", "c", "d", "e"}));
    // No transaction was left open: another program can write at once.
    Kel_CharacterDb other(path);
    EXPECT_TRUE(executeBound(other.statements(), "DELETE FROM CHARACTER_TABLE WHERE ID=?",
                             {BoundValue::ofInt(1)}));
}

} // namespace
} // namespace zorvik
