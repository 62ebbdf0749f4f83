#pragma once

#include <cstdint>
#include <string>
#include <variant>
#include <vector>

namespace zorvik {

// How Select turns each result column's values into cells.
enum ColumnType : std::int32_t {
    kIntegerColumn = 1, // SQLite's integer conversion of the value
    kTextColumn = 4,    // SQLite's text conversion; NULL gives an empty text
};

// A cell: a 32-bit integer or a UTF-8 text. A column of any other type
// code holds the text "Undefined column type." in every row.
using QueryCell = std::variant<std::int32_t, std::string>;

// The rows of a SELECT held column by column, in the statement's column
// order; every column has rowCount() cells.
class Kel_QueryResult {
public:
    static constexpr const char* kUndefinedColumnType = "Undefined column type.";

    std::size_t columnCount() const { return columns_.size(); }
    std::size_t rowCount() const { return columns_.empty() ? 0 : columns_.front().size(); }

    const QueryCell& cell(std::size_t column, std::size_t row) const {
        return columns_[column][row];
    }
    // The cell as an integer (0 for a text cell) or as a text ("" for an integer cell).
    std::int32_t integerAt(std::size_t column, std::size_t row) const;
    const std::string& textAt(std::size_t column, std::size_t row) const;

    void addColumns(std::size_t count) { columns_.resize(count); }
    void append(std::size_t column, QueryCell cell) { columns_[column].push_back(std::move(cell)); }

private:
    std::vector<std::vector<QueryCell>> columns_;
};

} // namespace zorvik
