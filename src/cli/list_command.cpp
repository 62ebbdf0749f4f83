#include <cstdio>
#include <map>

#include "cli/cli_arguments.h"
#include "cli/commands.h"
#include "cli/line_field.h"
#include "core/catalogue/character_db.h"
#include "core/catalogue/character_list_query.h"
#include "core/settings/app_settings.h"
#include "core/settings/ini_handler.h"
#include "core/settings/integer_text.h"

namespace zorvik::cli {

namespace {

constexpr const char* kListHelp =
    "usage: zorvik-cli list [options]\n"
    "\n"
    "Prints the catalogue's characters as tab-separated text: a header line,\n"
    "then one line per character, with the columns the program's list shows\n"
    "(ColumnOrder in Settings.ini beside the executable).\n"
    "\n"
    "options:\n"
    "  --search TEXT     only characters whose search column matches TEXT\n"
    "                    (% and _ are wildcards, as in the program)\n"
    "  --column COLUMN   the search column, by name or index (default NAME)\n"
    "  --mode MODE       exact, begins, ends or contains (default contains)\n"
    "  --sort COLUMN     sort by this column, by name or index\n"
    "  --desc            sort descending\n"
    "  --db FILE         the catalogue file (instead of ./db.sqlite3)\n"
    "  --help            this text\n";

// A column given by its catalogue name (any case) or its index 0..14.
std::optional<int> columnFromText(const std::string& text) {
    if (const auto index = parseWholeInt(text)) {
        return (*index >= 0 && *index < 15) ? index : std::nullopt;
    }
    for (std::size_t i = 0; i < 15; ++i) {
        std::string name = ColumnSqlNames[i];
        if (name.size() == text.size() &&
            std::equal(name.begin(), name.end(), text.begin(), [](char a, char b) {
                return a == std::toupper(static_cast<unsigned char>(b));
            })) {
            return static_cast<int>(i);
        }
    }
    return std::nullopt;
}

std::optional<MatchMode> modeFromText(const std::string& text) {
    static const std::map<std::string, MatchMode> modes = {{"exact", MatchMode::Exact},
                                                           {"begins", MatchMode::BeginsWith},
                                                           {"ends", MatchMode::EndsWith},
                                                           {"contains", MatchMode::Contains}};
    const auto it = modes.find(text);
    return it == modes.end() ? std::nullopt : std::optional<MatchMode>(it->second);
}

void printRows(const std::vector<int>& columns, const Kel_QueryResult& rows) {
    std::string line = "ID";
    for (const int column : columns) {
        line += std::string("\t") + ColumnSqlNames[static_cast<std::size_t>(column)];
    }
    std::printf("%s\n", line.c_str());
    for (std::size_t row = 0; row < rows.rowCount(); ++row) {
        line = std::to_string(rows.integerAt(0, row));
        for (std::size_t column = 1; column < rows.columnCount(); ++column) {
            line += "\t" + lineField(rows.textAt(column, row));
        }
        std::printf("%s\n", line.c_str());
    }
}

int usage(const std::string& error) {
    std::fprintf(stderr, "zorvik-cli list: %s\n%s", error.c_str(), kListHelp);
    return kExitUsage;
}

} // namespace

int runList(const std::vector<std::string>& words) {
    CliArguments arguments;
    std::string error;
    if (!arguments.parse(words, {"--search", "--column", "--mode", "--sort", "--db"},
                         {"--desc", "--help"}, error)) {
        return usage(error);
    }
    if (arguments.has("--help")) {
        std::fputs(kListHelp, stdout);
        return kExitOk;
    }
    const auto column = columnFromText(arguments.value("--column").value_or("NAME"));
    const auto mode = modeFromText(arguments.value("--mode").value_or("contains"));
    const auto sort = arguments.value("--sort");
    const auto sortColumn = sort ? columnFromText(*sort) : std::nullopt;
    if (!column || !mode || (sort && !sortColumn) || !arguments.positional().empty()) {
        return usage("bad column, mode or argument");
    }
    AppSettings settings;
    Kel_IniHandler store("Settings.ini");
    readColumnOrder(store, settings.ColumnOrder);
    const std::vector<int> columns = shownColumns(settings.ColumnOrder);
    const std::string order =
        sortColumn ? makeOrderClause(*sortColumn, arguments.has("--desc") ? "DESC" : "ASC") : "";
    const CharacterListQuery query = makeCharacterListQuery(
        columns, makeListFilter(*column, arguments.value("--search").value_or(""), *mode), order);
    Kel_CharacterDb catalogue(arguments.value("--db").value_or(Kel_CharacterDb::kFileName));
    const auto rows = catalogue.Select(query.sql, query.columnTypes, query.parameters);
    if (!rows) {
        std::fprintf(stderr, "zorvik-cli list: %s\n", catalogue.text().c_str());
        return kExitFailure;
    }
    printRows(columns, *rows);
    return kExitOk;
}

} // namespace zorvik::cli
