#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "core/catalogue/catalogue_status.h"
#include "core/catalogue/statement.h"

namespace zorvik {

class Kel_CharacterDb;

// What reading a portrait with the incremental-blob API gave.
struct PortraitRead {
    // False when the value could not be opened: no such row, a NULL value,
    // or a database error. Nothing else below is meaningful then.
    bool opened = false;
    std::vector<std::uint8_t> bytes;
    // The read of the bytes failed; bytes keeps its size, with what was read.
    bool readFailed = false;
    // SQLite's result code of closing the blob, when that failed.
    int closeError = 0;
};

// The portraits in the IMAGE column: complete image files (PNG when the
// program wrote them), read and written by ID or by FILENAME.
class PortraitStore {
public:
    static constexpr const char* kWriteByIdSql = "UPDATE CHARACTER_TABLE SET IMAGE = ? WHERE ID = ?";
    static constexpr const char* kWriteByFileNameSql =
        "UPDATE CHARACTER_TABLE SET IMAGE = ? WHERE FILENAME = ?";

    explicit PortraitStore(Kel_CharacterDb& catalogue) : catalogue_(catalogue) {}

    // Reads the row's IMAGE in one incremental-blob read.
    PortraitRead readById(std::int64_t id);

    // The image bytes are copied by the database. Safe to call on a worker
    // thread while the catalogue is shared.
    CatalogueStatus writeById(std::int64_t id, const std::vector<std::uint8_t>& image);
    CatalogueStatus writeByFileName(const std::string& fileName,
                                    const std::vector<std::uint8_t>& image);

private:
    CatalogueStatus write(const char* sql, const std::vector<std::uint8_t>& image,
                          const BoundValue& key);

    Kel_CharacterDb& catalogue_;
};

} // namespace zorvik
