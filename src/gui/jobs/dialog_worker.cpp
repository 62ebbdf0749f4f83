#include "gui/jobs/dialog_worker.h"

#include <system_error>

#include <QCoreApplication>

#include "core/platform/stdout_redirect.h"
#include "core/platform/user_messages.h"
#include "gui/jobs/progress_dialog.h"

namespace zorvik::gui {

DialogWorker::DialogWorker(UserMessages& messages, QObject* parent)
    : QObject(parent), messages_(messages) {}

DialogWorker::~DialogWorker() {
    if (worker_.joinable()) {
        worker_.join();
    }
}

bool DialogWorker::run(TForm3& dialog, std::function<void()> job) {
    if (isRunning() || (mayStart_ && !mayStart_())) {
        return false;
    }
    dialog.prepareForUpdate();
    if (!startWorker(std::move(job))) {
        return false;
    }
    dialog_ = &dialog;
    dialog.runModal();
    // Dismissed otherwise (the program is being closed): the job stops
    // after the item in hand. A job that closed the dialog itself is only
    // finishing, and is left to end as it is.
    if (!workerDone_ && !dialog.closedByUpdate()) {
        stop();
    }
    waitForWorker();
    dialog_ = nullptr;
    emit finished();
    return true;
}

void DialogWorker::stop() {
    if (dialog_ != nullptr) {
        dialog_->Button1Click();
    }
}

bool DialogWorker::startWorker(std::function<void()> job) {
    workerDone_ = false;
    try {
        worker_ = std::thread([this, job = std::move(job)] {
            {
                // The archiver plug-ins trace to standard output; a windowed
                // run shows none of it, even when started from a terminal.
                const platform::StdoutRedirect quiet;
                job();
            }
            workerDone_ = true;
            // Wakes the UI thread's wait.
            QMetaObject::invokeMethod(this, &DialogWorker::workerFinished, Qt::QueuedConnection);
        });
    } catch (const std::system_error&) {
        messages_.show(tr("_beginthread failed.").toStdString());
        return false;
    }
    return true;
}

void DialogWorker::waitForWorker() {
    while (!workerDone_) {
        QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents);
    }
    worker_.join();
    // What the worker queued last (for an update: the reload, the counts,
    // the blink) takes effect now.
    QCoreApplication::processEvents();
}

} // namespace zorvik::gui
