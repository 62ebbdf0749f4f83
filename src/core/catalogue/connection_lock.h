#pragma once

struct sqlite3;
struct sqlite3_mutex;

namespace zorvik {

// Holds the connection's own (recursive) mutex for a whole catalogue call,
// so that a statement's steps and the error message read after a failure
// belong together even while another thread uses the connection.
class ConnectionLock {
public:
    explicit ConnectionLock(sqlite3* db);
    ~ConnectionLock();
    ConnectionLock(const ConnectionLock&) = delete;
    ConnectionLock& operator=(const ConnectionLock&) = delete;

private:
    sqlite3_mutex* mutex_;
};

} // namespace zorvik
