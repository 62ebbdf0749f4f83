#include "gui/portrait/portrait_recapture_action.h"

#include <QWidget>

#include "core/discovery/portrait_recapture.h"
#include "core/platform/user_messages.h"
#include "core/settings/app_settings.h"
#include "core/text/message.h"
#include "gui/app/settings_owner.h"
#include "gui/jobs/dialog_worker.h"
#include "gui/jobs/job_panes.h"
#include "gui/jobs/progress_dialog.h"
#include "gui/jobs/queued_list_update_observer.h"
#include "gui/list/character_list_pane.h"

namespace zorvik::gui {

PortraitRecaptureAction::PortraitRecaptureAction(Kel_CharacterDb& db, CharacterListPane& list,
                                                 const SettingsOwner& settings,
                                                 UserMessages& messages, const JobPanes& panes,
                                                 DialogWorker& worker)
    : QObject(panes.window), db_(db), list_(list), settings_(settings), messages_(messages),
      panes_(panes), worker_(worker), dialog_(new TForm3(panes.window)) {
    dialog_->setObjectName(QStringLiteral("RecaptureProgress"));
    dialog_->setWindowTitle(tr("ポートレートを取り込み直し中"));
}

std::string PortraitRecaptureAction::confirmationText(const RecaptureChoice& choice,
                                                      const AppSettings& settings) {
    QString text = tr("表示中のキャラクター %n 件のポートレートを、現在の設定 (Group %1, Image "
                      "%2) で取り込み直します。\n",
                      nullptr, static_cast<int>(choice.rows.size()))
                       .arg(settings.RegisterGroup)
                       .arg(settings.RegisterImage);
    if (const int handSet = choice.handSetCount(); handSet > 0) {
        text += tr("ファイルから差し替えたポートレート %n 件はそのまま残します。\n", nullptr, handSet);
    }
    text += tr("画像を取り込めないキャラクターは今のポートレートのままです。\nよろしいですか？");
    return text.toStdString();
}

void PortraitRecaptureAction::RecaptureClick() {
    if (worker_.isRunning()) {
        return;
    }
    const ListSearch search = list_.criteria().search;
    const RecaptureChoice choice = ChooseRecaptureRows(db_, search);
    if (!choice.status) {
        // SQLite's own words go in byte for byte.
        const QString pattern = tr("DBの読み込みでエラーがありました：%1");
        messages_.show(withArguments(pattern.toStdString(), {choice.status.error}));
        return;
    }
    if (choice.rows.empty()) {
        messages_.show(tr("表示中のリストにキャラクターがありません。").toStdString());
        return;
    }
    const AppSettings settings = settings_.inUse();
    if (!messages_.askYesNo(confirmationText(choice, settings), tr("確認").toStdString())) {
        return;
    }
    QWidget* window = panes_.window;
    void* ownerWindow = reinterpret_cast<void*>(window ? window->winId() : WId{});
    worker_.run(*dialog_, [&] { runJob(settings, search, ownerWindow); });
    emit recaptureFinished();
}

void PortraitRecaptureAction::runJob(const AppSettings& settings, const ListSearch& search,
                                     void* ownerWindow) {
    QueuedListUpdateObserver observer(*this, *dialog_, panes_, messages_);
    // The plug-ins come from ArchiverDLLs beside the executable.
    const RecaptureJob job{settings, db_, observer, dialog_->cancelFlag(), search, {}, ownerWindow};
    RunPortraitRecapture(job);
}

} // namespace zorvik::gui
