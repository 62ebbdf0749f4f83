#include "heap_peak.h"

#include <atomic>
#include <cstddef>

#if defined(__has_feature)
#if __has_feature(address_sanitizer)
#define ZORVIK_HEAP_HOOKS 1
#endif
#endif
#if defined(__SANITIZE_ADDRESS__)
#define ZORVIK_HEAP_HOOKS 1
#endif

#ifdef ZORVIK_HEAP_HOOKS
// The sanitizers' allocator interface, declared here: GCC does not ship its header.
extern "C" {
int __sanitizer_install_malloc_and_free_hooks(void (*onAllocation)(const volatile void*, std::size_t),
                                              void (*onRelease)(const volatile void*));
std::size_t __sanitizer_get_allocated_size(const volatile void* memory);
}
#endif

namespace zorvik::fuzz {

namespace {

// The heap held beyond the start of the stretch, and its largest value.
std::atomic<std::int64_t> held{0};
std::atomic<std::int64_t> most{0};
std::atomic<bool> counting{false};

#ifdef ZORVIK_HEAP_HOOKS
void onAllocation(const volatile void*, std::size_t size) {
    if (counting.load(std::memory_order_relaxed)) {
        const std::int64_t now = held += static_cast<std::int64_t>(size);
        std::int64_t before = most.load(std::memory_order_relaxed);
        while (now > before && !most.compare_exchange_weak(before, now)) {
        }
    }
}

void onRelease(const volatile void* memory) {
    if (counting.load(std::memory_order_relaxed) && memory != nullptr) {
        held -= static_cast<std::int64_t>(__sanitizer_get_allocated_size(memory));
    }
}

const bool hooked = __sanitizer_install_malloc_and_free_hooks(onAllocation, onRelease) != 0;
#endif

} // namespace

HeapPeak::HeapPeak() {
    held = 0;
    most = 0;
    counting = true;
}

HeapPeak::~HeapPeak() {
    counting = false;
}

std::uint64_t HeapPeak::peak() const {
    return static_cast<std::uint64_t>(most.load());
}

bool HeapPeak::counts() {
#ifdef ZORVIK_HEAP_HOOKS
    return hooked;
#else
    return false;
#endif
}

} // namespace zorvik::fuzz
