#include "core/catalogue/character_list_query.h"

#include <gtest/gtest.h>
#include <sqlite3.h>

#include "core/catalogue/character_db.h"
#include "support/temp_folder.h"

namespace zorvik {
namespace {

const std::array<int, 17> kDefaultOrder = {1,  2,  3,  4,  5,  6,  7,  8, 9,
                                           -1, 11, 12, 13, 14, 15, 16, 0};

ListCriteria shown(std::vector<int> columns) {
    ListCriteria criteria;
    criteria.shownColumns = std::move(columns);
    return criteria;
}

ListCriteria searched(int column, std::string text, MatchMode mode) {
    ListCriteria criteria = shown({1});
    criteria.search = {column, mode, std::move(text)};
    return criteria;
}

// The designed statement with one addition: DELETED after the shown
// columns, so that the list can grey the rows marked missing.
TEST(CharacterListQuery, DefaultOrderWithoutSearchOrSortGivesTheDesignedStatement) {
    const auto query = makeCharacterListQuery(shown(shownColumns(kDefaultOrder)));
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
    ListCriteria criteria = shown(shownColumns(order));
    criteria.search = {1, MatchMode::Contains, "abc"};
    criteria.sort = {3, SortDirection::Descending};
    const auto query = makeCharacterListQuery(criteria);
    EXPECT_EQ(query.sql, "SELECT ID,AUTHOR,NAME,DELETED FROM CHARACTER_TABLE WHERE DELETED != 1 "
                         "AND NAME LIKE ? ORDER BY AUTHOR COLLATE NATURAL_ORDER DESC;");
    EXPECT_EQ(query.deletedColumn, 3u);
    ASSERT_EQ(query.parameters.size(), 1u);
    EXPECT_EQ(query.parameters[0].bytes, "%abc%");
}

// The one bound value of a query with a search; "" when it has none.
std::string boundPattern(const CharacterListQuery& query) {
    return query.parameters.size() == 1 ? query.parameters[0].bytes : "";
}

const std::string kUnsearched = "SELECT ID,NAME,DELETED FROM CHARACTER_TABLE WHERE DELETED != 1 ;";

TEST(CharacterListQuery, PatternsFollowTheMatchModeAndNoColumnMeansNoSearch) {
    EXPECT_EQ(boundPattern(makeCharacterListQuery(searched(2, "a_b", MatchMode::Exact))), "a_b");
    EXPECT_EQ(boundPattern(makeCharacterListQuery(searched(2, "ab", MatchMode::BeginsWith))),
              "ab%");
    EXPECT_EQ(boundPattern(makeCharacterListQuery(searched(2, "ab", MatchMode::EndsWith))), "%ab");
    EXPECT_EQ(makeCharacterListQuery(searched(2, "ab", MatchMode::Exact)).sql,
              "SELECT ID,NAME,DELETED FROM CHARACTER_TABLE WHERE DELETED != 1 AND NAME2 LIKE ?;");
    for (const ListCriteria& criteria :
         {searched(2, "", MatchMode::Contains), searched(-1, "ab", MatchMode::Contains),
          searched(16, "ab", MatchMode::Contains)}) {
        const auto query = makeCharacterListQuery(criteria);
        EXPECT_EQ(query.sql, kUnsearched);
        EXPECT_TRUE(query.parameters.empty());
    }
}

TEST(CharacterListQuery, EveryMatchModeBindsTheTextWithItsWildcardsAsTyped) {
    const std::string fixed = "SELECT ID,NAME,DELETED FROM CHARACTER_TABLE WHERE DELETED != 1 "
                              "AND NAME LIKE ?;";
    const std::vector<std::pair<MatchMode, std::string>> modes = {{MatchMode::Exact, "K_n%"},
                                                                  {MatchMode::BeginsWith, "K_n%%"},
                                                                  {MatchMode::EndsWith, "%K_n%"},
                                                                  {MatchMode::Contains, "%K_n%%"}};
    for (const auto& [mode, pattern] : modes) {
        const auto query = makeCharacterListQuery(searched(kNameColumn, "K_n%", mode));
        EXPECT_EQ(query.sql, fixed);
        ASSERT_EQ(query.parameters.size(), 1u);
        EXPECT_EQ(query.parameters[0].kind, BoundValue::Kind::Text);
        EXPECT_EQ(query.parameters[0].bytes, pattern) << static_cast<int>(mode);
    }
}

TEST(CharacterListQuery, EverySearchColumnAndSortColumnIsNamedByTheCatalogue) {
    for (int column = 0; static_cast<std::size_t>(column) < kColumnCount; ++column) {
        const std::string sqlName = ColumnSqlNames[static_cast<std::size_t>(column)];
        const std::string dateKey = "VERSION_DATE_KEY(" + sqlName + ")";
        const std::string byName =
            sqlName + (columnKind(column) == ColumnKind::Text ? " COLLATE NATURAL_ORDER" : "");
        ListCriteria criteria = searched(column, "x", MatchMode::Contains);
        EXPECT_NE(makeCharacterListQuery(criteria).sql.find(
                      std::string("AND ") + ColumnSqlNames[static_cast<std::size_t>(column)] +
                      " LIKE ?;"),
                  std::string::npos);
        for (const char* direction : {" ASC", " DESC"}) {
            criteria.sort = {column, direction == std::string(" ASC") ? SortDirection::Ascending
                                                                      : SortDirection::Descending};
            const std::string order =
                column == kUpdateDateColumn
                    ? dateKey + " IS NULL, " + dateKey + direction + ", " + byName + direction
                    : byName + direction;
            EXPECT_NE(makeCharacterListQuery(criteria).sql.find("LIKE ? ORDER BY " + order + ";"),
                      std::string::npos)
                << order;
        }
    }
    // A sort column that names no column leaves the order of registration, in either direction.
    for (const int column : {-1, 16, 1000}) {
        ListCriteria criteria = shown({1});
        criteria.sort = {column, SortDirection::Descending};
        EXPECT_EQ(makeCharacterListQuery(criteria).sql, kUnsearched);
    }
}

TEST(CharacterListQuery, TextThatLooksLikeSqlOrAColumnStaysTheBoundValue) {
    for (const std::string text :
         {"NAME", "O'Brien", "\"hi\"", "x' OR 1=1; DROP TABLE CHARACTER_TABLE; --", "?", ";"}) {
        ListCriteria criteria = searched(kAuthorColumn, text, MatchMode::Exact);
        criteria.sort = {kNameColumn, SortDirection::Ascending};
        const auto query = makeCharacterListQuery(criteria);
        EXPECT_EQ(query.sql, "SELECT ID,NAME,DELETED FROM CHARACTER_TABLE WHERE DELETED != 1 "
                             "AND AUTHOR LIKE ? ORDER BY NAME COLLATE NATURAL_ORDER ASC;");
        EXPECT_EQ(boundPattern(query), text);
    }
}

TEST(CharacterListQuery, ShownEntriesThatNameNoColumnArePassedOverAndDeletedFollowsTheRest) {
    const ListCriteria criteria = shown({kName2Column, 99, -1, kNameColumn, 16});
    const auto query = makeCharacterListQuery(criteria);
    EXPECT_EQ(query.sql, "SELECT ID,NAME2,NAME,DELETED FROM CHARACTER_TABLE WHERE DELETED != 1 ;");
    EXPECT_EQ(query.columnTypes, (std::vector<std::int32_t>{1, 4, 4, 1}));
    EXPECT_EQ(query.deletedColumn, 3u);
    EXPECT_EQ(deletedResultColumn(criteria), 3u);
    EXPECT_EQ(deletedResultColumn(shown({})), 1u);
}

// The portrait grid names every row, whether or not the list shows NAME.
TEST(CharacterListQuery, NameIsReadOnceWhetherOrNotItIsShown) {
    EXPECT_EQ(nameResultColumn(shown({kName2Column, kNameColumn})), 2u);
    EXPECT_EQ(nameResultColumn(shown({99, kNameColumn, kNameColumn})), 1u);
    const auto query = makeCharacterListQuery(shown({kAuthorColumn, -1}));
    EXPECT_EQ(query.sql,
              "SELECT ID,AUTHOR,DELETED,NAME FROM CHARACTER_TABLE WHERE DELETED != 1 ;");
    EXPECT_EQ(query.columnTypes, (std::vector<std::int32_t>{1, 4, 1, 4}));
    EXPECT_EQ(query.deletedColumn, 2u);
    EXPECT_EQ(query.nameColumn, 3u);
    EXPECT_EQ(nameResultColumn(shown({})), 2u);
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
        ListCriteria criteria = searched(kNameColumn, std::string(text), mode);
        criteria.sort = {kNameColumn, SortDirection::Ascending};
        const auto result = catalogue.SelectCharacterList(criteria);
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
    EXPECT_EQ(names("x' OR '1'='1", MatchMode::Contains), (std::vector<std::string>{}));
    EXPECT_EQ(names("%'; DROP TABLE CHARACTER_TABLE; --", MatchMode::Exact),
              (std::vector<std::string>{}));
    EXPECT_EQ(names("", MatchMode::Exact).size(), 6u); // the table is still there, whole
}

TEST_F(CharacterListSearch, TheSortRunsOnTheSearchedRowsInEitherDirection) {
    ListCriteria criteria = searched(kNameColumn, "a%", MatchMode::Exact);
    criteria.sort = {kNameColumn, SortDirection::Descending};
    auto result = catalogue.SelectCharacterList(criteria);
    ASSERT_TRUE(result);
    ASSERT_EQ(result->rowCount(), 2u);
    EXPECT_EQ(result->textAt(1, 0), "aXc"); // letter case aside: 'x' comes after 'b'
    EXPECT_EQ(result->textAt(1, 1), "abc");
    criteria.sort.direction = SortDirection::Ascending;
    result = catalogue.SelectCharacterList(criteria);
    ASSERT_TRUE(result);
    ASSERT_EQ(result->rowCount(), 2u);
    EXPECT_EQ(result->textAt(1, 0), "abc");
}

TEST_F(CharacterListSearch, WildcardsKeepTheirMeaningAndJapaneseMatches) {
    EXPECT_EQ(names("a_c", MatchMode::Exact), (std::vector<std::string>{"abc", "aXc"}));
    EXPECT_EQ(names("リュ", MatchMode::BeginsWith), (std::vector<std::string>{"リュウ"}));
    EXPECT_EQ(names("ン", MatchMode::EndsWith), (std::vector<std::string>{"ケン"}));
}

// Letter case of ASCII letters does not part names; other text keeps its order,
// and the integer columns still sort as numbers.
TEST_F(CharacterListSearch, TextSortsIgnoreAsciiCaseAndNumbersSortAsNumbers) {
    for (const char* name : {"ahuron", "Zangief", "Akuma", "_under", "bison", "Ahuron2"}) {
        ASSERT_TRUE(executeBound(catalogue.statements(),
                                 "INSERT INTO CHARACTER_TABLE(NAME, DELETED) VALUES(?, 0)",
                                 {BoundValue::ofText(name)}));
    }
    EXPECT_EQ(names("", MatchMode::Exact),
              (std::vector<std::string>{"_under", "abc", "ahuron", "Ahuron2", "Akuma", "aXc",
                                        "bison", "NAME", "Say \"hi\"", "Zangief", "ケン",
                                        "リュウ"}));
    ListCriteria criteria = shown({kNameColumn});
    criteria.sort = {kNameColumn, SortDirection::Descending};
    auto result = catalogue.SelectCharacterList(criteria);
    ASSERT_TRUE(result);
    EXPECT_EQ(result->textAt(1, 0), "リュウ");
    EXPECT_EQ(result->textAt(1, 2), "Zangief");
    criteria.sort = {kIdColumn, SortDirection::Descending};
    result = catalogue.SelectCharacterList(criteria);
    ASSERT_TRUE(result);
    EXPECT_EQ(result->textAt(1, 0), "Ahuron2");
    EXPECT_EQ(result->integerAt(0, 0), 12);
}

TEST_F(CharacterListSearch, MissingRowsAreListedWithTheirStateAndHiddenOnesAreNot) {
    ASSERT_TRUE(executeBound(catalogue.statements(), "UPDATE CHARACTER_TABLE SET DELETED=? WHERE ID=?",
                             {BoundValue::ofInt(2), BoundValue::ofInt(3)}));
    ASSERT_TRUE(executeBound(catalogue.statements(), "UPDATE CHARACTER_TABLE SET DELETED=? WHERE ID=?",
                             {BoundValue::ofInt(1), BoundValue::ofInt(4)}));
    const ListCriteria criteria = shown({2, 1});
    const auto result = catalogue.SelectCharacterList(criteria);
    ASSERT_TRUE(result);
    ASSERT_EQ(result->rowCount(), 5u);
    std::vector<std::int32_t> states;
    for (std::size_t row = 0; row < result->rowCount(); ++row) {
        states.push_back(result->integerAt(deletedResultColumn(criteria), row));
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
            makeCharacterListQuery(shown({column})),
            makeCharacterListQuery({defaultColumns, {column, MatchMode::Contains, "a"}, {}}),
            makeCharacterListQuery({defaultColumns,
                                    {column, MatchMode::BeginsWith, "a"},
                                    {column, SortDirection::Descending}})};
        for (const CharacterListQuery& query : queries) {
            const std::string plan = planOf(catalogue, query);
            EXPECT_NE(plan.find(covering), std::string::npos) << query.sql << "\n" << plan;
        }
    }
    // Unsorted, the list keeps the order of registration: the index in ID order.
    EXPECT_NE(planOf(catalogue, makeCharacterListQuery(shown(defaultColumns)))
                  .find(std::string("COVERING INDEX ") + Kel_CharacterDb::kListIndex),
              std::string::npos);
    // Every shown column at once, as a user may configure it.
    std::vector<int> all;
    for (int column = 0; static_cast<std::size_t>(column) < kSearchColumnCount; ++column) {
        all.push_back(column);
    }
    EXPECT_NE(planOf(catalogue, makeCharacterListQuery(shown(all))).find(covering),
              std::string::npos);
}

} // namespace
} // namespace zorvik
