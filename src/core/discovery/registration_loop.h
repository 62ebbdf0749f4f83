#pragma once

#include <cstddef>
#include <cstdint>
#include <map>
#include <optional>
#include <set>
#include <string>
#include <vector>

#include "core/catalogue/catalogue_status.h"
#include "core/catalogue/registration_records.h"
#include "core/discovery/character_moves.h"
#include "core/discovery/preparation_queue.h"

namespace zorvik {

struct ListUpdateJob;
struct ListUpdateOutcome;

// How the registration of an update's candidates ended.
enum class LoopEnd {
    Finished,
    Cancelled,      // the user stopped it after the character in hand
    CatalogueFailed // the catalogue refused a read or a write (the user was told why)
};

// Decides for each candidate and registers the new and changed ones, in
// listing order, on the job's thread; the character files of the ones to
// register are read ahead on worker threads. A new entry that may be a
// character gone from elsewhere is held back until every entry is read,
// then moved into that character's row or added.
class RegistrationLoop {
public:
    RegistrationLoop(const ListUpdateJob& job, CharacterMoves moves, ListUpdateOutcome& outcome);

    LoopEnd run(const std::vector<Candidate>& candidates);

private:
    // Whether a candidate is to be registered, from the catalogue's row for it.
    struct Decision {
        CatalogueStatus status;
        bool registers = false;
        std::int64_t id = -1;          // the row to rewrite; -1 for a new character
        bool capturesPortrait = false; // a kept row that gets its missing portrait
    };

    Decision decide(const Candidate& candidate);
    bool lacksPortrait(const Candidate& candidate) const;
    void readAhead(const std::vector<Candidate>& candidates, std::size_t k);
    // False when the catalogue failed.
    bool handle(std::size_t k, const Candidate& candidate);
    bool capturePortrait(const Candidate& candidate, std::optional<PreparedCharacter>& prepared);
    bool commit(const Candidate& candidate, std::int64_t id, const PreparedCharacter& prepared);
    // Writes the held-back entries as moves or new rows; false when the catalogue failed.
    bool settleHeldEntries();
    void readAgainForPortrait(HeldEntry& entry);
    void noteUnreadable(const Candidate& candidate, const PreparedCharacter& prepared);
    void reportLookupFailure(const CatalogueStatus& status);

    const ListUpdateJob& job_;
    ListUpdateOutcome& outcome_;
    RegistrationRecords records_;
    PreparationQueue queue_;
    CharacterMoves moves_;
    std::size_t lookAhead_;
    std::vector<Decision> decisions_;
    std::size_t decided_ = 0;
    std::set<std::string> written_;  // names this update wrote or held back
    std::set<std::string> inFlight_; // names whose files are being read
    std::map<std::string, std::string> missingPortraits_;
};

} // namespace zorvik
