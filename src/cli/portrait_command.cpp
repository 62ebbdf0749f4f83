#include <cstdio>
#include <sqlite3.h>

#include "cli/cli_arguments.h"
#include "cli/commands.h"
#include "core/catalogue/character_db.h"
#include "core/catalogue/statement.h"
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
    "  --db FILE   the catalogue file (instead of ./db.sqlite3)\n"
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
    Kel_CharacterDb catalogue(arguments.value("--db").value_or(Kel_CharacterDb::kFileName));
    Statement query(catalogue.db(), "SELECT IMAGE FROM CHARACTER_TABLE WHERE ID=?");
    if (!query.isValid() || !query.bindInt(1, *id)) {
        return fail(catalogue.LastError());
    }
    const int code = query.step();
    if (code != SQLITE_ROW) {
        return fail(code == SQLITE_DONE ? "no character has the ID " + std::to_string(*id)
                                        : catalogue.LastError());
    }
    if (query.isNull(0)) {
        return fail("the character " + std::to_string(*id) + " has no portrait");
    }
    const std::string& file = arguments.positional()[1];
    if (!platform::writeFileAtomically(file, query.blobAt(0))) {
        return fail("cannot write " + file);
    }
    return kExitOk;
}

} // namespace zorvik::cli
