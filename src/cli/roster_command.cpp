#include <cstdio>

#include "cli/cli_arguments.h"
#include "cli/command_setup.h"
#include "cli/commands.h"
#include "cli/companion_text.h"
#include "cli/data_output.h"
#include "cli/list_selection.h"
#include "core/catalogue/character_db.h"
#include "core/roster/roster_export.h"
#include "core/settings/app_settings.h"
#include "core/settings/integer_text.h"

namespace zorvik::cli {

namespace {

std::string rosterHelp() {
    return std::string("usage: zorvik-cli roster [options] [FILE]\n"
                       "\n"
                       "Writes the engine's character roster, the [Characters] section of its\n"
                       "select.def, from the catalogue: one line per folder character, for the\n"
                       "characters the list shows with the given search and sort. The rest of\n"
                       "FILE stays as it was, in its encoding (UTF-8 or Shift-JIS; UTF-16 is\n"
                       "not supported), line endings and mode. Archive characters are left out\n"
                       "and listed. FILE defaults to data/select.def beside MugenExeFile\n"
                       "(Settings.ini).\n"
                       "\n"
                       "Backups: the first export keeps the old file as FILE.bak, which is never\n"
                       "replaced; later exports keep it as FILE.YYYYMMDD-HHMMSS.bak, the 10\n"
                       "newest of them. When FILE is a symbolic link, the file it leads to is\n"
                       "replaced and its backups lie beside that file, not beside the link; the\n"
                       "report names both. A read-only FILE or folder is refused, also for root.\n"
                       "An export waits up to 5 s for another one writing the same file.\n"
                       "\n"
                       "options:\n") +
           kSelectionHelp +
           "  --stage random|PATH  give every character a random stage or this stage\n"
           "  --order N         add order=N (0 to 10) to every line\n"
           "  --merge           keep the old lines of characters this export does not\n"
           "                    write (otherwise the section holds the export alone)\n"
           "  --main-dir DIR    the character folder (instead of MainDir)\n"
           "  --subfolders 0|1  as update and check take it (instead of SearchSubfolders);\n"
           "                    a character in a group folder is always written by\n"
           "                    its .def's path below the character folder\n"
           "  --db FILE         the catalogue file (instead of the program's db.sqlite3)\n"
           "  --help            this text\n"
           "\n"
           "Exits with 0 when the file was written, 1 when it was not, 2 on bad usage.\n";
}

bool readExtras(const CliArguments& arguments, RosterOptions& options, std::string& error) {
    if (const auto stage = arguments.value("--stage")) {
        options.stage = *stage == "random" ? RosterStage::Random : RosterStage::Fixed;
        options.stagePath = *stage == "random" ? "" : *stage;
    }
    if (const auto order = arguments.value("--order")) {
        options.order = parseWholeInt(*order);
        if (!options.order || *options.order < 0 || *options.order > kMaxRosterOrder) {
            error = "--order takes 0 to 10";
            return false;
        }
    }
    options.merge = arguments.has("--merge");
    return true;
}

void printCharacters(const char* what, const std::vector<RosterCharacter>& characters) {
    if (characters.empty()) {
        return;
    }
    std::printf("%s: %zu\n", what, characters.size());
    const DataOutput out(stdout);
    for (const RosterCharacter& character : characters) {
        out.write("  " + out.field(character.name) + " (" + out.field(character.fileName) + ")\n");
    }
}

void printReport(const RosterReport& report) {
    if (report.unchanged) {
        std::printf("%s already holds this roster: nothing written\n", report.target.c_str());
    } else {
        std::printf("wrote %zu lines to %s\n", report.linesWritten, report.target.c_str());
    }
    if (!report.linkPath.empty()) {
        std::printf("%s is a link to %s: that file was %s\n", report.linkPath.c_str(),
                    report.target.c_str(), report.unchanged ? "read" : "replaced");
    }
    if (report.linesKept > 0) {
        std::printf("kept %zu old lines\n", report.linesKept);
    }
    if (!report.backupPath.empty()) {
        std::printf("old file kept as %s\n", report.backupPath.c_str());
    }
    printCharacters("archives left out", report.archivesLeftOut);
    printCharacters("no .def with a Name found", report.defNotFound);
    printCharacters("names a select.def line cannot hold", report.notNameable);
}

} // namespace

int runRoster(const std::vector<std::string>& words) {
    const CommandHelp command{"roster", rosterHelp()};
    CliArguments arguments;
    std::set<std::string> valueOptions = kSelectionValueOptions;
    valueOptions.insert({"--stage", "--order", "--main-dir", "--subfolders", "--db"});
    if (const auto ended = readArguments(command, words, valueOptions,
                                         {kSelectionFlag, "--merge", "--help"}, arguments)) {
        return *ended;
    }
    ListCriteria criteria;
    RosterOptions options;
    std::string error;
    if (!readListSelection(arguments, criteria, error) || !readExtras(arguments, options, error)) {
        return command.refuse(error);
    }
    if (arguments.positional().size() > 1) {
        return command.refuse("expected at most one FILE");
    }
    AppSettings settings = programSettings();
    if (!readSubfoldersOption(arguments, settings, error)) {
        return command.refuse(error);
    }
    options.target = arguments.positional().empty() ? defaultRosterTarget(settings.MugenExeFile)
                                                    : arguments.positional()[0];
    if (options.target.empty()) {
        return command.refuse("no FILE given and no MugenExeFile in Settings.ini");
    }
    const auto file = catalogueToRead(arguments, error);
    if (!file) {
        return command.fail(error);
    }
    Kel_CharacterDb catalogue(*file);
    const RosterReport report = ExportRoster(
        catalogue, arguments.value("--main-dir").value_or(settings.MainDir), criteria, options);
    if (!report.succeeded()) {
        command.fail(companionText(report.errorText));
        return report.error == RosterError::BadOptions ? kExitUsage : kExitFailure;
    }
    printReport(report);
    return kExitOk;
}

} // namespace zorvik::cli
