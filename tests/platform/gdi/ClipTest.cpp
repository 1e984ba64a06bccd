// Regions and the clip of the device context: combine modes, the rasterised
// shapes, and drawing through the clip.
#include "RasterReference.h"

#include "platform/gdi/DC.h"

#include <gtest/gtest.h>

#include <random>

namespace vur::gdi {
namespace {

using testing::ReferenceInside;

constexpr COLORREF White = 0xFFFFFF;
constexpr COLORREF Fill = RGB(0, 180, 0);

TEST(ClipTest, CombineModesFollowTheirSetOperations) {
    std::mt19937 Random(9);
    std::uniform_int_distribution<int> Coord(-5, 25);
    for (int Case = 0; Case < 200; ++Case) {
        Region A, B;
        CombineRgn(A, CreateRectRgn(Coord(Random), Coord(Random), Coord(Random), Coord(Random)),
                   CreateEllipticRgn(Coord(Random), Coord(Random), Coord(Random), Coord(Random)), RGN_OR);
        CombineRgn(B, CreateRectRgn(Coord(Random), Coord(Random), Coord(Random), Coord(Random)),
                   CreateRectRgn(Coord(Random), Coord(Random), Coord(Random), Coord(Random)), RGN_XOR);
        for (int Mode : {RGN_AND, RGN_OR, RGN_XOR, RGN_DIFF, RGN_COPY}) {
            Region R;
            CombineRgn(R, A, B, Mode);
            for (int Y = -6; Y < 27; ++Y)
                for (int X = -6; X < 27; ++X) {
                    const bool InA = PtInRegion(A, X, Y), InB = PtInRegion(B, X, Y);
                    const bool Want = Mode == RGN_AND    ? InA && InB
                                      : Mode == RGN_OR   ? InA || InB
                                      : Mode == RGN_XOR  ? InA != InB
                                      : Mode == RGN_DIFF ? InA && !InB
                                                         : InA;
                    ASSERT_EQ(PtInRegion(R, X, Y), Want) << Case << " " << Mode << " " << X << "," << Y;
                }
            // Equal pixel sets give equal regions, however they were made.
            Region Again;
            CombineRgn(Again, R, Region(), RGN_OR);
            EXPECT_TRUE(EqualRgn(Again, R));
        }
    }
}

TEST(ClipTest, RegionShapesAndTheirBoxes) {
    RECT Box;
    EXPECT_EQ(GetRgnBox(CreateRectRgn(9, 8, 2, 3), &Box), SIMPLEREGION);
    EXPECT_EQ(Box, (RECT{2, 3, 9, 8}));
    EXPECT_EQ(CreateRectRgn(4, 4, 4, 9).Complexity(), NULLREGION);
    // Elliptic regions lose their last row and column first.
    EXPECT_EQ(GetRgnBox(CreateEllipticRgn(0, 0, 11, 7), &Box), COMPLEXREGION);
    EXPECT_EQ(Box, (RECT{0, 0, 10, 6}));
    Region R = CreateRoundRectRgn(0, 0, 21, 21, 6, 6);
    EXPECT_TRUE(PtInRegion(R, 10, 0));
    EXPECT_FALSE(PtInRegion(R, 0, 0));
    EXPECT_FALSE(PtInRegion(R, 20, 10));
    OffsetRgn(R, 100, -5);
    EXPECT_TRUE(PtInRegion(R, 110, -5));
    // Polygon regions follow the fill rule.
    const std::vector<POINT> Star{{30, 2}, {47, 56}, {2, 22}, {58, 22}, {13, 56}};
    for (int Mode : {ALTERNATE, WINDING}) {
        const Region P = CreatePolygonRgn(Star.data(), 5, Mode);
        for (int Y = 0; Y < 60; ++Y)
            for (int X = 0; X < 60; ++X) ASSERT_EQ(PtInRegion(P, X, Y), ReferenceInside(Star, Mode, X, Y));
    }
    EXPECT_TRUE(CreatePolygonRgn(Star.data(), 2, ALTERNATE).Empty());
}

struct Surface {
    Bitmap Picture;
    DC Dc;
    Surface(int W, int H) : Picture(W, H), Dc(Picture) {
        Picture.Fill(White);
        Dc.SelectObject(GetStockPen(NULL_PEN));
        Dc.SelectObject(CreateSolidBrush(Fill));
    }
};

TEST(ClipTest, IntersectionOfTwoRectanglesLimitsDrawing) {
    Surface S(40, 40);
    const Region First = CreateRectRgn(5, 5, 25, 30);
    S.Dc.SelectClipRgn(&First);
    S.Dc.IntersectClipRect(10, 0, 40, 20);
    S.Dc.FillRect(RECT{0, 0, 40, 40}, CreateSolidBrush(Fill));
    for (int Y = 0; Y < 40; ++Y)
        for (int X = 0; X < 40; ++X)
            ASSERT_EQ(S.Picture.GetPixel(X, Y) == Fill, X >= 10 && X < 25 && Y >= 5 && Y < 20)
                << X << "," << Y;
    RECT Box;
    EXPECT_EQ(S.Dc.GetClipBox(&Box), SIMPLEREGION);
    EXPECT_EQ(Box, (RECT{10, 5, 25, 20}));
    EXPECT_EQ(S.Dc.GetPixel(5, 5), CLR_INVALID);
    EXPECT_EQ(S.Dc.GetPixel(12, 6), Fill);
}

TEST(ClipTest, ExclusiveOrOfAnEllipseCutsItOutOfARectangle) {
    Surface S(40, 40);
    const Region Rect = CreateRectRgn(0, 0, 40, 40);
    S.Dc.SelectClipRgn(&Rect);
    const Region Hole = CreateEllipticRgn(10, 10, 31, 31);
    S.Dc.ExtSelectClipRgn(&Hole, RGN_XOR);
    S.Dc.SelectObject(CreatePen(PS_SOLID, 3, Fill));
    S.Dc.Rectangle(0, 0, 40, 40);
    for (int Y = 0; Y < 40; ++Y)
        for (int X = 0; X < 40; ++X) ASSERT_EQ(S.Picture.GetPixel(X, Y) == Fill, !PtInRegion(Hole, X, Y));
    EXPECT_EQ(S.Picture.GetPixel(20, 20), White);
    EXPECT_EQ(S.Picture.GetPixel(2, 2), Fill);
}

TEST(ClipTest, ClipReadBackRestoresAndRemoves) {
    Surface S(30, 30);
    Region Saved;
    EXPECT_EQ(S.Dc.GetClipRgn(Saved), 0);
    const Region Area = CreateRectRgn(0, 0, 15, 30);
    S.Dc.SelectClipRgn(&Area);
    ASSERT_EQ(S.Dc.GetClipRgn(Saved), 1);
    S.Dc.IntersectClipRect(0, 0, 30, 10);
    S.Dc.SelectClipRgn(&Saved);
    S.Dc.FillRect(RECT{0, 0, 30, 30}, CreateSolidBrush(Fill));
    EXPECT_EQ(S.Picture.GetPixel(14, 25), Fill);
    EXPECT_EQ(S.Picture.GetPixel(15, 25), White);
    S.Dc.SelectClipRgn(nullptr);
    S.Dc.FillRect(RECT{0, 0, 30, 30}, CreateSolidBrush(0));
    EXPECT_EQ(S.Picture.GetPixel(29, 29), 0u);
    // Excluding and restoring a saved state.
    const int Level = S.Dc.SaveDC();
    S.Dc.ExcludeClipRect(0, 0, 10, 10);
    S.Dc.FillRect(RECT{0, 0, 30, 30}, CreateSolidBrush(Fill));
    EXPECT_EQ(S.Picture.GetPixel(5, 5), 0u);
    EXPECT_TRUE(S.Dc.RestoreDC(Level));
    EXPECT_EQ(S.Dc.GetClipRgn(Saved), 0);
}

TEST(ClipTest, ComplexClipLimitsLinesShapesAndDashesAlike) {
    // Drawing through a clip equals drawing everywhere and keeping the clip's pixels.
    const Region Clip = CreateEllipticRgn(3, 2, 37, 33);
    auto Draw = [](DC& Dc) {
        Dc.SelectObject(CreatePen(PS_DASHDOT, 1, RGB(200, 0, 0)));
        Dc.SelectObject(CreateHatchBrush(HS_CROSS, RGB(0, 0, 200)));
        const POINT Poly[] = {{-5, 4}, {44, 9}, {20, 44}, {1, 30}};
        Dc.Polygon(Poly, 4);
        Dc.Ellipse(6, -4, 30, 20);
        Dc.SelectObject(CreatePen(PS_SOLID, 5, RGB(0, 99, 0)));
        Dc.MoveToEx(0, 38, nullptr);
        Dc.LineTo(39, 0);
    };
    Surface Free(40, 40), Clipped(40, 40);
    Draw(Free.Dc);
    Clipped.Dc.SelectClipRgn(&Clip);
    Draw(Clipped.Dc);
    for (int Y = 0; Y < 40; ++Y)
        for (int X = 0; X < 40; ++X)
            ASSERT_EQ(Clipped.Picture.GetPixel(X, Y),
                      PtInRegion(Clip, X, Y) ? Free.Picture.GetPixel(X, Y) : White)
                << X << "," << Y;
}

TEST(ClipTest, RectanglesMeetInTheirOverlap) {
    // Against the pixels of both and against the same set reached through
    // differences (A less what of A lies outside B), which walks the rows.
    std::mt19937 Random(21);
    std::uniform_int_distribution<int> Coord(-4, 16);
    for (int Case = 0; Case < 400; ++Case) {
        const Region A = CreateRectRgn(Coord(Random), Coord(Random), Coord(Random), Coord(Random));
        const Region B = CreateRectRgn(Coord(Random), Coord(Random), Coord(Random), Coord(Random));
        Region Overlap;
        const int Kind = CombineRgn(Overlap, A, B, RGN_AND);
        Region Outside, ByRows;
        CombineRgn(Outside, A, B, RGN_DIFF);
        CombineRgn(ByRows, A, Outside, RGN_DIFF);
        ASSERT_TRUE(EqualRgn(Overlap, ByRows)) << Case;
        int Pixels = 0;
        for (int Y = -5; Y < 17; ++Y)
            for (int X = -5; X < 17; ++X) {
                const bool Want = PtInRegion(A, X, Y) && PtInRegion(B, X, Y);
                ASSERT_EQ(PtInRegion(Overlap, X, Y), Want) << Case << " " << X << "," << Y;
                Pixels += Want;
            }
        ASSERT_EQ(Kind, Pixels == 0 ? NULLREGION : SIMPLEREGION) << Case;
        if (Pixels == 0) continue;
        RECT Box;
        GetRgnBox(Overlap, &Box);
        EXPECT_EQ((Box.right - Box.left) * (Box.bottom - Box.top), Pixels) << Case;
    }
}

TEST(ClipTest, ARegionBuiltIntoOneRectangleIsThatRectangle) {
    // Two halves joined by rows, and a ring's hole filled again.
    Region Joined, Ring, Filled;
    CombineRgn(Joined, CreateRectRgn(2, 3, 12, 8), CreateRectRgn(2, 8, 12, 20), RGN_OR);
    CombineRgn(Ring, CreateRectRgn(0, 0, 10, 10), CreateRectRgn(3, 3, 6, 6), RGN_DIFF);
    CombineRgn(Filled, Ring, CreateRectRgn(3, 3, 6, 6), RGN_XOR);
    EXPECT_EQ(Ring.Complexity(), COMPLEXREGION);
    EXPECT_TRUE(Joined.IsRectangle());
    EXPECT_TRUE(Filled.IsRectangle());
    EXPECT_TRUE(EqualRgn(Joined, CreateRectRgn(2, 3, 12, 20)));
    EXPECT_TRUE(EqualRgn(Filled, CreateRectRgn(0, 0, 10, 10)));
    EXPECT_FALSE(EqualRgn(Filled, Ring));
    // Moved, it stays one rectangle with its box.
    EXPECT_EQ(OffsetRgn(Joined, -2, 5), SIMPLEREGION);
    RECT Box;
    GetRgnBox(Joined, &Box);
    EXPECT_EQ(Box, (RECT{0, 8, 10, 25}));
    EXPECT_TRUE(PtInRegion(Joined, 0, 8));
    EXPECT_TRUE(PtInRegion(Joined, 9, 24));
    EXPECT_FALSE(PtInRegion(Joined, 10, 24));
    EXPECT_FALSE(PtInRegion(Joined, 0, 25));
    Region Empty;
    EXPECT_EQ(OffsetRgn(Empty, 3, 3), NULLREGION);
    EXPECT_EQ(CombineRgn(Empty, Empty, Joined, RGN_AND), NULLREGION);
}

} // namespace
} // namespace vur::gdi
