#include "core/catalogue/query_result.h"

namespace zorvik {

std::int32_t Kel_QueryResult::integerAt(std::size_t column, std::size_t row) const {
    const auto* value = std::get_if<std::int32_t>(&columns_[column][row]);
    return value ? *value : 0;
}

const std::string& Kel_QueryResult::textAt(std::size_t column, std::size_t row) const {
    static const std::string empty;
    const auto* value = std::get_if<std::string>(&columns_[column][row]);
    return value ? *value : empty;
}

} // namespace zorvik
