#include <cstdio>

#include "cli/commands.h"
#include "cli/companion_text.h"
#include "cli/data_output.h"
#include "cli/job_setup.h"
#include "core/discovery/list_update.h"
#include "core/discovery/missing_characters.h"

namespace zorvik::cli {

namespace {

constexpr const char* kUpdateAbout =
    "usage: zorvik-cli update [options]\n"
    "\n"
    "Brings the catalogue in line with the character folder, as the program's\n"
    "list update does, with the program's settings (Settings.ini beside the\n"
    "executable) and catalogue (db.sqlite3 in the current folder).\n"
    "\n"
    "options:\n"
    "  --register-sprite 0|1   take portraits (instead of RegisterSprite)\n"
    "  --verbose               name each entry that could not be read\n";

constexpr const char* kUpdateResultHelp =
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
        const DataOutput out(stdout);
        for (const std::string& entry : outcome.unreadable) {
            out.write("  " + out.field(entry) + "\n");
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
    const CommandHelp command = jobCommand("update", kUpdateAbout, kUpdateResultHelp);
    CliArguments arguments;
    AppSettings settings;
    if (const auto ended =
            startJob(command, words, {"--register-sprite"}, {"--verbose"}, arguments, settings)) {
        return *ended;
    }
    JobRun job(catalogueFile(arguments));
    // Standard output carries only the counts line.
    const ListUpdateOutcome outcome = keepingTraceAside(arguments, [&] {
        return RunListUpdate(
            {settings, job.catalogue, job.observer, job.observer, job.cancel, {}, nullptr});
    });
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
