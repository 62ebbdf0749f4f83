#pragma once

#include <QColor>
#include <QStyledItemDelegate>

namespace zorvik::gui {

// Draws DGrid's cells: light cyan and white stripes, the fixed label
// column on the button face with a dark edge, the focus frame of the
// current cell, and each text one pixel in from the cell's corner. Edits a
// value in a frameless line edit in its row's stripe colour, and hands each
// keystroke to the model, so the values always hold what the user sees.
class DetailGridDelegate : public QStyledItemDelegate {
    Q_OBJECT
public:
    using QStyledItemDelegate::QStyledItemDelegate;

    // Light cyan for an odd row, white for an even one.
    static QColor stripeColour(int row);

    void paint(QPainter* painter, const QStyleOptionViewItem& option,
               const QModelIndex& index) const override;
    QWidget* createEditor(QWidget* parent, const QStyleOptionViewItem& option,
                          const QModelIndex& index) const override;
    void updateEditorGeometry(QWidget* editor, const QStyleOptionViewItem& option,
                              const QModelIndex& index) const override;

private slots:
    // Connected to each editor's text edits.
    void commitEditedText();

private:
    void drawLabelCell(QPainter* painter, const QStyleOptionViewItem& option,
                       const QModelIndex& index) const;
};

} // namespace zorvik::gui
