#include "gui/platform/desktop_shell.h"

#include <QDesktopServices>
#include <QUrl>

namespace zorvik::gui {

bool DesktopShell::open(const QUrl& url) {
    return QDesktopServices::openUrl(url);
}

} // namespace zorvik::gui
