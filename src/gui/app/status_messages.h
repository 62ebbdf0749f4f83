#pragma once

class QString;

namespace zorvik::gui {

// Where the panes and tools report to the user in passing: the status
// bar's first panel, plainly or with its three flashes. The window's
// status bar is the one implementation; panes depend on this alone.
class StatusMessages {
public:
    virtual ~StatusMessages() = default;

    // The first panel's text, without a blink.
    virtual void setPanelText(const QString& text) = 0;
    // The first panel's text with three flashes.
    virtual void ShowStatusMessage(const QString& text) = 0;
    // Starts the first panel's blink without going back to its first phase.
    virtual void startBlink() = 0;
    // The second panel's text (what the last list update found gone).
    virtual void setOtherPanelText(const QString& text) = 0;
};

} // namespace zorvik::gui
