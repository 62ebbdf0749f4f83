#pragma once

#include <optional>
#include <string>

#include "core/sprite/sprite_picture.h"

namespace zorvik {

// An .act palette file is exactly this long: 256 red, green, blue triples.
inline constexpr std::size_t kActFileSize = 768;

// The colours of the .act file at path, colour 0 first. The file stores
// them in reverse order: its last triple is colour 0. None unless the
// name ends in ".act" (any case) and the file is exactly 768 bytes.
std::optional<SpritePalette> readActPalette(const std::string& path);

} // namespace zorvik
