#include <QApplication>

#include "gui/app/program_icon.h"
#include "gui/platform/desktop_shell.h"
#include "gui/platform/file_dialogs.h"
#include "gui/platform/message_boxes.h"
#include "gui/platform/termination_signals.h"
#include "gui/window/main_window.h"

int main(int argc, char* argv[]) {
    QApplication application(argc, argv);
    QApplication::setApplicationDisplayName(QStringLiteral("M.U.G.E.N character management tool"));
    QApplication::setWindowIcon(zorvik::gui::programIcon());
    QGuiApplication::setDesktopFileName(QLatin1String(zorvik::gui::kDesktopId));
    zorvik::gui::MessageBoxes messages;
    zorvik::gui::DesktopShell shell;
    zorvik::gui::FileDialogs choosers;
    zorvik::gui::TForm1 form(messages, shell, choosers);
    zorvik::gui::TerminationSignals terminationSignals(form);
    form.show();
    return QApplication::exec();
}
