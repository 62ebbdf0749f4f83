// Rewriting the engine's select.def: any old file, the new lines put into
// its [Characters] section, with and without keeping old entries.

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "core/roster/select_def_rewrite.h"
#include "scratch_folder.h"

namespace {

const std::vector<std::string> kNewLines = {"kfm", "ryu/ryu-720.def, random, order=2"};

void check(const zorvik::SelectDefRewrite& rewrite, std::size_t oldSize) {
    for (const std::string& line : kNewLines) {
        if (rewrite.bytes.find(line) == std::string::npos) {
            zorvik::fuzz::fail("a new roster line is not in the rewritten file");
        }
    }
    // The new text is the old one with one section's lines replaced: it
    // cannot grow by more than the new lines, a header and line endings.
    if (rewrite.bytes.size() > oldSize + 128) {
        zorvik::fuzz::fail("the rewritten file grew past its new lines");
    }
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view old(reinterpret_cast<const char*>(data), size);
    check(zorvik::rewriteSelectDef(old, kNewLines, {}), size);
    const auto keepEvery = [](std::string_view) { return true; };
    check(zorvik::rewriteSelectDef(old, kNewLines, keepEvery), size);
    return 0;
}
