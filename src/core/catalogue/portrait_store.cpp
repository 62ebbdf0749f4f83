#include "core/catalogue/portrait_store.h"

#include <sqlite3.h>

#include "core/catalogue/character_db.h"
#include "core/catalogue/connection_lock.h"
#include "core/catalogue/statement.h"

namespace zorvik {

using Stage = CatalogueStatus::Stage;

PortraitRead PortraitStore::readById(std::int64_t id) {
    PortraitRead read;
    const ConnectionLock held = catalogue_.lock();
    sqlite3_blob* blob = nullptr;
    if (sqlite3_blob_open(catalogue_.db(), "main", "CHARACTER_TABLE", "IMAGE", id, 0, &blob) !=
            SQLITE_OK ||
        blob == nullptr) {
        sqlite3_blob_close(blob);
        return read;
    }
    read.opened = true;
    read.bytes.resize(static_cast<std::size_t>(sqlite3_blob_bytes(blob)));
    if (!read.bytes.empty()) {
        read.readFailed = sqlite3_blob_read(blob, read.bytes.data(),
                                            static_cast<int>(read.bytes.size()), 0) != SQLITE_OK;
    }
    const int closed = sqlite3_blob_close(blob);
    read.closeError = closed == SQLITE_OK ? 0 : closed;
    return read;
}

CatalogueStatus PortraitStore::writeById(std::int64_t id, const std::vector<std::uint8_t>& image) {
    return write(kWriteByIdSql, image, BoundValue::ofInt(id));
}

CatalogueStatus PortraitStore::writeByFileName(const std::string& fileName,
                                               const std::vector<std::uint8_t>& image) {
    return write(kWriteByFileNameSql, image, BoundValue::ofText(fileName));
}

CatalogueStatus PortraitStore::write(const char* sql, const std::vector<std::uint8_t>& image,
                                     const BoundValue& key) {
    const ConnectionLock held = catalogue_.lock();
    Statement statement(catalogue_.statements(), sql);
    if (!statement.isValid()) {
        return catalogue_.failure(Stage::Prepare, sql);
    }
    // A failed bind is reported like a failed step: nothing was stored.
    const bool stored = statement.bindBlob(1, image.data(), image.size()) &&
                        statement.bind(2, key) && statement.step() == SQLITE_DONE;
    return stored ? CatalogueStatus::success() : catalogue_.failure(Stage::Run, sql);
}

} // namespace zorvik
