#include "core/catalogue/character_list_query.h"

namespace zorvik {

namespace {

const char* sqlName(int column) {
    return ColumnSqlNames[static_cast<std::size_t>(column)];
}

} // namespace

ListFilter makeListFilter(int column, std::string_view searchText, MatchMode mode) {
    if (searchText.empty() || !isCatalogueColumn(column)) {
        return {};
    }
    const bool anyPrefix = mode == MatchMode::EndsWith || mode == MatchMode::Contains;
    const bool anySuffix = mode == MatchMode::BeginsWith || mode == MatchMode::Contains;
    ListFilter filter;
    filter.clause = std::string("AND ") + sqlName(column) + " LIKE ?";
    filter.pattern =
        std::string(anyPrefix ? "%" : "") + std::string(searchText) + (anySuffix ? "%" : "");
    return filter;
}

std::string makeOrderClause(int column, std::string_view direction) {
    if (!isCatalogueColumn(column)) {
        return {};
    }
    return std::string(" ORDER BY ") + sqlName(column) + " " + std::string(direction);
}

std::vector<int> shownColumns(const ColumnOrderArray& order) {
    std::vector<int> columns;
    for (std::size_t k = 0; k < kColumnCount && order[k] != kColumnOrderSeparator; ++k) {
        if (isCatalogueColumn(order[k])) {
            columns.push_back(order[k]);
        }
    }
    return columns;
}

CharacterListQuery makeCharacterListQuery(const std::vector<int>& columns, const ListFilter& filter,
                                          std::string_view orderClause) {
    CharacterListQuery query;
    query.sql = "SELECT ID";
    query.columnTypes.push_back(kIntegerColumn);
    for (const int column : columns) {
        query.sql += ',';
        query.sql += sqlName(column);
        query.columnTypes.push_back(kTextColumn);
    }
    query.deletedColumn = query.columnTypes.size();
    query.sql += std::string(",") + sqlName(kDeletedColumn);
    query.columnTypes.push_back(kIntegerColumn);
    query.sql += " FROM CHARACTER_TABLE WHERE DELETED != 1 ";
    query.sql += filter.clause;
    query.sql += orderClause;
    query.sql += ';';
    if (!filter.clause.empty()) {
        query.parameters.push_back(BoundValue::ofText(filter.pattern));
    }
    return query;
}

} // namespace zorvik
