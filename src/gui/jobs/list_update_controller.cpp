#include "gui/jobs/list_update_controller.h"

#include <optional>

#include <QWidget>

#include "core/discovery/list_update.h"
#include "core/discovery/missing_characters.h"
#include "core/settings/app_settings.h"
#include "gui/jobs/dialog_worker.h"
#include "gui/jobs/list_update_host.h"
#include "gui/jobs/progress_dialog.h"
#include "gui/jobs/queued_observer.h"

namespace zorvik::gui {

ListUpdateHost::~ListUpdateHost() = default;

ListUpdateController::ListUpdateController(ListUpdateHost& host, const AppSettings& settings,
                                           Kel_CharacterDb& catalogue, UserMessages& messages,
                                           QObject* parent)
    : QObject(parent), host_(host), settings_(settings), catalogue_(catalogue),
      messages_(messages), Form3(new TForm3(host.ownerWindow())),
      worker_(new DialogWorker(*Form3, messages, this)) {}

void ListUpdateController::runOneUpdate() {
    if (running_) {
        return;
    }
    running_ = true;
    QWidget* owner = host_.ownerWindow();
    void* ownerWindow = reinterpret_cast<void*>(owner ? owner->winId() : WId{});
    const AppSettings settings = settings_;
    ListUpdateOutcome outcome;
    if (worker_->run([&] { outcome = runJob(settings, ownerWindow); })) {
        host_.showMissingCount(outcome.listed ? std::optional(outcome.missing) : std::nullopt);
        if (outcome.nothingListed) {
            host_.showStatusText(QString::fromStdString(outcome.countsText() + " " +
                                                        nothingListedText()));
        }
    }
    running_ = false;
    emit updateFinished();
}

ListUpdateOutcome ListUpdateController::runJob(const AppSettings& settings, void* ownerWindow) {
    QueuedObserver observer(*this, host_, *Form3);
    // The plug-ins come from ArchiverDLLs beside the executable.
    const ListUpdateJob job{settings, catalogue_, messages_, observer, Form3->cancelFlag(),
                            {},       ownerWindow};
    return RunListUpdate(job);
}

} // namespace zorvik::gui
