#include "core/roster/select_def_rewrite.h"

#include <algorithm>

#include "core/roster/select_def_format.h"
#include "core/text/ascii_text.h"

namespace zorvik {

namespace {

constexpr std::string_view kUtf8Bom = "\xEF\xBB\xBF";

// The file's lines, each with its own line ending (the last may have none).
std::vector<std::string_view> splitLines(std::string_view bytes) {
    std::vector<std::string_view> lines;
    while (!bytes.empty()) {
        const std::size_t end = bytes.find_first_of("\r\n");
        const std::size_t length = end == std::string_view::npos
                                       ? bytes.size()
                                       : end + lineEndingLength(bytes.substr(end));
        lines.push_back(bytes.substr(0, length));
        bytes.remove_prefix(length);
    }
    return lines;
}

// The line without its line ending and without blanks at either end.
// ASCII bytes never occur inside a Shift-JIS lead byte, so the leading ones are real.
std::string_view content(std::string_view line) {
    return text::trimmed(line);
}

bool isSectionHeader(std::string_view line) {
    return !content(line).empty() && content(line).front() == '[';
}

bool isCharactersHeader(std::string_view line) {
    std::string_view header = content(line);
    if (header.substr(0, kUtf8Bom.size()) == kUtf8Bom) {
        header = content(header.substr(kUtf8Bom.size()));
    }
    if (header.empty() || header.front() != '[' || header.find(']') == std::string_view::npos) {
        return false;
    }
    return text::equalsIgnoringAsciiCase(content(header.substr(1, header.find(']') - 1)),
                                         "characters");
}

bool isEntry(std::string_view line) {
    return !content(line).empty() && content(line).front() != ';';
}

bool isCommentOnly(std::string_view line) {
    return !content(line).empty() && content(line).front() == ';';
}

// Builds the new file line by line.
class Output {
public:
    explicit Output(std::string lineEnding) : lineEnding_(std::move(lineEnding)) {}

    void copy(std::string_view line) { bytes_ += line; }

    void addLines(const std::vector<std::string>& lines) {
        // A last line without an ending gets one before anything follows it.
        if (!lines.empty() && !bytes_.empty() && bytes_.back() != '\n' && bytes_.back() != '\r') {
            bytes_ += lineEnding_;
        }
        for (const std::string& line : lines) {
            bytes_ += line;
            bytes_ += lineEnding_;
        }
    }

    std::string take() { return std::move(bytes_); }

private:
    std::string lineEnding_;
    std::string bytes_;
};

// Where the [Characters] section's runs lie, as line indexes: its header,
// the first line of its middle run and the line after that run, the line
// after the section. header is the line count when there is no section.
struct SectionRuns {
    std::size_t header = 0;
    std::size_t first = 0;
    std::size_t last = 0;
    std::size_t end = 0;
};

SectionRuns locateCharacters(const std::vector<std::string_view>& lines) {
    SectionRuns runs;
    while (runs.header < lines.size() && !isCharactersHeader(lines[runs.header])) {
        ++runs.header;
    }
    runs.end = std::min(runs.header + 1, lines.size());
    while (runs.end < lines.size() && !isSectionHeader(lines[runs.end])) {
        ++runs.end;
    }
    runs.first = runs.end;
    for (std::size_t i = runs.header + 1; i < runs.end; ++i) {
        if (isEntry(lines[i])) {
            runs.first = std::min(runs.first, i);
            runs.last = i + 1;
        }
    }
    if (runs.first == runs.end) {
        // No entries: the new lines go under the header's own comment lines.
        runs.first = std::min(runs.header + 1, runs.end);
        while (runs.first < runs.end && isCommentOnly(lines[runs.first])) {
            ++runs.first;
        }
        runs.last = runs.first;
    }
    return runs;
}

} // namespace

SelectDefRewrite rewriteSelectDef(std::string_view oldBytes,
                                  const std::vector<std::string>& newLines, const KeepEntry& keep,
                                  bool keepNotes) {
    const SelectDefFormat format = detectSelectDefFormat(oldBytes);
    const std::vector<std::string_view> lines = splitLines(oldBytes);
    const SectionRuns runs = locateCharacters(lines);
    Output out(format.lineEnding);
    SelectDefRewrite result;
    if (runs.header == lines.size()) {
        out.copy(oldBytes);
        out.addLines({"[Characters]"});
        out.addLines(newLines);
        result.bytes = out.take();
        return result;
    }
    for (std::size_t i = 0; i < runs.first; ++i) {
        out.copy(lines[i]);
    }
    for (std::size_t i = runs.first; keep && i < runs.last; ++i) {
        const bool entry = isEntry(lines[i]);
        if (entry ? !keep(decodeFromSelectDef(content(lines[i]), format.encoding)) : !keepNotes) {
            continue;
        }
        result.keptEntries += entry ? 1 : 0;
        out.copy(lines[i]);
    }
    out.addLines(newLines);
    for (std::size_t i = runs.last; i < lines.size(); ++i) {
        out.copy(lines[i]);
    }
    result.bytes = out.take();
    return result;
}

} // namespace zorvik
