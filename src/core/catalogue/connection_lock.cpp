#include "core/catalogue/connection_lock.h"

#include <sqlite3.h>

namespace zorvik {

ConnectionLock::ConnectionLock(sqlite3* db) : mutex_(db ? sqlite3_db_mutex(db) : nullptr) {
    sqlite3_mutex_enter(mutex_);
}

ConnectionLock::~ConnectionLock() {
    sqlite3_mutex_leave(mutex_);
}

} // namespace zorvik
