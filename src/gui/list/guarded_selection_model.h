#pragma once

#include <functional>

#include <QItemSelectionModel>

namespace zorvik::gui {

// A view's selection model that asks before a row not yet selected becomes
// selected, so that the pane showing the selected record can keep it (its
// edits not yet written). A refusal leaves the selection as it was, and the
// current row back on it. Moving only the current row (a click's first
// step, Ctrl with an arrow) selects nothing and is not asked about.
class GuardedSelectionModel : public QItemSelectionModel {
    Q_OBJECT
public:
    // Gets the row about to be selected; false keeps the selection.
    using Guard = std::function<bool(int row)>;

    GuardedSelectionModel(QAbstractItemModel* model, Guard maySelect, QObject* parent);

    using QItemSelectionModel::select;
    void select(const QItemSelection& selection,
                QItemSelectionModel::SelectionFlags command) override;
    void setCurrentIndex(const QModelIndex& index,
                         QItemSelectionModel::SelectionFlags command) override;

private:
    // The first row the command would add to the selection; -1 for none.
    int newlySelectedRow(const QItemSelection& selection,
                         QItemSelectionModel::SelectionFlags command) const;
    // After a refused click the current row goes back to the selected one.
    void currentBackOnSelection();

    Guard maySelect_;
    // The row a refused setCurrentIndex was to select, until the next call; -1 for none.
    int refusedRow_ = -1;
};

} // namespace zorvik::gui
