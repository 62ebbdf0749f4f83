#pragma once

#include <functional>

#include <QApplication>
#include <QTimer>

#include "gui/jobs/progress_dialog.h"

namespace zorvik::test {

// The long job's progress dialog that is up, if any. It is no modal window
// (the window behind it must still hear its close button), so
// whenModalShows does not see it.
inline gui::TForm3* shownJobDialog() {
    for (QWidget* window : QApplication::topLevelWidgets()) {
        auto* dialog = qobject_cast<gui::TForm3*>(window);
        if (dialog != nullptr && dialog->isVisible()) {
            return dialog;
        }
    }
    return nullptr;
}

// Answers the next progress dialog from the event loop once it is up.
// Start this before the call that runs the job.
inline void whenJobDialogShows(std::function<void(gui::TForm3*)> answer) {
    auto* poll = new QTimer;
    poll->setInterval(10);
    QObject::connect(poll, &QTimer::timeout, [poll, answer] {
        if (gui::TForm3* dialog = shownJobDialog()) {
            poll->stop();
            poll->deleteLater();
            answer(dialog);
        }
    });
    poll->start();
}

} // namespace zorvik::test
