#pragma once

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>

// Text conversions between the program's UTF-8 and the encodings that
// Windows-made files and the catalogue's UTF-16 interface use.
namespace zorvik::text {

// True when every byte sequence of the text is well-formed UTF-8.
bool isValidUtf8(std::string_view bytes);

// Appends the UTF-8 bytes of one code point.
void appendUtf8(std::string& out, char32_t code);

// UTF-8 to UTF-16; ill-formed sequences become U+FFFD.
std::u16string utf8ToUtf16(std::string_view utf8);

// UTF-16 to UTF-8; unpaired surrogates become U+FFFD.
std::string utf16ToUtf8(std::u16string_view utf16);

// Shift-JIS (code page 932) to UTF-8; bytes that are not CP932 become U+FFFD.
std::string cp932ToUtf8(std::string_view cp932);

// UTF-8 to Shift-JIS (code page 932); none when a character has no CP932 form.
std::optional<std::string> utf8ToCp932(std::string_view utf8);

// The text of a file that may come from Windows: UTF-8 when the whole file
// is valid UTF-8 (a leading BOM is dropped), otherwise decoded from CP932.
std::string decodeFileText(std::string_view bytes);

// The longest prefix of at most maxBytes bytes that ends on a character boundary.
std::string cutToBytes(std::string_view utf8, std::size_t maxBytes);

// A text as a fixed buffer of bufferSize bytes would hold it: at most
// bufferSize - 1 bytes, never a split character.
std::string fitToBuffer(std::string_view utf8, std::size_t bufferSize);

// A file or folder name read from disk: kept when valid UTF-8, otherwise
// decoded from CP932 (names copied from Windows). A name that CP932 does not
// decode exactly (stray bytes, or one of the characters CP932 gives two
// codes) is shown with its bytes, as nameWithBytes gives it, so that two
// names on disk never read alike.
std::string decodeFileName(std::string_view bytes);

// The decoded name followed by the name's bytes in hexadecimal:
// "x� (0x78FF)" for the bytes of "x" and 0xFF. Never holds a '/'.
std::string nameWithBytes(std::string_view bytes);

} // namespace zorvik::text
