// Rectangles, ellipses, rounded rectangles, pies and polygons: outline and
// fill positions, fill rules against the reference, raster operations and
// degenerate input.
#include "RasterReference.h"

#include "platform/gdi/DC.h"

#include <gtest/gtest.h>

#include <cmath>
#include <random>

namespace vur::gdi {
namespace {

using testing::KeepPicture;
using testing::PixelsOf;
using testing::ReferenceInside;

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
    COLORREF At(int X, int Y) const { return Picture.GetPixel(X, Y); }
};

TEST(ShapeTest, RectangleOutlineCoversFirstAndLastColumnsAndRowsAndBrushFillsTheRest) {
    Surface S(30, 30);
    S.Dc.Rectangle(5, 7, 15, 20);
    for (int Y = 0; Y < 30; ++Y)
        for (int X = 0; X < 30; ++X) {
            const bool Inside = X >= 5 && X < 15 && Y >= 7 && Y < 20;
            const bool Edge = Inside && (X == 5 || X == 14 || Y == 7 || Y == 19);
            const COLORREF Want = !Inside ? White : Edge ? PenInk : Fill;
            ASSERT_EQ(S.At(X, Y), Want) << X << "," << Y;
        }
    // Inverted corners describe the same box.
    Surface R(30, 30);
    R.Dc.Rectangle(15, 20, 5, 7);
    EXPECT_EQ(R.Picture, S.Picture);
}

TEST(ShapeTest, RectangleWithoutPenFillsOneLessEachWayAndWidePenLeavesItsInterior) {
    Surface S(30, 30);
    S.Dc.SelectObject(GetStockPen(NULL_PEN));
    S.Dc.Rectangle(5, 5, 15, 15);
    EXPECT_EQ(S.At(5, 5), Fill);
    EXPECT_EQ(S.At(13, 13), Fill);
    EXPECT_EQ(S.At(14, 13), White);
    EXPECT_EQ(S.At(13, 14), White);
    // Width 4: the interior is [l + 2, r - 1 - 2) each way.
    Surface W(40, 40);
    W.Dc.SelectObject(CreatePen(PS_SOLID, 4, PenInk));
    W.Dc.Rectangle(10, 10, 30, 30);
    EXPECT_EQ(W.At(11, 20), PenInk);
    EXPECT_EQ(W.At(12, 20), Fill);
    EXPECT_EQ(W.At(26, 20), Fill);
    EXPECT_EQ(W.At(27, 20), PenInk);
    EXPECT_EQ(W.At(8, 20), PenInk); // the pen straddles the edge at x = 10: columns 8 .. 11
    EXPECT_EQ(W.At(7, 20), White);
    // Inside-frame keeps the same pen within the box.
    Surface F(40, 40);
    F.Dc.SelectObject(CreatePen(PS_INSIDEFRAME, 4, PenInk));
    F.Dc.Rectangle(10, 10, 30, 30);
    EXPECT_EQ(F.At(9, 20), White);
    EXPECT_EQ(F.At(10, 20), PenInk);
    EXPECT_EQ(F.At(29, 20), PenInk);
    EXPECT_EQ(F.At(30, 20), White);
    EXPECT_EQ(F.At(20, 29), PenInk);
    EXPECT_EQ(F.At(20, 30), White);
}

TEST(ShapeTest, FillRectCoversExactlyTheHalfOpenRectangle) {
    Surface S(20, 20);
    S.Dc.SetROP2(R2_XORPEN); // ignored by FillRect
    S.Dc.FillRect(RECT{3, 4, 9, 12}, CreateSolidBrush(Fill));
    for (int Y = 0; Y < 20; ++Y)
        for (int X = 0; X < 20; ++X)
            ASSERT_EQ(S.At(X, Y), X >= 3 && X < 9 && Y >= 4 && Y < 12 ? Fill : White) << X << "," << Y;
    const Bitmap Before = S.Picture;
    S.Dc.FillRect(RECT{9, 4, 3, 12}, CreateSolidBrush(0));
    S.Dc.FillRect(RECT{3, 12, 9, 4}, CreateSolidBrush(0));
    S.Dc.FillRect(RECT{-67108863, -67108863, 67108863, -5}, CreateSolidBrush(0));
    EXPECT_EQ(S.Picture, Before);
}

TEST(ShapeTest, NotXorDrawingTwiceRestoresEveryPixel) {
    Surface S(50, 50);
    std::mt19937 Random(3);
    for (auto& Pixel : std::span(S.Picture.Row(0), 50 * 50)) Pixel = Random() & 0xFFFFFF;
    const Bitmap Before = S.Picture;
    S.Dc.SetROP2(R2_NOTXORPEN);
    S.Dc.SelectObject(CreateHatchBrush(HS_DIAGCROSS, RGB(1, 2, 3)));
    for (int Time = 0; Time < 2; ++Time) {
        S.Dc.Rectangle(4, 6, 40, 33);
        S.Dc.Ellipse(10, 10, 45, 44);
    }
    EXPECT_EQ(S.Picture, Before);
    S.Dc.SelectObject(CreatePen(PS_DOT, 1, RGB(200, 100, 0)));
    S.Dc.Rectangle(1, 2, 48, 47);
    EXPECT_NE(S.Picture, Before);
    S.Dc.Rectangle(1, 2, 48, 47);
    EXPECT_EQ(S.Picture, Before);
}

TEST(ShapeTest, RectangleFrameIsItsClosedOutline) {
    // Each pixel of the frame once, whatever the raster operation, the clip
    // or how much of the box lies off the picture; around a copied fill.
    struct Case {
        RECT Box;
        int Rop;
        bool Clipped;
        bool Filled; // copied, a solid fill inside
    };
    const Case Cases[] = {
        {{4, 6, 6, 8}, R2_COPYPEN, false, false},     {{4, 6, 7, 30}, R2_XORPEN, false, false},
        {{3, 3, 40, 35}, R2_NOTXORPEN, true, false},  {{-5, 10, 20, 60}, R2_NOT, false, false},
        {{10, -9, 55, 20}, R2_MERGEPEN, true, false}, {{30, 30, 20, 22}, R2_XORPEN, true, false},
        {{4, 6, 6, 8}, R2_COPYPEN, false, true},      {{-3, 5, 30, 44}, R2_COPYPEN, true, true}};
    for (const Case& C : Cases) {
        SCOPED_TRACE(C.Rop);
        const Region Shape = CreateEllipticRgn(0, 0, 45, 40);
        Surface Framed(50, 50), Outlined(50, 50);
        std::mt19937 Random(5);
        for (auto& Pixel : std::span(Framed.Picture.Row(0), 50 * 50)) Pixel = Random() & 0xFFFFFF;
        Outlined.Picture = Framed.Picture;
        for (Surface* S : {&Framed, &Outlined}) {
            S->Dc.SetROP2(C.Rop);
            if (!C.Filled) S->Dc.SelectObject(GetStockBrush(NULL_BRUSH));
            if (C.Clipped) S->Dc.SelectClipRgn(&Shape);
        }
        const RECT& B = C.Box;
        Framed.Dc.Rectangle(B.left, B.top, B.right, B.bottom);
        const int L = std::min(B.left, B.right), R = std::max(B.left, B.right) - 1;
        const int T = std::min(B.top, B.bottom), Bm = std::max(B.top, B.bottom) - 1;
        const POINT Outline[] = {{L, T}, {R, T}, {R, Bm}, {L, Bm}, {L, T}};
        if (C.Filled) Outlined.Dc.FillRect(RECT{L + 1, T + 1, R, Bm}, CreateSolidBrush(Fill));
        Outlined.Dc.Polyline(Outline, 5);
        EXPECT_EQ(Framed.Picture, Outlined.Picture);
    }
}

TEST(ShapeTest, EllipseIsSymmetricAndTouchesEverySideOfItsBox) {
    for (const RECT B : {RECT{0, 0, 4, 4}, RECT{2, 3, 13, 9}, RECT{1, 1, 40, 21}, RECT{5, 5, 6, 30},
                         RECT{0, 7, 33, 8}, RECT{3, 2, 23, 22}, RECT{0, 0, 2, 2}}) {
        Surface S(50, 40);
        S.Dc.Ellipse(B.left, B.top, B.right, B.bottom);
        int Left = 99, Right = -1, Top = 99, Bottom = -1;
        for (int Y = 0; Y < 40; ++Y)
            for (int X = 0; X < 50; ++X) {
                const COLORREF C = S.At(X, Y);
                if (C == White) continue;
                Left = std::min(Left, X);
                Right = std::max(Right, X);
                Top = std::min(Top, Y);
                Bottom = std::max(Bottom, Y);
                // Mirror images in both axes hold the same colour.
                ASSERT_EQ(S.At(B.left + B.right - 1 - X, Y), C) << X << "," << Y;
                ASSERT_EQ(S.At(X, B.top + B.bottom - 1 - Y), C) << X << "," << Y;
            }
        EXPECT_EQ((RECT{Left, Top, Right + 1, Bottom + 1}), B);
    }
    // The classic 4 x 4 circle.
    Surface C(4, 4);
    C.Dc.SelectObject(GetStockBrush(NULL_BRUSH));
    C.Dc.Ellipse(0, 0, 4, 4);
    EXPECT_EQ(PixelsOf(C.Picture, PenInk),
              (std::vector<POINT>{{1, 0}, {2, 0}, {0, 1}, {3, 1}, {0, 2}, {3, 2}, {1, 3}, {2, 3}}));
}

TEST(ShapeTest, EllipseOutlineIsOneConnectedRingAroundItsFill) {
    Surface S(60, 60);
    S.Dc.Ellipse(3, 5, 57, 41);
    // Every fill pixel's four neighbours are fill or outline, never background.
    int Outline = 0;
    for (int Y = 0; Y < 60; ++Y)
        for (int X = 0; X < 60; ++X) {
            if (S.At(X, Y) == PenInk) ++Outline;
            if (S.At(X, Y) != Fill) continue;
            for (const auto& [Dx, Dy] : {std::pair{1, 0}, {-1, 0}, {0, 1}, {0, -1}})
                ASSERT_NE(S.At(X + Dx, Y + Dy), White) << X << "," << Y;
        }
    // An 8-connected curve takes one pixel per column where it is flat and one
    // per row where it is steep: 4 sqrt(a^2 + b^2) pixels for semi-axes a, b
    // (26.5 and 17.5 here).
    EXPECT_NEAR(Outline, 4 * std::sqrt(26.5 * 26.5 + 17.5 * 17.5), 4);
}

TEST(ShapeTest, RoundRectHasStraightEdgesAndRoundCorners) {
    Surface S(40, 40);
    S.Dc.RoundRect(5, 5, 35, 30, 10, 8);
    EXPECT_EQ(S.At(20, 5), PenInk);  // top edge
    EXPECT_EQ(S.At(20, 29), PenInk); // bottom edge
    EXPECT_EQ(S.At(5, 17), PenInk);  // left edge
    EXPECT_EQ(S.At(34, 17), PenInk); // right edge
    EXPECT_EQ(S.At(5, 5), White);    // corners cut
    EXPECT_EQ(S.At(34, 29), White);
    EXPECT_EQ(S.At(20, 17), Fill);
    // Corners of 2 pixels or less are a plain rectangle.
    Surface R(40, 40), P(40, 40);
    R.Dc.RoundRect(5, 5, 35, 30, 2, 8);
    P.Dc.Rectangle(5, 5, 35, 30);
    EXPECT_EQ(R.Picture, P.Picture);
}

TEST(ShapeTest, PieFillsTheSectorAndArcStaysOnTheEllipse) {
    Surface E(50, 50), A(50, 50), P(50, 50);
    E.Dc.SelectObject(GetStockBrush(NULL_BRUSH));
    E.Dc.Ellipse(5, 5, 45, 45);
    // Upper-right quarter: counter-clockwise from the ray to the right to the ray upwards.
    A.Dc.Arc(5, 5, 45, 45, 45, 25, 25, 0);
    for (const POINT& Pt : PixelsOf(A.Picture, PenInk)) {
        EXPECT_EQ(E.At(Pt.x, Pt.y), PenInk);
        EXPECT_GE(Pt.x, 24);
        EXPECT_LE(Pt.y, 25);
    }
    EXPECT_GT(PixelsOf(A.Picture, PenInk).size(), 20u);
    P.Dc.Pie(5, 5, 45, 45, 45, 25, 25, 0);
    EXPECT_EQ(P.At(35, 15), Fill);
    EXPECT_EQ(P.At(15, 35), White);
    EXPECT_EQ(P.At(15, 15), White);
    EXPECT_EQ(P.At(35, 35), White);
}

TEST(ShapeTest, PolygonAlternateAndWindingDifferOnlyInsideTheStarsCentre) {
    const POINT Star[] = {{30, 2}, {47, 56}, {2, 22}, {58, 22}, {13, 56}};
    Surface Alt(60, 60), Wind(60, 60);
    for (Surface* S : {&Alt, &Wind}) S->Dc.SelectObject(GetStockPen(NULL_PEN));
    Alt.Dc.SetPolyFillMode(ALTERNATE);
    Alt.Dc.Polygon(Star, 5);
    Wind.Dc.SetPolyFillMode(WINDING);
    Wind.Dc.Polygon(Star, 5);
    EXPECT_EQ(Alt.At(30, 32), White); // the pentagon in the middle
    EXPECT_EQ(Wind.At(30, 32), Fill);
    EXPECT_EQ(Alt.At(30, 10), Fill); // a point of the star
    EXPECT_EQ(Wind.At(30, 10), Fill);
    const std::vector<POINT> Poly(std::begin(Star), std::end(Star));
    for (int Y = 0; Y < 60; ++Y)
        for (int X = 0; X < 60; ++X) {
            ASSERT_EQ(Alt.At(X, Y) == Fill, ReferenceInside(Poly, ALTERNATE, X, Y)) << X << "," << Y;
            ASSERT_EQ(Wind.At(X, Y) == Fill, ReferenceInside(Poly, WINDING, X, Y)) << X << "," << Y;
        }
}

TEST(ShapeTest, RandomPolygonFillsMatchTheReference) {
    std::mt19937 Random(5);
    std::uniform_int_distribution<int> Coord(-10, 45);
    std::uniform_int_distribution<int> Corners(3, 9);
    for (int Case = 0; Case < 400; ++Case) {
        std::vector<POINT> Poly(Corners(Random));
        for (POINT& P : Poly) P = POINT{Coord(Random), Coord(Random)};
        const int Mode = Case % 2 ? WINDING : ALTERNATE;
        Surface S(36, 36);
        S.Dc.SelectObject(GetStockPen(NULL_PEN));
        S.Dc.SetPolyFillMode(Mode);
        S.Dc.Polygon(Poly.data(), static_cast<int>(Poly.size()));
        for (int Y = 0; Y < 36; ++Y)
            for (int X = 0; X < 36; ++X)
                if ((S.At(X, Y) == Fill) != ReferenceInside(Poly, Mode, X, Y)) {
                    KeepPicture(S.Picture, "ShapeTest_RandomPolygon");
                    FAIL() << "case " << Case << " pixel " << X << "," << Y;
                }
    }
}

TEST(ShapeTest, PolygonOutlineGoesOnTopOfItsFill) {
    Surface S(20, 20);
    const POINT Triangle[] = {{2, 2}, {17, 2}, {2, 17}};
    S.Dc.Polygon(Triangle, 3);
    EXPECT_EQ(S.At(2, 2), PenInk);
    EXPECT_EQ(S.At(10, 2), PenInk);
    EXPECT_EQ(S.At(2, 10), PenInk);
    EXPECT_EQ(S.At(5, 5), Fill);
}

TEST(ShapeTest, DegenerateShapesDrawNothingOrOnlyTheirOutline) {
    Surface S(20, 20);
    const Bitmap Blank = S.Picture;
    S.Dc.Rectangle(5, 5, 5, 10);
    S.Dc.Ellipse(5, 5, 9, 5);
    S.Dc.RoundRect(3, 3, 3, 3, 5, 5);
    S.Dc.Pie(4, 4, 4, 8, 0, 0, 1, 1);
    const POINT Two[] = {{1, 1}, {8, 8}};
    EXPECT_FALSE(S.Dc.Polygon(Two, 1));
    EXPECT_FALSE(S.Dc.Polyline(Two, 1));
    EXPECT_FALSE(S.Dc.Polygon(nullptr, 5));
    EXPECT_EQ(S.Picture, Blank);
    // Two points: a line there and back, no fill.
    S.Dc.Polygon(Two, 2);
    EXPECT_EQ(PixelsOf(S.Picture, Fill).size(), 0u);
    EXPECT_EQ(PixelsOf(S.Picture, PenInk).size(), 8u);
    // One-pixel-wide boxes are just their outline.
    Surface T(20, 20);
    T.Dc.Rectangle(3, 3, 4, 9);
    EXPECT_EQ(PixelsOf(T.Picture, PenInk).size(), 6u);
    EXPECT_EQ(PixelsOf(T.Picture, Fill).size(), 0u);
}

TEST(ShapeTest, HugeCoordinatesStayInsideTheBitmap) {
    Surface S(30, 20);
    const int Big = 67108863;
    S.Dc.Rectangle(-Big, -Big, Big, Big);
    EXPECT_EQ(PixelsOf(S.Picture, Fill).size(), 600u);
    S.Dc.Ellipse(-Big, -Big, Big, Big);
    S.Dc.SelectObject(CreatePen(PS_SOLID, 7, PenInk));
    S.Dc.Ellipse(-Big, -3, Big, 10);
    S.Dc.RoundRect(-Big, -Big, Big, 5, Big, Big);
    const POINT Wild[] = {{-Big, -Big}, {Big, 3}, {-Big, Big}, {Big, -Big}};
    S.Dc.Polygon(Wild, 4);
    S.Dc.Polyline(Wild, 4);
    S.Dc.Pie(-Big, -Big, Big, Big, Big, 0, 0, -Big);
    SUCCEED();
}

TEST(ShapeTest, HatchBrushesPaintTheirPatternsAndGapsOnlyWhenOpaque) {
    const std::uint8_t Rows[6][8] = {
        {0x00, 0x00, 0x00, 0xFF, 0x00, 0x00, 0x00, 0x00}, {0x08, 0x08, 0x08, 0x08, 0x08, 0x08, 0x08, 0x08},
        {0x80, 0x40, 0x20, 0x10, 0x08, 0x04, 0x02, 0x01}, {0x01, 0x02, 0x04, 0x08, 0x10, 0x20, 0x40, 0x80},
        {0x08, 0x08, 0x08, 0xFF, 0x08, 0x08, 0x08, 0x08}, {0x81, 0x42, 0x24, 0x18, 0x18, 0x24, 0x42, 0x81},
    };
    constexpr COLORREF Back = RGB(250, 250, 0);
    for (int Hatch = HS_HORIZONTAL; Hatch <= HS_DIAGCROSS; ++Hatch) {
        for (int Mode : {OPAQUE, TRANSPARENT}) {
            Surface S(24, 24);
            S.Dc.SetBkColor(Back);
            S.Dc.SetBkMode(Mode);
            S.Dc.SetBrushOrgEx(2, 1, nullptr);
            S.Dc.FillRect(RECT{0, 0, 24, 24}, CreateHatchBrush(Hatch, Fill));
            for (int Y = 0; Y < 24; ++Y)
                for (int X = 0; X < 24; ++X) {
                    const bool Set = Rows[Hatch][(Y - 1 + 8) % 8] & (0x80 >> ((X - 2 + 8) % 8));
                    const COLORREF Want = Set ? Fill : Mode == OPAQUE ? Back : White;
                    ASSERT_EQ(S.At(X, Y), Want) << Hatch << " " << X << "," << Y;
                }
        }
    }
}

TEST(ShapeTest, PatternBrushRepeatsFromTheBrushOrigin) {
    Bitmap Tile(3, 2);
    Tile.Row(0)[0] = PixelFromColor(RGB(255, 0, 0));
    Tile.Row(1)[2] = PixelFromColor(RGB(0, 0, 255));
    Surface S(12, 12);
    S.Dc.FillRect(RECT{0, 0, 12, 12}, CreatePatternBrush(Tile));
    EXPECT_EQ(S.At(0, 0), RGB(255, 0, 0));
    EXPECT_EQ(S.At(3, 2), RGB(255, 0, 0));
    EXPECT_EQ(S.At(5, 3), RGB(0, 0, 255));
    EXPECT_EQ(S.At(1, 0), 0u);
    // A monochrome tile paints black in the text colour, white in the background colour.
    Tile.SetMonochrome(true);
    S.Dc.SetTextColor(RGB(9, 9, 9));
    S.Dc.SetBkColor(RGB(7, 7, 7));
    S.Dc.FillRect(RECT{0, 0, 12, 12}, CreatePatternBrush(Tile));
    EXPECT_EQ(S.At(0, 0), RGB(9, 9, 9));
    EXPECT_EQ(S.At(1, 0), RGB(9, 9, 9));
    Tile.Fill(0xFFFFFF);
    S.Dc.FillRect(RECT{0, 0, 12, 12}, CreatePatternBrush(Tile));
    EXPECT_EQ(S.At(4, 4), RGB(7, 7, 7));
}

TEST(ShapeTest, RasterOperationsFollowTheirTruthTables) {
    const COLORREF P = RGB(0x0F, 0x33, 0x55), D = RGB(0xF0, 0x35, 0x0A);
    const COLORREF NP = ~P & 0xFFFFFF, ND = ~D & 0xFFFFFF;
    const COLORREF Want[17] = {0,
                               0,
                               ~(P | D) & 0xFFFFFF,
                               ~P & D,
                               NP,
                               P & ND,
                               ND,
                               P ^ D,
                               ~(P & D) & 0xFFFFFF,
                               P & D,
                               ~(P ^ D) & 0xFFFFFF,
                               D,
                               NP | D,
                               P,
                               P | ND,
                               P | D,
                               0xFFFFFF};
    for (int Rop = R2_BLACK; Rop <= R2_WHITE; ++Rop) {
        Surface S(4, 4);
        S.Picture.Fill(D);
        S.Dc.SetROP2(Rop);
        S.Dc.SelectObject(CreatePen(PS_SOLID, 1, P));
        S.Dc.MoveToEx(0, 1, nullptr);
        S.Dc.LineTo(3, 1);
        EXPECT_EQ(S.At(1, 1), Want[Rop]) << Rop;
        EXPECT_EQ(S.Picture.Row(1)[1] >> 24, 0u);
    }
}

} // namespace
} // namespace vur::gdi
