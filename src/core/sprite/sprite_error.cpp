#include "core/sprite/sprite_error.h"

namespace zorvik::sprite {

namespace {

thread_local std::uint32_t lastErrorCode = 0;

} // namespace

std::uint32_t lastError() {
    return lastErrorCode;
}

void setLastError(std::uint32_t code) {
    lastErrorCode = code;
}

} // namespace zorvik::sprite
