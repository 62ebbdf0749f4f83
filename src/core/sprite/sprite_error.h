#pragma once

#include <cstdint>

// The sprite decoder's error code, kept per thread like the platform's
// last-error slot, so that captures on several threads do not mix.
namespace zorvik::sprite {

// The application-defined code for sprite data that cannot be decoded.
inline constexpr std::uint32_t kInvalidData = 0x20000003;

// The code recorded last on this thread (0 until one is recorded).
std::uint32_t lastError();

// Records a code for this thread; 0 clears it.
void setLastError(std::uint32_t code);

} // namespace zorvik::sprite
