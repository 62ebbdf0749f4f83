#pragma once

#include <cstddef>
#include <string>

namespace zorvik {

class Kel_IniHandler;

// Reads one key of the handler's current section as a character's .def
// file holds it and cleans it: the text up to the first ';' comment,
// without trailing blanks and one pair of surrounding quotes. False when
// the raw value is empty (value is then empty too).
bool ReadDefValue(const std::string& key, std::string& value, std::size_t bufferSize,
                  const Kel_IniHandler& ini);

// The cleaning alone, on a raw value.
std::string cleanDefValue(std::string raw);

} // namespace zorvik
