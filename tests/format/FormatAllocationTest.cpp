// Formatting a label allocates at most the returned string: nothing while the
// text fits the string's own storage, one block otherwise.
#include "format/DateTimePattern.h"
#include "format/GeneralNumber.h"
#include "format/NumberPattern.h"

#include <gtest/gtest.h>

#include <atomic>
#include <cstdlib>
#include <new>

namespace {
std::atomic<long> Allocations{0};
} // namespace

// Out of line, so the compiler never pairs an inlined malloc with a delete.
[[gnu::noinline]] void* operator new(std::size_t Size) {
    Allocations.fetch_add(1, std::memory_order_relaxed);
    if (void* Block = std::malloc(Size != 0 ? Size : 1)) return Block;
    throw std::bad_alloc();
}
[[gnu::noinline]] void operator delete(void* Block) noexcept { std::free(Block); }
[[gnu::noinline]] void operator delete(void* Block, std::size_t) noexcept { std::free(Block); }

using namespace vur;

namespace {
template <class TBody>
long AllocationsOf(TBody&& Body) {
    const long Before = Allocations.load();
    Body();
    return Allocations.load() - Before;
}
} // namespace

TEST(FormatAllocation, ParsedPatternsAllocateOnlyTheResult) {
    const TFormatSettings Settings;
    const TNumberPattern Number("#,##0.###", Settings);
    const TDateTimePattern Time("hh:nn:ss", Settings);
    const TNumberPattern Wide("#,##0.000000 'units'", Settings);
    std::string Text;
    EXPECT_EQ(AllocationsOf([&] { Text = Number.Format(1234567.125); }), 0);
    EXPECT_EQ(Text, "1,234,567.125");
    EXPECT_EQ(AllocationsOf([&] { Text = Time.Format(45000.25); }), 0);
    EXPECT_EQ(Text, "06:00:00");
    EXPECT_EQ(AllocationsOf([&] { Text = GeneralNumberText(0.1 + 0.2, '.'); }), 0);
    std::string Long;
    EXPECT_EQ(AllocationsOf([&] { Long = Wide.Format(1234567.125); }), 1);
    EXPECT_EQ(Long, "1,234,567.125000 units");
}
