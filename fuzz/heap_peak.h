#pragma once

#include <cstdint>

namespace zorvik::fuzz {

// The most heap memory a stretch of code holds at once beyond what was
// held when it began, as the sanitizers' allocator counts every allocation
// and release. Builds without AddressSanitizer count nothing: counts() is
// false there and peak() stays 0.
class HeapPeak {
public:
    HeapPeak();
    ~HeapPeak();
    HeapPeak(const HeapPeak&) = delete;
    HeapPeak& operator=(const HeapPeak&) = delete;

    // Bytes, since construction.
    std::uint64_t peak() const;

    static bool counts();
};

} // namespace zorvik::fuzz
