#include <cstdio>

#include "cli/cli_arguments.h"
#include "cli/cli_language.h"
#include "cli/command_setup.h"
#include "cli/commands.h"
#include "cli/companion_text.h"
#include "cli/list_selection.h"
#include "cli/terminal_observer.h"
#include "core/catalogue/character_db.h"
#include "core/discovery/portrait_recapture.h"
#include "core/platform/stdout_redirect.h"
#include "core/settings/app_settings.h"

namespace zorvik::cli {

namespace {

// %1: the program's menu item, in the language shown.
constexpr const char* kPortraitsHelp =
    "usage: zorvik-cli portraits (--search TEXT [--column COLUMN] [--mode MODE] | --all)\n"
    "                            [options]\n"
    "\n"
    "Takes the portraits of the chosen characters again from their sprite files,\n"
    "with the portrait numbers of the settings (RegisterGroup, RegisterImage),\n"
    "as the program's %1 does for the rows its\n"
    "list shows. Portraits that were replaced from a file in the program are\n"
    "kept; a character whose sprite cannot be taken keeps its portrait.\n"
    "Either --search or --all is needed, so that a bare command does not\n"
    "replace every portrait by accident.\n"
    "\n"
    "options:\n"
    "  --search TEXT           only characters whose search column matches TEXT\n"
    "                          (% and _ are wildcards, as in the program)\n"
    "  --column COLUMN         the search column, by name or index (default NAME)\n"
    "  --mode MODE             exact, begins, ends or contains (default contains)\n"
    "  --all                   every character the program's list shows\n"
    "  --main-dir DIR          the character folder (instead of MainDir)\n"
    "  --temp-dir DIR          where archives are extracted (instead of TempDir)\n"
    "  --subfolders 0|1        search group folders below the character folder\n"
    "                          (instead of SearchSubfolders)\n"
    "  --db FILE               the catalogue file (instead of the program's db.sqlite3)\n"
    "  --trace                 show the archiver plug-ins' trace on standard error\n"
    "  --help                  this text\n"
    "\n"
    "Prints one line of counts: portraits taken, kept as replaced by hand, not\n"
    "taken (no such sprite), and characters not found in the character folder.\n"
    "A write the catalogue refuses (a full disk, a read-only file) stops it,\n"
    "with the catalogue's reason.\n"
    "Exits with 0 when it completed, 1 when it failed or was stopped (what was\n"
    "stored before stays), 2 on bad usage.\n";

std::string portraitsHelp() {
    const std::string menuItem =
        cliText(ZORVIK_TEXT("zorvik::cli", "ツール → ポートレートを取り込み直す"));
    return withArguments(kPortraitsHelp, {menuItem});
}

int usage(const std::string& error) {
    std::fprintf(stderr, "zorvik-cli portraits: %s\n%s", error.c_str(),
                 portraitsHelp().c_str());
    return kExitUsage;
}

// The search of the rows to take again; false with an error when the
// arguments choose no rows or both ways at once.
bool readChoice(const CliArguments& arguments, ListSearch& search, std::string& error) {
    const auto text = arguments.value("--search");
    if (arguments.has("--all") == text.has_value()) {
        error = text ? "--search and --all exclude each other"
                     : "say which characters: --search TEXT or --all";
        return false;
    }
    if (text && text->empty()) {
        error = "--search needs a text (--all takes every character)";
        return false;
    }
    ListCriteria criteria;
    if (!readListSelection(arguments, criteria, error)) {
        return false;
    }
    search = criteria.search;
    return true;
}

} // namespace

int runPortraits(const std::vector<std::string>& words) {
    CliArguments arguments;
    std::string error;
    if (!arguments.parse(
            words,
            {"--search", "--column", "--mode", "--main-dir", "--temp-dir", "--subfolders", "--db"},
            {"--all", "--help", "--trace"}, error)) {
        return usage(error);
    }
    if (arguments.has("--help")) {
        std::fputs(portraitsHelp().c_str(), stdout);
        return kExitOk;
    }
    ListSearch search;
    AppSettings settings;
    if (!arguments.positional().empty()) {
        return usage("unexpected argument");
    }
    if (!readChoice(arguments, search, error) || !loadSettings(arguments, settings, error)) {
        return usage(error);
    }
    // Ctrl+C stops after the character in hand; what was stored stays.
    const std::atomic<bool>& cancel = cancelOnInterrupt();
    Kel_CharacterDb catalogue(catalogueFile(arguments));
    TerminalObserver observer(stderr);
    RecaptureOutcome outcome;
    {
        const platform::StdoutRedirect redirect(arguments.has("--trace")
                                                    ? platform::StdoutRedirect::kStandardError
                                                    : platform::StdoutRedirect::kDiscard);
        outcome =
            RunPortraitRecapture({settings, catalogue, observer, cancel, search, {}, nullptr});
    }
    if (!outcome.listed) {
        return kExitFailure;
    }
    std::printf("%s\n", companionText(outcome.countsText()).c_str());
    if (outcome.cancelled) {
        std::fprintf(stderr, "zorvik-cli: %s\n",
                     companionText(Message::of(MessageKind::JobStopped)).c_str());
    }
    return outcome.completed ? kExitOk : kExitFailure;
}

} // namespace zorvik::cli
