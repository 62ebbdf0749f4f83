#pragma once

namespace zorvik {

class RegistrationRecords;
class UserMessages;

// Ends the transaction of a job that writes the catalogue (the list update,
// the portraits' re-capture) by committing what was written. False, after
// telling the user, when nothing of it stays: SQLite undid the whole
// transaction itself after a failed write (a full disk, an I/O error), or
// the commit failed and was rolled back, so that no transaction stays open
// on the connection for the program's later writes.
bool CommitJobTransaction(RegistrationRecords& records, UserMessages& messages);

} // namespace zorvik
