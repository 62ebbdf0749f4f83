#pragma once

#include "gui/platform/shell.h"

namespace zorvik::gui {

// The Shell of the running program: QDesktopServices opens, QProcess starts.
class DesktopShell : public Shell {
public:
    bool open(const QUrl& url) override;
    ProgramStartResult startDetached(const QString& program, const QStringList& arguments,
                                     const QString& workingFolder) override;
};

} // namespace zorvik::gui
