#pragma once

#include <string_view>

namespace zorvik::archiver {

// ASCII letters in small form; every other byte (UTF-8 included) unchanged.
inline char lowerAscii(char c) {
    return (c >= 'A' && c <= 'Z') ? static_cast<char>(c - 'A' + 'a') : c;
}

// True when text starts with prefix (given in small letters), ASCII case ignored.
inline bool startsWithIgnoringCase(std::string_view text, std::string_view prefix) {
    if (text.size() < prefix.size()) {
        return false;
    }
    for (std::size_t i = 0; i < prefix.size(); ++i) {
        if (lowerAscii(text[i]) != prefix[i]) {
            return false;
        }
    }
    return true;
}

} // namespace zorvik::archiver
