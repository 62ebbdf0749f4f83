#include "gui/portrait/portrait_drawing.h"

#include <algorithm>

#include <QCoreApplication>
#include <QPainter>
#include <QPalette>

namespace zorvik::gui {

QSize fittedPortraitSize(QSize imageSize, QSize boxSize) {
    if (imageSize.isEmpty() || boxSize.isEmpty()) {
        return {0, 0};
    }
    if (imageSize.width() <= boxSize.width() && imageSize.height() <= boxSize.height()) {
        return imageSize;
    }
    const QSize scaled = imageSize.scaled(boxSize, Qt::KeepAspectRatio);
    // A very thin portrait keeps at least a line of pixels.
    return {std::max(1, scaled.width()), std::max(1, scaled.height())};
}

QImage withTransparentColourZero(const QImage& portrait) {
    if (portrait.colorCount() == 0) {
        return portrait;
    }
    QImage drawn = portrait;
    drawn.setColor(0, qRgba(0, 0, 0, 0));
    return drawn;
}

QImage preparedPortrait(const QImage& portrait, QSize boxSize) {
    QImage drawn = withTransparentColourZero(portrait).convertToFormat(
        QImage::Format_ARGB32_Premultiplied);
    const QSize fitted = fittedPortraitSize(drawn.size(), boxSize);
    if (fitted != drawn.size() && !fitted.isEmpty()) {
        drawn = drawn.scaled(fitted, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
    }
    return drawn;
}

void drawPortrait(QPainter& painter, const QImage& portrait, const QRect& box) {
    const QSize fitted = fittedPortraitSize(portrait.size(), box.size());
    if (fitted.isEmpty()) {
        return;
    }
    const QRect target(box.x() + (box.width() - fitted.width()) / 2,
                       box.y() + (box.height() - fitted.height()) / 2, fitted.width(),
                       fitted.height());
    painter.save();
    painter.setRenderHint(QPainter::SmoothPixmapTransform, fitted != portrait.size());
    painter.drawImage(target, withTransparentColourZero(portrait));
    painter.restore();
}

void drawNoImage(QPainter& painter, const QRect& box, const QPalette& palette) {
    painter.save();
    painter.setPen(palette.color(QPalette::Highlight));
    painter.setBrush(palette.color(QPalette::Base));
    painter.drawRect(box.adjusted(0, 0, -1, -1));
    painter.drawText(box, Qt::AlignCenter | Qt::TextSingleLine,
                     QCoreApplication::translate("zorvik::gui::PortraitDrawing", "No Image"));
    painter.restore();
}

} // namespace zorvik::gui
