// Paths: recording, stroking, filling, widening and clipping to them.
#include "RasterReference.h"

#include "platform/gdi/DC.h"

#include <gtest/gtest.h>

namespace vur::gdi {
namespace {

constexpr COLORREF White = 0xFFFFFF;
constexpr COLORREF PenInk = RGB(10, 20, 200);
constexpr COLORREF Fill = RGB(0, 180, 0);

struct Surface {
    Bitmap Picture;
    DC Dc;
    Surface(int W, int H) : Picture(W, H), Dc(Picture) {
        Picture.Fill(White);
        Dc.SelectObject(CreatePen(PS_SOLID, 1, PenInk));
        Dc.SelectObject(CreateSolidBrush(Fill));
    }
};

TEST(PathTest, StrokedRectanglePathEqualsTheRectangleOutline) {
    for (unsigned Style : {PS_SOLID, PS_DOT}) {
        Surface Direct(30, 30), Pathed(30, 30);
        for (Surface* S : {&Direct, &Pathed}) {
            S->Dc.SelectObject(GetStockBrush(NULL_BRUSH));
            S->Dc.SelectObject(CreatePen(Style, 1, PenInk));
        }
        Direct.Dc.Rectangle(3, 4, 25, 20);
        Pathed.Dc.BeginPath();
        Pathed.Dc.Rectangle(3, 4, 25, 20);
        Pathed.Dc.EndPath();
        // Nothing is drawn while recording.
        Surface Blank(30, 30);
        Blank.Dc.SelectObject(GetStockBrush(NULL_BRUSH));
        EXPECT_EQ(Pathed.Picture, Blank.Picture);
        EXPECT_TRUE(Pathed.Dc.StrokePath());
        EXPECT_EQ(Pathed.Picture, Direct.Picture) << Style;
        // The path is used up.
        EXPECT_FALSE(Pathed.Dc.StrokePath());
    }
}

// A path used up while its last figure was still open: the next path starts
// a figure of its own instead of adding to one that is gone.
TEST(PathTest, APathUsedUpWithAnOpenFigureLeavesTheNextOneFresh) {
    Surface S(30, 30);
    // Records one two-point line: the path must hold just that figure.
    const auto RecordLine = [&S] {
        S.Dc.BeginPath();
        S.Dc.MoveToEx(2, 3, nullptr);
        S.Dc.LineTo(20, 3);
        S.Dc.EndPath();
        ASSERT_EQ(S.Dc.GetPath().Figures().size(), 1u);
        EXPECT_EQ(S.Dc.GetPath().Figures()[0].Points.size(), 2u);
    };
    RecordLine();
    EXPECT_TRUE(S.Dc.StrokePath());
    RecordLine();
    EXPECT_TRUE(S.Dc.StrokePath());
    S.Dc.BeginPath();
    S.Dc.MoveToEx(5, 5, nullptr);
    S.Dc.AbortPath();
    RecordLine();
}

TEST(PathTest, FilledPathFollowsThePolygonRules) {
    Surface Direct(40, 40), Pathed(40, 40);
    const POINT Star[] = {{20, 1}, {32, 38}, {1, 14}, {39, 14}, {8, 38}};
    for (Surface* S : {&Direct, &Pathed}) {
        S->Dc.SelectObject(GetStockPen(NULL_PEN));
        S->Dc.SetPolyFillMode(WINDING);
    }
    Direct.Dc.Polygon(Star, 5);
    Pathed.Dc.BeginPath();
    Pathed.Dc.MoveToEx(Star[0].x, Star[0].y, nullptr);
    for (int I = 1; I < 5; ++I) Pathed.Dc.LineTo(Star[I].x, Star[I].y);
    Pathed.Dc.CloseFigure();
    Pathed.Dc.EndPath();
    Pathed.Dc.FillPath();
    EXPECT_EQ(Pathed.Picture, Direct.Picture);
    // Stroke and fill: the fill under the outline.
    Surface Both(40, 40), Separate(40, 40);
    Separate.Dc.Polygon(Star, 5);
    Both.Dc.BeginPath();
    Both.Dc.Polygon(Star, 5);
    Both.Dc.EndPath();
    Both.Dc.StrokeAndFillPath();
    EXPECT_EQ(Both.Picture, Separate.Picture);
}

TEST(PathTest, WidenedLineClipsAFillToABand) {
    Surface S(40, 40);
    S.Dc.SelectObject(
        ExtCreatePen(PS_GEOMETRIC | PS_ENDCAP_FLAT, 6, LOGBRUSH{BS_SOLID, PenInk, 0}, 0, nullptr));
    S.Dc.BeginPath();
    S.Dc.MoveToEx(5, 20, nullptr);
    S.Dc.LineTo(35, 20);
    S.Dc.EndPath();
    EXPECT_TRUE(S.Dc.WidenPath());
    EXPECT_TRUE(S.Dc.SelectClipPath(RGN_COPY));
    S.Dc.FillRect(RECT{0, 0, 40, 40}, CreateSolidBrush(Fill));
    for (int Y = 0; Y < 40; ++Y)
        for (int X = 0; X < 40; ++X)
            ASSERT_EQ(S.Picture.GetPixel(X, Y) == Fill, X >= 5 && X < 35 && Y >= 17 && Y < 23)
                << X << "," << Y;
    // A one-pixel cosmetic pen cannot widen.
    S.Dc.SelectObject(CreatePen(PS_SOLID, 1, PenInk));
    S.Dc.BeginPath();
    S.Dc.LineTo(3, 3);
    S.Dc.EndPath();
    EXPECT_FALSE(S.Dc.WidenPath());
}

TEST(PathTest, EllipsePathFillsLikeAnEllipseWithoutPen) {
    Surface Direct(40, 40), Pathed(40, 40);
    Direct.Dc.SelectObject(GetStockPen(NULL_PEN));
    Direct.Dc.Ellipse(4, 6, 36, 30);
    Pathed.Dc.BeginPath();
    Pathed.Dc.Ellipse(4, 6, 36, 30);
    Pathed.Dc.EndPath();
    Pathed.Dc.FillPath();
    int Differ = 0, Filled = 0;
    for (int Y = 0; Y < 40; ++Y)
        for (int X = 0; X < 40; ++X) {
            Differ += Direct.Picture.GetPixel(X, Y) != Pathed.Picture.GetPixel(X, Y);
            Filled += Direct.Picture.GetPixel(X, Y) == Fill;
        }
    // The flattened curve may differ from the pixel ellipse along its rim only.
    EXPECT_LT(Differ, Filled / 10);
}

} // namespace
} // namespace vur::gdi
