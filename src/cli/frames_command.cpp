#include <cstdio>
#include <filesystem>
#include <set>

#include "cli/cli_arguments.h"
#include "cli/command_setup.h"
#include "cli/commands.h"
#include "cli/frames_output.h"
#include "cli/frames_problem.h"
#include "core/catalogue/character_db.h"
#include "core/catalogue/character_records.h"
#include "core/catalogue/columns.h"
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
    "  --help           this text\n";

int usage(const std::string& error) {
    std::fprintf(stderr, "zorvik-cli frames: %s\n%s", error.c_str(), kFramesHelp);
    return kExitUsage;
}

int fail(const std::string& message) {
    std::fprintf(stderr, "zorvik-cli frames: %s\n", message.c_str());
    return kExitFailure;
}

// The catalogue row's character; none (with the message) when there is no such row.
std::optional<CatalogueCharacter> catalogueCharacter(const CliArguments& arguments, std::int64_t id,
                                                     std::string& error) {
    // The catalogue in use: an installed build's is not in the current folder.
    Kel_CharacterDb catalogue(catalogueFile(arguments));
    CharacterRecords records(catalogue);
    const auto fileName = records.columnText(id, kFileNameColumn);
    const auto fileType = records.columnText(id, kFileTypeColumn);
    const auto type = fileType ? parseWholeInt(*fileType) : std::nullopt;
    if (!fileName || !type) {
        error = "no character has the ID " + std::to_string(id);
        return std::nullopt;
    }
    return CatalogueCharacter{*fileName, *type};
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
    CliArguments arguments;
    std::string error;
    const std::set<std::string> options{"--id", "--def", "--action", "--db", "--main-dir", "--temp-dir"};
    if (!arguments.parse(words, options, {"--help"}, error)) {
        return usage(error);
    }
    if (arguments.has("--help")) {
        std::fputs(kFramesHelp, stdout);
        return kExitOk;
    }
    const auto idText = arguments.value("--id");
    const auto def = arguments.value("--def");
    const auto id = idText ? parseRecordId(*idText) : std::nullopt;
    const auto action = parseWholeInt(arguments.value("--action").value_or("0"));
    if (idText.has_value() == def.has_value() || (idText && !id) || !action ||
        arguments.positional().size() != 1) {
        return usage("expected --id ID or --def FILE, a numeric --action and OUTDIR");
    }
    const ActionLoad load = def ? LoadDefAction(*def, *action) : loadFromCatalogue(arguments, *id, *action, error);
    if (!error.empty()) {
        return fail(error);
    }
    if (!load.loaded) {
        return fail(problemText(load, *action));
    }
    if (!writeFrames(*load.loaded, arguments.positional()[0], error)) {
        return fail(error);
    }
    return kExitOk;
}

} // namespace zorvik::cli
