#include "gui/platform/message_boxes.h"

#include <QApplication>
#include <QMessageBox>
#include <QPushButton>
#include <QThread>

namespace zorvik::gui {

namespace {

// Runs a box on the UI thread: at once when called there, otherwise through
// the UI thread's event loop while the calling thread waits.
template <typename Function> auto onUiThread(Function function) {
    QCoreApplication* application = QCoreApplication::instance();
    if (QThread::currentThread() == application->thread()) {
        return function();
    }
    decltype(function()) answer{};
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

SaveChoice runSaveBox(const QString& question) {
    QMessageBox box(QMessageBox::NoIcon, QGuiApplication::applicationDisplayName(), question,
                    QMessageBox::Save | QMessageBox::Discard | QMessageBox::Cancel,
                    QApplication::activeWindow());
    box.button(QMessageBox::Save)->setText(MessageBoxes::tr("保存"));
    box.button(QMessageBox::Discard)->setText(MessageBoxes::tr("破棄"));
    box.button(QMessageBox::Cancel)->setText(MessageBoxes::tr("キャンセル"));
    box.setDefaultButton(QMessageBox::Save);
    // Escape and the title bar's close button cancel.
    box.setEscapeButton(QMessageBox::Cancel);
    box.exec();
    // Dismissed without an answer (the session ends), as a declined box is.
    if (box.clickedButton() == nullptr || box.clickedButton() == box.button(QMessageBox::Discard)) {
        return SaveChoice::Discard;
    }
    return box.clickedButton() == box.button(QMessageBox::Save) ? SaveChoice::Save
                                                                : SaveChoice::Cancel;
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

SaveChoice MessageBoxes::askToSave(const Message& question) {
    return onUiThread([question] { return runSaveBox(boxText(question)); });
}

} // namespace zorvik::gui
