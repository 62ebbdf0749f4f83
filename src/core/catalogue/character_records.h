#pragma once

#include <array>
#include <cstdint>
#include <optional>
#include <span>
#include <string>

#include "core/catalogue/catalogue_status.h"

namespace zorvik {

class Kel_CharacterDb;

// The eight fields a user edits in the detail grid and writes back.
struct EditableFields {
    std::string name;
    std::string name2;
    std::string author;
    std::string aiAuthor;
    std::string special1;
    std::string special2;
    std::string supportedVer;
    std::string comment;
};

// One character's row, read and written by its ID: the detail grid's
// fields, a single column, the edited fields, deletion.
class CharacterRecords {
public:
    // The detail grid's values, in its row order.
    static constexpr std::size_t kDetailFieldCount = 15;
    using DetailValues = std::span<std::string, kDetailFieldCount>;

    static constexpr const char* kDetailSql =
        "SELECT NAME, NAME2, AUTHOR, AI_AUTHOR, SPECIAL1, SPECIAL2, SUPPORTED_VER, COMMENT,"
        "FILENAME, UPDATE_DATE, ID, LASTCHECK_DATE, FILETYPE, PATH_ID, DELETED FROM "
        "CHARACTER_TABLE WHERE ID = ?;";
    static constexpr const char* kUpdateSql =
        "UPDATE CHARACTER_TABLE SET NAME=?, NAME2=?, AUTHOR=?,AI_AUTHOR=?, COMMENT=?, "
        "SPECIAL1=?, SPECIAL2=?, SUPPORTED_VER=? WHERE ID=?;";
    static constexpr const char* kDeleteSql = "DELETE FROM CHARACTER_TABLE WHERE ID=?";

    explicit CharacterRecords(Kel_CharacterDb& catalogue) : catalogue_(catalogue) {}

    // Reads the record's fields as texts (NULL gives ""). Values are
    // overwritten only by a row that was read, so a record that no longer
    // exists leaves them as they were (and reports success); a failure while
    // reading keeps what was read before it.
    CatalogueStatus readDetail(std::int64_t id, DetailValues values);

    // Writes the eight fields to the record whose ID is idText. Every value
    // is bound, so a quote is stored as typed; an idText that is not a plain
    // decimal integer is refused at the Prepare stage and nothing is written.
    CatalogueStatus updateEditable(const std::string& idText, const EditableFields& fields);

    // One column of the record as text (an integer column as its decimal
    // text); none when there is no such record or column.
    std::optional<std::string> columnText(std::int64_t id, int column);

    // Removes the row for good (not marked in DELETED).
    CatalogueStatus deleteRecord(std::int64_t id);

private:
    Kel_CharacterDb& catalogue_;
};

// The ID in a text of decimal digits with an optional minus sign and
// nothing else; none for any other text or one past 64 bits.
std::optional<std::int64_t> parseRecordId(std::string_view text);

} // namespace zorvik
