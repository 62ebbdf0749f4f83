#include "gui/app/about_picture.h"

#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>

namespace zorvik::gui {

namespace {

constexpr int kWidth = 240;
constexpr int kHeight = 175;
constexpr int kHorizon = 118;

void drawSky(QPainter& painter) {
    QLinearGradient sky(0, 0, 0, kHorizon);
    sky.setColorAt(0.0, QColor(12, 16, 48));
    sky.setColorAt(1.0, QColor(120, 52, 96));
    painter.fillRect(0, 0, kWidth, kHorizon, sky);
    painter.setPen(Qt::NoPen);
    painter.setBrush(QColor(255, 244, 200));
    painter.drawEllipse(QPointF(188, 34), 16, 16);
    painter.setBrush(QColor(255, 255, 255, 170));
    for (const QPointF star : {QPointF(20, 18), QPointF(64, 40), QPointF(110, 14), QPointF(146, 52),
                               QPointF(226, 76), QPointF(38, 70)}) {
        painter.drawEllipse(star, 1.2, 1.2);
    }
    QPainterPath hills(QPointF(0, kHorizon));
    hills.lineTo(0, 96);
    hills.cubicTo(50, 70, 90, 104, 130, 88);
    hills.cubicTo(170, 72, 210, 96, kWidth, 84);
    hills.lineTo(kWidth, kHorizon);
    painter.setBrush(QColor(30, 22, 54));
    painter.drawPath(hills);
}

void drawStage(QPainter& painter) {
    QLinearGradient floor(0, kHorizon, 0, kHeight);
    floor.setColorAt(0.0, QColor(70, 50, 40));
    floor.setColorAt(1.0, QColor(150, 110, 70));
    painter.fillRect(0, kHorizon, kWidth, kHeight - kHorizon, floor);
    painter.setPen(QPen(QColor(190, 150, 100, 120), 1));
    for (int x = -200; x <= kWidth + 200; x += 40) {
        painter.drawLine(QPointF(kWidth / 2.0 + (x - kWidth / 2.0) * 0.3, kHorizon),
                         QPointF(x, kHeight));
    }
}

// A fighter in a guard stance; facing is 1 to the right, -1 to the left.
void drawFighter(QPainter& painter, qreal x, qreal facing, const QColor& colour) {
    const qreal ground = 150;
    painter.setPen(QPen(colour, 7, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    painter.drawLine(QPointF(x, ground - 44), QPointF(x, ground - 20));               // body
    painter.drawLine(QPointF(x, ground - 20), QPointF(x - 10 * facing, ground));      // back leg
    painter.drawLine(QPointF(x, ground - 20), QPointF(x + 12 * facing, ground));      // front leg
    painter.drawLine(QPointF(x, ground - 40), QPointF(x + 14 * facing, ground - 34)); // front arm
    painter.drawLine(QPointF(x + 14 * facing, ground - 34), QPointF(x + 20 * facing, ground - 44));
    painter.drawLine(QPointF(x, ground - 40), QPointF(x + 6 * facing, ground - 30)); // back arm
    painter.setPen(Qt::NoPen);
    painter.setBrush(colour);
    painter.drawEllipse(QPointF(x + 2 * facing, ground - 54), 7, 7);
}

} // namespace

QPixmap drawAboutPicture() {
    QPixmap picture(kWidth, kHeight);
    QPainter painter(&picture);
    painter.setRenderHint(QPainter::Antialiasing);
    drawSky(painter);
    drawStage(painter);
    drawFighter(painter, 80, 1, QColor(236, 236, 240));
    drawFighter(painter, 160, -1, QColor(214, 64, 52));
    return picture;
}

} // namespace zorvik::gui
