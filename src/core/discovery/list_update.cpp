#include "core/discovery/list_update.h"

#include <optional>
#include <vector>

#include "core/archive/archiver_handler.h"
#include "core/catalogue/registration_records.h"
#include "core/discovery/candidate.h"
#include "core/discovery/list_update_observer.h"
#include "core/discovery/registration.h"
#include "core/platform/directory_listing.h"
#include "core/platform/folders.h"
#include "core/platform/user_messages.h"
#include "core/settings/app_settings.h"

namespace zorvik {

namespace {

constexpr std::size_t kPatternLimit = 1024;

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
std::optional<std::vector<Candidate>> listCandidates(const ListUpdateJob& job) {
    const std::string& mainDir = job.settings.MainDir;
    const platform::DirectoryListing listing = platform::listDirectory(mainDir);
    if (!listing.opened) {
        job.messages.show("ファイル検索を開始できませんでした。\n"
                          "メインディレクトリの設定が正しいか確認してください。");
        return std::nullopt;
    }
    platform::setCurrentFolder(mainDir.empty() ? "/" : mainDir);
    auto candidates = scanCandidates(listing, job.settings.RecognizeFileType, job.cancel);
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
          outcome_(outcome), records_(job.catalogue) {}

    bool run(const std::vector<Candidate>& candidates) {
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
    // Counts a written row; false when the catalogue failed, which ends the loop.
    static bool count(RegistrationResult result, int& written) {
        written += result == RegistrationResult::Written ? 1 : 0;
        return result != RegistrationResult::CatalogueError;
    }

    bool handle(const Candidate& candidate) {
        const CharacterLookup lookup = records_.lookup(candidate.name);
        if (!lookup.status) {
            reportLookupFailure(lookup.status);
            return false;
        }
        if (!lookup.known) {
            job_.observer.setLabel("新規追加処理中：" + candidate.name);
            return count(RegisterCharacter(context_, candidate, -1), outcome_.inserted);
        }
        // A stored NULL date counts as changed.
        const bool unchanged =
            !job_.settings.CharUpdateCheck || lookup.known->entryDate == candidate.date;
        if (!unchanged) {
            job_.observer.setLabel("更新処理中：" + candidate.name);
            return count(RegisterCharacter(context_, candidate, lookup.known->id), outcome_.updated);
        }
        return true;
    }

    void reportLookupFailure(const CatalogueStatus& status) {
        const bool prepare = status.failedAt == CatalogueStatus::Stage::Prepare;
        job_.messages.show((prepare ? "DB登録確認処理でエラーがありました："
                                    : "DB登録確認のSQLステップ処理でエラーがありました：") +
                           status.error);
    }

    const ListUpdateJob& job_;
    RegistrationContext context_;
    ListUpdateOutcome& outcome_;
    RegistrationRecords records_;
};

void registerCandidates(const ListUpdateJob& job, const std::vector<Candidate>& candidates,
                        ListUpdateOutcome& outcome) {
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
    RegistrationRecords records(job.catalogue);
    // IMMEDIATE takes the write lock now, waiting while another program
    // writes, so that no registration fails halfway for a lock.
    if (const CatalogueStatus begun = records.begin(); !begun) {
        job.messages.show("BEGIN failed : " + begun.error);
        outcome.completed = false;
        return;
    }
    bool ok = false;
    {
        RegistrationLoop loop(job, archiver, outcome);
        ok = loop.run(candidates);
    }
    // Committed however the loop ended, so every row written so far stays.
    // A commit that fails is rolled back, so that no transaction stays open
    // on the connection for the program's later writes.
    if (const CatalogueStatus committed = records.commit(); !committed) {
        job.messages.show("COMMIT failed : " + committed.error);
        records.rollback();
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
    const auto candidates = listCandidates(job);
    if (!candidates) {
        job.observer.closeDialog();
        return outcome;
    }
    outcome.listed = true;
    registerCandidates(job, *candidates, outcome);
    job.observer.closeDialog();
    if (outcome.changed()) {
        job.observer.reloadList();
    }
    job.observer.setStatusText(outcome.countsText());
    job.observer.startBlink();
    return outcome;
}

} // namespace zorvik
