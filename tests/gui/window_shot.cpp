// Takes a picture of the real main window for a person to look at: run it
// in a virtual display (xvfb-run) from a folder holding db.sqlite3.
//   zorvik_window_shot OUTPUT.png [PROGRAM_FOLDER] [DELAY_MS]
// The program folder (Settings.ini, ColumnName, FighterList) defaults to the
// tool's own folder. The screen is grabbed around the window, so message
// boxes over it show too.
#include <QApplication>
#include <QScreen>
#include <QTimer>

#include "gui/mainwindow/main_window.h"
#include "gui/platform/desktop_shell.h"
#include "gui/platform/message_boxes.h"

int main(int argc, char* argv[]) {
    QApplication application(argc, argv);
    QApplication::setApplicationDisplayName(QStringLiteral("M.U.G.E.N character management tool"));
    const QStringList arguments = QApplication::arguments();
    if (arguments.size() < 2) {
        return 2;
    }
    const QString output = arguments[1];
    const std::string folder = arguments.size() > 2 ? arguments[2].toStdString()
                                                    : zorvik::platform::executableFolder();
    const int delay = arguments.size() > 3 ? arguments[3].toInt() : 1500;
    zorvik::gui::MessageBoxes messages;
    zorvik::gui::DesktopShell shell;
    zorvik::gui::TForm1 form(messages, shell, folder);
    bool saved = false;
    QTimer::singleShot(delay, &form, [&] {
        const QRect area = form.frameGeometry().adjusted(-8, -8, 8, 8);
        QScreen* screen = QGuiApplication::primaryScreen();
        saved = screen->grabWindow(0, area.x(), area.y(), area.width(), area.height()).save(output);
        form.close();
    });
    form.show();
    QApplication::exec();
    return saved ? 0 : 1;
}
