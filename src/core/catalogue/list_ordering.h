#pragma once

struct sqlite3;

namespace zorvik {

// The orders the list's statement sorts by, registered on each connection
// the catalogue opens (they live in no stored schema, so any other reader
// of db.sqlite3 is unaffected):
// the collation NATURAL_ORDER, text as a person orders names
// (text::compareNaturally), and the function VERSION_DATE_KEY(text), a
// version date as a number, NULL for a text that is no date
// (versionDateKey).
inline constexpr const char* kNaturalCollation = "NATURAL_ORDER";
inline constexpr const char* kVersionDateFunction = "VERSION_DATE_KEY";

// A statement that names either fails to prepare, with SQLite's reason,
// on a connection where they could not be registered.
void registerListOrdering(sqlite3* db);

} // namespace zorvik
