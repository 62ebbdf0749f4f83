#include "core/catalogue/portrait_marks.h"

#include <sqlite3.h>

#include "core/catalogue/character_db.h"
#include "core/catalogue/connection_lock.h"

namespace zorvik {

namespace {

using Stage = CatalogueStatus::Stage;

constexpr const char* kColumnsSql = "SELECT name FROM pragma_table_info('CHARACTER_TABLE');";
constexpr const char* kAddByHandSql =
    "ALTER TABLE CHARACTER_TABLE ADD COLUMN PORTRAIT_BY_HAND INTEGER DEFAULT 0";
constexpr const char* kAddFailedDateSql =
    "ALTER TABLE CHARACTER_TABLE ADD COLUMN PORTRAIT_FAILED_DATE TEXT";
constexpr const char* kMissingSql = "SELECT FILENAME, PORTRAIT_FAILED_DATE FROM CHARACTER_TABLE "
                                    "WHERE IMAGE IS NULL OR length(IMAGE) = 0;";
constexpr const char* kHandSetSql = "SELECT ID FROM CHARACTER_TABLE WHERE PORTRAIT_BY_HAND = 1;";
constexpr const char* kMarkHandSetSql =
    "UPDATE CHARACTER_TABLE SET PORTRAIT_BY_HAND = 1 WHERE ID = ?;";
constexpr const char* kMarkCapturedSql = "UPDATE CHARACTER_TABLE SET PORTRAIT_BY_HAND = 0, "
                                         "PORTRAIT_FAILED_DATE = NULL WHERE FILENAME = ?;";
constexpr const char* kMarkFailedSql =
    "UPDATE CHARACTER_TABLE SET PORTRAIT_FAILED_DATE = ? WHERE FILENAME = ?;";

} // namespace

CatalogueStatus PortraitMarks::ensureColumns() {
    const ConnectionLock held = catalogue_.lock();
    bool hasByHand = false;
    bool hasFailedDate = false;
    {
        Statement columns(catalogue_.db(), kColumnsSql);
        if (!columns.isValid()) {
            return catalogue_.failure(Stage::Prepare, kColumnsSql);
        }
        while (columns.step() == SQLITE_ROW) {
            hasByHand = hasByHand || columns.textViewAt(0) == kByHandColumn;
            hasFailedDate = hasFailedDate || columns.textViewAt(0) == kFailedDateColumn;
        }
    }
    for (const auto& [present, sql] :
         {std::pair{hasByHand, kAddByHandSql}, std::pair{hasFailedDate, kAddFailedDateSql}}) {
        if (!present &&
            sqlite3_exec(catalogue_.db(), sql, nullptr, nullptr, nullptr) != SQLITE_OK) {
            return catalogue_.failure(Stage::Run, sql);
        }
    }
    return CatalogueStatus::success();
}

MissingPortraits PortraitMarks::readMissing() {
    MissingPortraits missing;
    missing.status = ensureColumns();
    if (!missing.status) {
        return missing;
    }
    const ConnectionLock held = catalogue_.lock();
    Statement statement(catalogue_.statements(), kMissingSql);
    if (!statement.isValid()) {
        missing.status = catalogue_.failure(Stage::Prepare, kMissingSql);
        return missing;
    }
    int stepped = SQLITE_ROW;
    while ((stepped = statement.step()) == SQLITE_ROW) {
        // The first row of a name decides, as the update's lookup does.
        missing.failedDates.emplace(statement.textAt(0), statement.textAt(1));
    }
    if (stepped != SQLITE_DONE) {
        missing.status = catalogue_.failure(Stage::Run, kMissingSql);
    }
    return missing;
}

HandSetPortraits PortraitMarks::readHandSet() {
    HandSetPortraits handSet;
    handSet.status = ensureColumns();
    if (!handSet.status) {
        return handSet;
    }
    const ConnectionLock held = catalogue_.lock();
    Statement statement(catalogue_.statements(), kHandSetSql);
    if (!statement.isValid()) {
        handSet.status = catalogue_.failure(Stage::Prepare, kHandSetSql);
        return handSet;
    }
    int stepped = SQLITE_ROW;
    while ((stepped = statement.step()) == SQLITE_ROW) {
        handSet.ids.insert(statement.int64At(0));
    }
    if (stepped != SQLITE_DONE) {
        handSet.status = catalogue_.failure(Stage::Run, kHandSetSql);
    }
    return handSet;
}

CatalogueStatus PortraitMarks::markHandSet(std::int64_t id) {
    return write(kMarkHandSetSql, {BoundValue::ofInt(id)});
}

CatalogueStatus PortraitMarks::markCaptured(const std::string& fileName) {
    return write(kMarkCapturedSql, {BoundValue::ofText(fileName)});
}

CatalogueStatus PortraitMarks::markFailed(const std::string& fileName,
                                          const std::string& entryDate) {
    return write(kMarkFailedSql, {BoundValue::ofText(entryDate), BoundValue::ofText(fileName)});
}

CatalogueStatus PortraitMarks::write(const char* sql, const std::vector<BoundValue>& values) {
    if (CatalogueStatus added = ensureColumns(); !added) {
        return added;
    }
    const ConnectionLock held = catalogue_.lock();
    Statement statement(catalogue_.statements(), sql);
    if (!statement.isValid()) {
        return catalogue_.failure(Stage::Prepare, sql);
    }
    const bool written = statement.bind(values) && statement.step() == SQLITE_DONE;
    return written ? CatalogueStatus::success() : catalogue_.failure(Stage::Run, sql);
}

} // namespace zorvik
