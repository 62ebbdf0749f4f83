#include "gui/grid/portrait_grid_delegate.h"

#include <QApplication>
#include <QPainter>

#include "gui/grid/portrait_cache.h"
#include "gui/grid/portrait_loader.h"
#include "gui/list/character_list_model.h"
#include "gui/portrait/portrait_drawing.h"

namespace zorvik::gui {

namespace {

// How faint a row marked missing is drawn.
constexpr qreal kMissingOpacity = 0.4;

} // namespace

PortraitGridDelegate::PortraitGridDelegate(PortraitCache& cache, PortraitLoader& loader,
                                           QObject* parent)
    : QStyledItemDelegate(parent), cache_(cache), loader_(loader) {}

QSize PortraitGridDelegate::cellSize(const QFontMetrics& metrics) const {
    return {kPictureBox.width() + 2 * kMargin,
            kPictureBox.height() + 3 * kMargin + metrics.height()};
}

QSize PortraitGridDelegate::sizeHint(const QStyleOptionViewItem& option, const QModelIndex&) const {
    return cellSize(option.fontMetrics);
}

void PortraitGridDelegate::paint(QPainter* painter, const QStyleOptionViewItem& option,
                                 const QModelIndex& index) const {
    QStyleOptionViewItem cell = option;
    initStyleOption(&cell, index);
    const QWidget* widget = cell.widget;
    QStyle* style = widget != nullptr ? widget->style() : QApplication::style();
    // The selection's and the focus's background, as the style draws them.
    cell.text.clear();
    style->drawPrimitive(QStyle::PE_PanelItemViewItem, &cell, painter, widget);
    const QRect inner = cell.rect.adjusted(kMargin, kMargin, -kMargin, -kMargin);
    const QRect box(inner.x() + (inner.width() - kPictureBox.width()) / 2, inner.y(),
                    kPictureBox.width(), kPictureBox.height());
    const bool missing = index.data(CharacterListModel::kMissingRole).toBool();
    painter->save();
    if (missing) {
        painter->setOpacity(kMissingOpacity);
    }
    paintPicture(*painter, cell, box, index);
    const QRect line(inner.x(), box.bottom() + 1 + kMargin, inner.width(),
                     inner.bottom() - box.bottom() - kMargin);
    paintName(*painter, cell, line, missing);
    painter->restore();
}

void PortraitGridDelegate::paintPicture(QPainter& painter, const QStyleOptionViewItem& option,
                                        const QRect& box, const QModelIndex& index) const {
    const qint64 id = index.data(CharacterListModel::kIdRole).toLongLong();
    const GridPortrait* portrait = cache_.find(id);
    if (portrait == nullptr) {
        // Drawn when the loader delivers it; the cell stays blank until then.
        loader_.request(id);
    } else if (!portrait->stored) {
        drawNoImage(painter, box, option.palette);
    } else {
        drawPortrait(painter, portrait->image, box);
    }
}

void PortraitGridDelegate::paintName(QPainter& painter, const QStyleOptionViewItem& option,
                                     const QRect& line, bool missing) const {
    const QString name = option.fontMetrics.elidedText(
        option.index.data(Qt::DisplayRole).toString(), Qt::ElideRight, line.width());
    const bool selected = option.state.testFlag(QStyle::State_Selected);
    const QPalette::ColorGroup group = missing ? QPalette::Disabled : QPalette::Normal;
    painter.setPen(option.palette.color(group, selected ? QPalette::HighlightedText
                                                        : QPalette::Text));
    painter.drawText(line, Qt::AlignHCenter | Qt::AlignTop | Qt::TextSingleLine, name);
}

} // namespace zorvik::gui
