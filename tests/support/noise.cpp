#include "support/noise.h"

#include <random>

namespace zorvik::test {

std::string pseudoRandomBytes(std::size_t size, std::uint32_t seed) {
    std::mt19937 generator(seed);
    std::string bytes(size, '\0');
    for (char& byte : bytes) {
        byte = static_cast<char>(generator() & 0xFF);
    }
    return bytes;
}

} // namespace zorvik::test
