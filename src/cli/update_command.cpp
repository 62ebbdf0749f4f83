#include <cstdio>

#include "cli/commands.h"
#include "cli/companion_text.h"
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
    "  --register-sprite 0|1   take portraits (instead of RegisterSprite)\n";

constexpr const char* kUpdateResultHelp =
    "\n"
    "Prints the counts line, then the number of characters newly found gone\n"
    "from the character folder (their rows are marked missing, DELETED = 2).\n"
    "When portraits are taken, a line follows with the number of portraits\n"
    "added to characters that had none (each is tried again only after its\n"
    "entry changes when taking it failed).\n"
    "When no character is found at all (an empty folder, a drive not mounted)\n"
    "nothing is marked, and a third line says so.\n"
    "Exits with 0 when the update completed, 1 when it failed, 2 on bad usage.\n";

} // namespace

int runUpdate(const std::vector<std::string>& words) {
    const CommandHelp command = jobCommand("update", kUpdateAbout, kUpdateResultHelp);
    CliArguments arguments;
    AppSettings settings;
    if (const auto ended =
            startJob(command, words, {"--register-sprite"}, {}, arguments, settings)) {
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
    return outcome.completed ? kExitOk : kExitFailure;
}

} // namespace zorvik::cli
