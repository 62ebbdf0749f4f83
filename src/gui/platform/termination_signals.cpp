#include "gui/platform/termination_signals.h"

#include <cerrno>
#include <fcntl.h>
#include <unistd.h>

#include <QApplication>
#include <QSocketNotifier>
#include <QTimer>
#include <QWidget>

namespace zorvik::gui {

namespace {

int signalPipe[2] = {-1, -1};

// Async-signal-safe: one write() to a non-blocking pipe, errno kept.
void onSignal(int number) {
    const int savedErrno = errno;
    const char byte = static_cast<char>(number);
    [[maybe_unused]] const ssize_t written = ::write(signalPipe[1], &byte, 1);
    errno = savedErrno;
}

bool install(int number, struct sigaction& previous) {
    struct sigaction action {};
    action.sa_handler = onSignal;
    sigemptyset(&action.sa_mask);
    action.sa_flags = SA_RESTART;
    return sigaction(number, &action, &previous) == 0;
}

} // namespace

TerminationSignals::TerminationSignals(QWidget& window) : window_(window) {
    if (signalPipe[0] != -1 || ::pipe2(signalPipe, O_CLOEXEC | O_NONBLOCK) != 0) {
        return;
    }
    notifier_ = new QSocketNotifier(signalPipe[0], QSocketNotifier::Read, this);
    connect(notifier_, &QSocketNotifier::activated, this, &TerminationSignals::closeWindow);
    active_ = install(SIGTERM, previousTerm_) && install(SIGINT, previousInt_);
}

TerminationSignals::~TerminationSignals() {
    if (notifier_ == nullptr) {
        return;
    }
    sigaction(SIGTERM, &previousTerm_, nullptr);
    sigaction(SIGINT, &previousInt_, nullptr);
    delete notifier_;
    ::close(signalPipe[0]);
    ::close(signalPipe[1]);
    signalPipe[0] = signalPipe[1] = -1;
}

void TerminationSignals::closeWindow() {
    char bytes[16];
    while (::read(signalPipe[0], bytes, sizeof bytes) > 0) {
    }
    closeWhenNoModalWindow();
}

void TerminationSignals::closeWhenNoModalWindow() {
    // A modal box would keep the program running after the window has gone.
    // It is dismissed first, as if the user had declined it; the window
    // closes once the box's loop has ended (which may be inside the
    // window's own show, for the first-run message).
    if (QWidget* modal = QApplication::activeModalWidget()) {
        modal->hide();
        QTimer::singleShot(0, this, &TerminationSignals::closeWhenNoModalWindow);
        return;
    }
    window_.close();
}

} // namespace zorvik::gui
