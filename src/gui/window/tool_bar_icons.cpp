#include "gui/window/tool_bar_icons.h"

#include <QPainter>
#include <QPainterPath>
#include <QPixmap>

namespace zorvik::gui {

namespace {

constexpr int kSize = 24;

QPixmap blankImage() {
    QPixmap image(kSize, kSize);
    image.fill(Qt::transparent);
    return image;
}

} // namespace

QIcon listUpdateIcon() {
    QPixmap image = blankImage();
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing);
    // Three list lines under a circling arrow.
    painter.setPen(QPen(QColor(70, 70, 90), 2));
    for (const int y : {6, 11, 16}) {
        painter.drawLine(2, y, 10, y);
    }
    const QColor arrow(30, 130, 60);
    painter.setPen(QPen(arrow, 2.5, Qt::SolidLine, Qt::RoundCap));
    const QRectF circle(9, 7, 12, 12);
    painter.drawArc(circle, 90 * 16, 270 * 16);
    QPainterPath head;
    head.moveTo(15, 3);
    head.lineTo(20, 7);
    head.lineTo(15, 11);
    head.closeSubpath();
    painter.setPen(Qt::NoPen);
    painter.setBrush(arrow);
    painter.drawPath(head);
    return QIcon(image);
}

QIcon battleParameterIcon(QChar letter) {
    QPixmap image = blankImage();
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(QPen(QColor(120, 40, 40), 1));
    painter.setBrush(QColor(220, 90, 70));
    painter.drawRoundedRect(QRectF(2.5, 2.5, 19, 19), 4, 4);
    QFont font = painter.font();
    font.setPixelSize(15);
    font.setBold(true);
    painter.setFont(font);
    painter.setPen(Qt::white);
    painter.drawText(QRect(0, 0, kSize, kSize), Qt::AlignCenter, QString(letter));
    return QIcon(image);
}

QIcon portraitGridIcon() {
    QPixmap image = blankImage();
    QPainter painter(&image);
    painter.setPen(QPen(QColor(60, 70, 110), 1));
    for (const int x : {3, 13}) {
        for (const int y : {2, 13}) {
            painter.setBrush(QColor(150, 180, 230));
            painter.drawRect(x, y, 8, 8);
            // A head and shoulders in each frame.
            painter.setBrush(QColor(60, 70, 110));
            painter.drawEllipse(x + 3, y + 2, 2, 2);
        }
    }
    return QIcon(image);
}

} // namespace zorvik::gui
