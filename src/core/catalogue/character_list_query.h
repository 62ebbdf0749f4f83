#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "core/catalogue/query_result.h"
#include "core/catalogue/statement.h"
#include "core/catalogue/columns.h"

namespace zorvik {

// How the search text is matched against the search column; the values are
// the tags of the match-mode menu items.
enum class MatchMode : int { Exact = 0, BeginsWith = 1, EndsWith = 2, Contains = 3 };

// The search part of the character list's statement. The search text never
// becomes statement text: the clause holds a "?" and the pattern is bound to
// it, so a quote, or a text equal to a column name, is searched for as typed.
struct ListFilter {
    std::string clause;  // "" (no search) or "AND NAME LIKE ?"
    std::string pattern; // the LIKE pattern; % and _ keep their wildcard meaning
};

// The character list's SELECT with what Kel_CharacterDb::Select needs to run it.
struct CharacterListQuery {
    std::string sql;
    std::vector<std::int32_t> columnTypes;
    std::vector<BoundValue> parameters;
    // The result column holding the row's DELETED (0 shown, 2 missing),
    // after the shown columns; the list draws missing rows differently.
    std::size_t deletedColumn = 0;
};

// The search over column (a column index) for a text in a match mode;
// no search when the text is empty or the index names no column.
ListFilter makeListFilter(int column, std::string_view searchText, MatchMode mode);

// The sort clause for a column index and "ASC" or "DESC": " ORDER BY NAME ASC".
std::string makeOrderClause(int column, std::string_view direction);

// The columns the list shows, in display order: the order's entries before
// the separator (at most 16); entries that name no column are passed over.
std::vector<int> shownColumns(const ColumnOrderArray& order);

// "SELECT ID", ",COLUMN" per shown column, ",DELETED", " FROM
// CHARACTER_TABLE WHERE DELETED != 1 ", the filter clause, the order clause
// and ";"; result column 0 is the integer ID, then the shown columns as
// text, then DELETED as an integer. DELETED is part of both list indexes,
// so the statement still reads an index only.
CharacterListQuery makeCharacterListQuery(const std::vector<int>& columns, const ListFilter& filter,
                                          std::string_view orderClause);

} // namespace zorvik
