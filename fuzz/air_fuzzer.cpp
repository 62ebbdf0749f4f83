// The .air reader on any bytes, and the clock that plays what it read.

#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <string_view>

#include "core/animation/air_file.h"
#include "core/animation/animation_clock.h"
#include "scratch_folder.h"

namespace {

using zorvik::fuzz::fail;

void checkFrame(const zorvik::AirFrame& frame) {
    if (frame.flip != "" && frame.flip != "H" && frame.flip != "V" && frame.flip != "HV") {
        fail("a flip other than \"\", H, V or HV");
    }
    if (std::any_of(frame.blend.begin(), frame.blend.end(),
                    [](char c) { return c >= 'a' && c <= 'z'; })) {
        fail("a blend that is not upper-cased");
    }
}

void checkAction(const zorvik::AirAction& action, std::size_t lineCount) {
    if (action.headerLine == 0 || action.headerLine > lineCount) {
        fail("an action's header line outside the file");
    }
    for (const zorvik::AirFrame& frame : action.frames) {
        checkFrame(frame);
    }
    const std::size_t loopStart = action.loopStartIndex();
    if (loopStart != 0 && loopStart >= action.frames.size()) {
        fail("a loop start past the last frame");
    }
    // The clock names a frame of the action at any tick.
    const zorvik::AnimationClock clock(action);
    for (const std::uint64_t tick : {0ull, 1ull, 59ull, 1'000'003ull, ~0ull}) {
        if (!action.frames.empty() && clock.frameAt(tick) >= action.frames.size()) {
            fail("the clock named a frame past the last");
        }
    }
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view text(reinterpret_cast<const char*>(data), size);
    const zorvik::AirDocument air = zorvik::parseAir(text);
    const std::size_t lineCount = static_cast<std::size_t>(std::count(text.begin(), text.end(), '\n')) + 1;
    if (!std::is_sorted(air.malformedLines.begin(), air.malformedLines.end()) ||
        std::adjacent_find(air.malformedLines.begin(), air.malformedLines.end()) !=
            air.malformedLines.end() ||
        (!air.malformedLines.empty() && air.malformedLines.back() > lineCount)) {
        fail("malformed line numbers out of order or outside the file");
    }
    for (const zorvik::AirAction& action : air.actions) {
        checkAction(action, lineCount);
        if (air.action(action.number)->headerLine > action.headerLine) {
            fail("a later action of a number won over the first");
        }
    }
    // The file reader reads what the text reader reads.
    const std::string path = zorvik::fuzz::ScratchFolder::instance().write("input.air", text);
    const auto read = zorvik::readAirFile(path);
    if (!read || read->actions.size() != air.actions.size()) {
        fail("the file reader and the text reader disagree");
    }
    return 0;
}
