// The device at the ends of int: shapes, text, blits, clips, paths, pens and
// brush origins anywhere in the int range must neither crash, overflow nor
// run away. A seeded random mix of calls checks the lot (under the
// sanitizers it is the overflow check too); single cases pin the rules.
#include "platform/gdi/DC.h"
#include "platform/gdi/Region.h"

#include <gtest/gtest.h>

#include <chrono>
#include <climits>
#include <random>

namespace vur::gdi {
namespace {

constexpr COLORREF White = 0xFFFFFF;

int Coordinate(std::mt19937& Random) {
    static const int Ends[] = {INT_MIN, INT_MIN + 1, -(1 << 30), -1000000,    -70000, -100,
                               -1,      0,           1,          31,          63,     100,
                               70000,   1000000,     1 << 30,    INT_MAX - 1, INT_MAX};
    if (Random() % 3 == 0) return static_cast<int>(Random() % 90) - 10;
    return Ends[Random() % std::size(Ends)];
}

void RandomCalls(unsigned Seed) {
    std::mt19937 Random(Seed);
    Bitmap Picture(64, 48), Other(30, 20);
    DC Dc(Picture), Source(Other);
    const auto C = [&] { return Coordinate(Random); };
    for (int Step = 0; Step < 40; ++Step) {
        const int A = C(), B = C(), X = C(), Y = C(), E = C(), F = C(), G = C(), H = C();
        switch (Random() % 19) {
        case 0:
            Dc.MoveToEx(A, B, nullptr);
            Dc.LineTo(X, Y);
            break;
        case 1:
            Dc.Rectangle(A, B, X, Y);
            break;
        case 2:
            Dc.Ellipse(A, B, X, Y);
            break;
        case 3:
            Dc.RoundRect(A, B, X, Y, E, F);
            break;
        case 4:
            Dc.Arc(A, B, X, Y, E, F, G, H);
            break;
        case 5:
            Dc.Pie(A, B, X, Y, E, F, G, H);
            break;
        case 6: {
            const POINT Points[4] = {{A, B}, {X, Y}, {E, F}, {G, H}};
            if (Random() % 2)
                Dc.Polygon(Points, 3 + static_cast<int>(Random() % 2));
            else
                Dc.Polyline(Points, 2 + static_cast<int>(Random() % 3));
            break;
        }
        case 7:
            Dc.FillRect(RECT{A, B, X, Y}, CreateSolidBrush(0x123456));
            break;
        case 8:
            Dc.TextOut(A, B,
                       Random() % 2 ? "Ag 12:30"
                                    : "A text of more than thirty-two characters, glyph by glyph");
            break;
        case 9:
            Dc.BitBlt(A, B, X, Y, &Source, E, F, SRCCOPY);
            break;
        case 10:
            Dc.StretchBlt(A, B, X, Y, &Source, E, F, G, H, SRCCOPY);
            break;
        case 11:
            if (Random() % 2)
                Dc.IntersectClipRect(A, B, X, Y);
            else
                Dc.ExcludeClipRect(A, B, X, Y);
            break;
        case 12: {
            const Region Shape =
                Random() % 2 ? CreateEllipticRgn(A, B, X, Y) : CreateRoundRectRgn(A, B, X, Y, E, F);
            Dc.ExtSelectClipRgn(&Shape, RGN_AND + static_cast<int>(Random() % 4));
            break;
        }
        case 13:
            Dc.BeginPath();
            Dc.MoveToEx(A, B, nullptr);
            Dc.LineTo(X, Y);
            Dc.LineTo(E, F);
            Dc.CloseFigure();
            Dc.EndPath();
            if (Random() % 2)
                Dc.StrokeAndFillPath();
            else if (Dc.WidenPath())
                Dc.FillPath();
            else
                Dc.AbortPath();
            break;
        case 14: {
            static const int Widths[] = {0, 1, 2, 5, 50, 100000, INT_MAX};
            const unsigned Style = static_cast<unsigned>(Random() % 7);
            const int Width = Widths[Random() % std::size(Widths)];
            LOGBRUSH Ink;
            Ink.lbColor = 0xFF00;
            if (Random() % 2)
                Dc.SelectObject(CreatePen(Style, Width, 0xFF));
            else
                Dc.SelectObject(ExtCreatePen(PS_GEOMETRIC | (Style % 5) | PS_ENDCAP_FLAT | PS_JOIN_MITER,
                                             static_cast<unsigned>(Width), Ink, 0, nullptr));
            break;
        }
        case 15:
            Dc.SetPixel(A, B, 0xABCDEF);
            break;
        case 16: {
            // The engine's largest glyphs are slow to make and are not the point.
            static const int Heights[] = {-12, 0, 13, 40};
            LOGFONT Log;
            Log.Height = Heights[Random() % std::size(Heights)];
            Log.Escapement = Random() % 2 ? 0 : A;
            Log.Width = Random() % 2 ? 0 : B;
            Dc.SelectObject(Font(Log));
            Dc.SetTextCharacterExtra(Random() % 2 ? 0 : X);
            break;
        }
        case 17:
            Dc.SetROP2(1 + static_cast<int>(Random() % 16));
            Dc.SetTextAlign(Random() % 16);
            Dc.SetBkMode(1 + static_cast<int>(Random() % 2));
            break;
        default:
            Dc.SelectClipRgn(nullptr);
            Dc.SetBrushOrgEx(A, B, nullptr);
            Dc.SelectObject(Random() % 2 ? CreateHatchBrush(static_cast<int>(Random() % 6), 0xFF0000)
                                         : CreateSolidBrush(0x00FF00));
            break;
        }
    }
    EXPECT_EQ(Picture.Width(), 64);
}

TEST(ExtremeCoordinatesTest, RandomCallsAtTheEndsOfInt) {
    for (unsigned Seed = 1; Seed <= 120; ++Seed) {
        SCOPED_TRACE(::testing::Message() << "seed " << Seed);
        const auto Start = std::chrono::steady_clock::now();
        RandomCalls(Seed);
        // Generous for sanitizer builds; a runaway outline walk takes minutes.
        EXPECT_LT(std::chrono::steady_clock::now() - Start, std::chrono::seconds(30));
    }
}

struct Surface {
    Bitmap Picture{64, 48};
    DC Dc{Picture};
    Surface() { Picture.Fill(White); }
    bool Blank() const {
        for (int Y = 0; Y < Picture.Height(); ++Y)
            for (int X = 0; X < Picture.Width(); ++X)
                if (Picture.GetPixel(X, Y) != White) return false;
        return true;
    }
};

TEST(ExtremeCoordinatesTest, RoundShapesTooLargeToDrawFailAndDrawNothing) {
    Surface S;
    // More than 2^18 across.
    EXPECT_FALSE(S.Dc.Ellipse(-(1 << 18), 0, 10, 20));
    EXPECT_FALSE(S.Dc.RoundRect(0, INT_MIN, 20, 20, 5, 5));
    EXPECT_FALSE(S.Dc.Arc(INT_MIN, INT_MIN, INT_MAX, INT_MAX, 0, 0, 10, 10));
    EXPECT_FALSE(S.Dc.Pie(0, 0, 20, 1 << 21, 0, 0, 10, 10));
    // An edge beyond 2^29, however small the box.
    EXPECT_FALSE(S.Dc.Ellipse(INT_MAX - 10, 0, INT_MAX, 10));
    EXPECT_TRUE(S.Blank());
    EXPECT_TRUE(CreateEllipticRgn(INT_MIN, 0, INT_MAX, 10).Empty());
    // Within the limits, a shape around the whole picture fills all of it.
    S.Dc.SelectObject(CreateSolidBrush(0));
    EXPECT_TRUE(S.Dc.Ellipse(32 - (1 << 17), 24 - (1 << 17), 32 + (1 << 17), 24 + (1 << 17)));
    EXPECT_EQ(S.Picture.GetPixel(0, 0), 0u);
    EXPECT_EQ(S.Picture.GetPixel(63, 47), 0u);
}

TEST(ExtremeCoordinatesTest, TheLowestIntAsACornerIsTheWholeBox) {
    Surface Lowest, Whole;
    Lowest.Dc.RoundRect(4, 4, 40, 30, INT_MIN, INT_MIN);
    Whole.Dc.RoundRect(4, 4, 40, 30, 36, 26);
    EXPECT_TRUE(Lowest.Picture == Whole.Picture);
    EXPECT_TRUE(CreateRoundRectRgn(4, 4, 40, 30, INT_MIN, INT_MIN) ==
                CreateRoundRectRgn(4, 4, 40, 30, 36, 26));
}

TEST(ExtremeCoordinatesTest, PensAreAtMostAMillionPixelsWide) {
    EXPECT_EQ(CreatePen(PS_SOLID, INT_MAX, 0).GetWidth(), MaxPenWidth);
    LOGBRUSH Ink;
    EXPECT_EQ(ExtCreatePen(PS_GEOMETRIC, UINT_MAX, Ink, 0, nullptr).GetWidth(), MaxPenWidth);
}

// The brush pattern repeats every 8 pixels from the origin, wherever in int
// the origin is: the lowest int is a multiple of 8, so it lays the pattern
// as the origin 0 does.
TEST(ExtremeCoordinatesTest, AHatchFromTheLowestIntOriginIsInPhaseWithZero) {
    Surface Far, Near;
    Far.Dc.SetBrushOrgEx(INT_MIN, INT_MIN, nullptr);
    Far.Dc.FillRect(RECT{0, 0, 64, 48}, CreateHatchBrush(HS_DIAGCROSS, 0));
    Near.Dc.FillRect(RECT{0, 0, 64, 48}, CreateHatchBrush(HS_DIAGCROSS, 0));
    EXPECT_TRUE(Far.Picture == Near.Picture);
    EXPECT_FALSE(Near.Blank());
}

TEST(ExtremeCoordinatesTest, WideningIntoTooManyDashesFailsAndKeepsThePath) {
    Surface S;
    LOGBRUSH Ink;
    S.Dc.SelectObject(ExtCreatePen(PS_GEOMETRIC | PS_DASH, 4, Ink, 0, nullptr));
    S.Dc.BeginPath();
    S.Dc.MoveToEx(INT_MIN, 10, nullptr);
    S.Dc.LineTo(INT_MAX, 10);
    S.Dc.EndPath();
    EXPECT_FALSE(S.Dc.WidenPath());
    ASSERT_EQ(S.Dc.GetPath().Figures().size(), 1u);

    S.Dc.BeginPath();
    S.Dc.MoveToEx(0, 10, nullptr);
    S.Dc.LineTo(60, 10);
    S.Dc.EndPath();
    EXPECT_TRUE(S.Dc.WidenPath());
    EXPECT_GT(S.Dc.GetPath().Figures().size(), 1u);
}

TEST(ExtremeCoordinatesTest, TheTextPositionStopsAtTheEndOfInt) {
    Surface S;
    S.Dc.SetTextAlign(TA_UPDATECP);
    S.Dc.MoveToEx(INT_MAX - 5, 10, nullptr);
    S.Dc.TextOut(0, 0, "Hello");
    POINT At;
    S.Dc.GetCurrentPositionEx(&At);
    EXPECT_EQ(At.x, INT_MAX);
}

} // namespace
} // namespace vur::gdi
