#pragma once

#include <sqlite3.h>

namespace zorvik {

// Holds the connection's own (recursive) mutex for a whole catalogue call,
// so that a statement's steps and the error message read after a failure
// belong together even while another thread uses the connection.
class ConnectionLock {
public:
    explicit ConnectionLock(sqlite3* db) : mutex_(db ? sqlite3_db_mutex(db) : nullptr) {
        sqlite3_mutex_enter(mutex_);
    }
    ~ConnectionLock() { sqlite3_mutex_leave(mutex_); }
    ConnectionLock(const ConnectionLock&) = delete;
    ConnectionLock& operator=(const ConnectionLock&) = delete;

private:
    sqlite3_mutex* mutex_;
};

} // namespace zorvik
