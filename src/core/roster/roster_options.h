#pragma once

#include <cstddef>
#include <optional>
#include <string>
#include <vector>

#include "core/text/message.h"

namespace zorvik {

// The stage each exported line gives its character.
enum class RosterStage {
    None,   // no stage: the engine's default
    Random, // "random"
    Fixed,  // stagePath, e.g. "stages/kfm.def"
};

// How one roster export runs; the export dialog and the companion fill it.
struct RosterOptions {
    RosterStage stage = RosterStage::None;
    std::string stagePath;
    // order=N on every line: the arcade tier 1..10, 0 keeps the character out of arcade.
    std::optional<int> order;
    // Merge keeps the old [Characters] lines of characters this export does not
    // write; replace writes the exported lines alone.
    bool merge = false;
    // The select.def to write (see defaultRosterTarget).
    std::string target;
    // Leaves out the characters the collection check finds broken, and
    // those whose .def names no sprite file.
    bool leaveOutBroken = false;
    // The engine's data folder, where the check also looks for the files a
    // .def names (engineDataFolder); "" when no engine is set.
    std::string engineDataFolder;
};

// The highest order the engine knows.
inline constexpr int kMaxRosterOrder = 10;

// A character the export could not write a line for.
struct RosterCharacter {
    std::string name;         // NAME
    std::string fileName;     // FILENAME inside MainDir
    std::string problem = {}; // for a broken one: "key = value" of the file not found, or "sprite"
};

// Why an export wrote nothing.
enum class RosterError {
    None,
    BadOptions,     // order out of range, a stage path a line cannot hold, no target
    CatalogueRead,  // the catalogue's rows could not be read
    TargetRead,     // the target exists but cannot be read, or is no regular file
    TargetReadOnly, // the target file or its folder is read-only (by its mode bits)
    TargetBusy,     // another export kept the target locked for too long
    BackupWrite,    // the old file could not be copied to the backup
    TargetWrite,    // the new file could not be put in place
};

// What an export did; on failure nothing on disk has changed.
struct RosterReport {
    RosterError error = RosterError::None;
    Message errorText;            // what to tell the user when error is set
    std::string target;           // the file written (a link followed)
    std::string linkPath;         // the path given when it is a link to target; else ""
    std::string backupPath;       // the old file's copy; "" when none was written
    bool unchanged = false;       // the file already held exactly this roster: nothing was written
    std::size_t linesWritten = 0; // character lines this export wrote
    std::size_t linesKept = 0;    // old lines a merge kept
    std::vector<RosterCharacter> archivesLeftOut; // the engine cannot read them from their archive
    std::vector<RosterCharacter> defNotFound;     // no .def with a Name in the folder
    std::vector<RosterCharacter> notNameable;     // names a select.def line cannot hold
    std::vector<RosterCharacter> brokenLeftOut;   // broken, left out as the options asked

    bool succeeded() const { return error == RosterError::None; }
};

} // namespace zorvik
