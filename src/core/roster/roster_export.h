#pragma once

#include <string>

#include "core/catalogue/list_criteria.h"
#include "core/roster/roster_options.h"

namespace zorvik {

class Kel_CharacterDb;

// data/select.def in the engine's folder, the names matched ignoring letter
// case as the engine's Windows does; "" when no engine is set.
std::string defaultRosterTarget(const std::string& mugenExeFile);

// Writes the [Characters] section of options.target from the rows the
// criteria select, in their order (the list's search and sort as shown, or
// the companion's options):
// one line per folder character, with the .def registration takes. Archive
// characters, folders without a usable .def, names a line cannot hold and,
// when the options ask, broken characters are left out and listed in the
// report. A replace keeps the old randomselect lines. On failure nothing on
// disk changed.
RosterReport ExportRoster(Kel_CharacterDb& catalogue, const std::string& mainDir,
                          const ListCriteria& criteria, const RosterOptions& options);

} // namespace zorvik
