#pragma once

#include <QPixmap>

namespace zorvik::gui {

// The About box's 240 x 175 picture, drawn in code: two fighters facing
// each other on a stage under a night sky.
QPixmap drawAboutPicture();

} // namespace zorvik::gui
