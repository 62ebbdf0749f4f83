#include "core/roster/select_def_format.h"

#include "core/text/encoding.h"

namespace zorvik {

SelectDefFormat detectSelectDefFormat(std::string_view bytes) {
    SelectDefFormat format;
    if (!text::isValidUtf8(bytes)) {
        format.encoding = SelectDefEncoding::ShiftJis;
    }
    const std::size_t newline = bytes.find('\n');
    if (newline != std::string_view::npos) {
        format.lineEnding = (newline > 0 && bytes[newline - 1] == '\r') ? "\r\n" : "\n";
    }
    return format;
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
