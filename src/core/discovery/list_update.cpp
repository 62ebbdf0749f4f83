#include "core/discovery/list_update.h"

#include <map>
#include <optional>
#include <set>
#include <vector>

#include "core/catalogue/portrait_marks.h"
#include "core/catalogue/registration_records.h"
#include "core/discovery/candidate.h"
#include "core/discovery/collection_scan.h"
#include "core/discovery/list_update_observer.h"
#include "core/discovery/preparation_queue.h"
#include "core/discovery/missing_characters.h"
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
std::optional<std::vector<Candidate>> listCandidates(const ListUpdateJob& job, bool& complete) {
    const std::string& mainDir = job.settings.MainDir;
    const platform::DirectoryListing listing = listCharacterFolder(mainDir);
    if (!listing.opened) {
        job.messages.show(Message::of(MessageKind::SearchNotStarted));
        return std::nullopt;
    }
    CollectionScan scan = scanCollection(
        mainDir, listing, {job.settings.RecognizeFileType, job.settings.SearchSubfolders}, job.cancel);
    complete = listing.errorCode == 0 && scan.complete;
    if (listing.errorCode != 0 && !isCancelled(job)) {
        job.messages.show(Message::of(MessageKind::SearchEndedAbnormally, listing.errorCode));
    }
    return std::move(scan.candidates);
}

// Whether a candidate is to be registered, from the catalogue's row for it.
struct Decision {
    CatalogueStatus status;
    bool registers = false;
    std::int64_t id = -1;          // the row to rewrite; -1 for a new character
    bool capturesPortrait = false; // a kept row that gets its missing portrait
};

// The rows without a portrait whose portrait is to be taken, by FILENAME,
// with the entry date at which that last failed; none without RegisterSprite.
std::map<std::string, std::string> missingPortraits(const ListUpdateJob& job) {
    if (!job.settings.RegisterSprite) {
        return {};
    }
    MissingPortraits missing = PortraitMarks(job.catalogue).readMissing();
    if (!missing.status) {
        job.messages.show(Message::of(MessageKind::RegistrationCheckFailed, missing.status.error));
    }
    return std::move(missing.failedDates);
}

// Decides for each candidate and registers the new and changed ones, in
// listing order, on the job's thread; the character files of the ones to
// register are read ahead on worker threads. False when a catalogue error
// ended the loop.
class RegistrationLoop {
public:
    RegistrationLoop(const ListUpdateJob& job, ListUpdateOutcome& outcome)
        : job_(job), outcome_(outcome), records_(job.catalogue),
          queue_(job.settings, {job.pluginFolder, job.ownerWindow}, job.messages, workers(job)),
          lookAhead_(4 * workers(job)), missingPortraits_(missingPortraits(job)) {}

    bool run(const std::vector<Candidate>& candidates) {
        const int mask = labelStepMask(candidates.size());
        decisions_.resize(candidates.size());
        for (std::size_t k = 0; k < candidates.size() && !isCancelled(job_); ++k) {
            readAhead(candidates, k);
            if ((static_cast<int>(k) & mask) == 0) {
                job_.observer.setLabel(
                    Message::of(MessageKind::CheckingCharacter, candidates[k].name));
            }
            job_.observer.setProgressPosition(static_cast<int>(k));
            if (!handle(k, candidates[k])) {
                return false;
            }
        }
        return true;
    }

private:
    static std::size_t workers(const ListUpdateJob& job) {
        return job.workers > 0 ? job.workers : platform::WorkerPool::coreCount();
    }

    Decision decide(const Candidate& candidate) {
        const CharacterLookup lookup = records_.lookup(candidate.name);
        if (!lookup.status || !lookup.known) {
            return {lookup.status, lookup.status.ok(), -1};
        }
        // A stored NULL date counts as changed.
        const bool unchanged =
            !job_.settings.CharUpdateCheck || lookup.known->entryDate == candidate.date;
        return {lookup.status, !unchanged, lookup.known->id, unchanged && lacksPortrait(candidate)};
    }

    // A failure is tried again only for another entry date.
    bool lacksPortrait(const Candidate& candidate) const {
        const auto missing = missingPortraits_.find(candidate.name);
        return missing != missingPortraits_.end() && missing->second != candidate.date;
    }

    // Decides the candidates up to lookAhead_ past k and has the files of
    // those to register read. Two entries of one name (archives whose
    // extensions differ in case) would share an extraction folder: the
    // second is read only when the first is written.
    void readAhead(const std::vector<Candidate>& candidates, std::size_t k) {
        for (; decided_ < candidates.size() && decided_ < k + lookAhead_; ++decided_) {
            const Candidate& candidate = candidates[decided_];
            decisions_[decided_] = decide(candidate);
            const Decision& decision = decisions_[decided_];
            if ((decision.registers || decision.capturesPortrait) &&
                inFlight_.insert(candidate.name).second) {
                queue_.request(decided_, candidate);
            }
        }
    }

    bool handle(std::size_t k, const Candidate& candidate) {
        // A row this update wrote under the same name (two entries that
        // differ in the case of an archive's extension) changes the decision.
        const Decision decision =
            written_.contains(candidate.name) ? decide(candidate) : decisions_[k];
        std::optional<PreparedCharacter> prepared = queue_.take(k);
        if (prepared) {
            inFlight_.erase(candidate.name);
        }
        if (!decision.status) {
            reportLookupFailure(decision.status);
            return false;
        }
        // An earlier entry of the same name may have taken the portrait already.
        if (decision.capturesPortrait && missingPortraits_.contains(candidate.name)) {
            capturePortrait(candidate, prepared);
        }
        missingPortraits_.erase(candidate.name);
        if (!decision.registers) {
            return true;
        }
        const bool isNew = decision.id < 0;
        job_.observer.setLabel(Message::of(
            isNew ? MessageKind::AddingCharacter : MessageKind::UpdatingCharacter, candidate.name));
        if (!prepared) {
            prepared = queue_.prepareHere(candidate);
        }
        const RegistrationResult result =
            CommitCharacter(job_.catalogue, job_.messages, candidate, decision.id, *prepared);
        if (result == RegistrationResult::Written) {
            written_.insert(candidate.name);
            (isNew ? outcome_.inserted : outcome_.updated) += 1;
        }
        return result != RegistrationResult::CatalogueError;
    }

    void capturePortrait(const Candidate& candidate, std::optional<PreparedCharacter>& prepared) {
        job_.observer.setLabel(Message::of(MessageKind::TakingPortrait, candidate.name));
        if (!prepared) {
            prepared = queue_.prepareHere(candidate);
        }
        if (CommitPortrait(job_.catalogue, job_.messages, candidate, *prepared)) {
            outcome_.portraits += 1;
        }
    }

    void reportLookupFailure(const CatalogueStatus& status) {
        const bool prepare = status.failedAt == CatalogueStatus::Stage::Prepare;
        job_.messages.show(Message::of(prepare ? MessageKind::RegistrationCheckFailed
                                               : MessageKind::RegistrationStepFailed,
                                       status.error));
    }

    const ListUpdateJob& job_;
    ListUpdateOutcome& outcome_;
    RegistrationRecords records_;
    PreparationQueue queue_;
    std::size_t lookAhead_;
    std::vector<Decision> decisions_;
    std::size_t decided_ = 0;
    std::set<std::string> written_;
    std::set<std::string> inFlight_; // names whose files are being read
    std::map<std::string, std::string> missingPortraits_;
};

void registerCandidates(const ListUpdateJob& job, const std::vector<Candidate>& candidates,
                        bool listingComplete, ListUpdateOutcome& outcome) {
    job.observer.setLabel(Message::of(MessageKind::CharactersRecognized, candidates.size()));
    job.observer.setProgressMaximum(static_cast<int>(candidates.size()));
    RegistrationRecords records(job.catalogue);
    outcome.portraitsTaken = job.settings.RegisterSprite;
    // IMMEDIATE takes the write lock now, waiting while another program
    // writes, so that no registration fails halfway for a lock.
    if (const CatalogueStatus begun = records.begin(); !begun) {
        job.messages.show(Message::of(MessageKind::BeginFailed, begun.error));
        outcome.completed = false;
        return;
    }
    bool ok = false;
    {
        RegistrationLoop loop(job, outcome);
        ok = loop.run(candidates);
    }
    if (ok) {
        ok = MarkMissingAfterUpdate(job, candidates, listingComplete && !isCancelled(job), outcome);
    }
    // Committed however the loop ended, so every row written so far stays.
    // A commit that fails is rolled back, so that no transaction stays open
    // on the connection for the program's later writes.
    if (const CatalogueStatus committed = records.commit(); !committed) {
        job.messages.show(Message::of(MessageKind::CommitFailed, committed.error));
        records.rollback();
        ok = false;
    }
    outcome.completed = ok;
}

} // namespace

Message ListUpdateOutcome::countsText() const {
    return Message::of(MessageKind::UpdateCounts, inserted, updated);
}

Message portraitCountText(int added) {
    return Message::of(MessageKind::PortraitsAdded, added);
}

ListUpdateObserver::~ListUpdateObserver() = default;

ListUpdateOutcome RunListUpdate(const ListUpdateJob& given) {
    ListUpdateOutcome outcome;
    if (given.settings.MainDir.empty()) {
        // Nothing to list: said before any status says that an update runs.
        given.messages.show(Message::of(MessageKind::NoCharacterFolder));
        given.observer.done();
        return outcome;
    }
    const std::string pattern = given.settings.MainDir + "/*.*";
    if (pattern.size() >= kPatternLimit) {
        given.observer.done();
        return outcome;
    }
    // Registration runs on several threads: its folders are made absolute
    // first, and the temporary folder is the one in use.
    const auto temporaryFolder = temporaryFolderInUse(given.settings);
    if (!temporaryFolder) {
        given.messages.show(Message::of(MessageKind::NoTemporaryFolder));
        given.observer.done();
        return outcome;
    }
    AppSettings settings = given.settings;
    settings.MainDir = platform::absolutePath(settings.MainDir);
    settings.TempDir = *temporaryFolder;
    const ListUpdateJob job{settings,     given.catalogue,    given.messages,    given.observer,
                            given.cancel, given.pluginFolder, given.ownerWindow, given.workers};
    job.observer.setStatusText(Message::of(MessageKind::UpdateRunning));
    job.observer.setLabel(Message::of(MessageKind::SearchingFolder, pattern));
    bool listingComplete = false;
    const auto candidates = listCandidates(job, listingComplete);
    if (!candidates) {
        job.observer.done();
        // The status no longer says that an update runs.
        job.observer.setStatusText(Message::of(MessageKind::FolderNotSearched, settings.MainDir));
        return outcome;
    }
    outcome.listed = true;
    registerCandidates(job, *candidates, listingComplete, outcome);
    job.observer.done();
    if (outcome.changed()) {
        job.observer.reloadList();
    }
    job.observer.setStatusText(outcome.countsText());
    job.observer.startBlink();
    return outcome;
}

} // namespace zorvik
