// Text through the device context: colour, background cell, clip, raster
// operation, the current-position flag and text in paths.
#include "platform/gdi/DC.h"

#include <gtest/gtest.h>

#include <climits>

namespace vur::gdi {
namespace {

constexpr COLORREF White = 0xFFFFFF;

struct Surface {
    Bitmap Picture;
    DC Dc;
    Surface() : Picture(120, 40), Dc(Picture) {
        Picture.Fill(White);
        LOGFONT Log;
        Log.Height = -20;
        Log.FaceName = "Arial";
        Dc.SelectObject(Font(Log));
        Dc.SetTextColor(RGB(200, 0, 0));
        Dc.SetBkColor(RGB(0, 0, 250));
    }
    int Count(COLORREF C) const {
        int N = 0;
        for (int Y = 0; Y < Picture.Height(); ++Y)
            for (int X = 0; X < Picture.Width(); ++X) N += Picture.GetPixel(X, Y) == C;
        return N;
    }
};

TEST(DCTextOutTest, OpaqueBackgroundFillsTheCellAndTransparentLeavesIt) {
    Surface O, T;
    SIZE Extent;
    O.Dc.GetTextExtentPoint32("Hello", &Extent);
    O.Dc.TextOut(10, 5, "Hello");
    T.Dc.SetBkMode(TRANSPARENT);
    T.Dc.TextOut(10, 5, "Hello");
    EXPECT_GT(O.Count(RGB(200, 0, 0)), 20);
    EXPECT_GT(T.Count(RGB(200, 0, 0)), 20);
    EXPECT_EQ(T.Count(RGB(0, 0, 250)), 0);
    // The cell is the extent at the reference point (top-left alignment).
    EXPECT_EQ(O.Picture.GetPixel(10, 5 + Extent.cy - 1) == White, false);
    EXPECT_EQ(O.Picture.GetPixel(10 + Extent.cx, 5), White);
    EXPECT_EQ(O.Picture.GetPixel(9, 5), White);
    for (int Y = 0; Y < 40; ++Y)
        for (int X = 0; X < 120; ++X) {
            const bool InCell = X >= 10 && Y >= 5 && X < 10 + Extent.cx && Y < 5 + Extent.cy;
            if (!InCell) {
                ASSERT_EQ(O.Picture.GetPixel(X, Y), White) << X << "," << Y;
            }
        }
}

// Glyphs whose blocks start beyond the int range (a text placed at its
// end) lie outside the bitmap and must leave it alone: cut to the clip box
// only after the conversion to int, they wrapped round into it.
TEST(DCTextOutTest, TextPastTheEndsOfIntDrawsNothing) {
    Surface S;
    S.Dc.SetBkMode(TRANSPARENT);
    // Long enough to go glyph by glyph.
    const std::string_view Text = "Hello, a text of more than thirty-two characters";
    S.Dc.TextOut(10, INT_MAX - 2, Text);
    S.Dc.TextOut(INT_MAX - 2, 5, Text);
    S.Dc.SetTextAlign(TA_BOTTOM | TA_RIGHT);
    S.Dc.TextOut(60, INT_MIN + 2, Text);
    S.Dc.TextOut(INT_MIN + 2, 30, Text);
    EXPECT_EQ(S.Count(White), 120 * 40);
}

TEST(DCTextOutTest, ClipRegionLimitsText) {
    Surface S;
    S.Dc.IntersectClipRect(0, 0, 30, 40);
    S.Dc.TextOut(10, 5, "Hello world");
    for (int Y = 0; Y < 40; ++Y)
        for (int X = 30; X < 120; ++X) ASSERT_EQ(S.Picture.GetPixel(X, Y), White);
    EXPECT_GT(S.Count(RGB(0, 0, 250)), 0);
}

TEST(DCTextOutTest, RasterOperationAppliesToTheInk) {
    Surface S;
    S.Picture.Fill(0);
    S.Dc.SetBkMode(TRANSPARENT);
    S.Dc.SetTextColor(White);
    S.Dc.SetROP2(R2_NOTXORPEN);
    // not-xor of white over black is black: full-coverage pixels stay black.
    S.Dc.TextOut(10, 5, "I");
    EXPECT_EQ(S.Count(White), 0);
}

TEST(DCTextOutTest, UpdateCurrentPositionAdvancesByTheExtent) {
    Surface S;
    SIZE Extent;
    S.Dc.GetTextExtentPoint32("ab", &Extent);
    S.Dc.SetTextAlign(TA_UPDATECP);
    S.Dc.MoveToEx(7, 3, nullptr);
    S.Dc.TextOut(0, 0, "ab");
    POINT P;
    S.Dc.GetCurrentPositionEx(&P);
    EXPECT_EQ(P, (POINT{7 + Extent.cx, 3}));
    TEXTMETRIC Metrics;
    ASSERT_TRUE(S.Dc.GetTextMetrics(&Metrics));
    EXPECT_EQ(Metrics.tmHeight, Extent.cy);
}

TEST(DCTextOutTest, TextInAPathBecomesFillableOutlines) {
    Surface S;
    S.Dc.SelectObject(CreateSolidBrush(RGB(0, 150, 0)));
    S.Dc.BeginPath();
    S.Dc.TextOut(10, 5, "H");
    S.Dc.EndPath();
    EXPECT_FALSE(S.Dc.GetPath().Empty());
    S.Dc.FillPath();
    EXPECT_GT(S.Count(RGB(0, 150, 0)), 20);
    EXPECT_EQ(S.Count(RGB(0, 0, 250)), 0);
}

} // namespace
} // namespace vur::gdi
