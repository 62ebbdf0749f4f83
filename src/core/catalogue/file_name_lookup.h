#pragma once

#include <optional>
#include <string>

namespace zorvik {

class Kel_CharacterDb;

// The NAME of the character registered under fileName (its FILENAME: a
// folder or archive below the character folder, "KOF/kyo" in a group
// folder), the first by ID of the rows not hidden by hand; none when no
// such row can be read.
std::optional<std::string> nameOfFileName(Kel_CharacterDb& catalogue, const std::string& fileName);

} // namespace zorvik
