#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

#include "core/catalogue/columns.h"
#include "core/catalogue/list_criteria.h"
#include "core/catalogue/query_result.h"
#include "core/catalogue/statement.h"

namespace zorvik {

// The character list's SELECT with the type codes of its result columns and
// the values bound to its "?" parameters.
struct CharacterListQuery {
    std::string sql;
    std::vector<std::int32_t> columnTypes;
    std::vector<BoundValue> parameters;
    // The result column holding the row's DELETED (0 shown, 2 missing),
    // after the shown columns; the list draws missing rows differently.
    std::size_t deletedColumn = 0;
    // The result column holding the row's NAME: the shown one, or one more
    // after DELETED when NAME is not shown (the portrait grid names every row).
    std::size_t nameColumn = 0;
};

// The columns the list shows, in display order: the order's entries before
// the separator (at most 16); entries that name no column are passed over.
std::vector<int> shownColumns(const ColumnOrderArray& order);

// The result column of the list's statement that holds DELETED: after the
// ID and the criteria's shown columns that name a column.
std::size_t deletedResultColumn(const ListCriteria& criteria);

// The result column of the list's statement that holds NAME.
std::size_t nameResultColumn(const ListCriteria& criteria);

// "SELECT ID", ",COLUMN" per shown column, ",DELETED" (",NAME" when NAME is
// not shown), " FROM
// CHARACTER_TABLE WHERE DELETED != 1 ", the search's "AND COLUMN LIKE ?",
// the sort's " ORDER BY COLUMN ASC" (or DESC; a text column with "COLLATE
// NATURAL_ORDER", UPDATE_DATE by the date it stands for, see
// list_ordering.h) and ";". The search text becomes the one bound value, with % added as the match
// mode asks; it is never part of the statement's text. Result column 0 is the integer ID, then the
// shown columns as text (entries that name no column are passed over), then DELETED as an integer.
// DELETED is part of both list indexes, so the statement still reads an index only.
CharacterListQuery makeCharacterListQuery(const ListCriteria& criteria);

// The same result columns for the one record whose ID is id, bound, and
// only while it is shown (DELETED != 1), whatever the search: a row of the
// list read again in place.
CharacterListQuery makeCharacterRowQuery(const ListCriteria& criteria, std::int64_t id);

} // namespace zorvik
