#include "core/catalogue/character_sources.h"

#include <sqlite3.h>

#include "core/catalogue/character_db.h"
#include "core/catalogue/connection_lock.h"
#include "core/catalogue/statement.h"
#include "core/catalogue/status_rows.h"

namespace zorvik {

namespace {

using Stage = CatalogueStatus::Stage;

constexpr const char* kEnsureSql =
    "CREATE TABLE IF NOT EXISTS CHARACTER_SOURCE_TABLE (ID INTEGER PRIMARY KEY, DEF_FILE TEXT, "
    "NAME TEXT, NAME2 TEXT, AUTHOR TEXT);"
    "CREATE TRIGGER IF NOT EXISTS CHARACTER_SOURCE_GONE AFTER DELETE ON CHARACTER_TABLE "
    "BEGIN DELETE FROM CHARACTER_SOURCE_TABLE WHERE ID = old.ID; END;";
constexpr const char* kRecordSql =
    "INSERT OR REPLACE INTO CHARACTER_SOURCE_TABLE(ID, DEF_FILE, NAME, NAME2, AUTHOR) "
    "VALUES(?, ?, ?, ?, ?);";
// A row without a source line reads its NAME, NAME2 and AUTHOR instead.
constexpr const char* kRowsSql =
    "SELECT c.ID, c.FILETYPE, c.FILENAME, COALESCE(s.DEF_FILE, ''), "
    "CASE WHEN s.ID IS NULL THEN c.NAME ELSE s.NAME END, "
    "CASE WHEN s.ID IS NULL THEN c.NAME2 ELSE s.NAME2 END, "
    "CASE WHEN s.ID IS NULL THEN c.AUTHOR ELSE s.AUTHOR END, LENGTH(c.IMAGE) > 0 "
    "FROM CHARACTER_TABLE c LEFT JOIN CHARACTER_SOURCE_TABLE s ON s.ID = c.ID "
    "WHERE c.DELETED IS NOT ? ORDER BY c.ID;";

SourcedRow sourcedRow(const Statement& statement) {
    SourcedRow row;
    row.id = statement.int64At(0);
    row.fileType = statement.intAt(1);
    row.fileName = statement.textAt(2);
    row.source = {statement.textAt(3), statement.textAt(4), statement.textAt(5),
                  statement.textAt(6)};
    row.hasPortrait = statement.intAt(7) != 0;
    return row;
}

} // namespace

CatalogueStatus CharacterSources::ensure() {
    const ConnectionLock held = catalogue_.lock();
    if (sqlite3_exec(catalogue_.db(), kEnsureSql, nullptr, nullptr, nullptr) != SQLITE_OK) {
        return catalogue_.failure(Stage::Run, kEnsureSql);
    }
    return CatalogueStatus::success();
}

CatalogueStatus CharacterSources::record(std::int64_t id, const CharacterSource& source) {
    const ConnectionLock held = catalogue_.lock();
    // A catalogue that never kept sources gets its table at the first.
    if (!Statement(catalogue_.statements(), kRecordSql).isValid()) {
        if (CatalogueStatus ensured = ensure(); !ensured) {
            return ensured;
        }
    }
    Statement statement(catalogue_.statements(), kRecordSql);
    if (!statement.isValid()) {
        return catalogue_.failure(Stage::Prepare, kRecordSql);
    }
    const bool written =
        statement.bind({BoundValue::ofInt(id), BoundValue::ofText(source.defFile),
                        BoundValue::ofText(source.name), BoundValue::ofText(source.displayName),
                        BoundValue::ofText(source.author)}) &&
        statement.step() == SQLITE_DONE;
    return written ? CatalogueStatus::success() : catalogue_.failure(Stage::Run, kRecordSql);
}

std::optional<std::vector<SourcedRow>> CharacterSources::readRows() {
    const ConnectionLock held = catalogue_.lock();
    if (!ensure()) {
        return std::nullopt;
    }
    Statement statement(catalogue_.statements(), kRowsSql);
    if (!statement.isValid() || !statement.bindInt(1, kHiddenRow)) {
        return std::nullopt;
    }
    std::vector<SourcedRow> rows;
    int code = statement.step();
    for (; code == SQLITE_ROW; code = statement.step()) {
        rows.push_back(sourcedRow(statement));
    }
    return code == SQLITE_DONE ? std::optional(std::move(rows)) : std::nullopt;
}

} // namespace zorvik
