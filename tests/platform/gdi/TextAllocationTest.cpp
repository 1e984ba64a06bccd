// Drawing the same labels again allocates nothing: glyphs come from the cache,
// and creating an already realised font again finds the shared realisation.
#include "platform/gdi/Font.h"

#include <gtest/gtest.h>

#include <atomic>
#include <cstdlib>
#include <new>

namespace {
std::atomic<long> Allocations{0};
// Out of line so that the compiler does not pair the free with a particular new.
[[gnu::noinline]] void Release(void* P) noexcept { std::free(P); }
} // namespace

// Counting replacements for the whole test program; they pair malloc with free
// so that sanitizers see matching calls.
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

namespace vur::gdi {
namespace {

struct NullSink : CoverageSink {
    long Pixels = 0;
    void Cell(const POINT (&)[4]) override {}
    void Span(int, int, const std::uint8_t*, int Count) override { Pixels += Count; }
    RECT ClipBox() const override { return RECT{0, 0, 1920, 1080}; }
};

TEST(TextAllocationTest, RedrawingLabelsAllocatesNothing) {
    LOGFONT L;
    L.FaceName = "Arial";
    L.Height = -11;
    const char* const Labels[] = {"12:34:56", "12:34:57", "100.25", "-3.5E-4", "\x80 1.000,00"};
    NullSink Sink;
    LOGFONT Rotated = L;
    Rotated.Escapement = 900;
    Rotated.Underline = true;
    const auto DrawAll = [&] {
        const Font F(L);
        const Font Up(Rotated);
        for (int I = 0; I < 5; ++I) {
            F.RenderText(Labels[I], 100 + I, 200, TA_CENTER | TA_TOP, 0, Sink);
            Up.RenderText(Labels[I], 50, 300 + I, TA_RIGHT | TA_BASELINE, 1, Sink);
            Sink.Pixels += F.TextExtent(Labels[I]).cx;
        }
    };
    DrawAll();
    const long Before = Allocations.load();
    for (int Round = 0; Round < 20; ++Round) DrawAll();
    EXPECT_EQ(Allocations.load() - Before, 0);
    EXPECT_GT(Sink.Pixels, 0);
}

} // namespace
} // namespace vur::gdi
