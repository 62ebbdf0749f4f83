#include "core/catalogue/missing_rows.h"

#include <sqlite3.h>

#include "core/catalogue/character_db.h"
#include "core/catalogue/registration_records.h"
#include "core/catalogue/statement.h"
#include "core/catalogue/status_rows.h"

namespace zorvik {

using Stage = CatalogueStatus::Stage;

MissingRowIds MissingRows::readIds() {
    MissingRowIds result;
    const ConnectionLock held = catalogue_.lock();
    Statement statement(catalogue_.statements(), kIdsSql);
    if (!statement.isValid() || !statement.bindInt(1, kMissingRow)) {
        result.status = catalogue_.failure(Stage::Prepare, kIdsSql);
        return result;
    }
    int code = statement.step();
    for (; code == SQLITE_ROW; code = statement.step()) {
        result.ids.push_back(statement.int64At(0));
        result.withNotes += statement.intAt(1);
    }
    if (code != SQLITE_DONE) {
        result.ids.clear();
        result.withNotes = 0;
        result.status = catalogue_.failure(Stage::Run, kIdsSql);
    }
    return result;
}

MissingRowRemoval MissingRows::deleteMarked(const std::vector<std::int64_t>& ids) {
    // Held throughout, so that no other statement of this connection joins the transaction.
    const ConnectionLock held = catalogue_.lock();
    RegistrationRecords transaction(catalogue_);
    if (const CatalogueStatus begun = transaction.begin(); !begun) {
        return {0, begun};
    }
    MissingRowRemoval removal;
    removal.status = deleteEach(ids, removal.deleted);
    if (removal.status) {
        removal.status = transaction.commit();
    }
    if (!removal.status) {
        // The failure's message was read before the rollback could replace it.
        transaction.rollback();
        removal.deleted = 0;
    }
    return removal;
}

CatalogueStatus MissingRows::deleteEach(const std::vector<std::int64_t>& ids, int& deleted) {
    Statement statement(catalogue_.statements(), kDeleteSql);
    if (!statement.isValid()) {
        return catalogue_.failure(Stage::Prepare, kDeleteSql);
    }
    for (const std::int64_t id : ids) {
        statement.reset();
        if (!statement.bindInt(1, id) || !statement.bindInt(2, kMissingRow)) {
            return catalogue_.failure(Stage::Prepare, kDeleteSql);
        }
        if (statement.step() != SQLITE_DONE) {
            return catalogue_.failure(Stage::Run, kDeleteSql);
        }
        deleted += sqlite3_changes(sqlite3_db_handle(statement.handle()));
    }
    return CatalogueStatus::success();
}

} // namespace zorvik
