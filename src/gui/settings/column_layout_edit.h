#pragma once

#include <cstddef>
#include <optional>
#include <vector>

#include "core/catalogue/columns.h"

namespace zorvik::gui {

// The list's column layout as the settings dialog edits it, in the form
// of ColumnOrder: the shown columns, the separator, the other columns.
// The dialog lists the first ten entries, and FILENAME wherever it lies,
// so that a collection sorted into group folders can show the paths; the
// rest stay as they are.
class ColumnLayoutEdit {
public:
    explicit ColumnLayoutEdit(const ColumnOrderArray& order) : order_(order) {}

    const ColumnOrderArray& order() const { return order_; }

    // The listed entries before the first separator, in order.
    std::vector<int> shown() const;
    // The listed entries after it.
    std::vector<int> others() const;

    // Shown entry k becomes the first of the others; false when there is
    // no such entry or no separator to move it past.
    bool hide(std::size_t k);
    // Other entry m becomes the last shown one.
    bool show(std::size_t m);
    // Shown entry k changes places with the one before or after it.
    bool moveUp(std::size_t k);
    bool moveDown(std::size_t k);

    // How many leading entries the dialog lists.
    static constexpr std::size_t kListedEntries = 10;

private:
    std::optional<std::size_t> separator() const;
    // The positions in the order of the listed entries before (or after) the separator.
    std::vector<std::size_t> listedPositions(bool beforeSeparator) const;
    std::vector<int> entriesAt(const std::vector<std::size_t>& positions) const;

    ColumnOrderArray order_;
};

} // namespace zorvik::gui
