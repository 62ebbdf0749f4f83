#pragma once

#include <string>
#include <string_view>

namespace zorvik::cli {

// A value on one line of tab-separated output: tabs and line breaks inside
// it would break the line format, so they become blanks.
inline std::string lineField(std::string_view text) {
    std::string value(text);
    for (char& c : value) {
        if (c == '\t' || c == '\n' || c == '\r') {
            c = ' ';
        }
    }
    return value;
}

} // namespace zorvik::cli
