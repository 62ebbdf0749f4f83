#include "cli/catalogue_row.h"
#include "cli/cli_arguments.h"
#include "cli/command_setup.h"
#include "cli/commands.h"
#include "core/catalogue/character_db.h"
#include "core/catalogue/portrait_store.h"
#include "core/platform/file_io.h"
#include "core/settings/integer_text.h"

namespace zorvik::cli {

namespace {

constexpr const char* kPortraitHelp =
    "usage: zorvik-cli portrait [--db FILE] ID FILE\n"
    "\n"
    "Writes the portrait stored for the character with that ID (a PNG image)\n"
    "to FILE.\n"
    "\n"
    "options:\n"
    "  --db FILE   the catalogue file (instead of the program's db.sqlite3)\n"
    "  --help      this text\n";

} // namespace

int runPortrait(const std::vector<std::string>& words) {
    const CommandHelp command{"portrait", kPortraitHelp};
    CliArguments arguments;
    if (const auto ended = readArguments(command, words, {"--db"}, {"--help"}, arguments)) {
        return *ended;
    }
    const auto id =
        arguments.positional().empty() ? std::nullopt : parseWholeInt(arguments.positional()[0]);
    if (arguments.positional().size() != 2 || !id) {
        return command.refuse("expected a numeric ID and a file");
    }
    std::string error;
    const auto catalogueFile = catalogueToRead(arguments, error);
    if (!catalogueFile) {
        return command.fail(error);
    }
    Kel_CharacterDb catalogue(*catalogueFile);
    if (!readCatalogueCharacter(catalogue, *id, error)) {
        return command.fail(error);
    }
    const std::string idText = std::to_string(*id);
    const PortraitRead portrait = PortraitStore(catalogue).readById(*id);
    if (!portrait.opened) {
        return command.fail("the character " + idText + " has no portrait");
    }
    if (portrait.readFailed) {
        return command.fail("cannot read the portrait of the character " + idText + ": " +
                            catalogue.LastError());
    }
    const std::string& file = arguments.positional()[1];
    const std::string bytes(portrait.bytes.begin(), portrait.bytes.end());
    if (!platform::writeFileAtomically(file, bytes)) {
        return command.fail("cannot write " + file);
    }
    return kExitOk;
}

} // namespace zorvik::cli
