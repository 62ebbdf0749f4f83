#pragma once

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>

namespace zorvik {

// The encoding of a select.def file.
enum class SelectDefEncoding { Utf8, ShiftJis };

// What new lines must match to sit in an existing select.def.
struct SelectDefFormat {
    SelectDefEncoding encoding = SelectDefEncoding::Utf8;
    // The engine is a Windows program: a new file, or one without any line
    // ending yet, gets CR LF.
    std::string lineEnding = "\r\n";
};

// The format of a file's bytes: UTF-8 when the whole file is valid UTF-8
// (as every text file from Windows is read), else Shift-JIS; the line
// ending of its first line: CR LF, LF, or a lone CR (old Mac editors).
SelectDefFormat detectSelectDefFormat(std::string_view bytes);

// The length of the line ending at the start of bytes: 2 for CR LF, 1 for
// a lone LF or CR, 0 for none. No byte of a Shift-JIS character is CR or LF.
std::size_t lineEndingLength(std::string_view bytes);

// True when bytes look like UTF-16 text, which the file may not be read
// as: a UTF-16 byte order mark, or zero bytes standing at every other place.
bool looksLikeUtf16(std::string_view bytes);

// A UTF-8 text in the file's encoding; none when Shift-JIS has no form for
// one of its characters.
std::optional<std::string> encodeForSelectDef(std::string_view utf8, SelectDefEncoding encoding);

// A line of the file as UTF-8.
std::string decodeFromSelectDef(std::string_view bytes, SelectDefEncoding encoding);

} // namespace zorvik
