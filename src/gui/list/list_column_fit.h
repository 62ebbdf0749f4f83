#pragma once

#include <functional>
#include <vector>

#include <QObject>

#include "gui/list/column_widths.h"

class QTreeView;

namespace zorvik::gui {

// Sizes the list's columns: each at the user's width (or its default),
// all widened together to fill a view wider than they are. A column the
// user drags keeps the width it is dragged to; the widths on show then
// become the user's, so nothing else moves until the view changes size.
class ListColumnFit : public QObject {
    Q_OBJECT
public:
    // shownColumns gives the column index of each of the view's columns.
    ListColumnFit(QTreeView& view, std::function<std::vector<int>()> shownColumns);

    ColumnWidths& widths() { return widths_; }
    const ColumnWidths& widths() const { return widths_; }

    // Sizes every column for the view's present width (after a rebuild).
    void fit();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void takeUserWidth(int section, int oldSize, int newSize);

    QTreeView& view_;
    std::function<std::vector<int>()> shownColumns_;
    ColumnWidths widths_;
    // Set while fit() sizes the columns, whose resizes are not the user's.
    bool fitting_ = false;
};

} // namespace zorvik::gui
