#include "gui/window/list_state_keys.h"

#include <algorithm>

#include "core/catalogue/columns.h"
#include "core/settings/ini_handler.h"
#include "gui/list/character_list_pane.h"
#include "gui/list/column_widths.h"

namespace zorvik::gui {

namespace {

constexpr const char* kStatusSection = "PreviousStatus";
constexpr const char* kWidthSection = "ColumnWidth";
constexpr const char* kSortColumnKey = "SortColumn";
constexpr const char* kSortDirectionKey = "SortDirection";
constexpr const char* kDescending = "DESC";
// Room for "DESC" and more, so that a longer value is not cut down to it.
constexpr std::size_t kDirectionSize = 8;

// A column a list may sort by: any but IMAGE.
bool sortsBy(int column) {
    return isCatalogueColumn(column) && columnKind(column) != ColumnKind::Blob;
}

} // namespace

void restoreListState(Kel_IniHandler& store, CharacterListPane& list) {
    store.SetSection(kStatusSection);
    const int sortColumn = store.GetInt(kSortColumnKey, -1);
    const bool descending = store.GetString(kSortDirectionKey, kDirectionSize, "") == kDescending;
    list.setSort({sortsBy(sortColumn) ? sortColumn : -1,
                  descending ? SortDirection::Descending : SortDirection::Ascending});
    store.SetSection(kWidthSection);
    ColumnWidths::UserWidths widths{};
    for (std::size_t column = 0; column < kColumnCount; ++column) {
        widths[column] = std::max(0, store.GetInt(ColumnSqlNames[column], 0));
    }
    list.columnWidths().setUserWidths(widths);
}

void saveListState(Kel_IniHandler& store, const CharacterListPane& list) {
    const ListSort& sort = list.criteria().sort;
    store.SetSection(kStatusSection);
    store.WriteInt(kSortColumnKey, sortsBy(sort.column) ? sort.column : -1);
    store.WriteString(kSortDirectionKey,
                      sort.direction == SortDirection::Descending ? kDescending : "ASC");
    store.SetSection(kWidthSection);
    const ColumnWidths::UserWidths& widths = list.columnWidths().userWidths();
    for (std::size_t column = 0; column < kColumnCount; ++column) {
        store.WriteInt(ColumnSqlNames[column], widths[column]);
    }
}

} // namespace zorvik::gui
