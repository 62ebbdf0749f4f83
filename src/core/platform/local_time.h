#pragma once

#include <ctime>
#include <string>

namespace zorvik::platform {

// The local date and time of moment as "YYYYMMDD-HHMMSS", which sorts as it runs.
std::string localTimestamp(std::time_t moment);

} // namespace zorvik::platform
