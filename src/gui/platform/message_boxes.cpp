#include "gui/platform/message_boxes.h"

#include <QApplication>
#include <QMessageBox>
#include <QThread>

namespace zorvik::gui {

namespace {

// Runs a box on the UI thread: at once when called there, otherwise through
// the UI thread's event loop while the calling thread waits.
template <typename Function> bool onUiThread(Function function) {
    QCoreApplication* application = QCoreApplication::instance();
    if (QThread::currentThread() == application->thread()) {
        return function();
    }
    bool answer = false;
    QMetaObject::invokeMethod(application, function, Qt::BlockingQueuedConnection, &answer);
    return answer;
}

int runBox(const std::string& text, const QString& caption, QMessageBox::StandardButtons buttons) {
    QMessageBox box(QMessageBox::NoIcon, caption, QString::fromStdString(text), buttons,
                    QApplication::activeWindow());
    return box.exec();
}

} // namespace

void MessageBoxes::show(const std::string& text) {
    onUiThread([text] {
        runBox(text, QGuiApplication::applicationDisplayName(), QMessageBox::Ok);
        return true;
    });
}

bool MessageBoxes::askYesNo(const std::string& text, const std::string& caption) {
    return onUiThread([text, caption] {
        const QMessageBox::StandardButtons buttons = QMessageBox::Yes | QMessageBox::No;
        return runBox(text, QString::fromStdString(caption), buttons) == QMessageBox::Yes;
    });
}

} // namespace zorvik::gui
