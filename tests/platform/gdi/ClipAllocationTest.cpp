// Clipping to rectangles, the paint's everyday clip, takes no heap storage:
// the region of one rectangle keeps it in place.
#include "AllocationCount.h"

#include "platform/gdi/DC.h"

#include <gtest/gtest.h>

namespace vur::gdi {
namespace {

TEST(ClipAllocationTest, RectangleClipsAllocateNothing) {
    Bitmap Picture(64, 48);
    DC Dc(Picture);
    const Region Panel = CreateRectRgn(1, 1, 63, 47);
    const auto ClipRound = [&] {
        const int Level = Dc.SaveDC();
        Dc.SelectClipRgn(&Panel);
        Dc.IntersectClipRect(4, 2, 60, 40);
        Dc.FillRect(RECT{0, 0, 64, 48}, CreateSolidBrush(RGB(0, 0, 255)));
        Region Copy;
        Dc.GetClipRgn(Copy);
        OffsetRgn(Copy, 2, 2);
        Region Overlap;
        CombineRgn(Overlap, Copy, Panel, RGN_AND);
        Dc.SelectClipRgn(&Overlap);
        Dc.RestoreDC(Level);
        // Without a clip the intersection starts from the whole surface.
        Dc.IntersectClipRect(10, 10, 20, 20);
        Dc.SelectClipRgn(nullptr);
    };
    ClipRound();
    const long Before = testing::AllocationCount();
    for (int Round = 0; Round < 10; ++Round) ClipRound();
    EXPECT_EQ(testing::AllocationCount() - Before, 0);
    EXPECT_EQ(Picture.GetPixel(4, 2), RGB(0, 0, 255));
    EXPECT_EQ(Picture.GetPixel(3, 2), 0u);
}

} // namespace
} // namespace vur::gdi
