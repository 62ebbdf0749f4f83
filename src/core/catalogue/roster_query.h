#pragma once

#include <string>
#include <vector>

#include "core/catalogue/list_criteria.h"

namespace zorvik {

class Kel_CharacterDb;

// What the roster export needs of one character row.
struct RosterRow {
    int fileType = 0;     // FILETYPE: 0 folder, 2/4/8 zip/7z/rar archive
    std::string fileName; // FILENAME: the folder's or archive's name inside MainDir
    std::string name;     // NAME, for the export's report
};

// The rows or why there are none.
struct RosterRows {
    bool ok = false;
    std::string error;
    std::vector<RosterRow> rows;
};

// The character list's rows as the list shows them: the criteria's search
// and sort (its shown columns do not matter), built by the list's own query
// builder, so that the roster and the list cannot disagree. A step error is
// a failure, never a short roster.
RosterRows readRosterRows(Kel_CharacterDb& catalogue, const ListCriteria& criteria);

} // namespace zorvik
