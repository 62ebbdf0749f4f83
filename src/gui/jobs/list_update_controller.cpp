#include "gui/jobs/list_update_controller.h"

#include <QWidget>

#include "core/discovery/list_update.h"
#include "core/discovery/missing_characters.h"
#include "core/settings/app_settings.h"
#include "gui/app/shown_language.h"
#include "gui/app/status_messages.h"
#include "gui/jobs/dialog_worker.h"
#include "gui/jobs/job_panes.h"
#include "gui/jobs/progress_dialog.h"
#include "gui/jobs/queued_list_update_observer.h"

namespace zorvik::gui {

ListUpdateController::ListUpdateController(const JobPanes& panes, DialogWorker& worker,
                                           const AppSettings& settings, Kel_CharacterDb& catalogue,
                                           UserMessages& messages, QObject* parent)
    : QObject(parent), panes_(panes), worker_(worker), settings_(settings), catalogue_(catalogue),
      messages_(messages), Form3(new TForm3(panes.window)) {}

void ListUpdateController::runOneUpdate() {
    if (worker_.isRunning()) {
        return;
    }
    QWidget* owner = panes_.window;
    void* ownerWindow = reinterpret_cast<void*>(owner ? owner->winId() : WId{});
    const AppSettings settings = settings_;
    ListUpdateOutcome outcome;
    if (worker_.run(*Form3, [&] { outcome = runJob(settings, ownerWindow); })) {
        showMissingCount(outcome);
        if (outcome.nothingListed) {
            panes_.status.setPanelText(shownText(outcome.countsText()) + QLatin1Char(' ') +
                                       shownText(nothingListedText()));
        }
    }
    emit updateFinished();
}

ListUpdateOutcome ListUpdateController::runJob(const AppSettings& settings, void* ownerWindow) {
    QueuedListUpdateObserver observer(*this, *Form3, panes_, messages_);
    // The observer carries the messages and questions too. The plug-ins
    // come from ArchiverDLLs beside the executable.
    const ListUpdateJob job{settings, catalogue_, observer, observer, Form3->cancelFlag(),
                            {},       ownerWindow};
    return RunListUpdate(job);
}

void ListUpdateController::showMissingCount(const ListUpdateOutcome& outcome) {
    // None when the character folder could not be listed; the portraits
    // added follow when portraits are taken, then what only some updates
    // have to say (entries that could not be read, rows left unmoved).
    QString text;
    if (outcome.listed) {
        text = shownText(missingCountText(outcome.missing));
        if (outcome.portraitsTaken) {
            text += QLatin1String("  ") + shownText(portraitCountText(outcome.portraits));
        }
        for (const Message& remark : outcome.remarks()) {
            text += QLatin1String("  ") + shownText(remark);
        }
    }
    panes_.status.setOtherPanelText(text);
}

} // namespace zorvik::gui
