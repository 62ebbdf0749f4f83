#include "core/catalogue/registration_records.h"

#include <sqlite3.h>
#include <vector>

#include "core/catalogue/character_db.h"
#include "core/catalogue/connection_lock.h"
#include "core/catalogue/statement.h"

namespace zorvik {

using Stage = CatalogueStatus::Stage;

CatalogueStatus RegistrationRecords::begin() {
    return execute("BEGIN IMMEDIATE;");
}

CatalogueStatus RegistrationRecords::commit() {
    return execute("COMMIT;");
}

CatalogueStatus RegistrationRecords::rollback() {
    return execute("ROLLBACK;");
}

bool RegistrationRecords::transactionOpen() const {
    return sqlite3_get_autocommit(catalogue_.db()) == 0;
}

CatalogueStatus RegistrationRecords::execute(const char* sql) {
    const ConnectionLock held = catalogue_.lock();
    if (sqlite3_exec(catalogue_.db(), sql, nullptr, nullptr, nullptr) != SQLITE_OK) {
        return catalogue_.failure(Stage::Run, sql);
    }
    return CatalogueStatus::success();
}

CharacterLookup RegistrationRecords::lookup(const std::string& fileName) {
    CharacterLookup result;
    const ConnectionLock held = catalogue_.lock();
    Statement statement(catalogue_.statements(), kLookupSql);
    if (!statement.isValid() || !statement.bindText(1, fileName)) {
        result.status = catalogue_.failure(Stage::Prepare, kLookupSql);
        return result;
    }
    const int code = statement.step();
    if (code == SQLITE_ROW) {
        KnownCharacter known{statement.int64At(0), std::nullopt};
        if (!statement.isNull(1)) {
            known.entryDate = statement.textAt(1);
        }
        result.known = known;
    } else if (code != SQLITE_DONE) {
        result.status = catalogue_.failure(Stage::Run, kLookupSql);
    }
    return result;
}

CatalogueStatus RegistrationRecords::insert(const RegisteredCharacter& character,
                                            std::int64_t* newId) {
    return write(kInsertSql, character, std::nullopt, newId);
}

CatalogueStatus RegistrationRecords::move(std::int64_t id, const RegisteredCharacter& character) {
    const ConnectionLock held = catalogue_.lock();
    Statement statement(catalogue_.statements(), kMoveSql);
    if (!statement.isValid()) {
        return catalogue_.failure(Stage::Prepare, kMoveSql);
    }
    const bool moved =
        statement.bind({BoundValue::ofInt(character.fileType), BoundValue::ofText(character.fileName),
                        BoundValue::ofText(character.versionDate),
                        BoundValue::ofText(character.entryDate), BoundValue::ofInt(id)}) &&
        statement.step() == SQLITE_DONE;
    return moved ? CatalogueStatus::success() : catalogue_.failure(Stage::Run, kMoveSql);
}

CatalogueStatus RegistrationRecords::update(std::int64_t id, const RegisteredCharacter& character) {
    return write(kUpdateSql, character, id);
}

CatalogueStatus RegistrationRecords::write(const char* sql, const RegisteredCharacter& character,
                                           std::optional<std::int64_t> id, std::int64_t* newId) {
    const ConnectionLock held = catalogue_.lock();
    Statement statement(catalogue_.statements(), sql);
    if (!statement.isValid()) {
        return catalogue_.failure(Stage::Prepare, sql);
    }
    std::vector<BoundValue> values = {
        BoundValue::ofInt(character.fileType),      BoundValue::ofText(character.fileName),
        BoundValue::ofText(character.name),         BoundValue::ofText(character.displayName),
        BoundValue::ofText(character.author),       BoundValue::ofText(character.versionDate),
        BoundValue::ofText(character.mugenVersion), BoundValue::ofText(character.entryDate)};
    if (id) {
        values.push_back(BoundValue::ofInt(*id));
    }
    if (!statement.bind(values) || statement.step() != SQLITE_DONE) {
        return catalogue_.failure(Stage::Run, sql);
    }
    if (newId != nullptr) {
        *newId = sqlite3_last_insert_rowid(catalogue_.db());
    }
    return CatalogueStatus::success();
}

} // namespace zorvik
