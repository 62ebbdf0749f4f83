#pragma once

#include <cstdint>
#include <optional>
#include <string>

#include "core/discovery/standing_animation.h"

namespace zorvik {
class Kel_CharacterDb;
}

namespace zorvik::cli {

// The character of the row with that ID; none when there is no such row,
// and also when the catalogue cannot be read, with the reason in error,
// so that a damaged catalogue is not taken for a missing character.
std::optional<CatalogueCharacter> readCatalogueCharacter(Kel_CharacterDb& catalogue,
                                                         std::int64_t id, std::string& error);

} // namespace zorvik::cli
