#include <cstdio>

#include "cli/cli_arguments.h"
#include "cli/command_setup.h"
#include "cli/commands.h"
#include "core/catalogue/character_db.h"
#include "core/catalogue/character_records.h"
#include "core/catalogue/columns.h"
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

int fail(const std::string& message) {
    std::fprintf(stderr, "zorvik-cli portrait: %s\n", message.c_str());
    return kExitFailure;
}

} // namespace

int runPortrait(const std::vector<std::string>& words) {
    CliArguments arguments;
    std::string error;
    const bool parsed = arguments.parse(words, {"--db"}, {"--help"}, error);
    if (parsed && arguments.has("--help")) {
        std::fputs(kPortraitHelp, stdout);
        return kExitOk;
    }
    const auto id =
        arguments.positional().empty() ? std::nullopt : parseWholeInt(arguments.positional()[0]);
    if (!parsed || arguments.positional().size() != 2 || !id) {
        std::fprintf(stderr, "zorvik-cli portrait: %s\n%s",
                     error.empty() ? "expected a numeric ID and a file" : error.c_str(),
                     kPortraitHelp);
        return kExitUsage;
    }
    Kel_CharacterDb catalogue(catalogueFile(arguments));
    const std::string idText = std::to_string(*id);
    if (!CharacterRecords(catalogue).columnText(*id, kIdColumn)) {
        return fail("no character has the ID " + idText);
    }
    const PortraitRead portrait = PortraitStore(catalogue).readById(*id);
    if (!portrait.opened) {
        return fail("the character " + idText + " has no portrait");
    }
    if (portrait.readFailed) {
        return fail("cannot read the portrait of the character " + idText + ": " +
                    catalogue.LastError());
    }
    const std::string& file = arguments.positional()[1];
    const std::string bytes(portrait.bytes.begin(), portrait.bytes.end());
    if (!platform::writeFileAtomically(file, bytes)) {
        return fail("cannot write " + file);
    }
    return kExitOk;
}

} // namespace zorvik::cli
