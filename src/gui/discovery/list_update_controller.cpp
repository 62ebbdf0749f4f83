#include "gui/discovery/list_update_controller.h"

#include <system_error>

#include <QCoreApplication>

#include "core/discovery/list_update.h"
#include "core/platform/user_messages.h"
#include "core/settings/app_settings.h"
#include "gui/discovery/progress_dialog.h"
#include "gui/discovery/queued_observer.h"
#include "gui/mainwindow/main_window.h"

namespace zorvik::gui {

ListUpdateController::ListUpdateController(TForm1& form, UserMessages& messages)
    : QObject(&form), form_(form), messages_(messages), Form3(new TForm3(&form)) {}

ListUpdateController::~ListUpdateController() {
    if (worker_.joinable()) {
        worker_.join();
    }
}

void ListUpdateController::CallForm31Click() {
    if (running_) {
        return;
    }
    running_ = true;
    Form3->prepareForUpdate();
    if (startWorker()) {
        Form3->runModal();
        // Dismissed otherwise (the program is being closed): the update
        // stops after the character in hand.
        if (!workerDone_) {
            Form3->Button1Click();
        }
        waitForWorker();
    }
    running_ = false;
    emit updateFinished();
}

bool ListUpdateController::startWorker() {
    workerDone_ = false;
    try {
        worker_ = std::thread(&ListUpdateController::runJob, this, form_.settings(),
                              reinterpret_cast<void*>(form_.winId()));
    } catch (const std::system_error&) {
        messages_.show("_beginthread failed.");
        return false;
    }
    return true;
}

void ListUpdateController::runJob(AppSettings settings, void* ownerWindow) {
    QueuedObserver observer(form_, *Form3);
    // The plug-ins come from ArchiverDLLs beside the executable.
    const ListUpdateJob job{settings, form_.characterDb(), messages_, observer, Form3->cancelFlag(),
                            {},       ownerWindow};
    RunListUpdate(job);
    workerDone_ = true;
    // Wakes the UI thread's wait.
    QMetaObject::invokeMethod(this, &ListUpdateController::workerFinished, Qt::QueuedConnection);
}

void ListUpdateController::waitForWorker() {
    while (!workerDone_) {
        QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents);
    }
    worker_.join();
    // What the worker queued last (the reload, the counts, the blink) takes effect now.
    QCoreApplication::processEvents();
}

} // namespace zorvik::gui
