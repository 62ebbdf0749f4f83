#pragma once

#include <optional>
#include <string_view>

namespace zorvik {

// A character's version date (UPDATE_DATE, the .def's versiondate as its
// author wrote it) as a number that sorts by date: year * 10000 + month *
// 100 + day. The engine's own form is month,day,year ("04,14,2002"); a
// leading four-digit year reads year,month,day ("2002/04/14"), a first
// number past 12 reads day,month,year ("14.04.2002"), and a two-digit
// year is taken from 1970 to 2069. The three numbers may be separated by
// commas, slashes, dots, hyphens or blanks. None for any other text.
std::optional<int> versionDateKey(std::string_view text);

} // namespace zorvik
