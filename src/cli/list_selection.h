#pragma once

#include <optional>
#include <set>
#include <string>

#include "cli/cli_arguments.h"
#include "core/catalogue/list_criteria.h"

namespace zorvik::cli {

// The options that choose the list's rows as the program's search bar and
// column headers do: --search, --column, --mode, --sort and --desc.
inline const std::set<std::string> kSelectionValueOptions = {"--search", "--column", "--mode",
                                                             "--sort"};
inline constexpr const char* kSelectionFlag = "--desc";

// The help lines of those options.
inline constexpr const char* kSelectionHelp =
    "  --search TEXT     only characters whose search column matches TEXT\n"
    "                    (% and _ are wildcards, as in the program)\n"
    "  --column COLUMN   the search column, by name or index (default NAME)\n"
    "  --mode MODE       exact, begins, ends or contains (default contains)\n"
    "  --sort COLUMN     sort by this column, by name or index\n"
    "  --desc            sort descending\n";

// Sets the criteria's search and sort as the options give them (the shown
// columns are left as they are); false with an error text for a column or
// mode that does not exist.
bool readListSelection(const CliArguments& arguments, ListCriteria& criteria, std::string& error);

// A column a search or sort may name, by its catalogue name (any case) or
// its index 0..14; none for IMAGE or a name that is no column.
std::optional<int> columnFromText(const std::string& text);

} // namespace zorvik::cli
