#pragma once

#include <utility>

#include <QList>
#include <QUrl>

#include "gui/platform/shell.h"

namespace zorvik::test {

// Records the addresses the program asks the shell to open and the
// programs it asks it to start; a start fails with a queued reason.
class RecordingShell : public gui::Shell {
public:
    struct Start {
        QString program;
        QStringList arguments;
        QString workingFolder;
    };

    bool open(const QUrl& url) override {
        opened.append(url);
        return true;
    }
    gui::ProgramStartResult startDetached(const QString& program, const QStringList& arguments,
                                          const QString& workingFolder) override {
        started.append({program, arguments, workingFolder});
        if (failNextStartWith.isEmpty()) {
            return {true, {}};
        }
        return {false, std::exchange(failNextStartWith, QString())};
    }

    QList<QUrl> opened;
    QList<Start> started;
    QString failNextStartWith;
};

} // namespace zorvik::test
