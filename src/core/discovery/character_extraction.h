#pragma once

#include <string>

namespace zorvik {

class KelArchiverHandler;

// How an archive's extraction went.
enum class Extraction {
    Complete,
    Partial, // the plug-in refused some entries (unsafe names, links) and skipped them
    Failed,  // no plug-in accepts it, the extraction failed, or it was refused unread
};

// Extracts an archive character into folder through the plug-in that
// accepts it. A refused or failed extraction may leave the folder empty,
// so that no .def is found in it.
Extraction ExtractCharacterArchive(KelArchiverHandler& archiver, const std::string& archive,
                                   const std::string& folder);

} // namespace zorvik
