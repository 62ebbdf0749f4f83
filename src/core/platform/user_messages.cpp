#include "core/platform/user_messages.h"

#include "core/platform/deferred_messages.h"

namespace zorvik {

UserMessages::~UserMessages() = default;

void showAll(UserMessages& messages, const std::vector<Message>& kept) {
    for (const Message& message : kept) {
        messages.show(message);
    }
}

} // namespace zorvik
