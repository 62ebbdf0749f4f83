#pragma once

#include "core/discovery/list_update_observer.h"

namespace zorvik::gui {

class TForm1;
class TForm3;

// Carries the list update's observer calls from its worker thread to the
// UI thread, where each takes effect in the order the worker issued it.
class QueuedObserver : public ListUpdateObserver {
public:
    QueuedObserver(TForm1& form, TForm3& dialog) : form_(form), dialog_(dialog) {}

    void setStatusText(const std::string& text) override;
    void setLabel(const std::string& text) override;
    void setProgressMaximum(int maximum) override;
    void setProgressPosition(int position) override;
    void closeDialog() override;
    void reloadList() override;
    void startBlink() override;

private:
    // Every call goes through the main window's queue, so one queue keeps
    // the order. The calls outlive this object, so they hold the windows,
    // not the observer.
    template <typename Function> void post(Function function);

    TForm1& form_;
    TForm3& dialog_;
};

} // namespace zorvik::gui
