#pragma once

#include <string>

#include "core/text/message.h"

namespace zorvik::cli {

// A core message as the companion prints it: every message it prints
// passes here, so that its language is chosen in one place.
std::string companionText(const Message& message);

} // namespace zorvik::cli
