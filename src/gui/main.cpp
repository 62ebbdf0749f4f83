#include <cstdio>
#include <cstring>
#include <string>

#include <QApplication>

#include "core/platform/folders.h"
#include "core/settings/language.h"
#include "core/settings/settings_files.h"

#include "gui/app/program_icon.h"
#include "gui/app/program_translation.h"
#include "gui/app/shown_language.h"
#include "gui/platform/desktop_shell.h"
#include "gui/platform/file_dialogs.h"
#include "gui/platform/message_boxes.h"
#include "gui/platform/termination_signals.h"
#include "gui/window/main_window.h"

namespace {

constexpr const char* kHelp =
    "usage: zorvik [Qt options]\n"
    "\n"
    "Opens Zorvik's window, the catalogue of M.U.G.E.N characters; every command is\n"
    "in its menus. zorvik-cli works on the same settings and catalogue from the\n"
    "command line. Qt's own options (such as -platform NAME) are taken; see zorvik(1).\n"
    "\n"
    "options:\n"
    "  --help   this text\n";

// Answered before Qt starts, so that it needs no display.
bool asksForHelp(int argc, char* argv[]) {
    for (int i = 1; i < argc; ++i) {
        if (std::strcmp(argv[i], "--help") == 0 || std::strcmp(argv[i], "-h") == 0) {
            return true;
        }
    }
    return false;
}

// The language is read once, before any window is built: a change in the
// settings dialog takes effect at the next start.
zorvik::Language startLanguage(const zorvik::SettingsFolders& folders) {
    const zorvik::AppSettings stored = zorvik::SettingsFiles(folders).load();
    return zorvik::resolvedLanguage(stored.DisplayLanguage, zorvik::processEnvironment());
}

} // namespace

int main(int argc, char* argv[]) {
    if (asksForHelp(argc, argv)) {
        std::fputs(kHelp, stdout);
        return 0;
    }
    QApplication application(argc, argv);
    QApplication::setWindowIcon(zorvik::gui::programIcon());
    QGuiApplication::setDesktopFileName(QLatin1String(zorvik::gui::kDesktopId));
    zorvik::gui::MessageBoxes messages;
    zorvik::gui::DesktopShell shell;
    zorvik::gui::FileDialogs choosers;
    zorvik::Message error;
    const auto folders = zorvik::programSettingsFolders(zorvik::platform::currentFolder(), error);
    if (!folders) {
        // No settings to read: the locale chooses the language of the refusal.
        const zorvik::gui::ProgramTranslation translation(
            zorvik::resolvedLanguage(zorvik::Language::Automatic, zorvik::processEnvironment()));
        const QByteArray said = zorvik::gui::shownText(error).toLocal8Bit();
        std::fprintf(stderr, "zorvik: %s\n", said.constData());
        messages.show(error);
        return 1;
    }
    const zorvik::gui::ProgramTranslation translation(startLanguage(*folders));
    zorvik::gui::TForm1 form(messages, shell, choosers, *folders);
    zorvik::gui::TerminationSignals terminationSignals(form);
    form.show();
    return QApplication::exec();
}
