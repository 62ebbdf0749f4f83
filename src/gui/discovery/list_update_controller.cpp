#include "gui/discovery/list_update_controller.h"

#include <system_error>

#include <QCoreApplication>
#include <QWidget>

#include "core/discovery/list_update.h"
#include "core/platform/user_messages.h"
#include "core/settings/app_settings.h"
#include "gui/discovery/list_update_host.h"
#include "gui/discovery/progress_dialog.h"
#include "gui/discovery/queued_observer.h"

namespace zorvik::gui {

ListUpdateHost::~ListUpdateHost() = default;

ListUpdateController::ListUpdateController(ListUpdateHost& host, const AppSettings& settings,
                                           Kel_CharacterDb& catalogue, UserMessages& messages,
                                           QObject* parent)
    : QObject(parent), host_(host), settings_(settings), catalogue_(catalogue),
      messages_(messages), Form3(new TForm3(host.ownerWindow())) {}

ListUpdateController::~ListUpdateController() {
    if (worker_.joinable()) {
        worker_.join();
    }
}

void ListUpdateController::runOneUpdate() {
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
        QWidget* owner = host_.ownerWindow();
        const auto windowId = owner ? owner->winId() : WId{};
        worker_ = std::thread(&ListUpdateController::runJob, this, settings_,
                              reinterpret_cast<void*>(windowId));
    } catch (const std::system_error&) {
        messages_.show("_beginthread failed.");
        return false;
    }
    return true;
}

void ListUpdateController::runJob(AppSettings settings, void* ownerWindow) {
    QueuedObserver observer(*this, host_, *Form3);
    // The plug-ins come from ArchiverDLLs beside the executable.
    const ListUpdateJob job{settings, catalogue_, messages_, observer, Form3->cancelFlag(),
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
