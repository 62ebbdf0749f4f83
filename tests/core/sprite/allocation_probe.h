#pragma once

#include <cstddef>

// This test program's operator new notes the largest block asked of it, so
// that a test can show a forged size was refused before anything was
// allocated for it.
namespace zorvik::test {

void resetLargestAllocation();
std::size_t largestAllocation();

} // namespace zorvik::test
