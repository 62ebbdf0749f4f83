#include "gui/detail/detail_grid.h"

#include <array>

#include <QHeaderView>

#include "gui/detail/detail_grid_delegate.h"
#include "gui/detail/detail_grid_model.h"

namespace zorvik::gui {

namespace {

// The designed heights of the basic rows; the rows of the detailed view
// take the default height.
constexpr std::array<int, DetailGridModel::kBasicRowCount> kDesignedRowHeights = {
    24, 24, 23, 25, 24, 24, 24, 24, 24, 26};

} // namespace

DetailGrid::DetailGrid(DetailGridModel* model, QWidget* parent) : QTableView(parent) {
    setObjectName(QStringLiteral("DGrid"));
    setAccessibleName(tr("詳細"));
    setModel(model);
    setItemDelegate(new DetailGridDelegate(this));
    setFrameShape(QFrame::NoFrame);
    setShowGrid(false);
    setWordWrap(false);
    setVerticalScrollMode(QAbstractItemView::ScrollPerPixel);
    setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    setSelectionMode(QAbstractItemView::ContiguousSelection);
    // A current value that changes while the grid has no focus stays closed.
    setEditTriggers(QAbstractItemView::DoubleClicked | QAbstractItemView::SelectedClicked |
                    QAbstractItemView::EditKeyPressed | QAbstractItemView::AnyKeyPressed);
    // Where no row reaches, the grid shows the button face.
    QPalette colours = palette();
    colours.setColor(QPalette::Base, colours.color(QPalette::Button));
    setPalette(colours);
    horizontalHeader()->hide();
    horizontalHeader()->setMinimumSectionSize(0);
    horizontalHeader()->resizeSection(DetailGridModel::kLabelColumn, kLabelColumnWidth);
    horizontalHeader()->setStretchLastSection(true);
    verticalHeader()->hide();
    verticalHeader()->setMinimumSectionSize(0);
    verticalHeader()->setDefaultSectionSize(kDefaultRowHeight);
    for (std::size_t row = 0; row < kDesignedRowHeights.size(); ++row) {
        setRowHeight(static_cast<int>(row), kDesignedRowHeights[row]);
    }
    setCurrentIndex(model->index(0, DetailGridModel::kValueColumn));
}

void DetailGrid::tallCommentRow() {
    setRowHeight(kCommentRow, 4 * kDefaultRowHeight);
}

void DetailGrid::focusInEvent(QFocusEvent* event) {
    QTableView::focusInEvent(event);
    // Later, so that an editor that is just closing hands the focus back first.
    QMetaObject::invokeMethod(this, &DetailGrid::openCurrentEditor, Qt::QueuedConnection);
}

void DetailGrid::currentChanged(const QModelIndex& current, const QModelIndex& previous) {
    QTableView::currentChanged(current, previous);
    QMetaObject::invokeMethod(this, &DetailGrid::openCurrentEditor, Qt::QueuedConnection);
}

bool DetailGrid::atEdge(bool next) const {
    const int row = currentIndex().row();
    return next ? row >= model()->rowCount() - 1 : row <= 0;
}

bool DetailGrid::focusNextPrevChild(bool next) {
    if (atEdge(next)) {
        // Past the grid's ends the tab chain goes on, as it does for any other control.
        return QWidget::focusNextPrevChild(next);
    }
    return QTableView::focusNextPrevChild(next);
}

void DetailGrid::closeEditor(QWidget* editor, QAbstractItemDelegate::EndEditHint hint) {
    const bool forward = hint == QAbstractItemDelegate::EditNextItem;
    const bool leaving =
        (forward || hint == QAbstractItemDelegate::EditPreviousItem) && atEdge(forward);
    QTableView::closeEditor(editor, leaving ? QAbstractItemDelegate::NoHint : hint);
    if (leaving) {
        QWidget::focusNextPrevChild(forward);
    }
}

void DetailGrid::openCurrentEditor() {
    if (!hasFocus() || state() == QAbstractItemView::EditingState) {
        return;
    }
    if (!currentIndex().isValid()) {
        setCurrentIndex(model()->index(0, DetailGridModel::kValueColumn));
    }
    // Quietly not now when a click has its own edit pending.
    edit(currentIndex(), QAbstractItemView::AllEditTriggers, nullptr);
}

} // namespace zorvik::gui
