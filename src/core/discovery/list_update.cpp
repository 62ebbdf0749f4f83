#include "core/discovery/list_update.h"

#include <optional>
#include <vector>

#include "core/catalogue/character_sources.h"
#include "core/catalogue/registration_records.h"
#include "core/discovery/candidate.h"
#include "core/discovery/character_moves.h"
#include "core/discovery/collection_scan.h"
#include "core/discovery/job_transaction.h"
#include "core/discovery/list_update_observer.h"
#include "core/discovery/missing_characters.h"
#include "core/discovery/registration_loop.h"
#include "core/platform/directory_listing.h"
#include "core/platform/folders.h"
#include "core/platform/scratch_folder.h"
#include "core/platform/user_messages.h"
#include "core/settings/app_settings.h"

namespace zorvik {

namespace {

bool isCancelled(const ListUpdateJob& job) {
    return job.cancel.load(std::memory_order_relaxed);
}

// The scan of MainDir; complete when neither an error nor a cancel cut it short.
struct ListedCollection {
    CollectionScan scan;
    bool complete = false;
    bool topLevelCutShort = false; // the character folder itself was not read completely
};

// The candidates of MainDir; none (after telling the user) when it cannot be listed.
std::optional<ListedCollection> listCandidates(const ListUpdateJob& job) {
    const std::string& mainDir = job.settings.MainDir;
    const platform::DirectoryListing listing = listCharacterFolder(mainDir);
    if (!listing.opened) {
        job.messages.show(Message::of(MessageKind::SearchNotStarted));
        return std::nullopt;
    }
    ListedCollection listed{
        scanCollection(mainDir, listing,
                       {job.settings.RecognizeFileType, job.settings.SearchSubfolders}, job.cancel),
        false};
    listed.topLevelCutShort = listing.errorCode != 0;
    listed.complete = !listed.topLevelCutShort && listed.scan.complete;
    if (listing.errorCode != 0 && !isCancelled(job)) {
        job.messages.show(Message::of(MessageKind::SearchEndedAbnormally, listing.errorCode));
    }
    return listed;
}

// The rows a new entry may have moved out of: those a complete listing no
// longer holds. None when the catalogue cannot tell them (it cannot be
// read, or lacks the table of sources and cannot be given it): the loop
// then meets the catalogue's trouble itself and says what it is.
CharacterMoves possibleMoves(const ListUpdateJob& job, const ListedCollection& listed) {
    if (!listed.complete) {
        return {};
    }
    return CharacterMoves([&job, &listed] {
        auto rows = CharacterSources(job.catalogue).readRows();
        if (!rows) {
            return std::vector<SourcedRow>();
        }
        return rowsGoneFrom(std::move(*rows), listed.scan.candidates,
                            job.settings.RecognizeFileType, listed.scan.unreadableFolders);
    });
}

// The counts of writes that were undone are those of the catalogue: none.
void forgetUndoneWrites(ListUpdateOutcome& outcome) {
    outcome.inserted = outcome.updated = outcome.moved = outcome.missing = outcome.returned =
        outcome.portraits = 0;
    outcome.changesUndone = true;
}

// Registers the candidates in one transaction and marks the rows gone.
void registerCandidates(const ListUpdateJob& job, const ListedCollection& listed,
                        ListUpdateOutcome& outcome) {
    const std::vector<Candidate>& candidates = listed.scan.candidates;
    job.observer.setLabel(Message::of(MessageKind::CharactersRecognized, candidates.size()));
    job.observer.setProgressMaximum(static_cast<int>(candidates.size()));
    RegistrationRecords records(job.catalogue);
    outcome.portraitsTaken = job.settings.RegisterSprite;
    // IMMEDIATE takes the write lock now, waiting while another program
    // writes, so that no registration fails halfway for a lock.
    if (const CatalogueStatus begun = records.begin(); !begun) {
        job.messages.show(Message::of(MessageKind::BeginFailed, begun.error));
        return;
    }
    LoopEnd end = LoopEnd::CatalogueFailed;
    {
        RegistrationLoop loop(job, possibleMoves(job, listed), outcome);
        end = loop.run(candidates);
    }
    const bool stopped = end == LoopEnd::Cancelled || isCancelled(job);
    bool marked = false;
    if (end != LoopEnd::CatalogueFailed) {
        marked = MarkMissingAfterUpdate(job, candidates, listed.complete && !stopped,
                                        listed.scan.unreadableFolders, outcome);
    }
    const bool kept = CommitJobTransaction(records, job.messages);
    if (!kept) {
        forgetUndoneWrites(outcome);
    }
    outcome.cancelled = stopped;
    outcome.completed = end == LoopEnd::Finished && !stopped && marked && kept;
}

} // namespace

Message ListUpdateOutcome::countsText() const {
    if (moved > 0) {
        return Message::of(MessageKind::UpdateCountsWithMoves, inserted, updated, moved);
    }
    return Message::of(MessageKind::UpdateCounts, inserted, updated);
}

std::vector<Message> ListUpdateOutcome::remarks() const {
    std::vector<Message> lines;
    if (movesLeft > 0) {
        lines.push_back(Message::of(MessageKind::MovesLeft, movesLeft));
    }
    if (namesToldApart > 0) {
        lines.push_back(Message::of(MessageKind::NamesToldApart, namesToldApart));
    }
    for (const std::string& folder : unreadableFolders) {
        lines.push_back(Message::of(MessageKind::UnreadableFolder, folder));
    }
    if (skippedEntries()) {
        lines.push_back(Message::of(MessageKind::UnreadableEntries,
                                    unreadable.size() + unreadableFolders.size()));
    }
    return lines;
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
    // Registration runs on several threads: its folders are made absolute
    // first, and the temporary folder is the one in use.
    const auto temporaryFolder = temporaryFolderInUse(given.settings);
    if (!temporaryFolder) {
        given.messages.show(Message::of(MessageKind::NoTemporaryFolder));
        given.observer.done();
        return outcome;
    }
    // What a killed update or animation left there goes first.
    platform::removeStaleScratchFolders(*temporaryFolder);
    AppSettings settings = given.settings;
    settings.MainDir = platform::absolutePath(settings.MainDir);
    settings.TempDir = *temporaryFolder;
    const ListUpdateJob job{settings,     given.catalogue,    given.messages,    given.observer,
                            given.cancel, given.pluginFolder, given.ownerWindow, given.workers};
    job.observer.setStatusText(Message::of(MessageKind::UpdateRunning));
    job.observer.setLabel(
        Message::of(MessageKind::SearchingFolder, given.settings.MainDir + "/*.*"));
    const auto listed = listCandidates(job);
    if (!listed) {
        job.observer.done();
        // The status no longer says that an update runs.
        job.observer.setStatusText(Message::of(MessageKind::FolderNotSearched, settings.MainDir));
        return outcome;
    }
    outcome.listed = true;
    outcome.namesToldApart = listed->scan.namesToldApart;
    outcome.unreadableFolders = listed->scan.unreadableFolders;
    if (listed->topLevelCutShort) {
        outcome.unreadableFolders.insert(outcome.unreadableFolders.begin(),
                                         given.settings.MainDir);
    }
    registerCandidates(job, *listed, outcome);
    job.observer.done();
    if (outcome.changed()) {
        job.observer.reloadList();
    }
    job.observer.setStatusText(outcome.countsText());
    job.observer.startBlink();
    return outcome;
}

} // namespace zorvik
