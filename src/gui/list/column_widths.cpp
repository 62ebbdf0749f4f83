#include "gui/list/column_widths.h"

#include <numeric>

namespace zorvik::gui {

namespace {

// List column widths by column index. FILENAME, designed 10 pixels wide
// when no list offered it, is as wide as a group folder's path needs.
constexpr std::array<int, kColumnCount> kDefaultColumnWidths = {80,  130, 130, 90, 90, 80,  80,  70,
                                                                120, 70,  60,  30, 20, 200, 160, 0};

} // namespace

int ColumnWidths::defaultWidth(int column) {
    return kDefaultColumnWidths[static_cast<std::size_t>(column)];
}

int ColumnWidths::width(int column) const {
    const int user = user_[static_cast<std::size_t>(column)];
    return user > 0 ? user : defaultWidth(column);
}

void ColumnWidths::setWidth(int column, int width) {
    user_[static_cast<std::size_t>(column)] = width > 0 ? width : 0;
}

std::vector<int> ColumnWidths::fitted(const std::vector<int>& columns, int available) const {
    std::vector<int> widths;
    for (const int column : columns) {
        widths.push_back(width(column));
    }
    const long long total = std::accumulate(widths.begin(), widths.end(), 0LL);
    if (total <= 0 || available <= total) {
        return widths;
    }
    // Shares rounded down; the pixels left over go to the last column that has any width.
    const long long free = available - total;
    long long given = 0;
    std::size_t last = 0;
    for (std::size_t k = 0; k < widths.size(); ++k) {
        const long long share = free * widths[k] / total;
        given += share;
        last = widths[k] > 0 ? k : last;
        widths[k] += static_cast<int>(share);
    }
    widths[last] += static_cast<int>(free - given);
    return widths;
}

} // namespace zorvik::gui
