#pragma once

#include <QStatusBar>

#include "gui/app/status_messages.h"

class QLabel;
class QTimer;

namespace zorvik::gui {

class StatusPanel;

// StatusBar1: panel 0 carries the status texts and blinks three times for
// a new message (Timer2, 250 ms); panel 1, a plain panel, says how many
// rows the last list update marked missing.
class StatusBar : public QStatusBar, public StatusMessages {
    Q_OBJECT
public:
    static constexpr int kBlinkInterval = 250;
    static constexpr int kBlinkPhases = 6;

    explicit StatusBar(QWidget* parent);

    // Panel 0's text, without a blink.
    void setPanelText(const QString& text) override;
    QString panelText() const;

    // Panel 1's text; it widens to hold it.
    void setOtherPanelText(const QString& text) override;
    QString otherPanelText() const;

    // Panel 0's text with three flashes, starting again from the first phase.
    void ShowStatusMessage(const QString& text) override;

    // Starts the blink without going back to its first phase; a running
    // blink goes on.
    void startBlink() override;

    int BlinkCount() const { return blinkCount_; }
    QTimer* blinkTimer() const { return Timer2; }
    StatusPanel* panel0() const { return panel0_; }

public slots:
    void Timer2Timer();

private:
    StatusPanel* panel0_;
    QLabel* panel1_;
    QTimer* Timer2;
    int blinkCount_ = 0;
};

} // namespace zorvik::gui
