#include "core/catalogue/result_rows.h"

#include <algorithm>
#include <sqlite3.h>

namespace zorvik {

namespace {

// One cell of the current row, of the kind the column's type code asks for.
void appendCell(Kel_QueryResult& result, const Statement& statement, std::size_t column,
                std::int32_t type) {
    const int index = static_cast<int>(column);
    switch (type) {
    case kIntegerColumn:
        result.appendInteger(column, statement.intAt(index));
        break;
    case kTextColumn:
        result.appendText(column, statement.textViewAt(index));
        break;
    default:
        result.appendText(column, Kel_QueryResult::kUndefinedColumnType);
    }
}

} // namespace

int readResultRows(Statement& statement, const std::vector<std::int32_t>& columnTypes,
                   Kel_QueryResult& result) {
    int code = statement.step();
    std::vector<std::int32_t> types;
    if (code == SQLITE_ROW) {
        types.resize(static_cast<std::size_t>(statement.columnCount()));
        std::copy_n(columnTypes.begin(), std::min(types.size(), columnTypes.size()), types.begin());
    }
    result.addColumns(types);
    for (; code == SQLITE_ROW; code = statement.step()) {
        for (std::size_t column = 0; column < types.size(); ++column) {
            appendCell(result, statement, column, types[column]);
        }
    }
    return code;
}

} // namespace zorvik
