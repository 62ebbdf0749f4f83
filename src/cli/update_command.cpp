#include <atomic>
#include <cstdio>

#include "cli/cli_arguments.h"
#include "cli/command_setup.h"
#include "cli/commands.h"
#include "cli/companion_text.h"
#include "cli/terminal_observer.h"
#include "core/catalogue/character_db.h"
#include "core/discovery/list_update.h"
#include "core/discovery/missing_characters.h"
#include "core/platform/stdout_redirect.h"
#include "core/settings/app_settings.h"

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
    "  --subfolders 0|1        search group folders below the character folder\n"
    "                          (instead of SearchSubfolders)\n"
    "  --db FILE               the catalogue file (instead of the program's db.sqlite3)\n"
    "  --trace                 show the archiver plug-ins' trace on standard error\n"
    "  --verbose               name each entry that could not be read\n"
    "  --help                  this text\n"
    "\n"
    "Prints the counts line (with the characters moved, when a character was\n"
    "found at a new place and its row followed it), then the number of\n"
    "characters newly found gone from the character folder (their rows are\n"
    "marked missing, DELETED = 2).\n"
    "When portraits are taken, a line follows with the number of portraits\n"
    "added to characters that had none (each is tried again only after its\n"
    "entry changes when taking it failed).\n"
    "When no character is found at all (an empty folder, a drive not mounted)\n"
    "nothing is marked, and a line says so. Lines follow, when there are any,\n"
    "for rows gone that more than one new entry matched (not moved), for\n"
    "names shown with their bytes because they would read like another, for\n"
    "each folder that could not be read (nothing below it is marked), and\n"
    "with the number of entries that could not be read.\n"
    "Exits with 0 when the update completed and read every entry, 3 when it\n"
    "completed but could not read some entries, 1 when it failed or was\n"
    "stopped (what was written before stays), 2 on bad usage.\n";

// The lines after the counts, and with --verbose the entries not read.
void printRemarks(const ListUpdateOutcome& outcome, bool verbose) {
    for (const Message& remark : outcome.remarks()) {
        std::printf("%s\n", companionText(remark).c_str());
    }
    if (verbose) {
        for (const std::string& entry : outcome.unreadable) {
            std::printf("  %s\n", entry.c_str());
        }
    }
}

int exitCode(const ListUpdateOutcome& outcome) {
    if (outcome.cancelled) {
        std::fprintf(stderr, "zorvik-cli: %s\n",
                     companionText(Message::of(MessageKind::JobStopped)).c_str());
    }
    if (!outcome.completed) {
        return kExitFailure;
    }
    return outcome.skippedEntries() ? kExitEntriesSkipped : kExitOk;
}

} // namespace

int runUpdate(const std::vector<std::string>& words) {
    CliArguments arguments;
    std::string error;
    if (!arguments.parse(words, {"--main-dir", "--temp-dir", "--register-sprite", "--subfolders", "--db"},
                         {"--help", "--trace", "--verbose"}, error) ||
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
    // Ctrl+C stops the update after the character in hand; what was written
    // stays. Caught before the catalogue is opened (which may write already).
    const std::atomic<bool>& cancel = cancelOnInterrupt();
    Kel_CharacterDb catalogue(catalogueFile(arguments));
    // Shows the progress, and the messages and questions too.
    TerminalObserver observer(stderr);
    ListUpdateOutcome outcome;
    {
        // Standard output carries only the counts line; the plug-ins' trace
        // goes to standard error when asked for, else nowhere.
        const platform::StdoutRedirect redirect(
            arguments.has("--trace") ? platform::StdoutRedirect::kStandardError
                                     : platform::StdoutRedirect::kDiscard);
        outcome = RunListUpdate({settings, catalogue, observer, observer, cancel, {}, nullptr});
    }
    if (!outcome.listed) {
        return kExitFailure;
    }
    std::printf("%s\n%s\n", companionText(outcome.countsText()).c_str(),
                companionText(missingCountText(outcome.missing)).c_str());
    if (outcome.portraitsTaken) {
        std::printf("%s\n", companionText(portraitCountText(outcome.portraits)).c_str());
    }
    if (outcome.nothingListed) {
        std::printf("%s\n", companionText(nothingListedText()).c_str());
    }
    printRemarks(outcome, arguments.has("--verbose"));
    return exitCode(outcome);
}

} // namespace zorvik::cli
