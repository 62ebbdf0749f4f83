#pragma once

#include <string>
#include <vector>

namespace zorvik {

// How the search text is matched against the search column; the values are
// the tags of the match-mode menu items.
enum class MatchMode : int { Exact = 0, BeginsWith = 1, EndsWith = 2, Contains = 3 };

enum class SortDirection { Ascending, Descending };

// The search over one column. The text is matched as typed, with LIKE's
// rules: % and _ are wildcards, letter case of ASCII letters is ignored.
// An empty text, or a column index that names no column, searches nothing.
struct ListSearch {
    int column = -1;
    MatchMode mode = MatchMode::Exact;
    std::string text;

    bool operator==(const ListSearch&) const = default;
};

// The sort; a column index that names no column (-1) leaves the rows in
// the order of registration.
struct ListSort {
    int column = -1;
    SortDirection direction = SortDirection::Ascending;

    bool operator==(const ListSort&) const = default;
};

// Which characters the list shows and how: its columns (column indices in
// display order), its search and its sort. The list, the roster export and
// the companion hand this value to the catalogue, which alone turns it into
// a statement; the search text only ever reaches SQLite as a bound value.
struct ListCriteria {
    std::vector<int> shownColumns;
    ListSearch search;
    ListSort sort;

    bool operator==(const ListCriteria&) const = default;
};

} // namespace zorvik
