#pragma once

#include <cstddef>
#include <mutex>
#include <string>
#include <string_view>
#include <unordered_map>

struct sqlite3;
struct sqlite3_stmt;

namespace zorvik {

// Prepared statements kept for reuse: the list update runs the same few
// statements once per character, and preparing them again each time costs
// more than running them. A statement is lent to one user at a time.
class StatementCache {
public:
    static constexpr std::size_t kMaxIdle = 16;

    explicit StatementCache(sqlite3* db) : db_(db) {}
    ~StatementCache();
    StatementCache(const StatementCache&) = delete;
    StatementCache& operator=(const StatementCache&) = delete;

    sqlite3* db() const { return db_; }

    // An idle statement for sql, or a newly prepared one; nullptr when the
    // text cannot be prepared (the connection's error message tells why).
    sqlite3_stmt* take(std::string_view sql);

    // Takes a lent statement back, reset and with its bindings cleared.
    void give(std::string_view sql, sqlite3_stmt* statement);

private:
    sqlite3* db_;
    std::mutex mutex_;
    std::unordered_multimap<std::string, sqlite3_stmt*> idle_;
};

} // namespace zorvik
