#include "core/discovery/registration_loop.h"

#include "core/catalogue/portrait_marks.h"
#include "core/catalogue/portrait_store.h"
#include "core/discovery/list_update.h"
#include "core/discovery/list_update_observer.h"
#include "core/platform/user_messages.h"
#include "core/settings/app_settings.h"

namespace zorvik {

namespace {

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

std::size_t workers(const ListUpdateJob& job) {
    return job.workers > 0 ? job.workers : platform::WorkerPool::coreCount();
}

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

} // namespace

RegistrationLoop::RegistrationLoop(const ListUpdateJob& job, CharacterMoves moves,
                                   ListUpdateOutcome& outcome)
    : job_(job), outcome_(outcome), records_(job.catalogue),
      queue_(job.settings, {job.pluginFolder, job.ownerWindow}, job.messages, workers(job)),
      moves_(std::move(moves)), lookAhead_(4 * workers(job)),
      missingPortraits_(missingPortraits(job)) {}

LoopEnd RegistrationLoop::run(const std::vector<Candidate>& candidates) {
    const int mask = labelStepMask(candidates.size());
    decisions_.resize(candidates.size());
    for (std::size_t k = 0; k < candidates.size(); ++k) {
        if (isCancelled(job_)) {
            return LoopEnd::Cancelled;
        }
        readAhead(candidates, k);
        if ((static_cast<int>(k) & mask) == 0) {
            job_.observer.setLabel(Message::of(MessageKind::CheckingCharacter, candidates[k].name));
        }
        job_.observer.setProgressPosition(static_cast<int>(k));
        if (!handle(k, candidates[k])) {
            return LoopEnd::CatalogueFailed;
        }
    }
    // Held-back entries are settled only once every entry was read, so
    // that a cancel leaves them for the next update to find again.
    if (isCancelled(job_)) {
        return LoopEnd::Cancelled;
    }
    return settleHeldEntries() ? LoopEnd::Finished : LoopEnd::CatalogueFailed;
}

RegistrationLoop::Decision RegistrationLoop::decide(const Candidate& candidate) {
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
bool RegistrationLoop::lacksPortrait(const Candidate& candidate) const {
    const auto missing = missingPortraits_.find(candidate.name);
    return missing != missingPortraits_.end() && missing->second != candidate.date;
}

// Decides the candidates up to lookAhead_ past k and has the files of
// those to register read. Two entries of one name (archives whose
// extensions differ in case) are read one after the other, so that the
// second is decided once the first is written.
void RegistrationLoop::readAhead(const std::vector<Candidate>& candidates, std::size_t k) {
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

bool RegistrationLoop::handle(std::size_t k, const Candidate& candidate) {
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
    if (decision.capturesPortrait && missingPortraits_.contains(candidate.name) &&
        !capturePortrait(candidate, prepared)) {
        return false;
    }
    missingPortraits_.erase(candidate.name);
    if (!decision.registers) {
        return true;
    }
    job_.observer.setLabel(Message::of(decision.id < 0 ? MessageKind::AddingCharacter
                                                       : MessageKind::UpdatingCharacter,
                                       candidate.name));
    if (!prepared) {
        prepared = queue_.prepareHere(candidate);
    }
    noteUnreadable(candidate, *prepared);
    if (decision.id < 0 && prepared->identity && !written_.contains(candidate.name) &&
        moves_.mayBeMoved(*prepared->identity)) {
        written_.insert(candidate.name);
        moves_.holdBack(k, candidate, std::move(*prepared));
        return true;
    }
    return commit(candidate, decision.id, *prepared);
}

bool RegistrationLoop::capturePortrait(const Candidate& candidate,
                                       std::optional<PreparedCharacter>& prepared) {
    job_.observer.setLabel(Message::of(MessageKind::TakingPortrait, candidate.name));
    if (!prepared) {
        prepared = queue_.prepareHere(candidate);
    }
    noteUnreadable(candidate, *prepared);
    const PortraitStored stored =
        CommitPortrait(job_.catalogue, job_.messages, candidate, *prepared);
    outcome_.portraits += stored == PortraitStored::Stored ? 1 : 0;
    return stored != PortraitStored::WriteFailed;
}

bool RegistrationLoop::commit(const Candidate& candidate, std::int64_t id,
                              const PreparedCharacter& prepared) {
    const RegistrationResult result =
        CommitCharacter(job_.catalogue, job_.messages, candidate, id, prepared);
    if (result == RegistrationResult::Written || result == RegistrationResult::WrittenThenFailed) {
        written_.insert(candidate.name);
        (id < 0 ? outcome_.inserted : outcome_.updated) += 1;
    }
    return !catalogueFailed(result);
}

bool RegistrationLoop::settleHeldEntries() {
    MoveResolution resolution = moves_.resolve([this](std::int64_t id) {
        PortraitRead read = PortraitStore(job_.catalogue).readById(id);
        return read.opened && !read.readFailed ? std::optional(std::move(read.bytes))
                                               : std::nullopt;
    });
    outcome_.movesLeft = resolution.rowsLeft;
    for (CharacterMove& move : resolution.moves) {
        HeldEntry& entry = move.entry;
        job_.observer.setLabel(Message::of(MessageKind::UpdatingCharacter, entry.candidate.name));
        // A row that has a portrait keeps it; one without gets the entry's.
        if (!move.target.hasPortrait) {
            readAgainForPortrait(entry);
        }
        const RegistrationResult result = CommitMove(job_.catalogue, job_.messages,
                                                     entry.candidate, move.target, entry.prepared);
        outcome_.moved += result == RegistrationResult::CatalogueError ? 0 : 1;
        if (catalogueFailed(result)) {
            return false;
        }
    }
    for (HeldEntry& entry : resolution.newEntries) {
        job_.observer.setLabel(Message::of(MessageKind::AddingCharacter, entry.candidate.name));
        readAgainForPortrait(entry);
        if (!commit(entry.candidate, -1, entry.prepared)) {
            return false;
        }
    }
    return true;
}

// A held entry let its portrait go: when portraits are taken, its files
// are read again for it.
void RegistrationLoop::readAgainForPortrait(HeldEntry& entry) {
    if (!entry.prepared.portraitWanted) {
        return;
    }
    PreparedCharacter again = queue_.prepareHere(entry.candidate);
    entry.prepared.portrait = std::move(again.portrait);
    for (Message& message : again.cleanupMessages) {
        entry.prepared.cleanupMessages.push_back(std::move(message));
    }
}

void RegistrationLoop::noteUnreadable(const Candidate& candidate,
                                      const PreparedCharacter& prepared) {
    if (prepared.unreadable) {
        outcome_.unreadable.push_back(candidate.name);
    }
}

void RegistrationLoop::reportLookupFailure(const CatalogueStatus& status) {
    const bool prepare = status.failedAt == CatalogueStatus::Stage::Prepare;
    job_.messages.show(Message::of(prepare ? MessageKind::RegistrationCheckFailed
                                           : MessageKind::RegistrationStepFailed,
                                   status.error));
}

} // namespace zorvik
