#include "core/roster/select_def_format.h"

#include <algorithm>

#include "core/text/encoding.h"

namespace zorvik {

SelectDefFormat detectSelectDefFormat(std::string_view bytes) {
    SelectDefFormat format;
    if (!text::isValidUtf8(bytes)) {
        format.encoding = SelectDefEncoding::ShiftJis;
    }
    const std::size_t end = bytes.find_first_of("\r\n");
    if (end != std::string_view::npos) {
        format.lineEnding = std::string(bytes.substr(end, lineEndingLength(bytes.substr(end))));
    }
    return format;
}

std::size_t lineEndingLength(std::string_view bytes) {
    if (bytes.substr(0, 2) == "\r\n") {
        return 2;
    }
    return !bytes.empty() && (bytes.front() == '\r' || bytes.front() == '\n') ? 1 : 0;
}

bool looksLikeUtf16(std::string_view bytes) {
    const std::string_view mark = bytes.substr(0, 2);
    if (mark == "\xFF\xFE" || mark == "\xFE\xFF") {
        return true;
    }
    // ASCII text in UTF-16 has a zero in every character: all at even or all at odd places.
    std::size_t zeros[2] = {0, 0};
    for (std::size_t i = 0; i < bytes.size(); ++i) {
        zeros[i % 2] += bytes[i] == '\0' ? 1 : 0;
    }
    const std::size_t characters = bytes.size() / 2;
    return characters > 0 && (zeros[0] == 0) != (zeros[1] == 0) &&
           std::max(zeros[0], zeros[1]) * 2 >= characters;
}

std::optional<std::string> encodeForSelectDef(std::string_view utf8, SelectDefEncoding encoding) {
    if (encoding == SelectDefEncoding::Utf8) {
        return std::string(utf8);
    }
    return text::utf8ToCp932(utf8);
}

std::string decodeFromSelectDef(std::string_view bytes, SelectDefEncoding encoding) {
    return encoding == SelectDefEncoding::Utf8 ? std::string(bytes) : text::cp932ToUtf8(bytes);
}

} // namespace zorvik
