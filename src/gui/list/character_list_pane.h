#pragma once

#include <cstdint>
#include <functional>
#include <optional>
#include <string>
#include <vector>

#include <QWidget>

#include "core/catalogue/list_criteria.h"

class QItemSelection;
class QSplitter;
class QStackedWidget;
class QTreeView;

namespace zorvik {
class Kel_CharacterDb;
class Kel_QueryResult;
class UserMessages;
} // namespace zorvik

namespace zorvik::gui {

class CharacterListModel;
class ColumnWidths;
class ListColumnFit;
class SettingsOwner;
class SearchBar;

// Panel1, the left pane: the search bar over the character list. The list
// is always rebuilt whole from a fresh query with the configured columns,
// the search and the sort; a header click cycles ascending, descending, off.
// A change of the settings rebuilds it with the new columns. It owns the
// selection: before another row is selected, or a search or sort drops the
// rows, it asks its leave guard; a row written elsewhere is read again in place.
class CharacterListPane : public QWidget {
    Q_OBJECT
public:
    // Gets the ID of the record about to be selected, or none when the rows
    // are about to be dropped; false keeps the list as it is.
    using LeaveGuard = std::function<bool(std::optional<std::int64_t> nextId)>;

    CharacterListPane(Kel_CharacterDb& db, const SettingsOwner& settings, UserMessages& messages,
                      QWidget* parent);

    void setLeaveGuard(LeaveGuard guard) { leaveGuard_ = std::move(guard); }
    // What the leave guard says (true without one).
    bool mayLeaveRow(std::optional<std::int64_t> nextId) const;

    // Rebuilds the list's columns and rows from the catalogue. When the
    // query cannot run, the catalogue's status text is shown and the list
    // has its columns and no rows.
    void UpdateCharList();

    // The result of the last list query (row r of the list is its row r,
    // column 0 the row's ID); none after a failed query.
    const Kel_QueryResult* CharListResult() const;

    // Makes the first row the selected one when there is one.
    void selectFirstRow();

    // The selected row's index, -1 when no row is selected.
    int selectedRow() const;
    // Selects a row and scrolls to it; a row outside the list changes
    // nothing. True when the row is the selected one afterwards.
    bool selectRow(int row);
    // The ID of a list row (CharListResult's column 0); none for a row
    // outside the result or while there is no result.
    std::optional<std::int64_t> idOfRow(int row) const;

    // Selects the row whose ID is id and scrolls to it; false when the list
    // as shown has no such row (its search leaves it out, or it is gone).
    bool selectRowOfId(std::int64_t id);

    // Reads the row of the record id again, where it is (its place, the
    // selection and the scroll position stay until the next rebuild).
    void refreshRowOfId(qint64 id);

    // The list as shown: its columns, its search and its sort, which the
    // roster export writes in the same order.
    const ListCriteria& criteria() const { return criteria_; }
    // The sort the next rebuild uses (the one remembered from the last run).
    void setSort(const ListSort& sort);

    // The columns' widths: the user's, kept by column index across rebuilds.
    ColumnWidths& columnWidths();
    const ColumnWidths& columnWidths() const;

    SearchBar* searchBar() const { return Panel2; }
    // ListView1, for the panes that add to what the list offers (its popup menu).
    QTreeView* listView() const { return ListView1; }
    // The rows as shown, for another view of the same rows in the same order.
    CharacterListModel* listModel() const { return model_; }

    // Another view of the rows that can take ListView1's place under the
    // search bar; shown decides which of the two is on show (and has the focus).
    void addAlternateView(QWidget* view);
    void showAlternateView(bool shown);

signals:
    // A row lost or gained the selection: first the row that lost it, then
    // the one that gained it, as the list view reports its items.
    void rowSelectionChanged(int row, bool selected);
    // The list was rebuilt: rows are new, whatever their indices.
    void listRebuilt();
    // A search was applied (or cleared) and found this many rows.
    void searchFound(int rows);

public slots:
    void ListView1ColumnClick(int section);
    // The search becomes the list's; the list is rebuilt.
    void applySearch(const zorvik::ListSearch& search);

private:
    void buildListView();
    // The row of the record id; -1 when the list as shown has none.
    int rowOfId(std::int64_t id) const;
    void showSortIndicator();
    void reportSelectionChange(const QItemSelection& selected, const QItemSelection& deselected);
    QStringList captionsOf(const std::vector<int>& columns) const;

    Kel_CharacterDb& db_;
    const SettingsOwner& settings_;
    UserMessages& messages_;
    SearchBar* Panel2 = nullptr;
    QSplitter* Splitter1 = nullptr;
    QTreeView* ListView1 = nullptr;
    // ListView1 and the alternate view, one on show.
    QStackedWidget* ListStack = nullptr;
    CharacterListModel* model_ = nullptr;
    ListColumnFit* columnFit_ = nullptr;
    // The shown columns are taken from the settings at each rebuild.
    ListCriteria criteria_;
    LeaveGuard leaveGuard_;
};

} // namespace zorvik::gui
