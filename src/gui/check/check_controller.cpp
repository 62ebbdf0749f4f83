#include "gui/check/check_controller.h"

#include <QWidget>

#include "core/check/collection_check.h"
#include "core/settings/app_settings.h"
#include "gui/check/queued_check_observer.h"
#include "gui/jobs/dialog_worker.h"
#include "gui/jobs/progress_dialog.h"

namespace zorvik::gui {

CheckController::CheckController(Kel_CharacterDb& catalogue, UserMessages& messages,
                                 QWidget* window)
    : QObject(window), catalogue_(catalogue), window_(window), dialog_(new TForm3(window)),
      worker_(new DialogWorker(*dialog_, messages, this)) {
    dialog_->setObjectName(QStringLiteral("CheckProgress"));
    dialog_->setWindowTitle(QStringLiteral("コレクションを検査中"));
}

std::optional<CheckReport> CheckController::run(const AppSettings& settings) {
    if (running_) {
        return std::nullopt;
    }
    running_ = true;
    void* ownerWindow = reinterpret_cast<void*>(window_ ? window_->winId() : WId{});
    const AppSettings copy = settings;
    CheckReport report;
    const bool ran = worker_->run([&] { report = runJob(copy, ownerWindow); });
    running_ = false;
    return ran ? std::optional(std::move(report)) : std::nullopt;
}

CheckReport CheckController::runJob(const AppSettings& settings, void* ownerWindow) {
    QueuedCheckObserver observer(*this, *dialog_);
    // The plug-ins come from ArchiverDLLs beside the executable.
    const CollectionCheckJob job{settings,           catalogue_, observer,
                                 dialog_->cancelFlag(), {},      ownerWindow};
    CheckReport report = RunCollectionCheck(job);
    observer.closeDialog();
    return report;
}

} // namespace zorvik::gui
