#pragma once

#include "core/discovery/list_update_observer.h"

class QObject;

namespace zorvik::gui {

class ListUpdateHost;
class TForm3;

// Carries the list update's observer calls from its worker thread to the
// UI thread, where each takes effect in the order the worker issued it.
class QueuedObserver : public ListUpdateObserver {
public:
    // Every call is queued on context, an object of the UI thread that
    // outlives the update.
    QueuedObserver(QObject& context, ListUpdateHost& host, TForm3& dialog)
        : context_(context), host_(host), dialog_(dialog) {}

    void setStatusText(const std::string& text) override;
    void setLabel(const std::string& text) override;
    void setProgressMaximum(int maximum) override;
    void setProgressPosition(int position) override;
    void closeDialog() override;
    void reloadList() override;
    void startBlink() override;

private:
    // One queue keeps the order. The calls outlive this object, so they
    // hold the host and the dialog, not the observer.
    template <typename Function> void post(Function function);

    QObject& context_;
    ListUpdateHost& host_;
    TForm3& dialog_;
};

} // namespace zorvik::gui
