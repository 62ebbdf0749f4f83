#pragma once

#include "core/platform/job_observer.h"

namespace zorvik {

// What the list update shows besides any long job's progress: the
// character list to rebuild when the catalogue changed, and the blink of
// the status text that carries the counts.
class ListUpdateObserver : public JobObserver {
public:
    ~ListUpdateObserver() override;

    // The catalogue changed: rebuild the character list.
    virtual void reloadList() = 0;
    // Make the status text blink.
    virtual void startBlink() = 0;
};

} // namespace zorvik
