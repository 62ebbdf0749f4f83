#include "core/animation/animation_clock.h"

#include <algorithm>

namespace zorvik {

AnimationClock::AnimationClock(const AirAction& action) : loopStart_(action.loopStartIndex()) {
    std::uint64_t end = 0;
    heldFrame_ = action.frames.size();
    for (std::size_t i = 0; i < action.frames.size(); ++i) {
        const int time = action.frames[i].time;
        if (time < 0 && heldFrame_ == action.frames.size()) {
            heldFrame_ = i; // -1, and any other negative time, holds the frame
        }
        // A frame of time 0 still shows for one tick, so a loop always moves on.
        end += static_cast<std::uint64_t>(std::max(time, 1));
        ends_.push_back(end);
    }
}

std::size_t AnimationClock::frameAt(std::uint64_t tick) const {
    if (ends_.empty()) {
        return 0;
    }
    const auto startOf = [this](std::size_t frame) { return frame == 0 ? 0 : ends_[frame - 1]; };
    // Once a held frame is reached, the action goes no further.
    if (heldFrame_ < ends_.size() && tick >= startOf(heldFrame_)) {
        return heldFrame_;
    }
    const std::uint64_t loopBegin = startOf(loopStart_);
    if (tick >= ends_.back()) {
        // Past the first round the frames from the loop start repeat.
        tick = loopBegin + (tick - ends_.back()) % (ends_.back() - loopBegin);
    }
    const std::size_t frame = static_cast<std::size_t>(
        std::upper_bound(ends_.begin(), ends_.end(), tick) - ends_.begin());
    return frame;
}

} // namespace zorvik
