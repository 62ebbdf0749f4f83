// Rewriting the engine's select.def: any old file, the new lines put into
// its [Characters] section, with and without keeping old entries. Whatever
// the old bytes, the new file is the old one with the new lines put in at
// one place; a merge takes nothing away, and a replacement takes away only
// whole lines of the [Characters] section. So every other section, every
// line ending and every byte outside that section stays as it was.

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "core/roster/select_def_rewrite.h"
#include "scratch_folder.h"

namespace {

using zorvik::fuzz::fail;

const std::vector<std::string> kNewLines = {"kfm", "ryu/ryu-720.def, random, order=2"};

// The line ending new lines get: the old file's first one, else CR LF.
std::string newLineEnding(std::string_view old) {
    const std::size_t end = old.find_first_of("\r\n");
    if (end == std::string_view::npos) {
        return "\r\n";
    }
    return old.substr(end, 2) == "\r\n" ? "\r\n" : std::string(1, old[end]);
}

bool isLineStart(std::string_view text, std::size_t at) {
    return at == 0 || at == text.size() || text[at - 1] == '\n' ||
           (text[at - 1] == '\r' && text[at] != '\n');
}

// Whether text holds a line whose first byte other than blanks is '['.
bool holdsHeader(std::string_view text) {
    bool lineStart = true;
    for (const char c : text) {
        if (lineStart && c == '[') {
            return true;
        }
        lineStart = c == '\r' || c == '\n' || (lineStart && (c == ' ' || c == '\t'));
    }
    return false;
}

// Whether rewritten is old[0, cut) + inserted + old[resumed, end) for an
// insert that is the new lines (after a header of their own when the old
// text had none, after a line ending when the line before had none), with
// what was taken away, old[cut, resumed), whole lines without a header.
bool isOldWithNewLines(std::string_view old, std::string_view rewritten, bool merged) {
    const std::string ending = newLineEnding(old);
    std::string lines;
    for (const std::string& line : kNewLines) {
        lines += line + ending;
    }
    for (const std::string& head : {std::string(), ending, "[Characters]" + ending,
                                    ending + "[Characters]" + ending}) {
        const std::string inserted = head + lines;
        for (std::size_t at = rewritten.find(inserted); at != std::string_view::npos;
             at = rewritten.find(inserted, at + 1)) {
            const std::string_view before = rewritten.substr(0, at);
            const std::string_view after = rewritten.substr(at + inserted.size());
            if (before.size() + after.size() > old.size() || !old.starts_with(before) ||
                !old.ends_with(after)) {
                continue;
            }
            const std::size_t resumed = old.size() - after.size();
            const std::string_view taken = old.substr(before.size(), resumed - before.size());
            if ((!merged || taken.empty()) && isLineStart(old, before.size()) &&
                isLineStart(old, resumed) && !holdsHeader(taken)) {
                return true;
            }
        }
    }
    return false;
}

void check(std::string_view old, const zorvik::SelectDefRewrite& rewrite, bool merged) {
    if (!isOldWithNewLines(old, rewrite.bytes, merged)) {
        zorvik::fuzz::fail(merged ? "a merge changed the old file other than by adding the new lines"
                                  : "the rewrite changed the old file outside its [Characters] lines");
    }
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view old(reinterpret_cast<const char*>(data), size);
    check(old, zorvik::rewriteSelectDef(old, kNewLines, {}), false);
    const auto keepEvery = [](std::string_view) { return true; };
    check(old, zorvik::rewriteSelectDef(old, kNewLines, keepEvery), true);
    return 0;
}
