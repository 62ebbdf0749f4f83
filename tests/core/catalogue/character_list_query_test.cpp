#include "core/catalogue/character_list_query.h"

#include <gtest/gtest.h>
#include <sqlite3.h>

#include "core/catalogue/character_db.h"
#include "support/temp_folder.h"

namespace zorvik {
namespace {

const std::array<int, 17> kDefaultOrder = {1,  2,  3,  4,  5,  6,  7,  8, 9,
                                           -1, 11, 12, 13, 14, 15, 16, 0};

// The designed statement with one addition: DELETED after the shown
// columns, so that the list can grey the rows marked missing.
TEST(CharacterListQuery, DefaultOrderWithoutSearchOrSortGivesTheDesignedStatement) {
    const auto query = makeCharacterListQuery(shownColumns(kDefaultOrder), {}, "");
    EXPECT_EQ(query.sql, "SELECT ID,NAME,NAME2,AUTHOR,AI_AUTHOR,SPECIAL1,SPECIAL2,SUPPORTED_VER,"
                         "COMMENT,UPDATE_DATE,DELETED FROM CHARACTER_TABLE WHERE DELETED != 1 ;");
    EXPECT_EQ(query.columnTypes, (std::vector<std::int32_t>{1, 4, 4, 4, 4, 4, 4, 4, 4, 4, 1}));
    EXPECT_EQ(query.deletedColumn, 10u);
    EXPECT_TRUE(query.parameters.empty());
}

TEST(CharacterListQuery, SearchAndSortFollowTheFixedCondition) {
    std::array<int, 17> order{};
    order.fill(-1);
    order[0] = 3;
    order[1] = 1;
    const auto query =
        makeCharacterListQuery(shownColumns(order), makeListFilter(1, "abc", MatchMode::Contains),
                               makeOrderClause(3, "DESC"));
    EXPECT_EQ(query.sql, "SELECT ID,AUTHOR,NAME,DELETED FROM CHARACTER_TABLE WHERE DELETED != 1 "
                         "AND NAME LIKE ? ORDER BY AUTHOR DESC;");
    EXPECT_EQ(query.deletedColumn, 3u);
    ASSERT_EQ(query.parameters.size(), 1u);
    EXPECT_EQ(query.parameters[0].bytes, "%abc%");
}

TEST(CharacterListQuery, PatternsFollowTheMatchModeAndNoColumnMeansNoSearch) {
    EXPECT_EQ(makeListFilter(2, "a_b", MatchMode::Exact).pattern, "a_b");
    EXPECT_EQ(makeListFilter(2, "ab", MatchMode::BeginsWith).pattern, "ab%");
    EXPECT_EQ(makeListFilter(2, "ab", MatchMode::EndsWith).pattern, "%ab");
    EXPECT_EQ(makeListFilter(2, "ab", MatchMode::Exact).clause, "AND NAME2 LIKE ?");
    EXPECT_TRUE(makeListFilter(2, "", MatchMode::Contains).clause.empty());
    EXPECT_TRUE(makeListFilter(-1, "ab", MatchMode::Contains).clause.empty());
    EXPECT_TRUE(makeListFilter(16, "ab", MatchMode::Contains).clause.empty());
}

TEST(CharacterListQuery, OrderEntriesThatNameNoColumnAreSkippedAndAtMostSixteenShown) {
    std::array<int, 17> order = {2, 99, -7, 1, -1, 4};
    EXPECT_EQ(shownColumns(order), (std::vector<int>{2, 1}));
    order.fill(1);
    EXPECT_EQ(shownColumns(order).size(), 16u);
    order[0] = -1;
    EXPECT_TRUE(shownColumns(order).empty());
}

// The search runs against a real catalogue: the text is matched as typed.
class CharacterListSearch : public ::testing::Test {
protected:
    void SetUp() override {
        for (const char* name : {"NAME", "Say \"hi\"", "abc", "aXc", "リュウ", "ケン"}) {
            ASSERT_TRUE(executeBound(catalogue.statements(),
                                     "INSERT INTO CHARACTER_TABLE(NAME, DELETED) VALUES(?, 0)",
                                     {BoundValue::ofText(name)}));
        }
    }
    std::vector<std::string> names(std::string_view text, MatchMode mode) {
        const auto query =
            makeCharacterListQuery({1}, makeListFilter(1, text, mode), " ORDER BY NAME ASC");
        const auto result = catalogue.Select(query.sql, query.columnTypes, query.parameters);
        std::vector<std::string> found;
        for (std::size_t row = 0; result && row < result->rowCount(); ++row) {
            found.emplace_back(result->textAt(1, row));
        }
        return found;
    }
    test::TempFolder temp;
    Kel_CharacterDb catalogue{temp.file("db.sqlite3")};
};

TEST_F(CharacterListSearch, QuotesAndColumnNamesAreSearchedForAsTyped) {
    EXPECT_EQ(names("\"hi\"", MatchMode::Contains), (std::vector<std::string>{"Say \"hi\""}));
    EXPECT_EQ(names("NAME", MatchMode::Exact), (std::vector<std::string>{"NAME"}));
    EXPECT_EQ(names("'", MatchMode::Contains), (std::vector<std::string>{}));
}

TEST_F(CharacterListSearch, WildcardsKeepTheirMeaningAndJapaneseMatches) {
    EXPECT_EQ(names("a_c", MatchMode::Exact), (std::vector<std::string>{"aXc", "abc"}));
    EXPECT_EQ(names("リュ", MatchMode::BeginsWith), (std::vector<std::string>{"リュウ"}));
    EXPECT_EQ(names("ン", MatchMode::EndsWith), (std::vector<std::string>{"ケン"}));
}

TEST_F(CharacterListSearch, MissingRowsAreListedWithTheirStateAndHiddenOnesAreNot) {
    ASSERT_TRUE(executeBound(catalogue.statements(), "UPDATE CHARACTER_TABLE SET DELETED=? WHERE ID=?",
                             {BoundValue::ofInt(2), BoundValue::ofInt(3)}));
    ASSERT_TRUE(executeBound(catalogue.statements(), "UPDATE CHARACTER_TABLE SET DELETED=? WHERE ID=?",
                             {BoundValue::ofInt(1), BoundValue::ofInt(4)}));
    const auto query = makeCharacterListQuery({2, 1}, {}, "");
    const auto result = catalogue.Select(query.sql, query.columnTypes, query.parameters);
    ASSERT_TRUE(result);
    ASSERT_EQ(result->rowCount(), 5u);
    std::vector<std::int32_t> states;
    for (std::size_t row = 0; row < result->rowCount(); ++row) {
        states.push_back(result->integerAt(query.deletedColumn, row));
    }
    EXPECT_EQ(states, (std::vector<std::int32_t>{0, 0, 2, 0, 0}));
    EXPECT_EQ(result->textAt(2, 2), "abc");
}

} // namespace
} // namespace zorvik

namespace zorvik {
namespace {

// What SQLite plans for the list's statement: it must read one of the
// list indexes and never the rows, which carry the portraits.
std::string planOf(Kel_CharacterDb& catalogue, const CharacterListQuery& query) {
    Statement plan(catalogue.statements(), "EXPLAIN QUERY PLAN " + query.sql);
    std::string text;
    while (plan.step() == SQLITE_ROW) {
        text += plan.textAt(3) + "\n";
    }
    return text;
}

TEST(CharacterListIndex, EveryColumnSetSearchAndSortScansTheListIndexOnly) {
    test::TempFolder temp;
    Kel_CharacterDb catalogue(temp.file("db.sqlite3"));
    const std::string covering = "USING COVERING INDEX CHARACTER_TABLE_";
    const std::vector<int> defaultColumns = shownColumns(kDefaultOrder);
    for (int column = 0; static_cast<std::size_t>(column) < kSearchColumnCount; ++column) {
        const std::vector<CharacterListQuery> queries = {
            makeCharacterListQuery({column}, {}, ""),
            makeCharacterListQuery(defaultColumns, makeListFilter(column, "a", MatchMode::Contains),
                                   ""),
            makeCharacterListQuery(defaultColumns, makeListFilter(column, "a", MatchMode::BeginsWith),
                                   makeOrderClause(column, "DESC"))};
        for (const CharacterListQuery& query : queries) {
            const std::string plan = planOf(catalogue, query);
            EXPECT_NE(plan.find(covering), std::string::npos) << query.sql << "\n" << plan;
        }
    }
    // Unsorted, the list keeps the order of registration: the index in ID order.
    EXPECT_NE(planOf(catalogue, makeCharacterListQuery(defaultColumns, {}, ""))
                  .find(std::string("COVERING INDEX ") + Kel_CharacterDb::kListIndex),
              std::string::npos);
    // Every shown column at once, as a user may configure it.
    std::vector<int> all;
    for (int column = 0; static_cast<std::size_t>(column) < kSearchColumnCount; ++column) {
        all.push_back(column);
    }
    EXPECT_NE(planOf(catalogue, makeCharacterListQuery(all, {}, "")).find(covering),
              std::string::npos);
}

} // namespace
} // namespace zorvik
