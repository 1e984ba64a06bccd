// One-pixel lines against the reference rule, dash patterns along polylines,
// and lines far outside the bitmap.
#include "RasterReference.h"

#include "platform/gdi/DC.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <random>
#include <set>
#include <utility>

namespace vur::gdi {
namespace {

using testing::KeepPicture;
using testing::PixelsOf;
using testing::ReferenceLine;

constexpr COLORREF White = 0xFFFFFF;
constexpr COLORREF Ink = RGB(200, 10, 30);

std::set<std::pair<int, int>> AsSet(const std::vector<POINT>& Points, int Width, int Height) {
    std::set<std::pair<int, int>> S;
    for (const POINT& P : Points)
        if (P.x >= 0 && P.y >= 0 && P.x < Width && P.y < Height) S.insert({P.x, P.y});
    return S;
}

struct Surface {
    Bitmap Picture;
    DC Dc;
    Surface(int W, int H) : Picture(W, H), Dc(Picture) {
        Picture.Fill(White);
        Dc.SelectObject(CreatePen(PS_SOLID, 1, Ink));
    }
};

TEST(LineTest, RandomLinesInEveryOctantMatchTheReference) {
    std::mt19937 Random(7);
    std::uniform_int_distribution<int> Coord(-40, 100);
    for (int Case = 0; Case < 3000; ++Case) {
        Surface S(61, 47);
        const int X0 = Coord(Random), Y0 = Coord(Random), X1 = Coord(Random), Y1 = Coord(Random);
        S.Dc.MoveToEx(X0, Y0, nullptr);
        S.Dc.LineTo(X1, Y1);
        const auto Drawn = AsSet(PixelsOf(S.Picture, Ink), 61, 47);
        const auto Expected = AsSet(ReferenceLine(X0, Y0, X1, Y1), 61, 47);
        if (Drawn != Expected) {
            KeepPicture(S.Picture, "LineTest_Random");
            FAIL() << "line (" << X0 << "," << Y0 << ")-(" << X1 << "," << Y1 << ")";
        }
    }
}

TEST(LineTest, EndPixelIsNeverDrawnAndTiesGoUpOrLeft) {
    // (0,0)-(4,2): at x = 1 and x = 3 the ideal line lies halfway between two rows.
    Surface S(8, 8);
    S.Dc.MoveToEx(0, 0, nullptr);
    S.Dc.LineTo(4, 2);
    EXPECT_EQ(PixelsOf(S.Picture, Ink), (std::vector<POINT>{{0, 0}, {1, 0}, {2, 1}, {3, 1}}));
    // Reversed, only the dropped end changes.
    Surface R(8, 8);
    R.Dc.MoveToEx(4, 2, nullptr);
    R.Dc.LineTo(0, 0);
    EXPECT_EQ(PixelsOf(R.Picture, Ink), (std::vector<POINT>{{1, 0}, {2, 1}, {3, 1}, {4, 2}}));
    // A steep tie picks the left column, in both directions.
    Surface V(8, 8);
    V.Dc.MoveToEx(0, 0, nullptr);
    V.Dc.LineTo(2, 4);
    EXPECT_EQ(PixelsOf(V.Picture, Ink), (std::vector<POINT>{{0, 0}, {0, 1}, {1, 2}, {1, 3}}));
}

TEST(LineTest, ReversingALineChangesOnlyTheDroppedEnd) {
    std::mt19937 Random(11);
    std::uniform_int_distribution<int> Coord(0, 30);
    for (int Case = 0; Case < 500; ++Case) {
        const int X0 = Coord(Random), Y0 = Coord(Random), X1 = Coord(Random), Y1 = Coord(Random);
        if (X0 == X1 && Y0 == Y1) continue;
        Surface A(32, 32), B(32, 32);
        A.Dc.MoveToEx(X0, Y0, nullptr);
        A.Dc.LineTo(X1, Y1);
        A.Dc.SetPixel(X1, Y1, Ink);
        B.Dc.MoveToEx(X1, Y1, nullptr);
        B.Dc.LineTo(X0, Y0);
        B.Dc.SetPixel(X0, Y0, Ink);
        ASSERT_EQ(PixelsOf(A.Picture, Ink), PixelsOf(B.Picture, Ink))
            << X0 << "," << Y0 << " " << X1 << "," << Y1;
    }
}

TEST(LineTest, ConsecutiveLineToCallsJoinWithoutGapOrDoublePixel) {
    // Under xor a pixel drawn twice would vanish again.
    Surface S(40, 40);
    S.Dc.SetROP2(R2_XORPEN);
    S.Dc.SelectObject(CreatePen(PS_SOLID, 1, 0xFFFFFF));
    const POINT Path[] = {{3, 3}, {30, 9}, {25, 35}, {5, 20}, {3, 4}};
    S.Dc.MoveToEx(Path[0].x, Path[0].y, nullptr);
    std::set<std::pair<int, int>> Expected;
    for (int I = 1; I < 5; ++I) {
        S.Dc.LineTo(Path[I].x, Path[I].y);
        for (const POINT& P : ReferenceLine(Path[I - 1].x, Path[I - 1].y, Path[I].x, Path[I].y))
            Expected.insert({P.x, P.y});
    }
    const auto Drawn = AsSet(PixelsOf(S.Picture, 0), 40, 40);
    EXPECT_EQ(Drawn, Expected);
    POINT Position;
    S.Dc.GetCurrentPositionEx(&Position);
    EXPECT_EQ(Position, (POINT{3, 4}));
}

// On/off pattern of a horizontal run of Length pixels drawn from x = 0 on row 0.
std::string Pattern(const Bitmap& Picture, int Row, int Length) {
    std::string S;
    for (int X = 0; X < Length; ++X) S += Picture.GetPixel(X, Row) == Ink ? '#' : '.';
    return S;
}

TEST(LineTest, CosmeticDashStylesHaveTheirPixelPatterns) {
    const std::pair<unsigned, std::string> Styles[] = {
        {PS_DASH, std::string(18, '#') + std::string(6, '.')},
        {PS_DOT, "###..."},
        {PS_DASHDOT, "#########......###......"},
        {PS_DASHDOTDOT, "#########...###...###..."},
    };
    for (const auto& [Style, Period] : Styles) {
        Surface S(60, 2);
        S.Dc.SetBkMode(TRANSPARENT);
        S.Dc.SelectObject(CreatePen(Style, 1, Ink));
        S.Dc.MoveToEx(0, 0, nullptr);
        S.Dc.LineTo(48, 0);
        std::string Repeated;
        while (Repeated.size() < 48) Repeated += Period;
        EXPECT_EQ(Pattern(S.Picture, 0, 48), Repeated.substr(0, 48)) << Style;
    }
}

TEST(LineTest, DashCarriesAcrossPolylineSegmentsAndRestartsAtEachLineTo) {
    // Polyline (0,0)-(4,0)-(8,0) with dots 3 on 3 off: one pattern over 8 pixels.
    Surface P(12, 2);
    P.Dc.SetBkMode(TRANSPARENT);
    P.Dc.SelectObject(CreatePen(PS_DOT, 1, Ink));
    const POINT Points[] = {{0, 0}, {4, 0}, {8, 0}};
    P.Dc.Polyline(Points, 3);
    EXPECT_EQ(Pattern(P.Picture, 0, 9), "###...##.");
    // The same as two LineTo calls: the second starts a fresh pattern at x = 4.
    Surface L(12, 2);
    L.Dc.SetBkMode(TRANSPARENT);
    L.Dc.SelectObject(CreatePen(PS_DOT, 1, Ink));
    L.Dc.MoveToEx(0, 0, nullptr);
    L.Dc.LineTo(4, 0);
    L.Dc.LineTo(8, 0);
    EXPECT_EQ(Pattern(L.Picture, 0, 9), "###.###..");
}

TEST(LineTest, StraightDashedPolylinesMatchTheReferenceThroughClipRectangles) {
    // Horizontal and vertical pieces, partly outside the clip and the bitmap,
    // joined into one polyline so that the pattern runs on across pieces and
    // across the hidden steps: pixel I of the walk is lit when position
    // I mod period of the pattern falls in a dash.
    const std::pair<unsigned, std::vector<int>> Styles[] = {
        {PS_SOLID, {}}, {PS_DOT, {3, 3}}, {PS_DASH, {18, 6}}, {PS_DASHDOTDOT, {9, 3, 3, 3, 3, 3}}};
    std::mt19937 Random(3);
    std::uniform_int_distribution<int> Coord(-30, 70), Pick(0, 3);
    for (int Case = 0; Case < 800; ++Case) {
        const auto& [Style, Runs] = Styles[Pick(Random)];
        Surface S(41, 37);
        S.Dc.SetBkMode(TRANSPARENT);
        S.Dc.SelectObject(CreatePen(Style, 1, Ink));
        const int L = Coord(Random) / 2, T = Coord(Random) / 2, R = 20 + Coord(Random) / 2,
                  B = 20 + Coord(Random) / 2;
        const RECT Box{std::min(L, R), std::min(T, B), std::max(L, R), std::max(T, B)};
        S.Dc.IntersectClipRect(L, T, R, B);
        std::vector<POINT> Points{{Coord(Random), Coord(Random)}};
        for (int Piece = 0; Piece < 4; ++Piece) {
            POINT Next = Points.back();
            (Pick(Random) % 2 ? Next.x : Next.y) = Coord(Random);
            Points.push_back(Next);
        }
        S.Dc.Polyline(Points.data(), static_cast<int>(Points.size()));
        std::set<std::pair<int, int>> Expected;
        testing::ForEachWalkedPixel(Points, testing::LitPattern(Runs), [&](POINT P, bool On) {
            const bool Inside = P.x >= std::max(Box.left, 0) && P.x < std::min<int>(Box.right, 41) &&
                                P.y >= std::max(Box.top, 0) && P.y < std::min<int>(Box.bottom, 37);
            if (On && Inside) Expected.insert({P.x, P.y});
        });
        if (AsSet(PixelsOf(S.Picture, Ink), 41, 37) != Expected) {
            KeepPicture(S.Picture, "LineTest_StraightDashes");
            FAIL() << "case " << Case << " style " << Style;
        }
    }
}

TEST(LineTest, DashCarriesRoundARectangle) {
    // Outline of Rectangle(0,0,5,4): 4 + 3 + 4 + 3 = 14 pixels walked clockwise
    // from the top-left corner; dots 3 on 3 off continue over the corners.
    Surface S(8, 8);
    S.Dc.SetBkMode(TRANSPARENT);
    S.Dc.SelectObject(GetStockBrush(NULL_BRUSH));
    S.Dc.SelectObject(CreatePen(PS_DOT, 1, Ink));
    S.Dc.Rectangle(0, 0, 5, 4);
    const POINT Walk[] = {{0, 0}, {1, 0}, {2, 0}, {3, 0}, {4, 0}, {4, 1}, {4, 2},
                          {4, 3}, {3, 3}, {2, 3}, {1, 3}, {0, 3}, {0, 2}, {0, 1}};
    std::string Seen;
    for (const POINT& P : Walk) Seen += S.Picture.GetPixel(P.x, P.y) == Ink ? '#' : '.';
    EXPECT_EQ(Seen, "###...###...##");
}

TEST(LineTest, DashGapsTakeTheBackgroundOnlyWhenOpaque) {
    Surface S(20, 2);
    S.Dc.SetBkColor(RGB(0, 0, 255));
    S.Dc.SelectObject(CreatePen(PS_DOT, 1, Ink));
    S.Dc.MoveToEx(0, 0, nullptr);
    S.Dc.LineTo(12, 0);
    EXPECT_EQ(S.Picture.GetPixel(3, 0), RGB(0, 0, 255));
    S.Dc.SetBkMode(TRANSPARENT);
    S.Dc.MoveToEx(0, 1, nullptr);
    S.Dc.LineTo(12, 1);
    EXPECT_EQ(S.Picture.GetPixel(3, 1), White);
    EXPECT_EQ(S.Picture.GetPixel(2, 1), Ink);
}

TEST(LineTest, AlternatePenSetsEveryOtherPixel) {
    Surface S(30, 30);
    S.Dc.SetBkMode(TRANSPARENT);
    S.Dc.SelectObject(ExtCreatePen(PS_COSMETIC | PS_ALTERNATE, 1, LOGBRUSH{BS_SOLID, Ink, 0}, 0, nullptr));
    S.Dc.MoveToEx(0, 5, nullptr);
    S.Dc.LineTo(20, 5);
    S.Dc.MoveToEx(25, 0, nullptr);
    S.Dc.LineTo(25, 20);
    for (int I = 0; I < 20; ++I) {
        EXPECT_EQ(S.Picture.GetPixel(I, 5) == Ink, I % 2 == 0) << I;
        EXPECT_EQ(S.Picture.GetPixel(25, I) == Ink, I % 2 == 0) << I;
    }
}

TEST(LineTest, GeometricPenWithDashZeroThenGapSetsOnePixelEveryGap) {
    for (unsigned N : {1u, 2u, 4u}) {
        Surface S(40, 3);
        S.Dc.SetBkMode(TRANSPARENT);
        const unsigned Dashes[] = {0, N + 1};
        S.Dc.SelectObject(
            ExtCreatePen(PS_GEOMETRIC | PS_USERSTYLE, 1, LOGBRUSH{BS_SOLID, Ink, 0}, 2, Dashes));
        S.Dc.MoveToEx(0, 1, nullptr);
        S.Dc.LineTo(30, 1);
        for (int X = 0; X < 30; ++X)
            EXPECT_EQ(S.Picture.GetPixel(X, 1) == Ink, X % (N + 1) == 0) << N << " " << X;
        EXPECT_TRUE(PixelsOf(S.Picture, Ink).size() ==
                    static_cast<std::size_t>(30 / (N + 1) + (30 % (N + 1) == 0)));
    }
}

TEST(LineTest, PenDashListsFollowTheirStyle) {
    const auto List = [](const Pen& P) {
        return std::vector<double>(P.GetDashes().begin(), P.GetDashes().end());
    };
    EXPECT_EQ(List(CreatePen(PS_DASHDOT, 1, Ink)), (std::vector<double>{9, 6, 3, 6}));
    // A plain pen wider than one draws every style solid.
    EXPECT_TRUE(List(CreatePen(PS_DOT, 3, Ink)).empty());
    const LOGBRUSH Solid{BS_SOLID, Ink, 0};
    EXPECT_EQ(List(ExtCreatePen(PS_GEOMETRIC | PS_DASHDOT, 4, Solid, 0, nullptr)),
              (std::vector<double>{12, 4, 4, 4}));
    // An odd user count runs twice so that dashes and gaps alternate.
    const unsigned Odd[] = {5, 2, 1};
    EXPECT_EQ(List(ExtCreatePen(PS_GEOMETRIC | PS_USERSTYLE, 2, Solid, 3, Odd)),
              (std::vector<double>{5, 2, 1, 5, 2, 1}));
    const unsigned Zeros[] = {0, 0};
    EXPECT_TRUE(List(ExtCreatePen(PS_GEOMETRIC | PS_USERSTYLE, 2, Solid, 2, Zeros)).empty());
    // Beyond 16 entries the rest is ignored; 15 entries double to 30.
    unsigned Many[20];
    for (unsigned I = 0; I < 20; ++I) Many[I] = I + 1;
    EXPECT_EQ(List(ExtCreatePen(PS_GEOMETRIC | PS_USERSTYLE, 1, Solid, 20, Many)).size(), 16u);
    const std::vector<double> Doubled = List(ExtCreatePen(PS_GEOMETRIC | PS_USERSTYLE, 1, Solid, 15, Many));
    ASSERT_EQ(Doubled.size(), 30u);
    EXPECT_EQ(Doubled[14], 15);
    EXPECT_EQ(Doubled[15], 1);
    EXPECT_EQ(Doubled[29], 15);
}

TEST(LineTest, HugeAndDegenerateLinesStayInsideTheBitmap) {
    Surface S(50, 40);
    S.Dc.MoveToEx(-67108863, -67108863, nullptr);
    S.Dc.LineTo(67108863, 67108863);
    // The diagonal through the origin: exactly (i, i).
    for (int I = 0; I < 40; ++I) EXPECT_EQ(S.Picture.GetPixel(I, I), Ink) << I;
    EXPECT_EQ(PixelsOf(S.Picture, Ink).size(), 40u);
    Surface Z(10, 10);
    Z.Dc.MoveToEx(4, 4, nullptr);
    Z.Dc.LineTo(4, 4);
    EXPECT_TRUE(PixelsOf(Z.Picture, Ink).empty());
    // Far outside, steep and shallow, and along the edges.
    Surface F(10, 10);
    F.Dc.MoveToEx(-67108863, 5, nullptr);
    F.Dc.LineTo(-67108000, 67108863);
    F.Dc.MoveToEx(67108863, -67108863, nullptr);
    F.Dc.LineTo(-67108863, 67108863);
    EXPECT_LE(PixelsOf(F.Picture, Ink).size(), 20u);
}

TEST(LineTest, WidePenCoversRowsAroundTheLine) {
    for (int W : {2, 3, 4, 5}) {
        Surface S(40, 40);
        S.Dc.SelectObject(
            ExtCreatePen(PS_GEOMETRIC | PS_ENDCAP_FLAT, W, LOGBRUSH{BS_SOLID, Ink, 0}, 0, nullptr));
        S.Dc.MoveToEx(5, 20, nullptr);
        S.Dc.LineTo(30, 20);
        for (int Y = 10; Y < 30; ++Y) {
            const bool Covered = Y >= 20 - W / 2 && Y <= 20 - W / 2 + W - 1;
            EXPECT_EQ(S.Picture.GetPixel(15, Y) == Ink, Covered) << W << " " << Y;
        }
        // Flat caps end at the end points.
        EXPECT_EQ(S.Picture.GetPixel(5, 20), Ink);
        EXPECT_EQ(S.Picture.GetPixel(4, 20), White);
        EXPECT_EQ(S.Picture.GetPixel(30, 20), White);
    }
}

TEST(LineTest, RoundCapsAreDiscsOfThePenWidth) {
    Surface S(40, 40);
    S.Dc.SelectObject(CreatePen(PS_SOLID, 6, Ink));
    S.Dc.MoveToEx(20, 20, nullptr);
    S.Dc.LineTo(20, 20);
    // A zero-length wide line is one disc, 6 x 6, rows and columns 17 .. 22.
    int Left = 99, Right = -1, Top = 99, Bottom = -1;
    for (const POINT& P : PixelsOf(S.Picture, Ink)) {
        Left = std::min(Left, P.x);
        Right = std::max(Right, P.x);
        Top = std::min(Top, P.y);
        Bottom = std::max(Bottom, P.y);
    }
    EXPECT_EQ(Left, 17);
    EXPECT_EQ(Right, 22);
    EXPECT_EQ(Top, 17);
    EXPECT_EQ(Bottom, 22);
}

} // namespace
} // namespace vur::gdi
