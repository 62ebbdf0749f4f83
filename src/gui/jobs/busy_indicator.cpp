#include "gui/jobs/busy_indicator.h"

#include <QPainter>
#include <QTimer>

namespace zorvik::gui {

namespace {

constexpr int kDots = 8;
constexpr int kStepMs = 100;

} // namespace

BusyIndicator::BusyIndicator(QWidget* parent) : QWidget(parent), timer_(new QTimer(this)) {
    setObjectName(QStringLiteral("Animate1"));
    timer_->setInterval(kStepMs);
    connect(timer_, &QTimer::timeout, this, [this] {
        step_ = (step_ + 1) % kDots;
        update();
    });
}

void BusyIndicator::start() {
    timer_->start();
}

void BusyIndicator::stop() {
    timer_->stop();
}

bool BusyIndicator::isActive() const {
    return timer_->isActive();
}

void BusyIndicator::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.translate(width() / 2.0, height() / 2.0);
    const double radius = std::min(width(), height()) * 0.34;
    const double dot = radius * 0.32;
    QColor colour = palette().color(QPalette::Highlight);
    for (int i = 0; i < kDots; ++i) {
        // The dot at the current step is the brightest; the others fade behind it.
        const int age = (step_ - i + kDots) % kDots;
        colour.setAlphaF(1.0 - age / static_cast<double>(kDots));
        painter.setPen(Qt::NoPen);
        painter.setBrush(colour);
        painter.drawEllipse(QPointF(0, -radius), dot, dot);
        painter.rotate(360.0 / kDots);
    }
}

} // namespace zorvik::gui
