#pragma once

#include <string>

#include "core/catalogue/character_list_query.h"
#include "core/roster/roster_options.h"

namespace zorvik {

class Kel_CharacterDb;

// The rows an export writes: the character list's current search and sort
// (the list pane's FilterClause and OrderClause, or the companion's options).
struct RosterSelection {
    ListFilter filter;
    std::string orderClause;
};

// data/select.def in the engine's folder, the names matched ignoring letter
// case as the engine's Windows does; "" when no engine is set.
std::string defaultRosterTarget(const std::string& mugenExeFile);

// Writes the [Characters] section of options.target from the selected rows:
// one line per folder character, with the .def registration takes. Archive
// characters, folders without a usable .def and names a line cannot hold
// are left out and listed in the report. On failure nothing on disk changed.
RosterReport ExportRoster(Kel_CharacterDb& catalogue, const std::string& mainDir,
                          const RosterSelection& selection, const RosterOptions& options);

} // namespace zorvik
