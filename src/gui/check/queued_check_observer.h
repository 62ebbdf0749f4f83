#pragma once

#include "core/check/check_observer.h"

class QObject;

namespace zorvik::gui {

class TForm3;

// Carries a collection check's progress from its worker thread to its
// progress dialog on the UI thread, in the order the worker issued it.
class QueuedCheckObserver : public CheckObserver {
public:
    // Every call is queued on context, an object of the UI thread that
    // outlives the check.
    QueuedCheckObserver(QObject& context, TForm3& dialog) : context_(context), dialog_(dialog) {}

    void setLabel(const std::string& text) override;
    void setProgressMaximum(int maximum) override;
    void setProgressPosition(int position) override;
    // The check is over: the dialog goes, after everything queued before.
    void closeDialog();

private:
    template <typename Function> void post(Function function);

    QObject& context_;
    TForm3& dialog_;
};

} // namespace zorvik::gui
