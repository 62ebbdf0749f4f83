#include "gui/settings/column_layout_edit.h"

#include <algorithm>
#include <utility>

namespace zorvik::gui {

std::optional<std::size_t> ColumnLayoutEdit::separator() const {
    const auto found = std::find(order_.begin(), order_.end(), kColumnOrderSeparator);
    if (found == order_.end()) {
        return std::nullopt;
    }
    return static_cast<std::size_t>(found - order_.begin());
}

std::vector<std::size_t> ColumnLayoutEdit::listedPositions(bool beforeSeparator) const {
    const std::size_t s = separator().value_or(order_.size());
    const auto fileName = std::find(order_.begin(), order_.end(), kFileNameColumn);
    const auto fileNamePosition = static_cast<std::size_t>(fileName - order_.begin());
    std::vector<std::size_t> positions;
    for (std::size_t i = 0; i < order_.size(); ++i) {
        const bool listed = i < kListedEntries || i == fileNamePosition;
        if (listed && i != s && (i < s) == beforeSeparator) {
            positions.push_back(i);
        }
    }
    return positions;
}

std::vector<int> ColumnLayoutEdit::entriesAt(const std::vector<std::size_t>& positions) const {
    std::vector<int> entries;
    for (const std::size_t i : positions) {
        entries.push_back(order_[i]);
    }
    return entries;
}

std::vector<int> ColumnLayoutEdit::shown() const {
    return entriesAt(listedPositions(true));
}

std::vector<int> ColumnLayoutEdit::others() const {
    return entriesAt(listedPositions(false));
}

bool ColumnLayoutEdit::hide(std::size_t k) {
    const auto s = separator();
    const std::vector<std::size_t> positions = listedPositions(true);
    if (!s || k >= positions.size()) {
        return false;
    }
    // The entries after it up to the separator move one place to the front.
    const std::size_t from = positions[k];
    std::rotate(order_.begin() + static_cast<std::ptrdiff_t>(from),
                order_.begin() + static_cast<std::ptrdiff_t>(from + 1),
                order_.begin() + static_cast<std::ptrdiff_t>(*s + 1));
    return true;
}

bool ColumnLayoutEdit::show(std::size_t m) {
    const auto s = separator();
    const std::vector<std::size_t> positions = listedPositions(false);
    if (!s || m >= positions.size()) {
        return false;
    }
    // The separator and the entries up to this one move one place to the back.
    const std::size_t from = positions[m];
    std::rotate(order_.begin() + static_cast<std::ptrdiff_t>(*s),
                order_.begin() + static_cast<std::ptrdiff_t>(from),
                order_.begin() + static_cast<std::ptrdiff_t>(from + 1));
    return true;
}

bool ColumnLayoutEdit::moveUp(std::size_t k) {
    const std::vector<std::size_t> positions = listedPositions(true);
    if (k == 0 || k >= positions.size()) {
        return false;
    }
    std::swap(order_[positions[k - 1]], order_[positions[k]]);
    return true;
}

bool ColumnLayoutEdit::moveDown(std::size_t k) {
    const std::vector<std::size_t> positions = listedPositions(true);
    if (k + 1 >= positions.size()) {
        return false;
    }
    std::swap(order_[positions[k]], order_[positions[k + 1]]);
    return true;
}

} // namespace zorvik::gui
