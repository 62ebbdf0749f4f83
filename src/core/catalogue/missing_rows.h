#pragma once

#include <cstdint>
#include <vector>

#include "core/catalogue/catalogue_status.h"

namespace zorvik {

class Kel_CharacterDb;

// The IDs of the rows marked missing (DELETED = 2), by ID.
struct MissingRowIds {
    std::vector<std::int64_t> ids;
    // How many of them carry something the user typed: a COMMENT,
    // AI_AUTHOR, SPECIAL1 or SPECIAL2 that is not blank.
    int withNotes = 0;
    CatalogueStatus status;
};

// What a removal of missing rows did.
struct MissingRowRemoval {
    int deleted = 0;
    CatalogueStatus status;
};

// The catalogue's calls that remove the rows a list update marked missing
// for good, once the user has agreed to the number; every value is bound.
class MissingRows {
public:
    static constexpr const char* kIdsSql =
        "SELECT ID, LENGTH(TRIM(COALESCE(COMMENT, '') || COALESCE(AI_AUTHOR, '') || "
        "COALESCE(SPECIAL1, '') || COALESCE(SPECIAL2, ''))) > 0 "
        "FROM CHARACTER_TABLE WHERE DELETED = ? ORDER BY ID;";
    static constexpr const char* kDeleteSql =
        "DELETE FROM CHARACTER_TABLE WHERE ID = ? AND DELETED = ?;";

    explicit MissingRows(Kel_CharacterDb& catalogue) : catalogue_(catalogue) {}

    // The rows marked missing now.
    MissingRowIds readIds();

    // Deletes those of the rows ids that are still marked missing, all in
    // one transaction: a row that came back or was hidden since the IDs
    // were read stays, and a failure deletes none.
    MissingRowRemoval deleteMarked(const std::vector<std::int64_t>& ids);

private:
    CatalogueStatus deleteEach(const std::vector<std::int64_t>& ids, int& deleted);

    Kel_CharacterDb& catalogue_;
};

} // namespace zorvik
