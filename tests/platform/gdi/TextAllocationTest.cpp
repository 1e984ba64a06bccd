// Drawing the same labels again allocates nothing: glyphs come from the cache,
// and creating an already realised font again finds the shared realisation.
#include "AllocationCount.h"

#include "platform/gdi/Font.h"

#include <gtest/gtest.h>

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
    const long Before = testing::AllocationCount();
    for (int Round = 0; Round < 20; ++Round) DrawAll();
    EXPECT_EQ(testing::AllocationCount() - Before, 0);
    EXPECT_GT(Sink.Pixels, 0);
}

} // namespace
} // namespace vur::gdi
