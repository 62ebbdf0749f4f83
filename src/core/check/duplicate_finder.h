#pragma once

#include <optional>
#include <string>
#include <vector>

#include "core/check/check_report.h"

namespace zorvik {

class StatusRows;
struct StatusRow;

// NAME or AUTHOR as compared for duplicates: surrounding blanks (the
// ideographic space too) dropped, ASCII letters in small form.
std::string comparableText(const std::string& text);

// Groups of the rows whose NAME and AUTHOR are the same, compared as
// comparableText; rows without a name are left out. Groups in the order of
// their first ID, members by ID.
std::vector<DuplicateGroup> groupSameNameAndAuthor(const std::vector<StatusRow>& rows);

// Groups of the rows whose stored portraits are the same bytes (by hash,
// then compared); only rows in rows take part. None on a catalogue error.
std::optional<std::vector<DuplicateGroup>> groupSamePortrait(StatusRows& table,
                                                             const std::vector<StatusRow>& rows);

} // namespace zorvik
