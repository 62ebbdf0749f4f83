#pragma once

#include <cstdint>
#include <optional>
#include <string>

#include "core/catalogue/catalogue_status.h"

namespace zorvik {

class Kel_CharacterDb;

// The columns registration writes for one character.
struct RegisteredCharacter {
    int fileType = 0;
    std::string fileName;
    std::string name;
    std::string displayName;
    std::string author;
    std::string versionDate;
    std::string mugenVersion;
    std::string entryDate; // LASTCHECK_DATE
};

// A character the catalogue already holds.
struct KnownCharacter {
    std::int64_t id = 0;
    std::optional<std::string> entryDate; // none when LASTCHECK_DATE is NULL
};

// What the lookup of one entry name found.
struct CharacterLookup {
    CatalogueStatus status;
    std::optional<KnownCharacter> known; // none: a new character
};

// The statements of a list update: the transaction, the lookup of each
// entry by FILENAME, and the row written for a new or changed character.
// Statements are kept prepared across calls, since they run once per
// character. Every value is bound.
class RegistrationRecords {
public:
    static constexpr const char* kLookupSql =
        "SELECT ID, LASTCHECK_DATE FROM CHARACTER_TABLE WHERE FILENAME=?;";
    static constexpr const char* kInsertSql =
        "INSERT INTO CHARACTER_TABLE(FILETYPE, FILENAME, PATH_ID, NAME, NAME2, AUTHOR, "
        "UPDATE_DATE, SUPPORTED_VER, DELETED, LASTCHECK_DATE) VALUES(?, ?, 1, ?, ?, ?, ?, ?, 0, ?)";
    static constexpr const char* kUpdateSql =
        "UPDATE CHARACTER_TABLE SET FILETYPE=?, FILENAME=?, PATH_ID=1, NAME=?, NAME2=?, AUTHOR=?, "
        "UPDATE_DATE=?, SUPPORTED_VER=?, DELETED=0, LASTCHECK_DATE=? WHERE ID=?";
    // A moved character: the fields the user writes stay as they are.
    static constexpr const char* kMoveSql =
        "UPDATE CHARACTER_TABLE SET FILETYPE=?, FILENAME=?, UPDATE_DATE=?, DELETED=0, "
        "LASTCHECK_DATE=? WHERE ID=?";

    explicit RegistrationRecords(Kel_CharacterDb& catalogue) : catalogue_(catalogue) {}

    // The update's transaction; begin takes the write lock at once.
    CatalogueStatus begin();
    CatalogueStatus commit();
    CatalogueStatus rollback();
    // False once SQLite itself has rolled the transaction back, as it may
    // after a full disk or an I/O error: what it held is gone.
    bool transactionOpen() const;

    // The first row whose FILENAME is fileName.
    CharacterLookup lookup(const std::string& fileName);

    // Inserts a new row; its ID goes to newId when given.
    CatalogueStatus insert(const RegisteredCharacter& character, std::int64_t* newId = nullptr);
    CatalogueStatus update(std::int64_t id, const RegisteredCharacter& character);
    // Gives the row id the place, kind, dates and version of a character
    // found elsewhere (FILETYPE, FILENAME, LASTCHECK_DATE, UPDATE_DATE) and
    // shows it again; NAME, NAME2, AUTHOR, SUPPORTED_VER and the user's
    // fields stay.
    CatalogueStatus move(std::int64_t id, const RegisteredCharacter& character);

private:
    CatalogueStatus execute(const char* sql);
    CatalogueStatus write(const char* sql, const RegisteredCharacter& character,
                          std::optional<std::int64_t> id, std::int64_t* newId = nullptr);

    Kel_CharacterDb& catalogue_;
};

} // namespace zorvik
