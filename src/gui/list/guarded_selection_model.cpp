#include "gui/list/guarded_selection_model.h"

#include <utility>

namespace zorvik::gui {

GuardedSelectionModel::GuardedSelectionModel(QAbstractItemModel* model, Guard maySelect,
                                             QObject* parent)
    : QItemSelectionModel(model, parent), maySelect_(std::move(maySelect)) {}

int GuardedSelectionModel::newlySelectedRow(const QItemSelection& selection,
                                            QItemSelectionModel::SelectionFlags command) const {
    if (!command.testAnyFlags(QItemSelectionModel::Select | QItemSelectionModel::Toggle)) {
        return -1;
    }
    for (const QItemSelectionRange& range : selection) {
        for (int row = range.top(); row <= range.bottom(); ++row) {
            if (!isRowSelected(row, range.parent())) {
                return row;
            }
        }
    }
    return -1;
}

void GuardedSelectionModel::select(const QItemSelection& selection,
                                   QItemSelectionModel::SelectionFlags command) {
    const int row = newlySelectedRow(selection, command);
    // A key press that was refused the row goes on to select it: one question is enough.
    const bool refusedAlready = row >= 0 && row == refusedRow_;
    refusedRow_ = -1;
    if (row >= 0 && (refusedAlready || !maySelect_(row))) {
        currentBackOnSelection();
        return;
    }
    QItemSelectionModel::select(selection, command);
}

void GuardedSelectionModel::setCurrentIndex(const QModelIndex& index,
                                            QItemSelectionModel::SelectionFlags command) {
    // Asked here too, so that a refused key press leaves the current row where it was.
    const int row = index.isValid() ? newlySelectedRow(QItemSelection(index, index), command) : -1;
    refusedRow_ = -1;
    if (row >= 0 && !maySelect_(row)) {
        refusedRow_ = row;
        return;
    }
    QItemSelectionModel::setCurrentIndex(index, command);
}

void GuardedSelectionModel::currentBackOnSelection() {
    const QModelIndexList rows =
        selectedRows(currentIndex().isValid() ? currentIndex().column() : 0);
    if (!rows.isEmpty() && rows.constFirst().row() != currentIndex().row()) {
        QItemSelectionModel::setCurrentIndex(rows.constFirst(), QItemSelectionModel::NoUpdate);
    }
}

} // namespace zorvik::gui
