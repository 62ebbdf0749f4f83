#include "gui/list/character_list_pane.h"

#include <algorithm>

#include <QHeaderView>
#include <QItemSelectionModel>
#include <QSplitter>
#include <QStackedWidget>
#include <QTreeView>
#include <QVBoxLayout>

#include "core/catalogue/character_db.h"
#include "core/catalogue/character_list_query.h"
#include "core/platform/user_messages.h"
#include "gui/app/column_caption.h"
#include "gui/app/pane_splitter.h"
#include "gui/app/settings_owner.h"
#include "gui/list/character_list_model.h"
#include "gui/list/grid_line_delegate.h"
#include "gui/list/guarded_selection_model.h"
#include "gui/list/list_column_fit.h"
#include "gui/list/search_bar.h"

namespace zorvik::gui {

CharacterListPane::CharacterListPane(Kel_CharacterDb& db, const SettingsOwner& settings,
                                     UserMessages& messages, QWidget* parent)
    : QWidget(parent), db_(db), settings_(settings), messages_(messages) {
    setObjectName(QStringLiteral("Panel1"));
    connect(&settings_, &SettingsOwner::changed, this, &CharacterListPane::UpdateCharList);
    Panel2 = new SearchBar(this);
    connect(Panel2, &SearchBar::searchApplied, this, &CharacterListPane::applySearch);
    buildListView();
    ListStack = new QStackedWidget(this);
    ListStack->setObjectName(QStringLiteral("ListStack"));
    ListStack->addWidget(ListView1);
    Splitter1 =
        makePaneSplitter(Qt::Vertical, QStringLiteral("Splitter1"), Panel2, ListStack, 1, this);
    Splitter1->setSizes({SearchBar::kDesignedHeight, 1000});
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(Splitter1);
}

void CharacterListPane::buildListView() {
    ListView1 = new QTreeView(this);
    ListView1->setObjectName(QStringLiteral("ListView1"));
    model_ = new CharacterListModel(ListView1);
    ListView1->setModel(model_);
    ListView1->setItemDelegate(new GridLineDelegate(ListView1));
    ListView1->setRootIsDecorated(false);
    ListView1->setItemsExpandable(false);
    ListView1->setUniformRowHeights(true);
    ListView1->setAllColumnsShowFocus(true);
    ListView1->setSelectionBehavior(QAbstractItemView::SelectRows);
    ListView1->setSelectionMode(QAbstractItemView::SingleSelection);
    // Rows are not edited in place (ListView1Editing refuses), and never sorted by the view.
    ListView1->setEditTriggers(QAbstractItemView::NoEditTriggers);
    ListView1->setSortingEnabled(false);
    QHeaderView* header = ListView1->header();
    header->setSectionsMovable(false);
    header->setSectionsClickable(true);
    header->setStretchLastSection(false);
    // The arrow follows the list's own sort (see showSortIndicator), never the view's.
    header->setSortIndicatorShown(false);
    connect(header, &QHeaderView::sectionClicked, this, &CharacterListPane::ListView1ColumnClick);
    QItemSelectionModel* plain = ListView1->selectionModel();
    ListView1->setSelectionModel(new GuardedSelectionModel(
        model_, [this](int row) { return mayLeaveRow(idOfRow(row)); }, ListView1));
    delete plain;
    connect(ListView1->selectionModel(), &QItemSelectionModel::selectionChanged, this,
            &CharacterListPane::reportSelectionChange);
    columnFit_ = new ListColumnFit(*ListView1, [this] { return criteria_.shownColumns; });
}

bool CharacterListPane::mayLeaveRow(std::optional<std::int64_t> nextId) const {
    return !leaveGuard_ || leaveGuard_(nextId);
}

void CharacterListPane::reportSelectionChange(const QItemSelection& selected,
                                              const QItemSelection& deselected) {
    // Whole rows are selected, so each range stands for the rows it spans.
    for (const QItemSelectionRange& range : deselected) {
        for (int row = range.top(); row <= range.bottom(); ++row) {
            emit rowSelectionChanged(row, false);
        }
    }
    for (const QItemSelectionRange& range : selected) {
        for (int row = range.top(); row <= range.bottom(); ++row) {
            emit rowSelectionChanged(row, true);
        }
    }
}

QStringList CharacterListPane::captionsOf(const std::vector<int>& columns) const {
    QStringList captions;
    for (const int column : columns) {
        captions << columnCaption(settings_.settings().ColumnNames, column);
    }
    return captions;
}

void CharacterListPane::UpdateCharList() {
    criteria_.shownColumns = shownColumns(settings_.settings().ColumnOrder);
    const std::vector<int>& columns = criteria_.shownColumns;
    model_->rebuild(columns, captionsOf(columns), deletedResultColumn(criteria_),
                    nameResultColumn(criteria_), [&] { return db_.SelectCharacterList(criteria_); });
    columnFit_->fit();
    showSortIndicator();
    // The box comes after the rebuild, so that the list behind it is already empty.
    if (model_->result() == nullptr) {
        messages_.show(db_.status());
    }
    emit listRebuilt();
}

void CharacterListPane::showSortIndicator() {
    const std::vector<int>& columns = criteria_.shownColumns;
    const auto sorted = std::find(columns.begin(), columns.end(), criteria_.sort.column);
    QHeaderView* header = ListView1->header();
    // A sort on a column not shown has no header to carry the arrow.
    header->setSortIndicatorShown(sorted != columns.end());
    if (sorted != columns.end()) {
        header->setSortIndicator(static_cast<int>(sorted - columns.begin()),
                                 criteria_.sort.direction == SortDirection::Ascending
                                     ? Qt::AscendingOrder
                                     : Qt::DescendingOrder);
    }
}

ColumnWidths& CharacterListPane::columnWidths() {
    return columnFit_->widths();
}

const ColumnWidths& CharacterListPane::columnWidths() const {
    return columnFit_->widths();
}

const Kel_QueryResult* CharacterListPane::CharListResult() const {
    return model_->result();
}

void CharacterListPane::selectFirstRow() {
    if (model_->rowCount() > 0) {
        ListView1->setCurrentIndex(model_->index(0, 0));
    }
}

int CharacterListPane::selectedRow() const {
    const QModelIndexList rows = ListView1->selectionModel()->selectedRows();
    return rows.isEmpty() ? -1 : rows.constFirst().row();
}

bool CharacterListPane::selectRow(int row) {
    if (row < 0 || row >= model_->rowCount()) {
        return false;
    }
    const QModelIndex first = model_->index(row, 0);
    ListView1->setCurrentIndex(first);
    if (selectedRow() != row) {
        return false;
    }
    ListView1->scrollTo(first);
    return true;
}

std::optional<std::int64_t> CharacterListPane::idOfRow(int row) const {
    const Kel_QueryResult* result = model_->result();
    if (result == nullptr || row < 0 || row >= model_->rowCount()) {
        return std::nullopt;
    }
    return result->integerAt(0, static_cast<std::size_t>(row));
}

int CharacterListPane::rowOfId(std::int64_t id) const {
    for (int row = 0; row < model_->rowCount(); ++row) {
        if (idOfRow(row) == id) {
            return row;
        }
    }
    return -1;
}

bool CharacterListPane::selectRowOfId(std::int64_t id) {
    const int row = rowOfId(id);
    if (row < 0) {
        return false;
    }
    selectRow(row);
    return true;
}

void CharacterListPane::refreshRowOfId(qint64 id) {
    const int row = rowOfId(id);
    if (row >= 0) {
        model_->refreshRow(row, db_.SelectCharacterRow(criteria_, id));
    }
}

void CharacterListPane::addAlternateView(QWidget* view) {
    ListStack->addWidget(view);
}

void CharacterListPane::showAlternateView(bool shown) {
    QWidget* view = shown && ListStack->count() > 1 ? ListStack->widget(1) : ListView1;
    ListStack->setCurrentWidget(view);
    view->setFocus();
}

void CharacterListPane::setSort(const ListSort& sort) {
    criteria_.sort = sort;
}

void CharacterListPane::ListView1ColumnClick(int section) {
    if (!mayLeaveRow(std::nullopt)) {
        return;
    }
    const int column = model_->columnTag(section);
    ListSort& sort = criteria_.sort;
    if (column != sort.column) {
        sort = {column, SortDirection::Ascending};
    } else if (sort.direction == SortDirection::Ascending) {
        sort.direction = SortDirection::Descending;
    } else {
        // The third click switches the sort off; the direction is left as it was.
        sort.column = -1;
    }
    UpdateCharList();
}

void CharacterListPane::applySearch(const ListSearch& search) {
    // Refused, the search stays in the bar and applies with the next change.
    if (!mayLeaveRow(std::nullopt)) {
        return;
    }
    // A search with text, or the end of one, says what it found; a change of
    // mode or column with nothing typed is not a search.
    const bool searched = !search.text.empty() || !criteria_.search.text.empty();
    criteria_.search = search;
    UpdateCharList();
    if (searched) {
        emit searchFound(model_->rowCount());
    }
}

} // namespace zorvik::gui
