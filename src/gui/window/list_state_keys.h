#pragma once

namespace zorvik {
class Kel_IniHandler;
}

// The list's state that Settings.ini keeps from one start to the next:
// the last sort, as keys SortColumn (the column index, -1 for none) and
// SortDirection (ASC or DESC) of section PreviousStatus, and the widths the
// user gave columns, in section ColumnWidth, a key per column by its
// catalogue name (0 for a column at its default width). Both stay out of the way of the designed
// keys.
namespace zorvik::gui {

class CharacterListPane;

// Sets the list's sort and column widths from the keys, before its first rebuild.
void restoreListState(Kel_IniHandler& store, CharacterListPane& list);

// Writes the keys; leaves the store in section ColumnWidth.
void saveListState(Kel_IniHandler& store, const CharacterListPane& list);

} // namespace zorvik::gui
