#pragma once

#include "core/discovery/list_update_observer.h"
#include "gui/app/status_messages.h"
#include "gui/jobs/queued_observer.h"

namespace zorvik::gui {

// The list update's observer on the UI thread: its own calls, the list's
// reload and the status text's blink, join the others in the queue.
class QueuedListUpdateObserver final : public QueuedObserver<ListUpdateObserver> {
public:
    using QueuedObserver::QueuedObserver;

    void reloadList() override {
        post([reload = panes().reloadList] { reload(); });
    }
    void startBlink() override {
        post([status = &panes().status] { status->startBlink(); });
    }
};

} // namespace zorvik::gui
