#pragma once

namespace zorvik::archiver {

// ASCII letters in small form; every other byte (UTF-8 included) unchanged.
inline char lowerAscii(char c) {
    return (c >= 'A' && c <= 'Z') ? static_cast<char>(c - 'A' + 'a') : c;
}

} // namespace zorvik::archiver
