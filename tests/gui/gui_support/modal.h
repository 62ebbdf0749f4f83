#pragma once

#include <functional>

#include <QApplication>
#include <QTimer>
#include <QWidget>

namespace zorvik::test {

// Answers the next modal window from the event loop: once one is up,
// answer gets it (and should close it). Start this before the call that
// opens the window.
inline void whenModalShows(std::function<void(QWidget*)> answer) {
    auto* poll = new QTimer;
    poll->setInterval(10);
    QObject::connect(poll, &QTimer::timeout, [poll, answer] {
        if (QWidget* modal = QApplication::activeModalWidget()) {
            poll->stop();
            poll->deleteLater();
            answer(modal);
        }
    });
    poll->start();
}

} // namespace zorvik::test
