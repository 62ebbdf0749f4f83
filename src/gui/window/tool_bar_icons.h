#pragma once

#include <QIcon>

namespace zorvik::gui {

// The tool bar's 24 x 24 images, drawn in code: image 0 for the list update
// and images 1 to 3 for the battle parameter sets A to C.
QIcon listUpdateIcon();
QIcon battleParameterIcon(QChar letter);
// Four framed pictures in a grid, for the portrait grid's switch.
QIcon portraitGridIcon();

} // namespace zorvik::gui
