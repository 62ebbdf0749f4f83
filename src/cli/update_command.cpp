#include <atomic>
#include <cstdio>
#include <csignal>
#include <unistd.h>

#include "cli/cli_arguments.h"
#include "cli/commands.h"
#include "cli/terminal_observer.h"
#include "core/catalogue/character_db.h"
#include "core/discovery/list_update.h"
#include "core/platform/stdout_redirect.h"
#include "core/settings/app_settings.h"
#include "core/settings/ini_handler.h"

namespace zorvik::cli {

namespace {

constexpr const char* kUpdateHelp =
    "usage: zorvik-cli update [options]\n"
    "\n"
    "Brings the catalogue in line with the character folder, as the program's\n"
    "list update does, with the program's settings (Settings.ini beside the\n"
    "executable) and catalogue (db.sqlite3 in the current folder).\n"
    "\n"
    "options:\n"
    "  --main-dir DIR          the character folder (instead of MainDir)\n"
    "  --temp-dir DIR          where archives are extracted (instead of TempDir)\n"
    "  --register-sprite 0|1   take portraits (instead of RegisterSprite)\n"
    "  --db FILE               the catalogue file (instead of ./db.sqlite3)\n"
    "  --trace                 show the archiver plug-ins' trace on standard error\n"
    "  --help                  this text\n"
    "\n"
    "Exits with 0 when the update completed, 1 when it failed, 2 on bad usage.\n";

// Ctrl+C stops the update after the character in hand; what was written stays.
std::atomic<bool> cancelRequested{false};

extern "C" void requestCancel(int) {
    cancelRequested.store(true);
}

bool parseSwitch(const std::string& text, bool& value) {
    if (text == "1" || text == "on" || text == "yes" || text == "true") {
        value = true;
    } else if (text == "0" || text == "off" || text == "no" || text == "false") {
        value = false;
    } else {
        return false;
    }
    return true;
}

bool loadSettings(const CliArguments& arguments, AppSettings& settings, std::string& error) {
    Kel_IniHandler store("Settings.ini");
    readGeneralSettings(store, settings);
    settings.MainDir = arguments.value("--main-dir").value_or(settings.MainDir);
    settings.TempDir = arguments.value("--temp-dir").value_or(settings.TempDir);
    if (const auto sprite = arguments.value("--register-sprite")) {
        if (!parseSwitch(*sprite, settings.RegisterSprite)) {
            error = "--register-sprite takes 0 or 1";
            return false;
        }
    }
    if (!fillTemporaryFolder(settings)) {
        error = "一時ディレクトリを設定できません";
        return false;
    }
    return true;
}

} // namespace

int runUpdate(const std::vector<std::string>& words) {
    CliArguments arguments;
    std::string error;
    if (!arguments.parse(words, {"--main-dir", "--temp-dir", "--register-sprite", "--db"},
                         {"--help", "--trace"}, error) ||
        !arguments.positional().empty()) {
        std::fprintf(stderr, "zorvik-cli update: %s\n%s",
                     error.empty() ? "unexpected argument" : error.c_str(), kUpdateHelp);
        return kExitUsage;
    }
    if (arguments.has("--help")) {
        std::fputs(kUpdateHelp, stdout);
        return kExitOk;
    }
    AppSettings settings;
    if (!loadSettings(arguments, settings, error)) {
        std::fprintf(stderr, "zorvik-cli update: %s\n", error.c_str());
        return kExitUsage;
    }
    Kel_CharacterDb catalogue(arguments.value("--db").value_or(Kel_CharacterDb::kFileName));
    TerminalObserver observer(stderr);
    StderrMessages messages(observer);
    std::signal(SIGINT, requestCancel);
    std::signal(SIGTERM, requestCancel);
    ListUpdateOutcome outcome;
    {
        // Standard output carries only the counts line; the plug-ins' trace
        // goes to standard error when asked for, else nowhere.
        const platform::StdoutRedirect redirect(
            arguments.has("--trace") ? STDERR_FILENO : platform::StdoutRedirect::kDiscard);
        outcome =
            RunListUpdate({settings, catalogue, messages, observer, cancelRequested, {}, nullptr});
    }
    if (!outcome.listed) {
        return kExitFailure;
    }
    std::printf("%s\n", outcome.countsText().c_str());
    return outcome.completed ? kExitOk : kExitFailure;
}

} // namespace zorvik::cli
