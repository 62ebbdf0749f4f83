#include "core/catalogue/statement.h"

#include <sqlite3.h>

#include "core/catalogue/statement_cache.h"

namespace zorvik {

Statement::Statement(sqlite3* db, std::string_view sql) {
    if (db == nullptr || sqlite3_prepare_v2(db, sql.data(), static_cast<int>(sql.size()), &stmt_,
                                            nullptr) != SQLITE_OK) {
        sqlite3_finalize(stmt_);
        stmt_ = nullptr;
    }
}

Statement::Statement(StatementCache& cache, std::string_view sql)
    : stmt_(cache.take(sql)), cache_(&cache), sql_(sql) {}

Statement::~Statement() {
    finalize();
}

int Statement::finalize() {
    int code = SQLITE_OK;
    if (cache_ != nullptr) {
        code = stmt_ ? sqlite3_reset(stmt_) : SQLITE_OK;
        cache_->give(sql_, stmt_);
    } else {
        code = sqlite3_finalize(stmt_);
    }
    stmt_ = nullptr;
    return code;
}

bool Statement::bind(const std::vector<BoundValue>& values) {
    int index = 1;
    for (const BoundValue& value : values) {
        if (!bind(index++, value)) {
            return false;
        }
    }
    return true;
}

bool Statement::bind(int index, const BoundValue& value) {
    switch (value.kind) {
    case BoundValue::Kind::Integer:
        return bindInt(index, value.integer);
    case BoundValue::Kind::Text:
        return bindText(index, value.bytes);
    case BoundValue::Kind::Blob:
        return bindBlob(index, value.bytes.data(), value.bytes.size());
    case BoundValue::Kind::Null:
        break;
    }
    return sqlite3_bind_null(stmt_, index) == SQLITE_OK;
}

bool Statement::bindText(int index, std::string_view utf8) {
    return sqlite3_bind_text64(stmt_, index, utf8.data(), utf8.size(), SQLITE_TRANSIENT,
                               SQLITE_UTF8) == SQLITE_OK;
}

bool Statement::bindInt(int index, std::int64_t value) {
    return sqlite3_bind_int64(stmt_, index, value) == SQLITE_OK;
}

bool Statement::bindBlob(int index, const void* data, std::size_t size) {
    // A zero-length blob is still a blob, not NULL.
    return sqlite3_bind_blob64(stmt_, index, size == 0 ? "" : data, size, SQLITE_TRANSIENT) ==
           SQLITE_OK;
}

int Statement::step() {
    return stmt_ ? sqlite3_step(stmt_) : SQLITE_MISUSE;
}

void Statement::reset() {
    sqlite3_reset(stmt_);
}

int Statement::columnCount() const {
    return sqlite3_column_count(stmt_);
}

bool Statement::isNull(int column) const {
    return sqlite3_column_type(stmt_, column) == SQLITE_NULL;
}

std::int32_t Statement::intAt(int column) const {
    return sqlite3_column_int(stmt_, column);
}

std::int64_t Statement::int64At(int column) const {
    return sqlite3_column_int64(stmt_, column);
}

std::string Statement::textAt(int column) const {
    return std::string(textViewAt(column));
}

std::string_view Statement::textViewAt(int column) const {
    const auto* text = reinterpret_cast<const char*>(sqlite3_column_text(stmt_, column));
    return text ? std::string_view(text,
                                   static_cast<std::size_t>(sqlite3_column_bytes(stmt_, column)))
                : std::string_view();
}

std::string Statement::blobAt(int column) const {
    const auto* data = static_cast<const char*>(sqlite3_column_blob(stmt_, column));
    return data ? std::string(data, static_cast<std::size_t>(sqlite3_column_bytes(stmt_, column)))
                : std::string();
}

bool executeBound(StatementCache& cache, std::string_view sql,
                  const std::vector<BoundValue>& values) {
    Statement statement(cache, sql);
    return statement.isValid() && statement.bind(values) && statement.step() == SQLITE_DONE;
}

} // namespace zorvik
