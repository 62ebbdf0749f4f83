#pragma once

#include <cstddef>
#include <string>

namespace zorvik::bench {

// Makes (or keeps, when it already holds the rows) a catalogue of rows
// characters, each with a portrait of portraitBytes, at path. Names are
// random syllables, so that a "contains" search keeps a share of the rows.
bool makeScaleCatalogue(const std::string& path, int rows, std::size_t portraitBytes);

} // namespace zorvik::bench
