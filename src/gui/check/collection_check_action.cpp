#include "gui/check/collection_check_action.h"

#include <algorithm>
#include <string>

#include "core/catalogue/missing_rows.h"
#include "core/platform/user_messages.h"
#include "core/text/message.h"
#include "gui/app/settings_owner.h"
#include "gui/app/status_messages.h"
#include "gui/check/check_controller.h"
#include "gui/check/check_report_window.h"
#include "gui/jobs/job_panes.h"
#include "gui/list/character_list_pane.h"

namespace zorvik::gui {

CollectionCheckAction::CollectionCheckAction(Kel_CharacterDb& db, CharacterListPane& list,
                                             const SettingsOwner& settings, UserMessages& messages,
                                             const JobPanes& panes, DialogWorker& worker)
    : QObject(panes.window), db_(db), list_(list), settings_(settings), messages_(messages),
      status_(panes.status), window_(panes.window),
      controller_(new CheckController(panes, worker, db, messages, this)) {}

CheckReportWindow* CollectionCheckAction::reportWindow() const {
    return reportWindow_;
}

void CollectionCheckAction::Check1Click() {
    std::optional<CheckReport> report = controller_->run(settings_.inUse());
    if (!report) {
        return;
    }
    if (report->error) {
        messages_.show(*report->error);
        return;
    }
    report_ = std::move(*report);
    showReport();
}

void CollectionCheckAction::showReport() {
    const bool opening = reportWindow_ == nullptr;
    if (opening) {
        reportWindow_ = new CheckReportWindow(window_);
        reportWindow_->setAttribute(Qt::WA_DeleteOnClose);
        connect(reportWindow_, &CheckReportWindow::entryActivated, this,
                &CollectionCheckAction::selectEntry);
        connect(reportWindow_, &CheckReportWindow::deleteMissingRequested, this,
                &CollectionCheckAction::DeleteMissingClick);
    }
    reportWindow_->setReport(report_);
    if (opening) {
        // Placed once its width is known, so that the screen holds all of it.
        reportWindow_->placeBeside(*window_);
    }
    reportWindow_->show();
    reportWindow_->raise();
    reportWindow_->activateWindow();
}

void CollectionCheckAction::selectEntry(qint64 id) {
    if (!list_.selectRowOfId(id)) {
        status_.ShowStatusMessage(tr("ID %1 のキャラクターは表示中のリストにありません"
                                     " (検索で絞り込まれているか、カタログにありません)")
                                      .arg(id));
    }
}

void CollectionCheckAction::DeleteMissingClick() {
    MissingRows rows(db_);
    const MissingRowIds marked = rows.readIds();
    if (!marked.status) {
        messages_.show(withArguments(tr("DBの読み込みでエラーがありました：%1").toStdString(),
                                     {marked.status.error}));
        return;
    }
    if (marked.ids.empty()) {
        messages_.show(
            tr("リスト更新で見つからないと記録されたキャラはありません。").toStdString());
        return;
    }
    QString question = tr("リスト更新で見つからないと記録されたキャラ %1 件を"
                          "カタログから削除します。\n")
                           .arg(marked.ids.size());
    // Notes live only in the catalogue: the question says they go too.
    if (marked.withNotes > 0) {
        question += tr("そのうち %1 件には入力したコメント・作者2・付加情報があり、"
                       "それも消えます。\n")
                        .arg(marked.withNotes);
    }
    question += tr("フォルダやファイルには触れません。よろしいですか？");
    if (!messages_.askYesNo(question.toStdString(), tr("確認").toStdString())) {
        return;
    }
    const MissingRowRemoval removal = rows.deleteMarked(marked.ids);
    if (!removal.status) {
        messages_.show(withArguments(tr("削除処理でエラーがありました：%1").toStdString(),
                                     {removal.status.error}));
        return;
    }
    list_.UpdateCharList();
    dropMissing(marked.ids);
    status_.ShowStatusMessage(
        tr("見つからないキャラ %1 件をカタログから削除しました").arg(removal.deleted));
}

void CollectionCheckAction::dropMissing(const std::vector<std::int64_t>& ids) {
    // The IDs come in ID order.
    std::erase_if(report_.missing, [&ids](const MissingCharacter& entry) {
        return std::binary_search(ids.begin(), ids.end(), entry.id);
    });
    if (reportWindow_ != nullptr) {
        reportWindow_->setReport(report_);
    }
}

} // namespace zorvik::gui
