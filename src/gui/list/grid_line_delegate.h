#pragma once

#include <QStyledItemDelegate>

namespace zorvik::gui {

// Draws the list's cells with grid lines along their right and bottom edges,
// with a little room above and below the text.
class GridLineDelegate : public QStyledItemDelegate {
    Q_OBJECT
public:
    using QStyledItemDelegate::QStyledItemDelegate;

    void paint(QPainter* painter, const QStyleOptionViewItem& option,
               const QModelIndex& index) const override;
    QSize sizeHint(const QStyleOptionViewItem& option, const QModelIndex& index) const override;
};

} // namespace zorvik::gui
