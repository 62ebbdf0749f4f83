#pragma once

#include <string>
#include <string_view>

// Blanks and letter case as the files this program reads treat them: only
// ASCII, whatever the locale, so that Shift-JIS and UTF-8 bytes stay as they are.
namespace zorvik::text {

// Space, tab, carriage return or line feed.
constexpr bool isAsciiBlank(char c) {
    return c == ' ' || c == '\t' || c == '\r' || c == '\n';
}

// The text without the ASCII blanks at either end.
std::string_view trimmed(std::string_view text);

// A to Z as a to z; every other byte unchanged.
constexpr char asciiLower(char c) {
    return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c;
}

// The text with A to Z as a to z.
std::string asciiLowered(std::string_view text);

// True when the texts differ at most in the letter case of A to Z.
bool equalsIgnoringAsciiCase(std::string_view a, std::string_view b);

} // namespace zorvik::text
