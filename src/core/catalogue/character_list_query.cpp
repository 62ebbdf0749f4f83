#include "core/catalogue/character_list_query.h"

#include "core/catalogue/list_ordering.h"

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
    const std::string direction = sort.direction == SortDirection::Descending ? " DESC" : " ASC";
    // Text sorts as people read it: "ahuron" among the a's, "whip_2" before "whip_10".
    const std::string collation = columnKind(sort.column) == ColumnKind::Text
                                      ? std::string(" COLLATE ") + kNaturalCollation
                                      : std::string();
    const std::string byColumn = sqlName(sort.column) + collation + direction;
    if (sort.column == kUpdateDateColumn) {
        // By the date the text stands for, the text itself untouched; a text
        // that is no date comes last whichever way the list runs, and the
        // texts themselves order what the date leaves equal.
        const std::string key =
            std::string(kVersionDateFunction) + "(" + sqlName(sort.column) + ")";
        return " ORDER BY " + key + " IS NULL, " + key + direction + ", " + byColumn;
    }
    return " ORDER BY " + byColumn;
}

// The result column of a shown column (ID is column 0); 0 when it is not shown.
std::size_t shownResultColumn(const std::vector<int>& shown, int column) {
    std::size_t resultColumn = 0;
    for (const int entry : shown) {
        if (isCatalogueColumn(entry)) {
            ++resultColumn;
            if (entry == column) {
                return resultColumn;
            }
        }
    }
    return 0;
}

// "SELECT ID", the shown columns, DELETED (and NAME when it is not shown),
// with their type codes and where DELETED and NAME are.
CharacterListQuery listColumns(const ListCriteria& criteria) {
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
    query.nameColumn = shownResultColumn(criteria.shownColumns, kNameColumn);
    if (query.nameColumn == 0) {
        query.nameColumn = query.columnTypes.size();
        query.sql += std::string(",") + sqlName(kNameColumn);
        query.columnTypes.push_back(kTextColumn);
    }
    return query;
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

std::size_t nameResultColumn(const ListCriteria& criteria) {
    return makeCharacterListQuery(criteria).nameColumn;
}

CharacterListQuery makeCharacterListQuery(const ListCriteria& criteria) {
    CharacterListQuery query = listColumns(criteria);
    query.sql += " FROM CHARACTER_TABLE WHERE DELETED != 1 ";
    if (searches(criteria.search)) {
        query.sql += std::string("AND ") + sqlName(criteria.search.column) + " LIKE ?";
        query.parameters.push_back(BoundValue::ofText(likePattern(criteria.search)));
    }
    query.sql += orderClause(criteria.sort);
    query.sql += ';';
    return query;
}

CharacterListQuery makeCharacterRowQuery(const ListCriteria& criteria, std::int64_t id) {
    CharacterListQuery query = listColumns(criteria);
    query.sql += " FROM CHARACTER_TABLE WHERE DELETED != 1 AND ID = ?;";
    query.parameters.push_back(BoundValue::ofInt(id));
    return query;
}

} // namespace zorvik
