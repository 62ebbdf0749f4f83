#pragma once

#include <string>
#include <utility>

#include <QMetaObject>
#include <QObject>
#include <QString>

#include "core/platform/user_messages.h"
#include "gui/app/shown_language.h"
#include "gui/app/status_messages.h"
#include "gui/jobs/job_panes.h"
#include "gui/jobs/progress_dialog.h"

namespace zorvik::gui {

// Carries a long job's observer calls from its worker thread to the UI
// thread, where each takes effect in the order the worker issued it: the
// progress and the step text in the job's dialog, the status text in the
// window's status bar. Observer is JobObserver or a job's extension of it,
// whose own calls a subclass queues with post().
template <typename Observer> class QueuedObserver : public Observer {
public:
    // Every call is queued on context, an object of the UI thread that
    // outlives the job; messages and questions go to messages, which shows
    // them on the UI thread and waits for the answer.
    QueuedObserver(QObject& context, TForm3& dialog, const JobPanes& panes, UserMessages& messages)
        : context_(context), dialog_(dialog), panes_(panes), messages_(messages) {}

    void setProgressMaximum(int maximum) override {
        post([dialog = &dialog_, maximum] { dialog->setProgressMaximum(maximum); });
    }
    void setProgressPosition(int position) override {
        post([dialog = &dialog_, position] { dialog->setProgressPosition(position); });
    }
    void setLabel(const Message& label) override {
        post([dialog = &dialog_, label] { dialog->setStepText(shownText(label)); });
    }
    void setStatusText(const Message& status) override {
        post([panel = &panes_.status, status] { panel->setPanelText(shownText(status)); });
    }
    void done() override {
        post([dialog = &dialog_] { dialog->closeByUpdate(); });
    }
    using UserMessages::askYesNo;
    using UserMessages::show;
    void show(const Message& message) override { messages_.show(message); }
    bool askYesNo(const Message& question, const Message& caption) override {
        return messages_.askYesNo(question, caption);
    }

protected:
    // One queue keeps the order. The calls outlive this object, so they
    // hold what they change, not the observer.
    template <typename Function> void post(Function function) {
        QMetaObject::invokeMethod(&context_, std::move(function), Qt::QueuedConnection);
    }
    const JobPanes& panes() const { return panes_; }

private:
    QObject& context_;
    TForm3& dialog_;
    const JobPanes& panes_;
    UserMessages& messages_;
};

} // namespace zorvik::gui
