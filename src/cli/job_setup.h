#pragma once

#include <atomic>
#include <optional>
#include <set>
#include <string>
#include <vector>

#include "cli/cli_arguments.h"
#include "cli/command_setup.h"
#include "cli/terminal_observer.h"
#include "core/catalogue/character_db.h"
#include "core/platform/stdout_redirect.h"
#include "core/settings/app_settings.h"

namespace zorvik::cli {

// The options that the catalogue's jobs (update, check, portraits) take
// alike, and their help lines.
inline const std::set<std::string> kJobValueOptions = {"--main-dir", "--temp-dir", "--subfolders",
                                                       "--db"};
inline const std::set<std::string> kJobFlags = {"--help", "--trace"};
inline constexpr const char* kJobOptionsHelp =
    "  --main-dir DIR          the character folder (instead of MainDir)\n"
    "  --temp-dir DIR          where archives are extracted (instead of TempDir)\n"
    "  --subfolders 0|1        search group folders below the character folder\n"
    "                          (instead of SearchSubfolders)\n"
    "  --db FILE               the catalogue file (instead of the program's db.sqlite3)\n"
    "  --trace                 show the archiver plug-ins' trace on standard error\n"
    "  --help                  this text\n";

// A job's command: its help is what it does and its own options (about),
// the job options, then what it prints and its exit codes (results).
CommandHelp jobCommand(const char* name, const std::string& about, const char* results);

// The start a job's command shares: its words read with the job options
// and its own, --help answered, no positional word, and the program's
// settings with the options over them. Returns the exit code when the
// command ends here, none to go on.
std::optional<int> startJob(const CommandHelp& command, const std::vector<std::string>& words,
                            const std::set<std::string>& ownValueOptions,
                            const std::set<std::string>& ownFlags, CliArguments& arguments,
                            AppSettings& settings);

// What a job runs with: the catalogue, its progress on standard error
// (questions answered No), and Ctrl+C, which stops it after the character
// in hand.
struct JobRun {
    explicit JobRun(const std::string& catalogueFile) : catalogue(catalogueFile) {}

    Kel_CharacterDb catalogue;
    TerminalObserver observer{stderr};
    const std::atomic<bool>& cancel = cancelOnInterrupt();
};

// Runs work with standard output kept for the command's own result: the
// archiver plug-ins trace there, so the trace goes to standard error with
// --trace, else nowhere.
template <typename Work> auto keepingTraceAside(const CliArguments& arguments, Work&& work) {
    const platform::StdoutRedirect redirect(arguments.has("--trace")
                                                ? platform::StdoutRedirect::kStandardError
                                                : platform::StdoutRedirect::kDiscard);
    return work();
}

} // namespace zorvik::cli
