#include "core/settings/line_list.h"

#include "core/platform/file_io.h"
#include "core/text/encoding.h"

namespace zorvik {

std::optional<std::vector<std::string>> readLineList(const std::string& path) {
    std::string bytes;
    if (!platform::readWholeFile(path, bytes)) {
        return std::nullopt;
    }
    const std::string text = text::decodeFileText(bytes);
    std::vector<std::string> lines;
    std::size_t start = 0;
    while (start < text.size()) {
        std::size_t end = text.find('\n', start);
        if (end == std::string::npos) {
            end = text.size();
        }
        std::string line = text.substr(start, end - start);
        if (!line.empty() && line.back() == '\r') {
            line.pop_back();
        }
        lines.push_back(std::move(line));
        start = end + 1;
    }
    return lines;
}

bool writeLineList(const std::string& path, const std::vector<std::string>& lines) {
    std::string text;
    for (const std::string& line : lines) {
        text += line;
        text += "\r\n";
    }
    return platform::writeFileAtomically(path, text);
}

} // namespace zorvik
