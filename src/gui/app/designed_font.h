#pragma once

#include <QFont>

namespace zorvik::gui {

// The windows' designed font, "ＭＳ Ｐゴシック" 12 pixels high, or the
// installed Japanese gothic that stands in for it.
QFont designedFont();

} // namespace zorvik::gui
