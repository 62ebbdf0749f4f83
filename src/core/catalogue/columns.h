#pragma once

#include <array>
#include <cstddef>
#include <string>

namespace zorvik {

// The catalogue's columns by column index: the list's columns, the search
// column, the display names and the detail grid all count them this way.
// The table's physical column order differs; statements name the columns.
enum CatalogueColumn : int {
    kIdColumn = 0,
    kNameColumn,
    kName2Column,
    kAuthorColumn,
    kAiAuthorColumn,
    kSpecial1Column,
    kSpecial2Column,
    kSupportedVerColumn,
    kCommentColumn,
    kUpdateDateColumn,
    kLastCheckDateColumn,
    kFileTypeColumn,
    kPathIdColumn,
    kDeletedColumn,
    kFileNameColumn,
    kImageColumn,
};

inline constexpr std::size_t kColumnCount = 16;
// The search column offers every column but IMAGE.
inline constexpr std::size_t kSearchColumnCount = 15;

// The catalogue's column names by column index; statements always use
// these, whatever the user calls the columns.
inline constexpr std::array<const char*, kColumnCount> ColumnSqlNames = {
    "ID",       "NAME",          "NAME2",    "AUTHOR",      "AI_AUTHOR",      "SPECIAL1",
    "SPECIAL2", "SUPPORTED_VER", "COMMENT",  "UPDATE_DATE", "LASTCHECK_DATE", "FILETYPE",
    "PATH_ID",  "DELETED",       "FILENAME", "IMAGE"};

enum class ColumnKind { Integer, Text, Blob };

// What a column holds as declared (LASTCHECK_DATE is declared INTEGER but
// holds a date text).
ColumnKind columnKind(int column);

// True for a column index 0..15.
constexpr bool isCatalogueColumn(int column) {
    return column >= 0 && static_cast<std::size_t>(column) < kColumnCount;
}

// The column list of an index that the list's statement can read instead
// of the table: the leading column (the order it gives), DELETED, then
// every other column but IMAGE. No shown-column set, search or sort then
// has to touch the rows with their portraits.
std::string listIndexColumns(int leadingColumn);

// The list's column layout: the shown columns in display order, then the
// separator, then the columns not shown.
inline constexpr std::size_t kColumnOrderSize = 17;
inline constexpr int kColumnOrderSeparator = -1;
using ColumnOrderArray = std::array<int, kColumnOrderSize>;

// NAME to UPDATE_DATE shown; the rest of the columns after the separator.
// Entry 16 is not part of the default: it keeps whatever it held.
inline constexpr std::size_t kDefaultShownColumns = 9;

// Fills entries 0..15 with the default layout; entry 16 is left as it is.
void applyDefaultColumnOrder(ColumnOrderArray& order);

} // namespace zorvik
