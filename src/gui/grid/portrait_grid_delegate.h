#pragma once

#include <QStyledItemDelegate>

namespace zorvik::gui {

class PortraitCache;
class PortraitLoader;

// Draws a grid cell: the row's portrait in a picture box at least
// kPictureBox large (its own size when it fits, else scaled down), or "No
// Image", with the NAME below; a row marked missing is drawn greyed. A
// portrait not decoded yet is asked of the loader and drawn when it comes.
class PortraitGridDelegate : public QStyledItemDelegate {
    Q_OBJECT
public:
    static constexpr QSize kPictureBox{128, 160};
    static constexpr int kMargin = 4;

    PortraitGridDelegate(PortraitCache& cache, PortraitLoader& loader, QObject* parent);

    // The whole cell: margins, the picture box and one line of text.
    QSize cellSize(const QFontMetrics& metrics) const;

    QSize sizeHint(const QStyleOptionViewItem& option, const QModelIndex& index) const override;
    void paint(QPainter* painter, const QStyleOptionViewItem& option,
               const QModelIndex& index) const override;

private:
    void paintPicture(QPainter& painter, const QStyleOptionViewItem& option, const QRect& box,
                      const QModelIndex& index) const;
    void paintName(QPainter& painter, const QStyleOptionViewItem& option, const QRect& line,
                   bool missing) const;

    PortraitCache& cache_;
    PortraitLoader& loader_;
};

} // namespace zorvik::gui
