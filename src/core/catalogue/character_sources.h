#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "core/catalogue/catalogue_status.h"

namespace zorvik {

class Kel_CharacterDb;

// What registration read from a character's .def file: the file's own name
// and its [Info] Name, displayname and author, as the .def writes them
// (the row's NAME, NAME2 and AUTHOR the user may have changed since).
struct CharacterSource {
    std::string defFile; // empty: not known (a row registered before sources were kept)
    std::string name;
    std::string displayName;
    std::string author;
};

// A row as a move of its character is looked for.
struct SourcedRow {
    std::int64_t id = 0;
    int fileType = 0;
    std::string fileName;
    // The row's source; without one, NAME, NAME2 and AUTHOR and no .def name.
    CharacterSource source;
    bool hasPortrait = false;
};

// The catalogue's CHARACTER_SOURCE_TABLE: one line per row, keyed by the
// row's ID, that lets an update recognise a character whose folder was
// moved or renamed. Created on first use; a row's line is written with the
// row and removed with it (a trigger), and a new row that is given a
// deleted row's ID replaces its line. Every value is bound.
class CharacterSources {
public:
    explicit CharacterSources(Kel_CharacterDb& catalogue) : catalogue_(catalogue) {}

    // The source of the row id, replacing any earlier one.
    CatalogueStatus record(std::int64_t id, const CharacterSource& source);

    // Every row not hidden by hand, by ID, with its source; none on a
    // catalogue error (the table could not be made, or read).
    std::optional<std::vector<SourcedRow>> readRows();

private:
    // Creates the table and its trigger when the catalogue lacks them.
    CatalogueStatus ensure();

    Kel_CharacterDb& catalogue_;
};

} // namespace zorvik
