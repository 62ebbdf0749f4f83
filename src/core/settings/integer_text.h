#pragma once

#include <optional>
#include <string_view>

namespace zorvik {

// Reads an optional minus sign and decimal digits up to the first other
// character, as Windows' profile functions read integers. A text that does
// not start with a number reads 0. Values beyond 32 bits saturate.
int parseLeadingInt(std::string_view text);

// The whole text as a decimal integer (optional minus sign, digits only,
// surrounding blanks allowed), or none.
std::optional<int> parseWholeInt(std::string_view text);

} // namespace zorvik
