#include "core/animation/frame_layout.h"

#include <algorithm>

namespace zorvik {

GroundRect placeFrame(const AirFrame& frame, const FrameSprite& sprite) {
    const int width = sprite.image->width;
    const int height = sprite.image->height;
    // A flip mirrors the sprite about its axis, so the axis stays on the
    // same point; the frame's own offset is not mirrored.
    const int left = frame.flipsHorizontally() ? frame.x - (width - sprite.axisX) : frame.x - sprite.axisX;
    const int top = frame.flipsVertically() ? frame.y - (height - sprite.axisY) : frame.y - sprite.axisY;
    return GroundRect{left, top, width, height};
}

GroundRect actionBounds(const LoadedAction& action) {
    const auto& frames = action.action.frames;
    if (frames.empty()) {
        return {};
    }
    GroundRect bounds = placeFrame(frames[0], action.sprites[action.spriteOfFrame[0]]);
    for (std::size_t i = 1; i < frames.size(); ++i) {
        const GroundRect rect = placeFrame(frames[i], action.sprites[action.spriteOfFrame[i]]);
        const int right = std::max(bounds.right(), rect.right());
        const int bottom = std::max(bounds.bottom(), rect.bottom());
        bounds.left = std::min(bounds.left, rect.left);
        bounds.top = std::min(bounds.top, rect.top);
        bounds.width = right - bounds.left;
        bounds.height = bottom - bounds.top;
    }
    return bounds;
}

std::optional<RgbaImage> composeFrame(const LoadedAction& action, std::size_t index,
                                      const GroundRect& bounds) {
    if (index >= action.action.frames.size() || bounds.width <= 0 || bounds.height <= 0 ||
        static_cast<long long>(bounds.width) * bounds.height > kMostCanvasPixels) {
        return std::nullopt;
    }
    const AirFrame& frame = action.action.frames[index];
    const FrameSprite& sprite = action.sprites[action.spriteOfFrame[index]];
    const GroundRect place = placeFrame(frame, sprite);
    RgbaImage canvas(bounds.width, bounds.height);
    for (int y = 0; y < place.height; ++y) {
        const int canvasY = place.top + y - bounds.top;
        const int fromY = frame.flipsVertically() ? place.height - 1 - y : y;
        for (int x = 0; x < place.width; ++x) {
            const int canvasX = place.left + x - bounds.left;
            if (canvasX < 0 || canvasY < 0 || canvasX >= bounds.width || canvasY >= bounds.height) {
                continue;
            }
            const int fromX = frame.flipsHorizontally() ? place.width - 1 - x : x;
            const auto from = sprite.image->pixels.begin() +
                              static_cast<std::ptrdiff_t>(sprite.image->offsetOf(fromX, fromY));
            std::copy_n(from, 4, canvas.pixels.begin() +
                                     static_cast<std::ptrdiff_t>(canvas.offsetOf(canvasX, canvasY)));
        }
    }
    return canvas;
}

} // namespace zorvik
