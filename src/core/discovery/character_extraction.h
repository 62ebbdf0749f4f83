#pragma once

#include <string>

namespace zorvik {

class KelArchiverHandler;

// Extracts an archive character into folder through the plug-in that
// accepts it. A refused or failed extraction leaves the folder empty, so
// that no .def is found in it; false then.
bool ExtractCharacterArchive(KelArchiverHandler& archiver, const std::string& archive,
                             const std::string& folder);

} // namespace zorvik
