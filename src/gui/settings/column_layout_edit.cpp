#include "gui/settings/column_layout_edit.h"

#include <utility>

namespace zorvik::gui {

std::optional<std::size_t> ColumnLayoutEdit::separator(std::size_t searchEnd) const {
    for (std::size_t i = 0; i < searchEnd; ++i) {
        if (order_[i] == kColumnOrderSeparator) {
            return i;
        }
    }
    return std::nullopt;
}

std::vector<int> ColumnLayoutEdit::shown() const {
    const std::size_t end = separator(kListedEntries).value_or(kListedEntries);
    return {order_.begin(), order_.begin() + static_cast<std::ptrdiff_t>(end)};
}

std::vector<int> ColumnLayoutEdit::others() const {
    const auto s = separator(kListedEntries);
    if (!s) {
        return {};
    }
    return {order_.begin() + static_cast<std::ptrdiff_t>(*s + 1),
            order_.begin() + static_cast<std::ptrdiff_t>(kListedEntries)};
}

bool ColumnLayoutEdit::hide(std::size_t k) {
    // The separator may lie past the listed entries (an order written by
    // hand); the move is the same.
    const auto s = separator(kColumnOrderSize);
    if (!s || k >= *s || k >= kListedEntries) {
        return false;
    }
    const int hidden = order_[k];
    for (std::size_t i = k + 1; i <= *s; ++i) {
        order_[i - 1] = order_[i];
    }
    order_[*s] = hidden;
    return true;
}

bool ColumnLayoutEdit::show(std::size_t m) {
    const auto s = separator(kColumnCount);
    if (!s || *s + m + 1 >= kListedEntries) {
        return false;
    }
    const std::size_t from = *s + m + 1;
    const int shownColumn = order_[from];
    for (std::size_t i = from; i > *s; --i) {
        order_[i] = order_[i - 1];
    }
    order_[*s] = shownColumn;
    return true;
}

bool ColumnLayoutEdit::moveUp(std::size_t k) {
    if (k == 0 || k >= shown().size()) {
        return false;
    }
    std::swap(order_[k - 1], order_[k]);
    return true;
}

bool ColumnLayoutEdit::moveDown(std::size_t k) {
    if (k + 1 >= shown().size()) {
        return false;
    }
    std::swap(order_[k], order_[k + 1]);
    return true;
}

} // namespace zorvik::gui
