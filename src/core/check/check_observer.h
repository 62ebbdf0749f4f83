#pragma once

#include <string>

namespace zorvik {

// What a collection check shows while it runs: the step text and the
// progress, as the list update's progress dialog shows them. A window
// queues each call onto its UI thread in the order issued.
class CheckObserver {
public:
    virtual ~CheckObserver();

    virtual void setLabel(const std::string& text) = 0;
    virtual void setProgressMaximum(int maximum) = 0;
    virtual void setProgressPosition(int position) = 0;
};

} // namespace zorvik
