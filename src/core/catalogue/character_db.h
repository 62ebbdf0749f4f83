#pragma once

#include <cstdint>
#include <memory>
#include <string>
#include <vector>

#include "core/catalogue/catalogue_status.h"
#include "core/catalogue/connection_lock.h"
#include "core/catalogue/list_criteria.h"
#include "core/catalogue/query_result.h"
#include "core/catalogue/statement.h"
#include "core/catalogue/statement_cache.h"
#include "core/text/message.h"

struct sqlite3;

namespace zorvik {

struct CharacterListQuery;

// The catalogue db.sqlite3: owns the one connection of the process (opened
// in serialized mode, since the list update's worker uses it too), makes
// sure both tables exist, runs the list's SELECT and keeps a status message
// for the status bar.
class Kel_CharacterDb {
public:
    static constexpr const char* kFileName = "db.sqlite3";
    static constexpr const char* kCharacterTable = "CHARACTER_TABLE";
    static constexpr const char* kPathTable = "PATH_TABLE";
    static constexpr const char* kCharacterColumns =
        "ID INTEGER PRIMARY KEY, FILETYPE INTEGER, FILENAME TEXT,PATH_ID INTEGER, NAME TEXT, "
        "NAME2 TEXT, AUTHOR TEXT, AI_AUTHOR TEXT, UPDATE_DATE TEXT,COMMENT TEXT, SPECIAL1 TEXT, "
        "SPECIAL2 TEXT, SUPPORTED_VER TEXT, DELETED INTEGER, LASTCHECK_DATE INTEGER, IMAGE BLOB";
    static constexpr const char* kPathColumns =
        "PATH_ID INTEGER PRIMARY KEY, PATH TEXT UNIQUE, COMMENT TEXT";
    static constexpr std::size_t kTextBufferSize = 2048;
    // The maintenance statements, which the debug menu also shows as its captions.
    static constexpr const char* kDeleteAllSql = "DELETE FROM CHARACTER_TABLE";
    static constexpr const char* kDropTableSql = "DROP TABLE CHARACTER_TABLE";
    // The indexes that cover the list's statement (see listIndexColumns).
    static constexpr const char* kListIndex = "CHARACTER_TABLE_LIST";
    static constexpr const char* kFileNameIndex = "CHARACTER_TABLE_BY_FILENAME";

    // Opens db.sqlite3 in the current folder and ensures both tables;
    // the outcome is in status().
    Kel_CharacterDb();
    // Opens the catalogue at path instead (the command-line companion's --db).
    explicit Kel_CharacterDb(const std::string& path);
    ~Kel_CharacterDb();
    Kel_CharacterDb(const Kel_CharacterDb&) = delete;
    Kel_CharacterDb& operator=(const Kel_CharacterDb&) = delete;

    // Creates the table with the column list when no table of that name exists.
    bool EnsureTable(const std::string& name, const std::string& columnList);

    // The character list's rows for the criteria (see makeCharacterListQuery
    // for the result's columns). None when the statement cannot be prepared,
    // with the reason and the statement in status(); a step error keeps the
    // rows read so far and sets status().
    std::unique_ptr<Kel_QueryResult> SelectCharacterList(const ListCriteria& criteria);
    // The same columns for the one record id (no row when it is gone or
    // hidden), as failures go in status().
    std::unique_ptr<Kel_QueryResult> SelectCharacterRow(const ListCriteria& criteria,
                                                        std::int64_t id);

    // SQLite's error message for the connection.
    std::string LastError() const;

    // A failure at stage of the statement sql, with LastError(); callers
    // hold the connection's lock, so the message is their statement's.
    CatalogueStatus failure(CatalogueStatus::Stage stage, const std::string& sql) const;

    bool DeleteAllCharacters();
    bool DropCharacterTable();

    // The status: the last result or error of this layer.
    const Message& status() const { return status_; }
    // The status in Japanese, cut to the status buffer's size.
    std::string text() const;

    // Prepared statements kept for reuse by the catalogue's record calls.
    StatementCache& statements() { return *statements_; }

    // Holds the connection for a whole call: its statements and the error
    // message read after a failure then belong together.
    [[nodiscard]] ConnectionLock lock() const { return ConnectionLock(db_); }

private:
    // The record calls are the only users of the connection itself.
    friend class CharacterRecords;
    friend class CharacterSources;
    friend class PortraitMarks;
    friend class PortraitStore;
    friend class RegistrationRecords;
    sqlite3* db() const { return db_; }

    void open(const std::string& path);
    void createIndexes();
    std::unique_ptr<Kel_QueryResult> selectListRows(const CharacterListQuery& query);
    bool executeMaintenance(const char* sql, MessageKind success, MessageKind failure);

    sqlite3* db_ = nullptr;
    std::unique_ptr<StatementCache> statements_;
    Message status_;
};

} // namespace zorvik
