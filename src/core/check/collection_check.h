#pragma once

#include <atomic>
#include <string>

#include "core/check/check_report.h"

namespace zorvik {

class JobObserver;
class Kel_CharacterDb;
struct AppSettings;

// The refusal when no character folder is set: with none, every row would
// seem gone from it. The roster export refuses with the same words.
inline const Message kNoCharacterFolder = Message::of(MessageKind::NoCharacterFolder);

// Everything one collection check works with.
struct CollectionCheckJob {
    const AppSettings& settings; // MainDir, TempDir, MugenExeFile, RecognizeFileType
    Kel_CharacterDb& catalogue;
    JobObserver& observer; // told of the progress, and done at the end
    const std::atomic<bool>& cancel;
    std::string pluginFolder;    // empty: ArchiverDLLs beside the executable
    void* ownerWindow = nullptr; // handed to the archiver plug-ins
};

// Looks through the catalogue's rows that are not hidden by hand for
// characters gone from the character folder, characters missing a file
// their .def names, and duplicates (by NAME and AUTHOR, and by portrait).
// Reads only: the catalogue is not changed. A cancelled check stops after
// the character in hand and returns what it found, not completed. The
// observer hears done() last, however the check ends.
CheckReport RunCollectionCheck(const CollectionCheckJob& job);

} // namespace zorvik
