#include "gui/list/find_box.h"

#include <QMouseEvent>
#include <QPainter>

namespace zorvik::gui {

FindBox::FindBox(QWidget* parent) : QWidget(parent) {
    setObjectName(QStringLiteral("FindTB"));
    setCursor(Qt::IBeamCursor);
}

void FindBox::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    FindTBPaint(painter);
}

void FindBox::FindTBPaint(QPainter& painter) {
    const int w = width();
    const int h = height();
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setBrush(palette().color(QPalette::Base));
    painter.setPen(QPen(QColor(64, 64, 128), 1));
    painter.drawRoundedRect(QRectF(0.5, 0.5, w - 1, h - 1), 4, 4);
    // The mark sits in a square of the box's height at its right end. It is
    // drawn a shade darker than the button face, which on today's light
    // palettes would hardly show on the white field.
    const int q = h / 4;
    painter.setPen(QPen(palette().color(QPalette::Mid), 3));
    painter.drawLine(QPoint(w - q - 1, q + 1), QPoint(w - h + q + 1, h - q - 1));
    painter.drawLine(QPoint(w - q - 1, h - q - 1), QPoint(w - h + q + 1, q + 1));
}

void FindBox::mousePressEvent(QMouseEvent* event) {
    if (onMark(event->position().toPoint().x())) {
        tag_ = 1;
    }
}

void FindBox::mouseReleaseEvent(QMouseEvent* event) {
    const bool clicked = onMark(event->position().toPoint().x()) && tag_ == 1;
    tag_ = 0;
    if (clicked) {
        emit clearMarkClicked();
    }
}

} // namespace zorvik::gui
