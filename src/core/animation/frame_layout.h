#pragma once

#include <cstddef>
#include <optional>
#include <vector>

#include "core/animation/loaded_action.h"
#include "core/animation/rgba_image.h"

namespace zorvik {

// A rectangle in ground coordinates: the ground point is (0, 0), x grows
// to the right and y downwards, as on the engine's screen.
struct GroundRect {
    int left = 0;
    int top = 0;
    int width = 0;
    int height = 0;

    int right() const { return left + width; }
    int bottom() const { return top + height; }
    bool operator==(const GroundRect&) const = default;
};

// Where the engine draws a frame's sprite: its axis on the ground point
// moved by the frame's x and y.
GroundRect placeFrame(const AirFrame& frame, const FrameSprite& sprite);

// The smallest rectangle that holds every frame of the action.
GroundRect actionBounds(const LoadedAction& action);

// Pictures larger than this are not composed (16 million pixels).
inline constexpr long long kMostCanvasPixels = 4096LL * 4096LL;

// Frame index of the action drawn as the engine places it on a canvas of
// bounds: the sprite flipped as the frame says, colour 0 left clear. None
// when the canvas would be larger than kMostCanvasPixels.
std::optional<RgbaImage> composeFrame(const LoadedAction& action, std::size_t index,
                                      const GroundRect& bounds);

} // namespace zorvik
