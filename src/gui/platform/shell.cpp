#include "gui/platform/shell.h"

namespace zorvik::gui {

Shell::~Shell() = default;

} // namespace zorvik::gui
