#pragma once

#include <QString>
#include <QStringList>

class QUrl;

namespace zorvik::gui {

// The outcome of starting a program: the system's reason when it did not start.
struct ProgramStartResult {
    bool started = false;
    QString error;
};

// The desktop's shell: opens web pages and folders with the user's
// programs, and starts programs. Tests put a recording fake in its place.
class Shell {
public:
    virtual ~Shell();

    // Opens the address with the desktop's handler for it; false when none took it.
    virtual bool open(const QUrl& url) = 0;

    // Starts program with these arguments in workingFolder and does not wait
    // for it or watch it. A program that cannot be run (missing, not
    // executable, no permission, a missing interpreter) is reported, not lost.
    virtual ProgramStartResult startDetached(const QString& program, const QStringList& arguments,
                                             const QString& workingFolder) = 0;
};

} // namespace zorvik::gui
