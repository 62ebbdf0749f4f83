#include "gui/window/window_placement.h"

#include <QScreen>
#include <QWidget>

#include "core/settings/ini_handler.h"

namespace zorvik::gui {

void restoreWindowPlacement(QWidget& window, Kel_IniHandler& store, bool maximized) {
    if (maximized) {
        window.setGeometry(window.screen()->availableGeometry());
        window.setWindowState(Qt::WindowMaximized);
        return;
    }
    window.setWindowState(Qt::WindowNoState);
    const int left = store.GetInt("Left", window.x());
    const int top = store.GetInt("Top", window.y());
    const int width = store.GetInt("Width", window.width());
    const int height = store.GetInt("Height", window.height());
    window.move(left, top);
    window.resize(width, height);
}

void saveWindowPlacement(const QWidget& window, Kel_IniHandler& store) {
    if (window.isMinimized()) {
        return;
    }
    if (window.isMaximized()) {
        store.WriteInt("Maximized", 1);
        return;
    }
    store.WriteInt("Maximized", 0);
    store.WriteInt("Left", window.x());
    store.WriteInt("Top", window.y());
    store.WriteInt("Width", window.width());
    store.WriteInt("Height", window.height());
}

} // namespace zorvik::gui
