#pragma once

#include <array>
#include <string>

#include <QString>

#include "core/catalogue/columns.h"

namespace zorvik::gui {

// The caption a column goes by in the list's header, the search column and
// the list layout tab: its name from ColumnName, except FILENAME while that
// is still the catalogue's own name (or empty). FILENAME cannot be renamed
// on the column names tab, and the path it shows is read in the language
// shown, like any other caption of the program. column is 0..15.
QString columnCaption(const std::array<std::string, kColumnCount>& names, int column);

} // namespace zorvik::gui
