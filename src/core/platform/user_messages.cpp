#include "core/platform/user_messages.h"

#include "core/platform/deferred_messages.h"

namespace zorvik {

UserMessages::~UserMessages() = default;

void showAll(UserMessages& messages, const std::vector<std::string>& texts) {
    for (const std::string& text : texts) {
        messages.show(text);
    }
}

} // namespace zorvik
