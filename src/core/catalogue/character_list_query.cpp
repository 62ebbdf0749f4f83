#include "core/catalogue/character_list_query.h"

namespace zorvik {

namespace {

const char* sqlName(int column) {
    return ColumnSqlNames[static_cast<std::size_t>(column)];
}

bool searches(const ListSearch& search) {
    return !search.text.empty() && isCatalogueColumn(search.column);
}

// The LIKE pattern of the search: the text as typed, with % where the mode
// lets anything stand before or after it.
std::string likePattern(const ListSearch& search) {
    const bool anyPrefix = search.mode == MatchMode::EndsWith || search.mode == MatchMode::Contains;
    const bool anySuffix =
        search.mode == MatchMode::BeginsWith || search.mode == MatchMode::Contains;
    return std::string(anyPrefix ? "%" : "") + search.text + (anySuffix ? "%" : "");
}

std::string orderClause(const ListSort& sort) {
    if (!isCatalogueColumn(sort.column)) {
        return {};
    }
    return std::string(" ORDER BY ") + sqlName(sort.column) +
           (sort.direction == SortDirection::Descending ? " DESC" : " ASC");
}

} // namespace

std::vector<int> shownColumns(const ColumnOrderArray& order) {
    std::vector<int> columns;
    for (std::size_t k = 0; k < kColumnCount && order[k] != kColumnOrderSeparator; ++k) {
        if (isCatalogueColumn(order[k])) {
            columns.push_back(order[k]);
        }
    }
    return columns;
}

std::size_t deletedResultColumn(const ListCriteria& criteria) {
    return makeCharacterListQuery(criteria).deletedColumn;
}

CharacterListQuery makeCharacterListQuery(const ListCriteria& criteria) {
    CharacterListQuery query;
    query.sql = "SELECT ID";
    query.columnTypes.push_back(kIntegerColumn);
    for (const int column : criteria.shownColumns) {
        if (isCatalogueColumn(column)) {
            query.sql += std::string(",") + sqlName(column);
            query.columnTypes.push_back(kTextColumn);
        }
    }
    query.deletedColumn = query.columnTypes.size();
    query.sql += std::string(",") + sqlName(kDeletedColumn);
    query.columnTypes.push_back(kIntegerColumn);
    query.sql += " FROM CHARACTER_TABLE WHERE DELETED != 1 ";
    if (searches(criteria.search)) {
        query.sql += std::string("AND ") + sqlName(criteria.search.column) + " LIKE ?";
        query.parameters.push_back(BoundValue::ofText(likePattern(criteria.search)));
    }
    query.sql += orderClause(criteria.sort);
    query.sql += ';';
    return query;
}

} // namespace zorvik
