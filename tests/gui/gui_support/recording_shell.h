#pragma once

#include <QList>
#include <QUrl>

#include "gui/platform/shell.h"

namespace zorvik::test {

// Records the addresses the program asks the shell to open.
class RecordingShell : public gui::Shell {
public:
    bool open(const QUrl& url) override {
        opened.append(url);
        return true;
    }
    QList<QUrl> opened;
};

} // namespace zorvik::test
