#include "core/platform/local_time.h"

namespace zorvik::platform {

std::string localTimestamp(std::time_t moment) {
    std::tm local{};
    localtime_r(&moment, &local);
    char text[32] = {};
    std::strftime(text, sizeof text, "%Y%m%d-%H%M%S", &local);
    return text;
}

} // namespace zorvik::platform
