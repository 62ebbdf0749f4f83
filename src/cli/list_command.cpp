#include <algorithm>
#include <cstdio>

#include "cli/cli_arguments.h"
#include "cli/command_setup.h"
#include "cli/commands.h"
#include "cli/companion_text.h"
#include "cli/data_output.h"
#include "cli/list_selection.h"
#include "core/catalogue/character_db.h"
#include "core/catalogue/character_list_query.h"
#include "core/settings/app_settings.h"

namespace zorvik::cli {

namespace {

std::string listHelp() {
    return std::string(
               "usage: zorvik-cli list [options]\n"
               "\n"
               "Prints the catalogue's characters as tab-separated text: a header line,\n"
               "then one line per character: ID, then the columns the program's list\n"
               "shows (ColumnOrder in the program's Settings.ini) or those --columns names.\n"
               "Tabs and line breaks in a value become blanks. On a terminal, other control\n"
               "characters are shown as \\xHH; a file or pipe gets them as they are.\n"
               "\n"
               "options:\n") +
           kSelectionHelp +
           "  --columns LIST    the columns to print after ID, by name or index, separated\n"
           "                    by commas (FILENAME shows a character's group folder)\n"
           "  --db FILE         the catalogue file (instead of the program's db.sqlite3)\n"
           "  --help            this text\n";
}

void printRows(const std::vector<int>& columns, const Kel_QueryResult& rows) {
    const DataOutput out(stdout);
    std::string line = "ID";
    for (const int column : columns) {
        line += std::string("\t") + ColumnSqlNames[static_cast<std::size_t>(column)];
    }
    out.write(line + "\n");
    for (std::size_t row = 0; row < rows.rowCount(); ++row) {
        line = std::to_string(rows.integerAt(0, row));
        // Result column k + 1 is shown column k; the row's DELETED after them is not printed.
        for (std::size_t column = 1; column <= columns.size(); ++column) {
            line += "\t" + out.field(rows.textAt(column, row));
        }
        out.write(line + "\n");
    }
}

// The columns --columns names, in its order; false with an error naming
// the first word that is no column.
bool readColumns(const std::string& list, std::vector<int>& columns, std::string& error) {
    std::size_t start = 0;
    while (start <= list.size()) {
        const std::size_t comma = std::min(list.find(',', start), list.size());
        const std::string word = list.substr(start, comma - start);
        const auto column = columnFromText(word);
        if (!column) {
            error = "--columns: \"" + word + "\" is not a column";
            return false;
        }
        columns.push_back(*column);
        start = comma + 1;
    }
    return true;
}

} // namespace

int runList(const std::vector<std::string>& words) {
    const CommandHelp command{"list", listHelp()};
    CliArguments arguments;
    std::set<std::string> valueOptions = kSelectionValueOptions;
    valueOptions.insert({"--db", "--columns"});
    if (const auto ended =
            readArguments(command, words, valueOptions, {kSelectionFlag, "--help"}, arguments)) {
        return *ended;
    }
    ListCriteria criteria;
    std::string error;
    if (!readListSelection(arguments, criteria, error)) {
        return command.refuse(error);
    }
    if (!arguments.positional().empty()) {
        return command.refuse("unexpected argument");
    }
    const auto file = catalogueToRead(arguments, error);
    if (!file) {
        return command.fail(error);
    }
    if (const auto columns = arguments.value("--columns")) {
        if (!readColumns(*columns, criteria.shownColumns, error)) {
            return command.refuse(error);
        }
    } else {
        criteria.shownColumns = shownColumns(programSettings().ColumnOrder);
    }
    Kel_CharacterDb catalogue(*file);
    const auto rows = catalogue.SelectCharacterList(criteria);
    if (!rows) {
        return command.fail(companionText(catalogue.status()));
    }
    printRows(criteria.shownColumns, *rows);
    return kExitOk;
}

} // namespace zorvik::cli
