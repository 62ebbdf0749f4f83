#include "gui/detail/detail_grid_delegate.h"

#include <QApplication>
#include <QLineEdit>
#include <QPainter>

#include "gui/detail/detail_grid_model.h"

namespace zorvik::gui {

QColor DetailGridDelegate::stripeColour(int row) {
    return row % 2 == 1 ? QColor(224, 255, 255) : QColor(Qt::white);
}

void DetailGridDelegate::paint(QPainter* painter, const QStyleOptionViewItem& option,
                               const QModelIndex& index) const {
    const QRect& cell = option.rect;
    painter->save();
    painter->fillRect(cell, stripeColour(index.row()));
    if (index.column() == DetailGridModel::kLabelColumn) {
        drawLabelCell(painter, option, index);
    } else if (option.state.testFlag(QStyle::State_HasFocus)) {
        QStyleOptionFocusRect focus;
        focus.initFrom(option.widget);
        focus.rect = cell;
        focus.backgroundColor = stripeColour(index.row());
        QApplication::style()->drawPrimitive(QStyle::PE_FrameFocusRect, &focus, painter,
                                             option.widget);
    }
    painter->setClipRect(cell);
    // The labels are not enabled cells, yet they read as plainly as the values.
    painter->setPen(option.palette.color(QPalette::Active, QPalette::Text));
    painter->drawText(cell.adjusted(1, 1, 0, 0), Qt::AlignLeft | Qt::AlignTop | Qt::TextSingleLine,
                      index.data().toString());
    painter->restore();
}

void DetailGridDelegate::drawLabelCell(QPainter* painter, const QStyleOptionViewItem& option,
                                       const QModelIndex& index) const {
    const QRect& cell = option.rect;
    painter->fillRect(cell, option.palette.color(QPalette::Active, QPalette::Button));
    // A dark edge on the right, the top and the left; the last row also closes the bottom.
    QPolygon edge(
        {QPoint(cell.right(), cell.bottom()), cell.topRight(), cell.topLeft(), cell.bottomLeft()});
    if (index.row() == index.model()->rowCount() - 1) {
        edge << cell.bottomRight();
    }
    painter->setPen(option.palette.color(QPalette::Active, QPalette::Shadow));
    painter->drawPolyline(edge);
}

QWidget* DetailGridDelegate::createEditor(QWidget* parent, const QStyleOptionViewItem&,
                                          const QModelIndex& index) const {
    auto* editor = new QLineEdit(parent);
    editor->setFrame(false);
    editor->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    // The editor blends into its row.
    QPalette palette = editor->palette();
    palette.setColor(QPalette::Base, stripeColour(index.row()));
    editor->setPalette(palette);
    editor->setAutoFillBackground(true);
    connect(editor, &QLineEdit::textEdited, this, &DetailGridDelegate::commitEditedText);
    return editor;
}

void DetailGridDelegate::commitEditedText() {
    if (auto* editor = qobject_cast<QWidget*>(sender())) {
        emit commitData(editor);
    }
}

void DetailGridDelegate::updateEditorGeometry(QWidget* editor, const QStyleOptionViewItem& option,
                                              const QModelIndex&) const {
    editor->setGeometry(option.rect);
}

} // namespace zorvik::gui
