#include "gui/check/check_controller.h"

#include <QWidget>

#include "core/check/collection_check.h"
#include "core/platform/job_observer.h"
#include "core/settings/app_settings.h"
#include "gui/jobs/dialog_worker.h"
#include "gui/jobs/job_panes.h"
#include "gui/jobs/progress_dialog.h"
#include "gui/jobs/queued_observer.h"

namespace zorvik::gui {

CheckController::CheckController(const JobPanes& panes, DialogWorker& worker,
                                 Kel_CharacterDb& catalogue, UserMessages& messages,
                                 QObject* parent)
    : QObject(parent), panes_(panes), worker_(worker), catalogue_(catalogue), messages_(messages),
      dialog_(new TForm3(panes.window)) {
    dialog_->setObjectName(QStringLiteral("CheckProgress"));
    dialog_->setWindowTitle(tr("コレクションを検査中"));
}

std::optional<CheckReport> CheckController::run(const AppSettings& settings) {
    if (worker_.isRunning()) {
        return std::nullopt;
    }
    QWidget* window = panes_.window;
    void* ownerWindow = reinterpret_cast<void*>(window ? window->winId() : WId{});
    const AppSettings copy = settings;
    CheckReport report;
    const bool ran = worker_.run(*dialog_, [&] { report = runJob(copy, ownerWindow); });
    return ran ? std::optional(std::move(report)) : std::nullopt;
}

CheckReport CheckController::runJob(const AppSettings& settings, void* ownerWindow) {
    QueuedObserver<JobObserver> observer(*this, *dialog_, panes_, messages_);
    // The plug-ins come from ArchiverDLLs beside the executable.
    const CollectionCheckJob job{settings,           catalogue_, observer,
                                 dialog_->cancelFlag(), {},      ownerWindow};
    return RunCollectionCheck(job);
}

} // namespace zorvik::gui
