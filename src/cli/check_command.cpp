#include <cstdio>

#include "cli/check_report_format.h"
#include "cli/cli_arguments.h"
#include "cli/command_setup.h"
#include "cli/commands.h"
#include "cli/companion_text.h"
#include "cli/terminal_observer.h"
#include "core/catalogue/character_db.h"
#include "core/check/collection_check.h"
#include "core/platform/stdout_redirect.h"
#include "core/settings/app_settings.h"

namespace zorvik::cli {

namespace {

constexpr const char* kCheckHelp =
    "usage: zorvik-cli check [options]\n"
    "\n"
    "Looks through the catalogue for characters gone from the character\n"
    "folder, characters missing a file their .def names (looked for beside\n"
    "the .def, then in the data folder beside MugenExeFile), and duplicates:\n"
    "rows with the same NAME and AUTHOR (letter case and surrounding blanks\n"
    "ignored) and rows with the same portrait. Rows hidden by hand are left\n"
    "out. The catalogue is not changed.\n"
    "\n"
    "options:\n"
    "  --json           print the report as one JSON object\n"
    "  --main-dir DIR   the character folder (instead of MainDir)\n"
    "  --temp-dir DIR   where archives' .def files are extracted (instead of TempDir)\n"
    "  --subfolders 0|1 search group folders below the character folder\n"
    "                   (instead of SearchSubfolders)\n"
    "  --db FILE        the catalogue file (instead of the program's db.sqlite3)\n"
    "  --trace          show the archiver plug-ins' trace on standard error\n"
    "  --help           this text\n"
    "\n"
    "Exits with 0 when nothing was found, 3 when problems were found, 1 when\n"
    "the check failed or was stopped, 2 on bad usage.\n";

int usage(const std::string& error) {
    std::fprintf(stderr, "zorvik-cli check: %s\n%s", error.c_str(), kCheckHelp);
    return kExitUsage;
}

} // namespace

int runCheck(const std::vector<std::string>& words) {
    CliArguments arguments;
    std::string error;
    if (!arguments.parse(words, {"--main-dir", "--temp-dir", "--subfolders", "--db"},
                         {"--help", "--json", "--trace"},
                         error)) {
        return usage(error);
    }
    if (!arguments.positional().empty()) {
        return usage("unexpected argument");
    }
    if (arguments.has("--help")) {
        std::fputs(kCheckHelp, stdout);
        return kExitOk;
    }
    AppSettings settings;
    if (!loadSettings(arguments, settings, error)) {
        std::fprintf(stderr, "zorvik-cli check: %s\n", error.c_str());
        return kExitUsage;
    }
    if (settings.MainDir.empty()) {
        std::fprintf(stderr, "zorvik-cli check: %s\n", companionText(kNoCharacterFolder).c_str());
        return kExitUsage;
    }
    Kel_CharacterDb catalogue(catalogueFile(arguments));
    TerminalObserver observer(stderr);
    const std::atomic<bool>& cancel = cancelOnInterrupt();
    CheckReport report;
    {
        // Standard output carries only the report.
        const platform::StdoutRedirect redirect(
            arguments.has("--trace") ? platform::StdoutRedirect::kStandardError
                                     : platform::StdoutRedirect::kDiscard);
        report = RunCollectionCheck({settings, catalogue, observer, cancel, {}, nullptr});
    }
    if (report.error) {
        std::fprintf(stderr, "zorvik-cli check: %s\n", companionText(*report.error).c_str());
        return kExitFailure;
    }
    const std::string text =
        arguments.has("--json") ? checkReportJson(report) : checkReportText(report);
    std::fputs(text.c_str(), stdout);
    if (!report.completed) {
        return kExitFailure;
    }
    return report.problemsFound() ? kExitProblemsFound : kExitOk;
}

} // namespace zorvik::cli
