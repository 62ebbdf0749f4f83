#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

struct sqlite3;
struct sqlite3_stmt;

namespace zorvik {

class StatementCache;

// A value bound to a statement's "?" parameter.
struct BoundValue {
    enum class Kind { Null, Integer, Text, Blob };
    Kind kind = Kind::Null;
    std::int64_t integer = 0;
    std::string bytes; // UTF-8 text or blob bytes

    static BoundValue null() { return {}; }
    static BoundValue ofInt(std::int64_t v) { return {Kind::Integer, v, {}}; }
    static BoundValue ofText(std::string_view v) { return {Kind::Text, 0, std::string(v)}; }
    static BoundValue ofBlob(std::string_view v) { return {Kind::Blob, 0, std::string(v)}; }
};

// A prepared statement that finalizes itself when it goes out of scope; one
// borrowed from the connection's statement cache goes back to the cache
// instead, reset and with its bindings cleared, to be used again.
class Statement {
public:
    Statement(sqlite3* db, std::string_view sql);
    // Borrows a prepared statement from the cache and gives it back when done.
    Statement(StatementCache& cache, std::string_view sql);
    ~Statement();
    Statement(const Statement&) = delete;
    Statement& operator=(const Statement&) = delete;

    // False when the text could not be prepared or held no statement.
    bool isValid() const { return stmt_ != nullptr; }

    // Binds values to the parameters 1, 2, ...; false on failure.
    bool bind(const std::vector<BoundValue>& values);
    bool bind(int index, const BoundValue& value);
    bool bindText(int index, std::string_view utf8);
    bool bindInt(int index, std::int64_t value);
    bool bindBlob(int index, const void* data, std::size_t size);

    // SQLite's result code of one step (SQLITE_ROW, SQLITE_DONE or an error).
    int step();
    // Makes the statement ready to run again; the bound values stay.
    void reset();
    // Releases the statement now (a borrowed one goes back to the cache);
    // SQLite's result code of that, which reports a failure of the last step.
    int finalize();

    int columnCount() const;
    bool isNull(int column) const;
    std::int32_t intAt(int column) const;
    std::int64_t int64At(int column) const;
    std::string textAt(int column) const; // "" for NULL
    // The text without a copy; valid until the next step or reset.
    std::string_view textViewAt(int column) const;
    std::string blobAt(int column) const;

    sqlite3_stmt* handle() const { return stmt_; }

private:
    sqlite3_stmt* stmt_ = nullptr;
    StatementCache* cache_ = nullptr;
    std::string sql_; // the cache's key, for a borrowed statement
};

// Runs a statement without result rows, with bound values; true when it
// completed (SQLITE_DONE).
bool executeBound(StatementCache& cache, std::string_view sql,
                  const std::vector<BoundValue>& values);

} // namespace zorvik
