#include "cli/data_output.h"

#include "core/platform/terminal.h"
#include "core/text/encoding.h"

namespace zorvik::cli {

namespace {

bool isLineBreak(char c) {
    return c == '\n' || c == '\r';
}

// C0 controls and DEL; tab and line feed too unless kept.
bool isControl(unsigned char byte, bool keepLayout) {
    if (keepLayout && (byte == '\t' || byte == '\n')) {
        return false;
    }
    return byte < 0x20 || byte == 0x7f;
}

// U+0080 to U+009F in UTF-8: C2 followed by 80 to 9F. A terminal takes
// U+009B as the start of an escape sequence, as it takes ESC [.
bool isC1Control(std::string_view utf8, std::size_t at) {
    if (at + 1 >= utf8.size() || static_cast<unsigned char>(utf8[at]) != 0xc2) {
        return false;
    }
    const auto next = static_cast<unsigned char>(utf8[at + 1]);
    return next >= 0x80 && next <= 0x9f;
}

void appendEscaped(std::string& out, unsigned char byte) {
    constexpr const char* kDigits = "0123456789abcdef";
    out += "\\x";
    out += kDigits[byte >> 4];
    out += kDigits[byte & 0x0f];
}

// The text as UTF-8 with its control characters escaped.
std::string escapedForTerminal(std::string_view text, bool keepLayout) {
    const std::string utf8 = text::decodeFileName(text);
    std::string shown;
    shown.reserve(utf8.size());
    for (std::size_t i = 0; i < utf8.size(); ++i) {
        const auto byte = static_cast<unsigned char>(utf8[i]);
        if (isC1Control(utf8, i)) {
            appendEscaped(shown, byte);
            appendEscaped(shown, static_cast<unsigned char>(utf8[++i]));
        } else if (isControl(byte, keepLayout)) {
            appendEscaped(shown, byte);
        } else {
            shown += utf8[i];
        }
    }
    return shown;
}

} // namespace

DataOutput::DataOutput(std::FILE* stream) : DataOutput(stream, platform::isTerminal(stream)) {}

DataOutput::DataOutput(std::FILE* stream, bool terminal) : stream_(stream), terminal_(terminal) {}

std::string DataOutput::field(std::string_view value) const {
    std::string line(value);
    for (char& c : line) {
        if (c == '\t' || isLineBreak(c)) {
            c = ' ';
        }
    }
    return terminal_ ? escapedForTerminal(line, false) : line;
}

std::string DataOutput::message(std::string_view text) const {
    return terminal_ ? escapedForTerminal(text, true) : std::string(text);
}

void DataOutput::write(std::string_view text) const {
    std::fwrite(text.data(), 1, text.size(), stream_);
}

} // namespace zorvik::cli
