#pragma once

class QWidget;

namespace zorvik {
class Kel_IniHandler;
}

// The main window's placement in Settings.ini's section General: Left and
// Top are the frame's position, Width and Height the window's size inside
// its frame (the frame is only known once the window is on screen).
namespace zorvik::gui {

// Puts the window where the keys say: maximized over the work area when
// maximized is set, otherwise at Left, Top, Width, Height, each key
// defaulting to the window's current value.
void restoreWindowPlacement(QWidget& window, Kel_IniHandler& store, bool maximized);

// Maximized: Maximized=1 only, so the last normal placement stays in the
// file. Normal: Maximized=0 and the four keys. Minimized: nothing.
void saveWindowPlacement(const QWidget& window, Kel_IniHandler& store);

} // namespace zorvik::gui
