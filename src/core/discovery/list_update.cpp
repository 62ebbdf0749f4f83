#include "core/discovery/list_update.h"

#include <optional>
#include <sqlite3.h>
#include <vector>

#include "core/archive/archiver_handler.h"
#include "core/catalogue/character_db.h"
#include "core/catalogue/statement.h"
#include "core/discovery/candidate.h"
#include "core/discovery/list_update_observer.h"
#include "core/discovery/missing_characters.h"
#include "core/discovery/registration.h"
#include "core/platform/directory_listing.h"
#include "core/platform/folders.h"
#include "core/platform/user_messages.h"
#include "core/settings/app_settings.h"

namespace zorvik {

namespace {

constexpr std::size_t kPatternLimit = 1024;
constexpr const char* kCheckSql =
    "SELECT ID, LASTCHECK_DATE FROM CHARACTER_TABLE WHERE FILENAME=?;";

// Step texts are shown for every candidate only in small folders, so that
// label updates do not slow large ones.
int labelStepMask(std::size_t candidates) {
    if (candidates > 2048)
        return 31;
    if (candidates > 1024)
        return 15;
    if (candidates > 512)
        return 7;
    if (candidates > 256)
        return 3;
    if (candidates > 128)
        return 1;
    return 0;
}

bool isCancelled(const ListUpdateJob& job) {
    return job.cancel.load(std::memory_order_relaxed);
}

// The candidates of MainDir; none (after telling the user) when it cannot be listed.
std::optional<std::vector<Candidate>> listCandidates(const ListUpdateJob& job, bool& complete) {
    const std::string& mainDir = job.settings.MainDir;
    const platform::DirectoryListing listing = platform::listDirectory(mainDir);
    if (!listing.opened) {
        job.messages.show("ファイル検索を開始できませんでした。\n"
                          "メインディレクトリの設定が正しいか確認してください。");
        return std::nullopt;
    }
    platform::setCurrentFolder(mainDir.empty() ? "/" : mainDir);
    auto candidates = scanCandidates(listing, job.settings.RecognizeFileType, job.cancel);
    complete = listing.errorCode == 0;
    if (listing.errorCode != 0 && !isCancelled(job)) {
        job.messages.show("何らかの異常な原因によりファイル検索が終了しました。\nエラーコード：" +
                          std::to_string(listing.errorCode));
    }
    return candidates;
}

// Decides for each candidate and registers the new and changed ones;
// false when a catalogue error ended the loop.
class RegistrationLoop {
public:
    RegistrationLoop(const ListUpdateJob& job, KelArchiverHandler& archiver,
                     ListUpdateOutcome& outcome)
        : job_(job), context_{job.settings, job.catalogue, job.messages, archiver},
          outcome_(outcome), check_(job.catalogue.statements(), kCheckSql) {}

    bool run(const std::vector<Candidate>& candidates) {
        if (candidates.empty()) {
            return true;
        }
        if (!check_.isValid()) {
            job_.messages.show("DB登録確認処理でエラーがありました：" + job_.catalogue.LastError());
            return false;
        }
        const int mask = labelStepMask(candidates.size());
        for (std::size_t k = 0; k < candidates.size() && !isCancelled(job_); ++k) {
            if ((static_cast<int>(k) & mask) == 0) {
                job_.observer.setLabel("確認中：" + candidates[k].name);
            }
            job_.observer.setProgressPosition(static_cast<int>(k));
            if (!handle(candidates[k])) {
                return false;
            }
        }
        return true;
    }

private:
    bool handle(const Candidate& candidate) {
        check_.reset();
        check_.bindText(1, candidate.name);
        const int code = check_.step();
        if (code == SQLITE_ROW) {
            // Only the first row is looked at; a stored NULL date counts as changed.
            const bool unchanged = !job_.settings.CharUpdateCheck ||
                                   (!check_.isNull(1) && check_.textViewAt(1) == candidate.date);
            const std::int64_t id = check_.int64At(0);
            check_.reset();
            if (!unchanged) {
                job_.observer.setLabel("更新処理中：" + candidate.name);
                outcome_.updated += RegisterCharacter(context_, candidate, id) ? 1 : 0;
            }
            return true;
        }
        if (code == SQLITE_DONE) {
            check_.reset();
            job_.observer.setLabel("新規追加処理中：" + candidate.name);
            outcome_.inserted += RegisterCharacter(context_, candidate, -1) ? 1 : 0;
            return true;
        }
        const std::string error = job_.catalogue.LastError();
        check_.reset();
        job_.messages.show("DB登録確認のSQLステップ処理でエラーがありました：" + error);
        return false;
    }

    const ListUpdateJob& job_;
    RegistrationContext context_;
    ListUpdateOutcome& outcome_;
    Statement check_;
};

bool execute(Kel_CharacterDb& catalogue, const char* sql) {
    return sqlite3_exec(catalogue.db(), sql, nullptr, nullptr, nullptr) == SQLITE_OK;
}

void registerCandidates(const ListUpdateJob& job, const std::vector<Candidate>& candidates,
                        bool listingComplete, ListUpdateOutcome& outcome) {
    // The plug-ins are loaded once per update, not once per archive.
    std::optional<KelArchiverHandler> loaded;
    if (job.pluginFolder.empty()) {
        loaded.emplace();
    } else {
        loaded.emplace(job.pluginFolder);
    }
    KelArchiverHandler& archiver = *loaded;
    archiver.SetOwnerWindow(job.ownerWindow);
    job.observer.setLabel(std::to_string(candidates.size()) + "キャラを認識しました");
    job.observer.setProgressMaximum(static_cast<int>(candidates.size()));
    bool ok = execute(job.catalogue, "BEGIN;");
    if (!ok) {
        job.messages.show("BEGIN failed");
    }
    {
        RegistrationLoop loop(job, archiver, outcome);
        ok = loop.run(candidates) && ok;
    }
    if (ok) {
        ok = MarkMissingAfterUpdate(job, candidates, listingComplete && !isCancelled(job), outcome);
    }
    // Committed however the loop ended, so every row written so far stays.
    if (!execute(job.catalogue, "COMMIT;")) {
        job.messages.show("COMMIT failed");
        ok = false;
    }
    outcome.completed = ok;
}

} // namespace

std::string ListUpdateOutcome::countsText() const {
    return "更新処理終了 : 新規追加データ " + std::to_string(inserted) + "件、 更新データ " +
           std::to_string(updated) + "件でした。";
}

ListUpdateObserver::~ListUpdateObserver() = default;

ListUpdateOutcome RunListUpdate(const ListUpdateJob& job) {
    ListUpdateOutcome outcome;
    const std::string pattern = job.settings.MainDir + "/*.*";
    if (pattern.size() >= kPatternLimit) {
        job.observer.closeDialog();
        return outcome;
    }
    job.observer.setStatusText("更新処理中...");
    job.observer.setLabel(pattern + "を検索");
    bool listingComplete = false;
    const auto candidates = listCandidates(job, listingComplete);
    if (!candidates) {
        job.observer.closeDialog();
        return outcome;
    }
    outcome.listed = true;
    registerCandidates(job, *candidates, listingComplete, outcome);
    job.observer.closeDialog();
    if (outcome.changed()) {
        job.observer.reloadList();
    }
    job.observer.setStatusText(outcome.countsText());
    job.observer.startBlink();
    return outcome;
}

} // namespace zorvik
