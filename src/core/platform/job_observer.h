#pragma once

#include "core/platform/user_messages.h"

namespace zorvik {

// What every long job (the list update, the collection check) shows while
// it runs: a progress bar with its step text, the window's status text,
// messages and questions, and its end. The program queues each call onto
// its UI thread in the order issued; the command-line companion draws a
// progress bar on the terminal. A job with more to show extends it.
class JobObserver : public UserMessages {
public:
    ~JobObserver() override;

    virtual void setProgressMaximum(int maximum) = 0;
    virtual void setProgressPosition(int position) = 0;
    // The progress dialog's step text.
    virtual void setLabel(const Message& label) = 0;
    // The main window's status text (the first status-bar panel).
    virtual void setStatusText(const Message& status) = 0;
    // The work is over: the progress display goes, after everything issued before.
    virtual void done() = 0;
};

} // namespace zorvik
