#pragma once

#include <array>
#include <vector>

#include "core/catalogue/columns.h"

namespace zorvik::gui {

// The list's column widths by column index: the width the user gave a
// column, else its default; and how the shown columns share a view wider
// than they are.
class ColumnWidths {
public:
    // 0 stands for a column the user has not sized.
    using UserWidths = std::array<int, kColumnCount>;

    static int defaultWidth(int column);

    // The user's width of the column, else its default.
    int width(int column) const;
    // The user sized the column; a width below 1 forgets it.
    void setWidth(int column, int width);

    const UserWidths& userWidths() const { return user_; }
    void setUserWidths(const UserWidths& widths) { user_ = widths; }

    // The widths of the shown columns in a view available pixels wide:
    // their own widths, each widened in proportion to it when together they
    // leave the view's right part empty, so that they fill it exactly.
    std::vector<int> fitted(const std::vector<int>& columns, int available) const;

private:
    UserWidths user_{};
};

} // namespace zorvik::gui
