#pragma once

#include <vector>

#include <QImage>
#include <QPoint>
#include <QString>

#include "core/animation/air_file.h"

namespace zorvik::gui {

// A character's action ready to be shown: every frame composed on one
// canvas, the ground point at the same place in each.
struct AnimationFrames {
    AirAction action;
    std::vector<QImage> frames; // one per frame of the action
    QPoint ground;              // the ground point on the canvas
};

} // namespace zorvik::gui
