#include "AllocationCount.h"

#include <atomic>
#include <cstdlib>
#include <new>

namespace {
std::atomic<long> Allocations{0};
// Out of line so that the compiler does not pair the free with a particular new.
[[gnu::noinline]] void Release(void* P) noexcept { std::free(P); }
} // namespace

// Counting replacements; they pair malloc with free so that sanitizers see
// matching calls.
void* operator new(std::size_t Size) {
    ++Allocations;
    if (void* P = std::malloc(Size == 0 ? 1 : Size)) return P;
    throw std::bad_alloc();
}
void* operator new[](std::size_t Size) { return operator new(Size); }
void operator delete(void* P) noexcept { Release(P); }
void operator delete[](void* P) noexcept { Release(P); }
void operator delete(void* P, std::size_t) noexcept { Release(P); }
void operator delete[](void* P, std::size_t) noexcept { Release(P); }

namespace vur::gdi::testing {

long AllocationCount() { return Allocations.load(); }

} // namespace vur::gdi::testing
