#include <cstdio>

#include "cli/cli_language.h"
#include "cli/commands.h"
#include "cli/companion_text.h"
#include "cli/job_setup.h"
#include "cli/list_selection.h"
#include "core/discovery/portrait_recapture.h"

namespace zorvik::cli {

namespace {

// %1: the program's menu item, in the language shown.
constexpr const char* kPortraitsAbout =
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
    "  --all                   every character the program's list shows\n";

constexpr const char* kPortraitsResultHelp =
    "\n"
    "Prints one line of counts: portraits taken, kept as replaced by hand, not\n"
    "taken (no such sprite), and characters not found in the character folder.\n"
    "A write the catalogue refuses (a full disk, a read-only file) stops it,\n"
    "with the catalogue's reason.\n"
    "Exits with 0 when it completed, 1 when it failed or was stopped (what was\n"
    "stored before stays), 2 on bad usage.\n";

std::string portraitsAbout() {
    const std::string menuItem =
        cliText(ZORVIK_TEXT("zorvik::cli", "ツール → ポートレートを取り込み直す"));
    return withArguments(kPortraitsAbout, {menuItem});
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
    const CommandHelp command =
        jobCommand("portraits", portraitsAbout(), kPortraitsResultHelp);
    CliArguments arguments;
    AppSettings settings;
    if (const auto ended = startJob(command, words, {"--search", "--column", "--mode"}, {"--all"},
                                    arguments, settings)) {
        return *ended;
    }
    ListSearch search;
    std::string error;
    if (!readChoice(arguments, search, error)) {
        return command.refuse(error);
    }
    JobRun job(catalogueFile(arguments));
    const RecaptureOutcome outcome = keepingTraceAside(arguments, [&] {
        return RunPortraitRecapture(
            {settings, job.catalogue, job.observer, job.cancel, search, {}, nullptr});
    });
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
