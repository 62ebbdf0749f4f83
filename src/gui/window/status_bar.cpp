#include "gui/window/status_bar.h"

#include <QLabel>
#include <QTimer>

#include "gui/window/status_panel.h"

namespace zorvik::gui {

StatusBar::StatusBar(QWidget* parent)
    : QStatusBar(parent), panel0_(new StatusPanel(this)), panel1_(new QLabel(this)),
      Timer2(new QTimer(this)) {
    setObjectName(QStringLiteral("StatusBar1"));
    setFixedHeight(19);
    panel1_->setObjectName(QStringLiteral("StatusPanel1"));
    // 50 wide as designed while empty; a text widens it.
    panel1_->setMinimumWidth(50);
    panel1_->setFrameStyle(QFrame::Panel | QFrame::Sunken);
    addWidget(panel0_);
    addWidget(panel1_);
    Timer2->setObjectName(QStringLiteral("Timer2"));
    Timer2->setInterval(kBlinkInterval);
    connect(Timer2, &QTimer::timeout, this, &StatusBar::Timer2Timer);
}

void StatusBar::setPanelText(const QString& text) {
    panel0_->setText(text);
}

QString StatusBar::panelText() const {
    return panel0_->text();
}

void StatusBar::setOtherPanelText(const QString& text) {
    panel1_->setText(text);
}

QString StatusBar::otherPanelText() const {
    return panel1_->text();
}

void StatusBar::ShowStatusMessage(const QString& text) {
    setPanelText(text);
    startBlink();
    blinkCount_ = 0;
    panel0_->setHighlighted(false);
}

void StatusBar::startBlink() {
    // Starting a running QTimer would restart its interval; a running blink keeps its beat.
    if (!Timer2->isActive()) {
        Timer2->start();
    }
}

void StatusBar::Timer2Timer() {
    ++blinkCount_;
    if (blinkCount_ >= kBlinkPhases) {
        blinkCount_ = 0;
        Timer2->stop();
    }
    panel0_->setHighlighted(blinkCount_ % 2 == 1);
}

} // namespace zorvik::gui
