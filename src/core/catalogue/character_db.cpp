#include "core/catalogue/character_db.h"

#include <sqlite3.h>

#include "core/catalogue/character_list_query.h"
#include "core/catalogue/columns.h"
#include "core/catalogue/list_ordering.h"
#include "core/catalogue/result_rows.h"
#include "core/text/encoding.h"

namespace zorvik {

namespace {

// The window and zorvik-cli may work on one catalogue at once: a statement
// that finds the file locked by the other waits this long before it fails.
constexpr int kBusyTimeoutMs = 5000;

} // namespace

Kel_CharacterDb::Kel_CharacterDb() {
    open(kFileName);
}

Kel_CharacterDb::Kel_CharacterDb(const std::string& path) {
    open(path);
}

Kel_CharacterDb::~Kel_CharacterDb() {
    statements_.reset(); // every statement is finalized before the connection closes
    sqlite3_close_v2(db_);
}

void Kel_CharacterDb::open(const std::string& path) {
    status_ = {};
    const int flags = SQLITE_OPEN_READWRITE | SQLITE_OPEN_CREATE | SQLITE_OPEN_FULLMUTEX;
    const bool opened = sqlite3_open_v2(path.c_str(), &db_, flags, nullptr) == SQLITE_OK;
    if (!opened) {
        status_ = Message::of(MessageKind::CatalogueUnopened);
    }
    if (db_ != nullptr) {
        sqlite3_busy_timeout(db_, kBusyTimeoutMs);
    }
    if (opened) {
        // On a failed connection it would replace the error that says why.
        registerListOrdering(db_);
    }
    statements_ = std::make_unique<StatementCache>(db_);
    if (!EnsureTable(kCharacterTable, kCharacterColumns)) {
        return;
    }
    if (!EnsureTable(kPathTable, kPathColumns)) {
        return;
    }
    createIndexes();
    if (status_ == Message{}) {
        status_ = Message::of(MessageKind::CatalogueReady);
    }
}

void Kel_CharacterDb::createIndexes() {
    // The indexes leave the table's own CREATE text as it is. Both carry
    // every column but the portrait, so the list's statement, its search
    // and its sort read them instead of rows that hold a portrait each:
    // one in FILENAME order, which is also how the list update looks every
    // character up, one in ID order. SQLite tries the newest index first
    // among equals, so the ID one comes last: an unsorted list keeps the
    // order of registration, as the table gives it.
    const std::string statements =
        "DROP INDEX IF EXISTS CHARACTER_TABLE_FILENAME;"
        "CREATE INDEX IF NOT EXISTS " + std::string(kFileNameIndex) + " ON CHARACTER_TABLE(" +
        listIndexColumns(kFileNameColumn) + ");"
        "CREATE INDEX IF NOT EXISTS " + std::string(kListIndex) + " ON CHARACTER_TABLE(" +
        listIndexColumns(kIdColumn) + ");";
    sqlite3_exec(db_, statements.c_str(), nullptr, nullptr, nullptr);
}

bool Kel_CharacterDb::EnsureTable(const std::string& name, const std::string& columnList) {
    const ConnectionLock held = lock();
    status_ = {};
    {
        Statement check(db_, "SELECT NAME FROM SQLITE_MASTER WHERE TYPE='table' AND NAME=?;");
        if (!check.isValid() || !check.bindText(1, name)) {
            // SQLite's reason follows, so that a file that is not a catalogue says so.
            status_ = Message::of(MessageKind::TableCheckFailed, LastError());
            return false;
        }
        if (check.step() != SQLITE_DONE) {
            return true;
        }
    }
    status_ = Message::of(MessageKind::TableCreated, name);
    const std::string create = "CREATE TABLE " + name + " (" + columnList + ");";
    if (sqlite3_exec(db_, create.c_str(), nullptr, nullptr, nullptr) == SQLITE_OK) {
        return true;
    }
    status_ = Message::of(MessageKind::TableNotCreated, name, LastError());
    return false;
}

std::unique_ptr<Kel_QueryResult>
Kel_CharacterDb::SelectCharacterList(const ListCriteria& criteria) {
    return selectListRows(makeCharacterListQuery(criteria));
}

std::unique_ptr<Kel_QueryResult> Kel_CharacterDb::SelectCharacterRow(const ListCriteria& criteria,
                                                                     std::int64_t id) {
    return selectListRows(makeCharacterRowQuery(criteria, id));
}

std::unique_ptr<Kel_QueryResult> Kel_CharacterDb::selectListRows(const CharacterListQuery& query) {
    const ConnectionLock held = lock();
    Statement statement(db_, query.sql);
    if (!statement.isValid() || !statement.bind(query.parameters)) {
        status_ = Message::of(MessageKind::SelectFailed, LastError(), query.sql);
        return nullptr;
    }
    auto result = std::make_unique<Kel_QueryResult>();
    if (readResultRows(statement, query.columnTypes, *result) != SQLITE_DONE) {
        status_ = Message::verbatim(LastError());
    }
    return result;
}

std::string Kel_CharacterDb::LastError() const {
    return db_ ? sqlite3_errmsg(db_) : "out of memory";
}

CatalogueStatus Kel_CharacterDb::failure(CatalogueStatus::Stage stage,
                                         const std::string& sql) const {
    return CatalogueStatus::failure(stage, LastError(), sql);
}

bool Kel_CharacterDb::DeleteAllCharacters() {
    return executeMaintenance(kDeleteAllSql, MessageKind::RecordsDeleted,
                              MessageKind::RecordsNotDeleted);
}

bool Kel_CharacterDb::DropCharacterTable() {
    return executeMaintenance(kDropTableSql, MessageKind::TableDropped,
                              MessageKind::TableNotDropped);
}

bool Kel_CharacterDb::executeMaintenance(const char* sql, MessageKind success,
                                         MessageKind failure) {
    const ConnectionLock held = lock();
    const bool done = sqlite3_exec(db_, sql, nullptr, nullptr, nullptr) == SQLITE_OK;
    status_ = Message::of(done ? success : failure);
    return done;
}

std::string Kel_CharacterDb::text() const {
    return text::fitToBuffer(japaneseText(status_), kTextBufferSize);
}

} // namespace zorvik
