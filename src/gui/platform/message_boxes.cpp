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

// The messages in the language the program shows, through Qt's installed
// translators (the application room's shownText, which this room is below).
class TranslatedLanguage final : public TextLanguage {
public:
    std::string text(const char* context, const char* source) const override {
        return QCoreApplication::translate(context, source).toStdString();
    }
};

QString boxText(const Message& message) {
    return QString::fromStdString(messageText(message, TranslatedLanguage()));
}

int runBox(const Message& message, const QString& caption, QMessageBox::StandardButtons buttons) {
    QMessageBox box(QMessageBox::NoIcon, caption, boxText(message), buttons,
                    QApplication::activeWindow());
    return box.exec();
}

} // namespace

void MessageBoxes::show(const Message& message) {
    onUiThread([message] {
        runBox(message, QGuiApplication::applicationDisplayName(), QMessageBox::Ok);
        return true;
    });
}

bool MessageBoxes::askYesNo(const Message& question, const Message& caption) {
    return onUiThread([question, caption] {
        const QMessageBox::StandardButtons buttons = QMessageBox::Yes | QMessageBox::No;
        return runBox(question, boxText(caption), buttons) == QMessageBox::Yes;
    });
}

} // namespace zorvik::gui
