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
    Written,       // the row was written
    NoCharacter,   // no .def file with a Name was found
    CatalogueError // the row could not be written (the user was told why)
};

// Everything registration reads from a character's files, made without the
// catalogue so that any thread can make it. The messages it would have
// shown are kept in the order registration shows them.
struct PreparedCharacter {
    // The extraction folder could not be made: nothing else was done.
    bool refused = false;
    std::vector<Message> refusalMessages;
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
// extracted into a folder of their own under TempDir, read, and that folder
// is removed again. Paths are taken from MainDir and TempDir as given
// (absolute ones keep the current folder out of it). Touches no catalogue.
PreparedCharacter PrepareCharacter(const AppSettings& settings, KelArchiverHandler& archiver,
                                   UserMessages& questions, const Candidate& candidate);

// Writes what was prepared: inserts the row (id < 0) or rewrites the row
// with that ID, stores the portrait, and shows the kept messages where
// registration shows them.
RegistrationResult CommitCharacter(Kel_CharacterDb& catalogue, UserMessages& messages,
                                   const Candidate& candidate, std::int64_t id,
                                   const PreparedCharacter& prepared);

// Stores only the portrait of what was prepared, for a row that is kept
// as it is, and shows the kept messages; true when a portrait was stored.
// A failure is remembered with the candidate's date, so that the portrait
// is not tried again until the entry changes.
bool CommitPortrait(Kel_CharacterDb& catalogue, UserMessages& messages, const Candidate& candidate,
                    const PreparedCharacter& prepared);

} // namespace zorvik
