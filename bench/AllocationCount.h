// Counts heap blocks so a benchmark can report allocations per operation.
// Include it in exactly one file of a benchmark program: it replaces the
// global operator new and delete.
#pragma once

#include <atomic>
#include <cstdlib>
#include <new>

namespace bench {
inline std::atomic<long> Allocations{0};
} // namespace bench

[[gnu::noinline]] void* operator new(std::size_t Size) {
    bench::Allocations.fetch_add(1, std::memory_order_relaxed);
    if (void* Block = std::malloc(Size != 0 ? Size : 1)) return Block;
    throw std::bad_alloc();
}
[[gnu::noinline]] void operator delete(void* Block) noexcept { std::free(Block); }
[[gnu::noinline]] void operator delete(void* Block, std::size_t) noexcept { std::free(Block); }
