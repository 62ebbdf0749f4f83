#include <QApplication>

#include "core/settings/language.h"
#include "core/settings/settings_files.h"
#include "gui/app/program_translation.h"
#include "gui/platform/desktop_shell.h"
#include "gui/platform/file_dialogs.h"
#include "gui/platform/message_boxes.h"
#include "gui/platform/termination_signals.h"
#include "gui/window/main_window.h"

namespace {

// The language is read once, before any window is built: a change in the
// settings dialog takes effect at the next start.
zorvik::Language startLanguage() {
    const zorvik::AppSettings stored =
        zorvik::SettingsFiles(zorvik::SettingsFolders::portable()).load();
    return zorvik::resolvedLanguage(stored.DisplayLanguage, zorvik::processEnvironment());
}

} // namespace

int main(int argc, char* argv[]) {
    QApplication application(argc, argv);
    const zorvik::gui::ProgramTranslation translation(startLanguage());
    QApplication::setApplicationDisplayName(QStringLiteral("M.U.G.E.N character management tool"));
    zorvik::gui::MessageBoxes messages;
    zorvik::gui::DesktopShell shell;
    zorvik::gui::FileDialogs choosers;
    zorvik::gui::TForm1 form(messages, shell, choosers);
    zorvik::gui::TerminationSignals terminationSignals(form);
    form.show();
    return QApplication::exec();
}
