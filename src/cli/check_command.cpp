#include <cstdio>

#include "cli/check_report_format.h"
#include "cli/commands.h"
#include "cli/companion_text.h"
#include "cli/data_output.h"
#include "cli/job_setup.h"
#include "core/check/collection_check.h"

namespace zorvik::cli {

namespace {

constexpr const char* kCheckAbout =
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
    "  --json                  print the report as one JSON object\n";

constexpr const char* kCheckResultHelp =
    "\n"
    "On a terminal, control characters in names and .def values are shown as\n"
    "\\xHH; a file or pipe gets them as they are, and the JSON escapes them.\n"
    "Exits with 0 when nothing was found, 3 when problems were found, 1 when\n"
    "the check failed or was stopped, 2 on bad usage.\n";

} // namespace

int runCheck(const std::vector<std::string>& words) {
    const CommandHelp command = jobCommand("check", kCheckAbout, kCheckResultHelp);
    CliArguments arguments;
    AppSettings settings;
    if (const auto ended = startJob(command, words, {}, {"--json"}, arguments, settings)) {
        return *ended;
    }
    if (settings.MainDir.empty()) {
        command.fail(companionText(kNoCharacterFolder));
        return kExitUsage;
    }
    std::string error;
    const auto file = catalogueToRead(arguments, error);
    if (!file) {
        return command.fail(error);
    }
    JobRun job(*file);
    // Standard output carries only the report.
    const CheckReport report = keepingTraceAside(arguments, [&] {
        return RunCollectionCheck({settings, job.catalogue, job.observer, job.cancel, {}, nullptr});
    });
    if (report.error) {
        return command.fail(companionText(*report.error));
    }
    const DataOutput out(stdout);
    out.write(arguments.has("--json") ? checkReportJson(report) : checkReportText(report, out));
    if (!report.completed) {
        return kExitFailure;
    }
    return report.problemsFound() ? kExitProblemsFound : kExitOk;
}

} // namespace zorvik::cli
