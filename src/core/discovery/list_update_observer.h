#pragma once

#include <string>

namespace zorvik {

// What the list update shows while it runs. The program queues each call
// onto its UI thread in the order issued; the command-line companion
// draws a progress bar.
class ListUpdateObserver {
public:
    virtual ~ListUpdateObserver();

    // The main window's status text (the first status-bar panel).
    virtual void setStatusText(const std::string& text) = 0;
    // The progress dialog's step text.
    virtual void setLabel(const std::string& text) = 0;
    virtual void setProgressMaximum(int maximum) = 0;
    virtual void setProgressPosition(int position) = 0;
    virtual void closeDialog() = 0;
    // The catalogue changed: rebuild the character list.
    virtual void reloadList() = 0;
    // Make the status text blink.
    virtual void startBlink() = 0;
};

} // namespace zorvik
