#include "core/catalogue/columns.h"

namespace zorvik {

ColumnKind columnKind(int column) {
    switch (column) {
    case kIdColumn:
    case kFileTypeColumn:
    case kPathIdColumn:
    case kDeletedColumn:
        return ColumnKind::Integer;
    case kImageColumn:
        return ColumnKind::Blob;
    default:
        return ColumnKind::Text;
    }
}

std::string listIndexColumns(int leadingColumn) {
    std::string columns = ColumnSqlNames[static_cast<std::size_t>(leadingColumn)];
    columns += std::string(", ") + ColumnSqlNames[kDeletedColumn];
    for (int column = kIdColumn + 1; isCatalogueColumn(column); ++column) {
        if (column != leadingColumn && column != kDeletedColumn &&
            columnKind(column) != ColumnKind::Blob) {
            columns += std::string(", ") + ColumnSqlNames[static_cast<std::size_t>(column)];
        }
    }
    return columns;
}

void applyDefaultColumnOrder(ColumnOrderArray& order) {
    // Every column index shifted by one, so ID falls out and a 16 that names
    // no column comes last; the separator then replaces LASTCHECK_DATE.
    for (std::size_t k = 0; k < kColumnCount; ++k) {
        order[k] = static_cast<int>(k) + 1;
    }
    order[kDefaultShownColumns] = kColumnOrderSeparator;
}

} // namespace zorvik
