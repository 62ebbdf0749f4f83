#include "core/discovery/portrait_recapture.h"

#include <algorithm>
#include <map>
#include <optional>
#include <set>

#include "core/catalogue/character_db.h"
#include "core/catalogue/columns.h"
#include "core/catalogue/portrait_marks.h"
#include "core/catalogue/registration_records.h"
#include "core/discovery/candidate.h"
#include "core/discovery/collection_scan.h"
#include "core/discovery/job_transaction.h"
#include "core/discovery/list_update_observer.h"
#include "core/discovery/preparation_queue.h"
#include "core/discovery/registration.h"
#include "core/platform/directory_listing.h"
#include "core/platform/folders.h"
#include "core/platform/scratch_folder.h"
#include "core/settings/app_settings.h"

namespace zorvik {

namespace {

bool isCancelled(const RecaptureJob& job) {
    return job.cancel.load(std::memory_order_relaxed);
}

// The job's settings as the character files are read with them: MainDir
// absolute, the temporary folder in use, and portraits taken. None (after
// telling the user) without a temporary folder.
std::optional<AppSettings> captureSettings(const RecaptureJob& job) {
    const auto temporaryFolder = temporaryFolderInUse(job.settings);
    if (!temporaryFolder) {
        job.observer.show(Message::of(MessageKind::NoTemporaryFolder));
        return std::nullopt;
    }
    platform::removeStaleScratchFolders(*temporaryFolder);
    AppSettings settings = job.settings;
    settings.MainDir = platform::absolutePath(settings.MainDir);
    settings.TempDir = *temporaryFolder;
    settings.RegisterSprite = true;
    return settings;
}

// The entries of the character folder, as the list update finds them.
std::optional<std::vector<Candidate>> listCharacters(const RecaptureJob& job,
                                                     const AppSettings& settings) {
    const platform::DirectoryListing listing = listCharacterFolder(settings.MainDir);
    if (!listing.opened) {
        job.observer.show(Message::of(MessageKind::SearchNotStarted));
        return std::nullopt;
    }
    return scanCollection(settings.MainDir, listing,
                          {settings.RecognizeFileType, settings.SearchSubfolders}, job.cancel)
        .candidates;
}

// The entries of the chosen rows that are not set by hand, the first of
// each name; counts the others into outcome.
std::vector<Candidate> targetsOf(const RecaptureChoice& choice,
                                 const std::vector<Candidate>& listed, RecaptureOutcome& outcome) {
    std::map<std::string, const Candidate*> byName;
    for (const Candidate& candidate : listed) {
        byName.emplace(candidate.name, &candidate);
    }
    std::vector<Candidate> targets;
    std::set<std::string> taken;
    for (const RecaptureRow& row : choice.rows) {
        const auto entry = byName.find(row.fileName);
        if (row.handSet) {
            outcome.handSet += 1;
        } else if (entry == byName.end()) {
            outcome.notFound += 1;
        } else if (taken.insert(row.fileName).second) {
            targets.push_back(*entry->second);
        }
    }
    return targets;
}

// Reads the targets' files ahead on worker threads and stores each
// portrait on the job's thread, in order, until cancelled.
class RecaptureLoop {
public:
    RecaptureLoop(const RecaptureJob& job, const AppSettings& settings, RecaptureOutcome& outcome)
        : job_(job), outcome_(outcome),
          queue_(settings, {job.pluginFolder, job.ownerWindow}, job.observer, workers(job)),
          lookAhead_(4 * workers(job)) {}

    // False when the catalogue refused a write.
    bool run(const std::vector<Candidate>& targets) {
        job_.observer.setProgressMaximum(static_cast<int>(targets.size()));
        std::size_t requested = 0;
        for (std::size_t k = 0; k < targets.size() && !isCancelled(job_); ++k) {
            for (; requested < targets.size() && requested < k + lookAhead_; ++requested) {
                queue_.request(requested, targets[requested]);
            }
            job_.observer.setLabel(Message::of(MessageKind::RecapturingCharacter, targets[k].name));
            job_.observer.setProgressPosition(static_cast<int>(k));
            std::optional<PreparedCharacter> prepared = queue_.take(k);
            if (!prepared) {
                prepared = queue_.prepareHere(targets[k]);
            }
            const PortraitStored stored =
                CommitPortrait(job_.catalogue, job_.observer, targets[k], *prepared);
            if (stored == PortraitStored::WriteFailed) {
                return false;
            }
            (stored == PortraitStored::Stored ? outcome_.recaptured : outcome_.failed) += 1;
        }
        return true;
    }

private:
    static std::size_t workers(const RecaptureJob& job) {
        return job.workers > 0 ? job.workers : platform::WorkerPool::coreCount();
    }

    const RecaptureJob& job_;
    RecaptureOutcome& outcome_;
    PreparationQueue queue_;
    std::size_t lookAhead_;
};

// Stores the targets' portraits in one transaction, committed however the
// loop ended.
void recapture(const RecaptureJob& job, const AppSettings& settings,
               const std::vector<Candidate>& targets, RecaptureOutcome& outcome) {
    RegistrationRecords records(job.catalogue);
    if (const CatalogueStatus begun = records.begin(); !begun) {
        job.observer.show(Message::of(MessageKind::BeginFailed, begun.error));
        outcome.catalogueFailed = true;
        return;
    }
    bool written = false;
    {
        RecaptureLoop loop(job, settings, outcome);
        written = loop.run(targets);
    }
    outcome.cancelled = isCancelled(job);
    if (!CommitJobTransaction(records, job.observer)) {
        outcome.recaptured = 0;
        written = false;
    }
    outcome.catalogueFailed = !written;
    outcome.completed = written && !outcome.cancelled;
}

void finish(const RecaptureJob& job, const RecaptureOutcome& outcome) {
    job.observer.done();
    if (outcome.recaptured > 0) {
        job.observer.reloadList();
    }
    job.observer.setStatusText(outcome.countsText());
    job.observer.startBlink();
}

} // namespace

int RecaptureChoice::handSetCount() const {
    return static_cast<int>(std::count_if(rows.begin(), rows.end(),
                                          [](const RecaptureRow& row) { return row.handSet; }));
}

RecaptureChoice ChooseRecaptureRows(Kel_CharacterDb& catalogue, const ListSearch& search) {
    RecaptureChoice choice;
    const HandSetPortraits handSet = PortraitMarks(catalogue).readHandSet();
    if (!handSet.status) {
        choice.status = handSet.status;
        return choice;
    }
    // The list's own statement, so that the rows are the ones it shows.
    const ListCriteria criteria{{kFileNameColumn}, search, {}};
    const auto rows = catalogue.SelectCharacterList(criteria);
    if (!rows) {
        // SQLite's own text: the catalogue's status line is worded for its debug menu.
        choice.status = catalogue.failure(CatalogueStatus::Stage::Prepare, "SELECT");
        return choice;
    }
    for (std::size_t row = 0; row < rows->rowCount(); ++row) {
        choice.rows.push_back(
            {std::string(rows->textAt(1, row)), handSet.ids.contains(rows->integerAt(0, row))});
    }
    return choice;
}

Message RecaptureOutcome::countsText() const {
    return Message::of(MessageKind::RecaptureCounts, recaptured, handSet, failed, notFound);
}

RecaptureOutcome RunPortraitRecapture(const RecaptureJob& job) {
    RecaptureOutcome outcome;
    job.observer.setStatusText(Message::of(MessageKind::RecaptureRunning));
    const auto settings = captureSettings(job);
    const RecaptureChoice choice =
        settings ? ChooseRecaptureRows(job.catalogue, job.search) : RecaptureChoice{};
    if (!choice.status) {
        job.observer.show(Message::of(MessageKind::CatalogueReadFailed, choice.status.error));
    }
    const auto listed = settings && choice.status ? listCharacters(job, *settings) : std::nullopt;
    if (!listed) {
        job.observer.done();
        return outcome;
    }
    outcome.listed = true;
    const std::vector<Candidate> targets = targetsOf(choice, *listed, outcome);
    recapture(job, *settings, targets, outcome);
    finish(job, outcome);
    return outcome;
}

} // namespace zorvik
