#pragma once

#include <cstddef>
#include <cstdint>
#include <string>

namespace zorvik::test {

// size bytes that compress badly, the same for the same seed.
std::string pseudoRandomBytes(std::size_t size, std::uint32_t seed);

} // namespace zorvik::test
