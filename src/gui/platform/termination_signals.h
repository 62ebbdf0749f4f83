#pragma once

#include <csignal>

#include <QObject>

class QSocketNotifier;
class QWidget;

namespace zorvik::gui {

// Closes the main window the orderly way (so that its settings are saved)
// when the process gets SIGTERM or SIGINT, as at the end of a desktop session.
// The signal handler only writes a byte into a pipe; the window is closed
// from the event loop when the pipe's read end becomes readable.
// One object at a time; the previous handlers come back when it goes.
class TerminationSignals : public QObject {
    Q_OBJECT
public:
    explicit TerminationSignals(QWidget& window);
    ~TerminationSignals() override;

    // False when the pipe or the handlers could not be set up.
    bool isActive() const { return active_; }

private:
    void closeWindow();
    void closeWhenNoModalWindow();

    QWidget& window_;
    QSocketNotifier* notifier_ = nullptr;
    struct sigaction previousTerm_ {};
    struct sigaction previousInt_ {};
    bool active_ = false;
};

} // namespace zorvik::gui
