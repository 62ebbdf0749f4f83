#include "core/catalogue/statement_cache.h"

#include <sqlite3.h>

namespace zorvik {

StatementCache::~StatementCache() {
    for (const auto& [sql, statement] : idle_) {
        sqlite3_finalize(statement);
    }
}

sqlite3_stmt* StatementCache::take(std::string_view sql) {
    {
        std::lock_guard lock(mutex_);
        const auto it = idle_.find(std::string(sql));
        if (it != idle_.end()) {
            sqlite3_stmt* statement = it->second;
            idle_.erase(it);
            return statement;
        }
    }
    sqlite3_stmt* statement = nullptr;
    if (sqlite3_prepare_v3(db_, sql.data(), static_cast<int>(sql.size()), SQLITE_PREPARE_PERSISTENT,
                           &statement, nullptr) != SQLITE_OK) {
        sqlite3_finalize(statement);
        return nullptr;
    }
    return statement;
}

void StatementCache::give(std::string_view sql, sqlite3_stmt* statement) {
    if (statement == nullptr) {
        return;
    }
    sqlite3_reset(statement);
    sqlite3_clear_bindings(statement);
    std::lock_guard lock(mutex_);
    if (idle_.size() >= kMaxIdle) {
        sqlite3_finalize(statement);
        return;
    }
    idle_.emplace(std::string(sql), statement);
}

} // namespace zorvik
