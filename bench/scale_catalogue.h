#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

namespace zorvik::bench {

// Makes (or keeps, when it already holds the rows) a catalogue of rows
// characters, each with a portrait of portraitBytes, at path. Names are
// random syllables, so that a "contains" search keeps a share of the rows.
bool makeScaleCatalogue(const std::string& path, int rows, std::size_t portraitBytes);
// The same with portrait as every row's portrait (a real image, for the
// views that decode them).
bool makeScaleCatalogue(const std::string& path, int rows,
                        const std::vector<std::uint8_t>& portrait);

} // namespace zorvik::bench
