#pragma once

#include <cstdint>
#include <string>

namespace zorvik {

class Kel_CharacterDb;
class KelArchiverHandler;
class UserMessages;
struct AppSettings;
struct Candidate;

// What registering a character needs besides the character itself.
struct RegistrationContext {
    const AppSettings& settings; // MainDir, TempDir, RegisterSprite, RegisterGroup, RegisterImage
    Kel_CharacterDb& catalogue;
    UserMessages& messages;
    KelArchiverHandler& archiver;
};

// What registering one candidate came to.
enum class RegistrationResult {
    Written,       // the row was written
    NoCharacter,   // no .def file with a Name was found
    CatalogueError // the row could not be written (the user was told why)
};

// Turns one folder or archive of the character folder into a catalogue row:
// inserts it (id < 0) or rewrites the row with that ID, from the first
// top-level .def file that has a Name. Archives are extracted into a folder
// of their own under TempDir and that folder is removed afterwards.
RegistrationResult RegisterCharacter(const RegistrationContext& context, const Candidate& candidate,
                                     std::int64_t id);

} // namespace zorvik
