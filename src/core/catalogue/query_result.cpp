#include "core/catalogue/query_result.h"

namespace zorvik {

std::size_t Kel_QueryResult::rowCount() const {
    if (columns_.empty()) {
        return 0;
    }
    const Column& first = columns_.front();
    return first.integer ? first.integers.size() : first.ends.size();
}

std::int32_t Kel_QueryResult::integerAt(std::size_t column, std::size_t row) const {
    const Column& cells = columns_[column];
    return cells.integer ? cells.integers[row] : 0;
}

std::string_view Kel_QueryResult::textAt(std::size_t column, std::size_t row) const {
    const Column& cells = columns_[column];
    if (cells.integer) {
        return {};
    }
    const std::uint32_t begin = row == 0 ? 0 : cells.ends[row - 1];
    return std::string_view(cells.texts).substr(begin, cells.ends[row] - begin);
}

void Kel_QueryResult::addColumns(const std::vector<std::int32_t>& typeCodes) {
    columns_.resize(typeCodes.size());
    for (std::size_t i = 0; i < typeCodes.size(); ++i) {
        columns_[i].integer = typeCodes[i] == kIntegerColumn;
    }
}

void Kel_QueryResult::appendInteger(std::size_t column, std::int32_t value) {
    columns_[column].integers.push_back(value);
}

void Kel_QueryResult::appendText(std::size_t column, std::string_view text) {
    Column& cells = columns_[column];
    cells.texts.append(text);
    cells.ends.push_back(static_cast<std::uint32_t>(cells.texts.size()));
}

} // namespace zorvik
