#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "core/discovery/def_file.h"
#include "core/sprite/portrait_capture.h"
#include "core/text/message.h"

namespace zorvik {

class Kel_CharacterDb;
class KelArchiverHandler;
class UserMessages;
struct AppSettings;
struct Candidate;

// What registering one candidate came to.
enum class RegistrationResult {
    Written,        // the row was written
    NoCharacter,    // no .def file with a Name was found, or the entry could not be read
    CatalogueError, // the row could not be written (the user was told why)
    // The row was written, but the catalogue refused what followed it (its
    // portrait or the portrait's mark); the user was told why.
    WrittenThenFailed,
};

// True when the catalogue refused a write: the job stops there.
inline bool catalogueFailed(RegistrationResult result) {
    return result == RegistrationResult::CatalogueError ||
           result == RegistrationResult::WrittenThenFailed;
}

// Everything registration reads from a character's files, made without the
// catalogue so that any thread can make it. The messages it would have
// shown are kept in the order registration shows them.
struct PreparedCharacter {
    // The extraction folder could not be made: nothing else was done.
    bool refused = false;
    std::vector<Message> refusalMessages;
    // The entry could not be read: a folder that cannot be listed, an
    // archive no plug-in extracted (or whose entries were refused for
    // safety, with no character beside them), or .def files that cannot be
    // opened.
    bool unreadable = false;
    // The first top-level .def file that has a Name.
    std::optional<DefIdentity> identity;
    // The portrait, when portraits are taken and a .def named a sprite.
    std::optional<PortraitPng> portrait;
    // Portraits are taken: no portrait then means that taking it failed.
    bool portraitWanted = false;
    // Messages of removing an archive's extraction folder.
    std::vector<Message> cleanupMessages;
};

// Reads one folder or archive of the character folder: archives are
// extracted into a scratch folder of their own under TempDir (see
// platform::ScratchFolder), read, and that folder is removed again. Paths
// are taken from MainDir and TempDir as given (absolute ones keep the
// current folder out of it). Touches no catalogue.
PreparedCharacter PrepareCharacter(const AppSettings& settings, KelArchiverHandler& archiver,
                                   UserMessages& questions, const Candidate& candidate);

// Writes what was prepared: inserts the row (id < 0) or rewrites the row
// with that ID, stores the portrait, and shows the kept messages where
// registration shows them. A row the catalogue refuses gets no portrait.
RegistrationResult CommitCharacter(Kel_CharacterDb& catalogue, UserMessages& messages,
                                   const Candidate& candidate, std::int64_t id,
                                   const PreparedCharacter& prepared);

// The row a moved character goes into.
struct MoveTarget {
    std::int64_t id = 0;
    bool hasPortrait = false; // kept as it is; a row without one gets the prepared one
};

// Writes a character found at a new place into the row it left (see
// RegistrationRecords::move), with its portrait when the row has none,
// and shows the kept messages. prepared holds an identity.
RegistrationResult CommitMove(Kel_CharacterDb& catalogue, UserMessages& messages,
                              const Candidate& candidate, const MoveTarget& target,
                              const PreparedCharacter& prepared);

// Stores only the portrait of what was prepared, for a row that is kept
// as it is, and shows the kept messages. A portrait the sprite did not
// give is remembered with the candidate's date, so that it is not tried
// again until the entry changes; one the catalogue refused is not.
PortraitStored CommitPortrait(Kel_CharacterDb& catalogue, UserMessages& messages,
                              const Candidate& candidate, const PreparedCharacter& prepared);

} // namespace zorvik
