#pragma once

#include <string>

#include "core/discovery/list_update_observer.h"
#include "core/platform/user_messages.h"

namespace zorvik::bench {

// A list update's observer that shows nothing: the benchmarks time the work.
class SilentObserver : public ListUpdateObserver {
public:
    void setStatusText(const Message&) override {}
    void setLabel(const Message&) override {}
    void setProgressMaximum(int) override {}
    void setProgressPosition(int) override {}
    void done() override {}
    void reloadList() override {}
    void startBlink() override {}
    void show(const Message&) override {}
    bool askYesNo(const Message&, const Message&) override { return false; }
};

// Messages that are only counted; every question is answered no.
class CountingMessages : public UserMessages {
public:
    void show(const Message&) override { ++shown; }
    bool askYesNo(const Message&, const Message&) override { return false; }
    int shown = 0;
};

} // namespace zorvik::bench
