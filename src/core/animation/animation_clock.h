#pragma once

#include <cstddef>
#include <cstdint>
#include <vector>

#include "core/animation/air_file.h"

namespace zorvik {

// Which frame of an action the engine shows at a tick (60 a second),
// counted from the action's start: the frames in order, each for its time,
// then again from the loop start; a frame of time -1 is held for good.
class AnimationClock {
public:
    explicit AnimationClock(const AirAction& action);

    std::size_t frameAt(std::uint64_t tick) const;

private:
    std::vector<std::uint64_t> ends_; // the tick each frame ends on, from the start
    std::size_t loopStart_ = 0;
    std::size_t heldFrame_ = 0; // the first frame of time -1, or the frame count
};

} // namespace zorvik
