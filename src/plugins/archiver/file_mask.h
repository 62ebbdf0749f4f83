#pragma once

#include <string_view>

namespace zorvik::archiver {

// True when name matches mask: '*' stands for any run of characters, '?'
// for one character, and ASCII letters match without regard to case.
bool matchesMask(std::string_view name, std::string_view mask);

} // namespace zorvik::archiver
