#pragma once

#include <cstdint>
#include <map>
#include <set>
#include <string>
#include <vector>

#include "core/catalogue/catalogue_status.h"
#include "core/catalogue/statement.h"

namespace zorvik {

class Kel_CharacterDb;

// The rows without a portrait, by FILENAME, with the entry date at which
// taking their portrait last failed ("" when it never did).
struct MissingPortraits {
    std::map<std::string, std::string> failedDates;
    CatalogueStatus status;
};

// The rows whose portrait the user replaced from a file, by ID.
struct HandSetPortraits {
    std::set<std::int64_t> ids;
    CatalogueStatus status;
};

// What the program remembers about each row's portrait beside IMAGE, in
// two columns of its own that the designed table does not have:
// PORTRAIT_BY_HAND is 1 while IMAGE holds a picture the user chose from a
// file (a re-capture leaves it alone), and PORTRAIT_FAILED_DATE is the
// entry date at which taking the portrait failed, so that it is tried
// again only when the character's files change. The columns are added to
// a catalogue when first needed, so a catalogue that never used them keeps
// the designed table as it is; every value is bound.
class PortraitMarks {
public:
    static constexpr const char* kByHandColumn = "PORTRAIT_BY_HAND";
    static constexpr const char* kFailedDateColumn = "PORTRAIT_FAILED_DATE";

    explicit PortraitMarks(Kel_CharacterDb& catalogue) : catalogue_(catalogue) {}

    // The rows whose IMAGE is NULL or empty.
    MissingPortraits readMissing();
    HandSetPortraits readHandSet();

    // The portrait of the row ID was replaced from a file.
    CatalogueStatus markHandSet(std::int64_t id);
    // A portrait was taken for the rows named fileName: neither mark holds any more.
    CatalogueStatus markCaptured(const std::string& fileName);
    // Taking the portrait of the rows named fileName failed for the entry of that date.
    CatalogueStatus markFailed(const std::string& fileName, const std::string& entryDate);

private:
    // Adds the columns that the catalogue does not have yet.
    CatalogueStatus ensureColumns();
    CatalogueStatus write(const char* sql, const std::vector<BoundValue>& values);

    Kel_CharacterDb& catalogue_;
};

} // namespace zorvik
