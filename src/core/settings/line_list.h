#pragma once

#include <optional>
#include <string>
#include <vector>

namespace zorvik {

// The one-entry-per-line files kept beside the executable (the opponents
// list and the column names). Read as UTF-8 or CP932, CR LF or LF line ends;
// written as UTF-8 with CR LF.
std::optional<std::vector<std::string>> readLineList(const std::string& path);
bool writeLineList(const std::string& path, const std::vector<std::string>& lines);

} // namespace zorvik
