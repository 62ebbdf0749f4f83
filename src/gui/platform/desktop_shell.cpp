#include "gui/platform/desktop_shell.h"

#include <QDesktopServices>
#include <QProcess>
#include <QUrl>

namespace zorvik::gui {

bool DesktopShell::open(const QUrl& url) {
    return QDesktopServices::openUrl(url);
}

ProgramStartResult DesktopShell::startDetached(const QString& program, const QStringList& arguments,
                                               const QString& workingFolder) {
    QProcess process;
    process.setProgram(program);
    process.setArguments(arguments);
    process.setWorkingDirectory(workingFolder);
    if (process.startDetached()) {
        return {true, {}};
    }
    return {false, process.errorString()};
}

} // namespace zorvik::gui
