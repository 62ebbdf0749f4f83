#pragma once

namespace zorvik::gui {

// Makes the main window's open popup menus (the list's popup and its
// submenus) children of the window for accessibility tools. Qt leaves
// every QMenu out of its parent's accessible children and every popup out
// of the application's windows, so an open popup menu could not be reached
// from anywhere; the main menu's are reached through the menu bar.
// Call before the first main window is created.
void exposeWindowPopupMenus();

} // namespace zorvik::gui
