#pragma once

#include <string_view>

namespace zorvik::text {

// Compares two texts as a person orders names: a run of digits counts as
// its number ("whip_2" before "whip_10", "v01" the same as "v1"), and
// ASCII letters ignore their case ("ahuron" among the a's). Every other
// byte compares by its value, so UTF-8 texts keep their code point order.
// Negative, zero or positive as a is before, the same as, or after b; the
// order is total, as SQLite asks of a collation.
int compareNaturally(std::string_view a, std::string_view b);

} // namespace zorvik::text
