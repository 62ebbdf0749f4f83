#include "gui/window/status_panel.h"

#include <QPainter>
#include <QStyle>
#include <qdrawutil.h>

namespace zorvik::gui {

namespace {

// The text starts one border width inside the panel, as on the designed bar.
constexpr int kBorder = 1;
constexpr int kEdge = 2;

} // namespace

StatusPanel::StatusPanel(QWidget* parent) : QWidget(parent) {
    setObjectName(QStringLiteral("StatusPanel0"));
    setFixedWidth(320);
}

void StatusPanel::setText(const QString& text) {
    text_ = text;
    // The panel keeps its designed width; a text cut off at its end is
    // shown whole in the tip.
    const int room = width() - 2 * kEdge - kBorder;
    setToolTip(fontMetrics().horizontalAdvance(text) > room ? text : QString());
    update();
}

void StatusPanel::setHighlighted(bool highlighted) {
    highlighted_ = highlighted;
    update();
}

void StatusPanel::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    StatusBar1DrawPanel(painter, rect());
}

void StatusPanel::StatusBar1DrawPanel(QPainter& painter, const QRect& rect) {
    const QPalette& colours = palette();
    const QColor fill = colours.color(highlighted_ ? QPalette::Highlight : QPalette::Button);
    const QColor ink =
        colours.color(highlighted_ ? QPalette::HighlightedText : QPalette::WindowText);
    painter.fillRect(rect, fill);
    const QBrush fillBrush(fill);
    qDrawWinPanel(&painter, rect, colours, true, &fillBrush);
    painter.setPen(ink);
    painter.setClipRect(rect.adjusted(kEdge, kEdge, -kEdge, -kEdge));
    painter.drawText(rect.adjusted(kEdge + kBorder, kBorder, -kEdge, 0),
                     Qt::AlignLeft | Qt::AlignVCenter | Qt::TextSingleLine, text_);
}

} // namespace zorvik::gui
