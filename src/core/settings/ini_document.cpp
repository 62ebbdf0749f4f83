#include "core/settings/ini_document.h"

#include <algorithm>

#include "core/platform/file_io.h"
#include "core/text/ascii_text.h"
#include "core/text/encoding.h"

namespace zorvik {

namespace {

using text::trimmed;

// The section name of a "[name]" line, or none for any other line.
std::optional<std::string_view> sectionName(std::string_view line) {
    line = trimmed(line);
    if (line.empty() || line.front() != '[') {
        return std::nullopt;
    }
    const std::size_t close = line.find(']');
    return trimmed(
        line.substr(1, close == std::string_view::npos ? std::string_view::npos : close - 1));
}

// The key of a "key=value" line, or none.
std::optional<std::string_view> keyName(std::string_view line) {
    const std::size_t equals = line.find('=');
    if (equals == std::string_view::npos || sectionName(line)) {
        return std::nullopt;
    }
    return trimmed(line.substr(0, equals));
}

} // namespace

IniDocument IniDocument::load(const std::string& path) {
    std::string bytes;
    if (!platform::readWholeFile(path, bytes)) {
        return {};
    }
    return parse(text::decodeFileText(bytes));
}

IniDocument IniDocument::parse(std::string_view text) {
    IniDocument document;
    if (text.empty()) {
        return document;
    }
    const std::size_t firstBreak = text.find('\n');
    document.lineEnd_ =
        (firstBreak != std::string_view::npos && firstBreak > 0 && text[firstBreak - 1] == '\r')
            ? "\r\n"
            : (firstBreak == std::string_view::npos ? "\r\n" : "\n");
    document.endsWithLineEnd_ = text.back() == '\n';
    std::size_t start = 0;
    while (start < text.size()) {
        std::size_t end = text.find('\n', start);
        if (end == std::string_view::npos) {
            end = text.size();
        }
        std::string_view line = text.substr(start, end - start);
        if (!line.empty() && line.back() == '\r') {
            line.remove_suffix(1);
        }
        document.lines_.emplace_back(line);
        start = end + 1;
    }
    return document;
}

std::optional<std::size_t> IniDocument::findSection(std::string_view section) const {
    for (std::size_t i = 0; i < lines_.size(); ++i) {
        const auto name = sectionName(lines_[i]);
        if (name && text::equalsIgnoringAsciiCase(*name, section)) {
            return i;
        }
    }
    return std::nullopt;
}

std::size_t IniDocument::sectionEnd(std::size_t headerLine) const {
    std::size_t i = headerLine + 1;
    while (i < lines_.size() && !sectionName(lines_[i])) {
        ++i;
    }
    return i;
}

std::optional<std::size_t> IniDocument::findKey(std::size_t headerLine,
                                                std::string_view key) const {
    const std::size_t end = sectionEnd(headerLine);
    for (std::size_t i = headerLine + 1; i < end; ++i) {
        const auto name = keyName(lines_[i]);
        if (name && text::equalsIgnoringAsciiCase(*name, key)) {
            return i;
        }
    }
    return std::nullopt;
}

std::optional<std::string> IniDocument::value(std::string_view section,
                                              std::string_view key) const {
    const auto header = findSection(section);
    if (!header) {
        return std::nullopt;
    }
    const auto line = findKey(*header, key);
    if (!line) {
        return std::nullopt;
    }
    const std::string& text = lines_[*line];
    return std::string(trimmed(std::string_view(text).substr(text.find('=') + 1)));
}

void IniDocument::setValue(std::string_view section, std::string_view key, std::string_view value) {
    const std::string line = std::string(key) + "=" + std::string(value);
    const auto header = findSection(section);
    if (!header) {
        lines_.push_back("[" + std::string(section) + "]");
        lines_.push_back(line);
        return;
    }
    if (const auto existing = findKey(*header, key)) {
        // The key keeps the spelling it has in the file.
        lines_[*existing] = std::string(*keyName(lines_[*existing])) + "=" + std::string(value);
        return;
    }
    // After the section's last non-blank line, so blank separators stay last.
    std::size_t insertAt = sectionEnd(*header);
    while (insertAt > *header + 1 && trimmed(lines_[insertAt - 1]).empty()) {
        --insertAt;
    }
    lines_.insert(lines_.begin() + static_cast<std::ptrdiff_t>(insertAt), line);
}

std::string IniDocument::text() const {
    std::string out;
    for (std::size_t i = 0; i < lines_.size(); ++i) {
        out += lines_[i];
        if (i + 1 < lines_.size() || endsWithLineEnd_) {
            out += lineEnd_;
        }
    }
    return out;
}

bool IniDocument::save(const std::string& path) const {
    return platform::writeFileAtomically(path, text());
}

} // namespace zorvik
