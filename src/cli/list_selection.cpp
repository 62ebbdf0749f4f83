#include "cli/list_selection.h"

#include <algorithm>
#include <map>

#include "core/catalogue/columns.h"
#include "core/settings/integer_text.h"
#include "core/text/ascii_text.h"

namespace zorvik::cli {

std::optional<int> columnFromText(const std::string& text) {
    if (const auto index = parseWholeInt(text)) {
        return (*index >= 0 && static_cast<std::size_t>(*index) < kSearchColumnCount)
                   ? index
                   : std::nullopt;
    }
    // The columns a search or sort may name: all but IMAGE.
    for (std::size_t i = 0; i < kSearchColumnCount; ++i) {
        if (zorvik::text::equalsIgnoringAsciiCase(ColumnSqlNames[i], text)) {
            return static_cast<int>(i);
        }
    }
    return std::nullopt;
}

namespace {

std::optional<MatchMode> modeFromText(const std::string& text) {
    static const std::map<std::string, MatchMode> modes = {{"exact", MatchMode::Exact},
                                                           {"begins", MatchMode::BeginsWith},
                                                           {"ends", MatchMode::EndsWith},
                                                           {"contains", MatchMode::Contains}};
    const auto it = modes.find(text);
    return it == modes.end() ? std::nullopt : std::optional<MatchMode>(it->second);
}

} // namespace

bool readListSelection(const CliArguments& arguments, ListCriteria& criteria, std::string& error) {
    const std::string columnText = arguments.value("--column").value_or("NAME");
    const std::string modeText = arguments.value("--mode").value_or("contains");
    const auto sortText = arguments.value("--sort");
    const auto column = columnFromText(columnText);
    const auto mode = modeFromText(modeText);
    const auto sortColumn = sortText ? columnFromText(*sortText) : std::nullopt;
    if (!column || (sortText && !sortColumn)) {
        error = "bad column '" + (column ? *sortText : columnText) +
                "': a column's name or index, 0 to " + std::to_string(kSearchColumnCount - 1);
        return false;
    }
    if (!mode) {
        error = "bad mode '" + modeText + "': exact, begins, ends or contains";
        return false;
    }
    criteria.search = {*column, *mode, arguments.value("--search").value_or("")};
    criteria.sort = {sortColumn.value_or(-1), arguments.has(kSelectionFlag)
                                                  ? SortDirection::Descending
                                                  : SortDirection::Ascending};
    return true;
}

} // namespace zorvik::cli
