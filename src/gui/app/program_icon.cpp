#include "gui/app/program_icon.h"

#include <QString>

namespace zorvik::gui {

QIcon programIcon() {
    QIcon icon;
    for (const int size : {48, 128, 256}) {
        icon.addFile(QStringLiteral(":/icons/%1-%2.png").arg(QLatin1String(kDesktopId)).arg(size),
                     QSize(size, size));
    }
    return icon;
}

} // namespace zorvik::gui
