#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace zorvik {

// How each result column's values become cells.
enum ColumnType : std::int32_t {
    kIntegerColumn = 1, // SQLite's integer conversion of the value
    kTextColumn = 4,    // SQLite's text conversion; NULL gives an empty text
};

// The rows of a SELECT held column by column, in the statement's column
// order; every column has rowCount() cells, each a 32-bit integer or a
// UTF-8 text as the caller's type code chose. A column of any other type
// code holds the text "Undefined column type." in every row. The texts of
// a column share one buffer, so a list of tens of thousands of rows costs
// no allocation per cell.
class Kel_QueryResult {
public:
    static constexpr const char* kUndefinedColumnType = "Undefined column type.";

    std::size_t columnCount() const { return columns_.size(); }
    std::size_t rowCount() const;

    // The cell as an integer (0 in a text column) or as a text ("" in an integer column).
    std::int32_t integerAt(std::size_t column, std::size_t row) const;
    std::string_view textAt(std::size_t column, std::size_t row) const;

    // Building, row by row: one column per type code.
    void addColumns(const std::vector<std::int32_t>& typeCodes);
    void appendInteger(std::size_t column, std::int32_t value);
    void appendText(std::size_t column, std::string_view text);

private:
    struct Column {
        bool integer = false;
        std::vector<std::int32_t> integers;
        std::string texts;               // every text of the column, one after another
        std::vector<std::uint32_t> ends; // where each row's text ends in texts
    };
    std::vector<Column> columns_;
};

} // namespace zorvik
