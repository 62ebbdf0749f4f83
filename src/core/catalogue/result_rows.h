#pragma once

#include <cstdint>
#include <vector>

#include "core/catalogue/query_result.h"
#include "core/catalogue/statement.h"

namespace zorvik {

// Steps a prepared statement with its values bound to the end, appending
// each result row to result: a column's cells are of the kind its type code
// asks for, and a column without a code holds the undefined type's text.
// The columns are made at the first row, so no rows give no columns. Gives
// SQLite's code of the last step: SQLITE_DONE when every row was read.
int readResultRows(Statement& statement, const std::vector<std::int32_t>& columnTypes,
                   Kel_QueryResult& result);

} // namespace zorvik
