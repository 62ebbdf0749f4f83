#pragma once

#include <QIcon>

namespace zorvik::gui {

// The program's icon, the same picture as the installed menu entry's, in
// the sizes the desktop asks for.
QIcon programIcon();

// The id shared by the desktop entry, the AppStream data and the icon.
inline constexpr const char* kDesktopId = "org.zorvik.Zorvik";

} // namespace zorvik::gui
