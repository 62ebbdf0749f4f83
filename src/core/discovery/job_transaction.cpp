#include "core/discovery/job_transaction.h"

#include "core/catalogue/registration_records.h"
#include "core/platform/user_messages.h"

namespace zorvik {

bool CommitJobTransaction(RegistrationRecords& records, UserMessages& messages) {
    if (!records.transactionOpen()) {
        messages.show(Message::of(MessageKind::ChangesUndone));
        return false;
    }
    if (const CatalogueStatus committed = records.commit(); !committed) {
        messages.show(Message::of(MessageKind::CommitFailed, committed.error));
        records.rollback();
        return false;
    }
    return true;
}

} // namespace zorvik
