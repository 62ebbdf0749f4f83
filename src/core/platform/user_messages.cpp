#include "core/platform/user_messages.h"

namespace zorvik {

UserMessages::~UserMessages() = default;

} // namespace zorvik
