#include "gui/list/grid_line_delegate.h"

#include <QPainter>

namespace zorvik::gui {

void GridLineDelegate::paint(QPainter* painter, const QStyleOptionViewItem& option,
                             const QModelIndex& index) const {
    QStyledItemDelegate::paint(painter, option, index);
    const QRect& cell = option.rect;
    painter->save();
    painter->setPen(option.palette.color(QPalette::Midlight));
    painter->drawLine(cell.topRight(), cell.bottomRight());
    painter->drawLine(cell.bottomLeft(), cell.bottomRight());
    painter->restore();
}

QSize GridLineDelegate::sizeHint(const QStyleOptionViewItem& option,
                                 const QModelIndex& index) const {
    return QStyledItemDelegate::sizeHint(option, index) + QSize(0, 3);
}

} // namespace zorvik::gui
