#include "gui/platform/choosers.h"

namespace zorvik::gui {

Choosers::~Choosers() = default;

} // namespace zorvik::gui
