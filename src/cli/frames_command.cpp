#include <filesystem>
#include <set>

#include "cli/catalogue_row.h"
#include "cli/cli_arguments.h"
#include "cli/command_setup.h"
#include "cli/commands.h"
#include "cli/frames_output.h"
#include "cli/frames_problem.h"
#include "cli/job_setup.h"
#include "core/catalogue/character_db.h"
#include "core/catalogue/character_records.h"
#include "core/discovery/standing_animation.h"
#include "core/settings/app_settings.h"
#include "core/settings/integer_text.h"

namespace zorvik::cli {

namespace {

constexpr const char* kFramesHelp =
    "usage: zorvik-cli frames (--id ID | --def FILE) [--action N] [options] OUTDIR\n"
    "\n"
    "Writes the frames of an action of a character's .air file (action 0, the\n"
    "standing animation, by default) to OUTDIR: frames.json, the frames in file\n"
    "order and the sprites they show, and GROUP_NUMBER.png, each sprite once as\n"
    "an RGBA image with colour 0 transparent. The exit code is 1 when the\n"
    "character, its .air, the action or a sprite is missing, or when the action\n"
    "is too large to show (more than 2048 frames, more than 1024 collision\n"
    "boxes in one list, or sprites taking more than 64 MB decoded).\n"
    "\n"
    "options:\n"
    "  --id ID          the catalogue's character with that ID (folder or archive)\n"
    "  --def FILE       the character whose .def file is FILE\n"
    "  --action N       the action to write (0 by default)\n"
    "  --db FILE        the catalogue file (instead of the program's db.sqlite3)\n"
    "  --main-dir DIR   the character folder (instead of MainDir of Settings.ini)\n"
    "  --temp-dir DIR   where archives are extracted (instead of TempDir)\n"
    "  --trace          show the archiver plug-ins' trace on standard error\n"
    "  --help           this text\n";

// The catalogue row's character; none (with the message) when there is no
// such row or no catalogue to read it from.
std::optional<CatalogueCharacter> catalogueCharacter(const CliArguments& arguments, std::int64_t id,
                                                     std::string& error) {
    // The catalogue in use: an installed build's is not in the current folder.
    const auto file = catalogueToRead(arguments, error);
    if (!file) {
        return std::nullopt;
    }
    Kel_CharacterDb catalogue(*file);
    return readCatalogueCharacter(catalogue, id, error);
}

ActionLoad loadFromCatalogue(const CliArguments& arguments, std::int64_t id, int action,
                             std::string& error) {
    AppSettings settings;
    if (!loadSettings(arguments, settings, error)) {
        return {};
    }
    const auto character = catalogueCharacter(arguments, id, error);
    return character ? LoadCatalogueAction(settings, *character, action) : ActionLoad{};
}

} // namespace

int runFrames(const std::vector<std::string>& words) {
    const CommandHelp command{"frames", kFramesHelp};
    CliArguments arguments;
    const std::set<std::string> options{"--id", "--def", "--action", "--db", "--main-dir", "--temp-dir"};
    if (const auto ended = readArguments(command, words, options, {"--help", "--trace"}, arguments)) {
        return *ended;
    }
    const auto idText = arguments.value("--id");
    const auto def = arguments.value("--def");
    const auto id = idText ? parseRecordId(*idText) : std::nullopt;
    const auto action = parseWholeInt(arguments.value("--action").value_or("0"));
    if (idText.has_value() == def.has_value() || (idText && !id) || !action ||
        arguments.positional().size() != 1) {
        return command.refuse("expected --id ID or --def FILE, a numeric --action and OUTDIR");
    }
    std::string error;
    // Standard output stays clean: an archive character's extraction traces there.
    const ActionLoad load = keepingTraceAside(arguments, [&] {
        return def ? LoadDefAction(*def, *action) : loadFromCatalogue(arguments, *id, *action, error);
    });
    if (!error.empty()) {
        return command.fail(error);
    }
    if (!load.loaded) {
        return command.fail(problemText(load, *action));
    }
    if (!writeFrames(*load.loaded, arguments.positional()[0], error)) {
        return command.fail(error);
    }
    return kExitOk;
}

} // namespace zorvik::cli
