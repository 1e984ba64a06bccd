// Gradient fills against their stated rules: where each direction puts its
// first and last band, how many bands a straight fill has and which rows
// they cover, the balance curve, the middle colour, radial centres, rounded
// corners and monochrome greys.
#include "chart/RoVedure/Gradient.h"
#include "chart/RoVedure/DrawSettings.h"
#include "chart/RoVedure/VurCanvas3D.h"
#include "framework/Graphics.h"
#include "tests/chart/GradientBands.h"
#include "tests/chart/PixelProbes.h"

#include <gtest/gtest.h>

#include <chrono>
#include <cmath>
#include <set>
#include <string>
#include <vector>

namespace vur {
namespace {

using test::Linear;

// Red climbs by one per step over 255 steps, so every band has a colour of its own.
constexpr TColor Black = 0x000000;
constexpr TColor Red = 0x0000FF;
constexpr TColor Blank = clWhite;

class GradientFixture : public ::testing::Test {
protected:
    static constexpr int Size = 320;

    void SetUp() override {
        ResetVurDrawSettings();
        Bitmap.SetSize(Size, Size);
        Canvas.SetCanvas(Bitmap.GetCanvas());
        Canvas.ResetState();
    }

    void TearDown() override {
        if (HasFailure())
            Bitmap.SaveToFile(std::string(::testing::UnitTest::GetInstance()->current_test_info()->name()) +
                              ".png");
    }

    TColor Pixel(int X, int Y) const { return Bitmap.GetImage().GetPixel(X, Y); }
    int Count(TColor Color, const TRect& R) const {
        return test::CountPixels(R, [&](int X, int Y) { return Pixel(X, Y) == Color; });
    }
    std::set<TColor> Colors(const TRect& R) const {
        std::set<TColor> Result;
        test::CountPixels(R, [&](int X, int Y) { return Result.insert(Pixel(X, Y)).second; });
        return Result;
    }
    void Clear() { Bitmap.GetCanvas()->GetHandle().GetSurface().Fill(Blank); }

    TBitmap Bitmap;
    TVurCanvas3D Canvas;
};

using GradientFillTest = GradientFixture;

// The pixels of a 100 x 300 area (10, 10)-(110, 310) where a direction puts
// its first and its last colour, from the stated band order.
struct TEnds {
    TGradientDirection Direction;
    TPoint First;
    TColor FirstColor;
    TPoint Last;
    TColor LastColor;
};

TEST_F(GradientFillTest, EachDirectionPutsItsFirstAndLastBandWhereTheRulesSay) {
    constexpr TColor S = 0x204060, E = 0xE0C0A0;
    // Rings: n = 50 + 150; with both sizes even the last ring is empty, so
    // the middle shows step 199. Corner staircases: n = W + H = 400 steps,
    // the far corner is step 398; diagonals: 400 steps, n = 255, the far
    // corner is step 398 * 255 div 400. Radial: the end colour outside the
    // first ellipse, the start colour in the pixel holding the centre.
    const std::vector<TEnds> Cases{
        {gdTopBottom, {60, 309}, S, {60, 10}, E},
        {gdBottomTop, {60, 309}, E, {60, 10}, S},
        {gdLeftRight, {109, 160}, S, {10, 160}, E},
        {gdRightLeft, {109, 160}, E, {10, 160}, S},
        {gdFromCenter, {10, 10}, E, {60, 160}, Linear(E, S, 199, 200)},
        {gdFromTopLeft, {10, 10}, E, {109, 309}, Linear(E, S, 398, 400)},
        {gdFromBottomLeft, {10, 309}, E, {109, 10}, Linear(E, S, 398, 400)},
        {gdDiagonalUp, {10, 309}, S, {109, 10}, Linear(S, E, 398 * 255 / 400, 255)},
        {gdDiagonalDown, {10, 10}, S, {109, 309}, Linear(S, E, 398 * 255 / 400, 255)},
        {gdRadial, {10, 10}, E, {60, 160}, S},
    };
    for (const TEnds& C : Cases) {
        Clear();
        Canvas.GradientFill(TRect{10, 10, 110, 310}, S, E, C.Direction, 50);
        EXPECT_EQ(Pixel(C.First.X, C.First.Y), C.FirstColor) << "direction " << int(C.Direction);
        EXPECT_EQ(Pixel(C.Last.X, C.Last.Y), C.LastColor) << "direction " << int(C.Direction);
        // Nothing outside the area.
        EXPECT_EQ(Count(Blank, TRect{0, 0, Size, Size}), Size * Size - 100 * 300) << int(C.Direction);
    }
}

TEST_F(GradientFillTest, StraightFillsPaintAtMost256BandsAtTheStatedRows) {
    // 300 rows: 256 bands; band i covers the rows from Bottom - (i + 1) * 300
    // div 256 to Bottom - i * 300 div 256, step 0 at the bottom.
    Canvas.GradientFill(TRect{10, 10, 60, 310}, Black, Red, gdTopBottom, 50);
    for (int I = 0; I < 256; ++I) {
        const int Top = 310 - (I + 1) * 300 / 256, Bottom = 310 - I * 300 / 256;
        EXPECT_EQ(Count(Linear(Black, Red, I, 255), TRect{10, Top, 60, Bottom}), 50 * (Bottom - Top)) << I;
    }
    EXPECT_EQ(Colors(TRect{10, 10, 60, 310}).size(), 256u);
    // Fewer rows than 256: one band per row, the first and last exactly.
    Clear();
    Canvas.GradientFill(TRect{0, 0, 5, 100}, Black, Red, gdBottomTop, 50);
    EXPECT_EQ(Colors(TRect{0, 0, 5, 100}).size(), 100u);
    EXPECT_EQ(Pixel(0, 0), Black);
    EXPECT_EQ(Pixel(0, 99), Red);
    // Columns work the same way along x.
    Clear();
    Canvas.GradientFill(TRect{10, 0, 310, 5}, Black, Red, gdLeftRight, 50);
    for (int I = 0; I < 256; ++I)
        EXPECT_EQ(Pixel(310 - (I + 1) * 300 / 256, 2), Linear(Black, Red, I, 255)) << I;
}

TEST_F(GradientFillTest, AStraightFillPaintsAlikeAfterLargerOnes) {
    // The canvas keeps the bitmaps straight fills paint through.
    for (const TGradientDirection Direction : {gdTopBottom, gdLeftRight}) {
        Clear();
        Canvas.GradientFill(TRect{20, 30, 90, 120}, Black, Red, Direction, 50);
        const gdi::Bitmap First = Bitmap.GetImage();
        Clear();
        Canvas.GradientFill(TRect{0, 0, Size, Size}, Red, 0x00FF00, Direction, 50);
        Clear();
        Canvas.GradientFill(TRect{20, 30, 90, 120}, Black, Red, Direction, 50);
        EXPECT_TRUE(Bitmap.GetImage() == First) << int(Direction);
    }
}

// The colour the band rule gives the pixel Offset rows (columns) in from the
// bottom (right) edge of a straight fill E pixels long.
TColor BandColor(TColor S, TColor E, int Length, int Offset) {
    const int Steps = std::min(Length, 256);
    for (int I = 0; I < Steps; ++I)
        if (Offset >= I * Length / Steps && Offset < (I + 1) * Length / Steps)
            return Linear(S, E, I, Steps - 1);
    return clNone;
}

TEST_F(GradientFillTest, StraightBandsHoldUnderAClipAndPastTheSurfaceEdges) {
    // Areas that start left of and above the surface, one clipped to an
    // ellipse: every pixel shown takes its band's colour, the rest stays.
    struct TCase {
        TGradientDirection Direction;
        TRect Area;
        bool Clipped;
    };
    const TCase Cases[] = {
        {gdTopBottom, TRect{-40, -90, 250, 200}, false}, {gdLeftRight, TRect{-90, -40, 200, 250}, false},
        {gdRightLeft, TRect{20, 30, 300, 290}, true},    {gdBottomTop, TRect{20, 30, 300, 290}, true},
        {gdLeftRight, TRect{100, 10, 5000, 20}, false},
    };
    for (const TCase& C : Cases) {
        Clear();
        Canvas.GetBrush()->SetColor(0x123456);
        if (C.Clipped) Canvas.ClipEllipse(C.Area, false);
        Canvas.GradientFill(C.Area, Black, Red, C.Direction, 50);
        if (C.Clipped) Canvas.UnClipRectangle();
        const bool Vertical = C.Direction == gdTopBottom || C.Direction == gdBottomTop;
        const bool Swapped = C.Direction == gdBottomTop || C.Direction == gdRightLeft;
        const int Length = Vertical ? C.Area.Bottom - C.Area.Top : C.Area.Right - C.Area.Left;
        int Wrong = 0;
        for (int Y = 0; Y < Size; ++Y)
            for (int X = 0; X < Size; ++X) {
                const bool Inside =
                    X >= C.Area.Left && X < C.Area.Right && Y >= C.Area.Top && Y < C.Area.Bottom;
                const int Offset = Vertical ? C.Area.Bottom - 1 - Y : C.Area.Right - 1 - X;
                const TColor Band =
                    Inside ? BandColor(Swapped ? Red : Black, Swapped ? Black : Red, Length, Offset) : Blank;
                const TColor Shown = Pixel(X, Y);
                // Under the ellipse the clip decides; its rim is the region's own business.
                Wrong += C.Clipped ? Shown != Band && Shown != Blank : Shown != Band;
            }
        EXPECT_EQ(Wrong, 0) << "direction " << int(C.Direction) << " from " << C.Area.Left;
        if (C.Clipped) {
            EXPECT_EQ(Pixel(C.Area.Left + 1, C.Area.Top + 1), Blank);
            EXPECT_NE(Pixel((C.Area.Left + C.Area.Right) / 2, (C.Area.Top + C.Area.Bottom) / 2), Blank);
        }
        // The brush is the caller's again.
        Canvas.FillRect(TRect{0, 0, 3, 3});
        EXPECT_EQ(Pixel(1, 1), 0x123456u) << int(C.Direction);
    }
}

TEST_F(GradientFillTest, AOnePixelTallAreaHasNoVerticalBands) {
    for (const TGradientDirection D : {gdTopBottom, gdBottomTop}) {
        Canvas.GradientFill(TRect{10, 10, 110, 11}, Black, Red, D, 50);
        EXPECT_EQ(Count(Blank, TRect{0, 0, Size, Size}), Size * Size) << int(D);
    }
    // Across the row there are 100 columns: a band each.
    Canvas.GradientFill(TRect{10, 10, 110, 11}, Black, Red, gdRightLeft, 50);
    EXPECT_EQ(Colors(TRect{10, 10, 110, 11}).size(), 100u);
    EXPECT_EQ(Pixel(10, 10), Black);
    EXPECT_EQ(Pixel(109, 10), Red);
}

TEST_F(GradientFillTest, BalanceBendsTheStepsAlongThePowerCurve) {
    // x = ((i + 1) / 256) ^ (0.015 * 80 + 0.5), red = Round(255 * x).
    Canvas.GradientFill(TRect{0, 0, 1, 256}, Black, Red, gdTopBottom, 80);
    for (const int I : {0, 127, 255}) {
        const double X = std::pow((I + 1) / 256.0, 0.015 * 80 + 0.5);
        EXPECT_EQ(Pixel(0, 255 - I), static_cast<TColor>(std::nearbyint(255 * X))) << I;
    }
    // Balance 50: exactly the start colour at the start band and the end colour at the end band.
    Canvas.GradientFill(TRect{1, 0, 2, 256}, 0x123456, 0xFEDCBA, gdTopBottom, 50);
    EXPECT_EQ(Pixel(1, 255), 0x123456u);
    EXPECT_EQ(Pixel(1, 0), 0xFEDCBAu);
}

// The ring walk of gdFromCenter exactly as stated, one strip at a time:
// the step index each pixel ends with (-1 where no ring went).
std::vector<long long> RingWalk(int W, int H) {
    std::vector<long long> Step(static_cast<std::size_t>(W * H), -1);
    const auto Strip = [&](int X0, int Y0, int X1, int Y1, long long K) {
        for (int Y = std::max(Y0, 0); Y < std::min(Y1, H); ++Y)
            for (int X = std::max(X0, 0); X < std::min(X1, W); ++X)
                Step[static_cast<std::size_t>(Y * W + X)] = K;
    };
    const int HW = W / 2, HH = H / 2;
    int C = 0, D = 0;
    while (true) {
        Strip(D, C, D + 1, H - C, C + D);
        Strip(W - D - 1, C, W - D, H - C, C + D);
        Strip(D, C, W - D, C + 1, C + D);
        Strip(D, H - C - 1, W - D, H - C, C + D);
        if (C >= HH && D >= HW) break;
        if (C < HH) ++C;
        if (D < HW) ++D;
    }
    return Step;
}

TEST_F(GradientFillTest, RingsFromTheCentreMatchTheRingWalkForEverySmallSize) {
    // Red climbs 255 over N = W/2 + H/2 steps, so the pixel's colour names its ring.
    for (int W = 1; W <= 14; ++W)
        for (int H = 1; H <= 14; ++H) {
            const long long N = W / 2 + H / 2;
            if (N == 0) continue;
            Clear();
            Canvas.GradientFill(TRect{0, 0, W, H}, Red, Black, gdFromCenter, 50);
            const std::vector<long long> Steps = RingWalk(W, H);
            for (int Y = 0; Y < H; ++Y)
                for (int X = 0; X < W; ++X)
                    ASSERT_EQ(Pixel(X, Y), Linear(Black, Red, Steps[static_cast<std::size_t>(Y * W + X)], N))
                        << W << "x" << H << " at " << X << "," << Y;
        }
}

TEST_F(GradientFillTest, EmptyAndOffSurfaceAreasLeaveEveryPixelAndInvertedOnesAreOriented) {
    for (int D = gdTopBottom; D <= gdDiagonalDown; ++D) {
        const auto Direction = static_cast<TGradientDirection>(D);
        for (const TRect& R : {TRect{50, 50, 50, 90}, TRect{50, 50, 90, 50}, TRect{-400, 10, -10, 90},
                               TRect{10, Size + 5, 90, Size + 400}})
            Canvas.GradientFill(R, Black, Red, Direction, 50);
        EXPECT_EQ(Count(Blank, TRect{0, 0, Size, Size}), Size * Size) << D;
        // Corners given the wrong way round fill the same area.
        Canvas.GradientFill(TRect{90, 90, 10, 10}, Black, Red, Direction, 50);
        EXPECT_EQ(Count(Blank, TRect{10, 10, 90, 90}), 0) << D;
        Clear();
    }
}

TEST_F(GradientFillTest, AnAreaFarLargerThanTheSurfaceCostsOnlyWhatShows) {
    // 2^29 pixels across: a ring, staircase or diagonal per band would take
    // seconds; the shown pixels are a few thousand.
    const auto Start = std::chrono::steady_clock::now();
    for (const TGradientDirection D : {gdFromCenter, gdFromTopLeft, gdDiagonalUp, gdRadial, gdTopBottom}) {
        Canvas.GradientFill(TRect{-(1 << 28), -(1 << 28), 1 << 28, 1 << 28}, Black, Red, D, 50);
        EXPECT_EQ(Count(Blank, TRect{0, 0, Size, Size}), 0) << int(D);
        Clear();
    }
    EXPECT_LT(std::chrono::steady_clock::now() - Start, std::chrono::seconds(2));
}

using GradientDrawTest = GradientFixture;

TEST_F(GradientDrawTest, MiddleColourMeetsBothHalvesAtTheMiddleRowAndClearsBack) {
    TVurGradient G;
    G.SetStartColor(Black);
    G.SetEndColor(Red);
    G.Draw(Canvas, TRect{0, 0, 40, 100});
    G.SetMidColor(0xFF0000);
    EXPECT_EQ(G.GetMidColor(), 0xFF0000u);
    G.Draw(Canvas, TRect{40, 0, 80, 100});
    // Top edge end, middle rows the middle colour, bottom edge start.
    EXPECT_EQ(Pixel(60, 0), Red);
    EXPECT_EQ(Pixel(60, 49), 0xFF0000u);
    EXPECT_EQ(Pixel(60, 50), 0xFF0000u);
    EXPECT_EQ(Pixel(60, 99), Black);
    // Back to clNone: the two-colour fill again, pixel for pixel.
    G.SetMidColor(clNone);
    EXPECT_EQ(G.GetMidColor(), clNone);
    G.Draw(Canvas, TRect{80, 0, 120, 100});
    for (int Y = 0; Y < 100; ++Y) ASSERT_EQ(Pixel(100, Y), Pixel(20, Y)) << Y;
    // The colour is kept: UseMiddleColor takes it back.
    G.UseMiddleColor();
    EXPECT_EQ(G.GetMidColor(), 0xFF0000u);
    // Left to right splits into left and right halves the same way.
    G.SetDirection(gdLeftRight);
    G.Draw(Canvas, TRect{0, 200, 100, 210});
    EXPECT_EQ(Pixel(0, 205), Red);
    EXPECT_EQ(Pixel(49, 205), 0xFF0000u);
    EXPECT_EQ(Pixel(50, 205), 0xFF0000u);
    EXPECT_EQ(Pixel(99, 205), Black);
}

TEST_F(GradientDrawTest, RadialCentreFollowsTheOffsetsAndCornersKeepTheEndColour) {
    TVurGradient G;
    G.SetDirection(gdRadial);
    G.SetStartColor(Black);
    G.SetEndColor(Red);
    const auto Darkest = [this](const TRect& R) {
        TPoint At{-1, -1};
        TColor Best = 0xFFFFFF;
        test::CountPixels(R, [&](int X, int Y) {
            if (Pixel(X, Y) < Best) {
                Best = Pixel(X, Y);
                At = TPoint{X, Y};
            }
            return false;
        });
        return At;
    };
    const TRect R{20, 20, 220, 120};
    G.Draw(Canvas, R);
    const TPoint Centre = Darkest(R);
    EXPECT_EQ(Pixel(Centre.X, Centre.Y), Black);
    EXPECT_NEAR(Centre.X, 120, 1);
    EXPECT_NEAR(Centre.Y, 70, 1);
    EXPECT_EQ(Pixel(20, 20), Red);
    EXPECT_EQ(Pixel(219, 119), Red);
    Clear();
    G.SetRadialX(30);
    G.SetRadialY(-20);
    G.Draw(Canvas, R);
    const TPoint Moved = Darkest(R);
    EXPECT_NEAR(Moved.X, 150, 1);
    EXPECT_NEAR(Moved.Y, 50, 1);
    EXPECT_EQ(Count(Blank, TRect{0, 0, Size, Size}), Size * Size - 200 * 100);
}

TEST_F(GradientDrawTest, RoundedCornersLeaveTheCornerPixelsAlone) {
    TVurGradient G;
    G.SetStartColor(Black);
    G.SetEndColor(Red);
    G.Draw(Canvas, TRect{20, 20, 120, 100}, 16);
    for (const TPoint P : {TPoint{20, 20}, TPoint{118, 20}, TPoint{20, 98}, TPoint{118, 98}})
        EXPECT_EQ(Pixel(P.X, P.Y), Blank) << P.X << "," << P.Y;
    EXPECT_NE(Pixel(70, 20), Blank);
    EXPECT_NE(Pixel(20, 60), Blank);
    EXPECT_NE(Pixel(70, 60), Blank);
    // Once drawn the clip is gone again.
    Canvas.GetBrush()->SetColor(Black);
    Canvas.FillRect(TRect{0, 0, 5, 5});
    EXPECT_EQ(Pixel(0, 0), Black);
}

TEST_F(GradientDrawTest, PolygonFormsFillOnlyInsideTheFourPoints) {
    TVurGradient G;
    G.SetStartColor(Black);
    G.SetEndColor(Red);
    // A diamond inside (20, 20)-(120, 120).
    G.Draw(Canvas, TFourPoints{TPoint{70, 20}, TPoint{120, 70}, TPoint{70, 120}, TPoint{20, 70}});
    EXPECT_EQ(Pixel(25, 25), Blank);
    EXPECT_EQ(Pixel(115, 115), Blank);
    EXPECT_NE(Pixel(70, 70), Blank);
    const TRect Ink =
        test::InkBox(TRect{0, 0, Size, Size}, [&](int X, int Y) { return Pixel(X, Y) != Blank; });
    EXPECT_GE(Ink.Left, 20);
    EXPECT_GE(Ink.Top, 20);
    EXPECT_LE(Ink.Right, 121);
    EXPECT_LE(Ink.Bottom, 121);
}

TEST_F(GradientDrawTest, MonochromeCanvasesShowTheColoursAsGreys) {
    Canvas.SetMonochrome(true);
    TVurGradient G;
    G.SetStartColor(0x0000FF); // (255 + 0 + 0) / 3 = 85
    G.SetEndColor(0x30C0FF);   // (255 + 192 + 48) / 3 = 165
    G.Draw(Canvas, TRect{0, 0, 10, 100});
    EXPECT_EQ(Pixel(5, 99), 0x555555u);
    EXPECT_EQ(Pixel(5, 0), 0xA5A5A5u);
}

TEST(GradientObjectTest, SettersCallBackOnlyOnChangeAndAssignCopiesAll) {
    int Calls = 0;
    TVurFontGradient G([&Calls](TPersistent*) { ++Calls; });
    G.SetBalance(50);
    G.SetMidColor(clNone);
    G.SetVisible(false);
    EXPECT_EQ(Calls, 0);
    G.SetBalance(70);
    G.SetDirection(gdRadial);
    G.SetStartColor(clRed);
    G.SetEndColor(clBlue);
    G.SetRadialX(3);
    G.SetRadialY(4);
    G.SetVisible(true);
    G.SetOutline(true);
    G.SetMidColor(clYellow);
    G.SetMidColor(clYellow);
    G.UseMiddleColor();
    EXPECT_EQ(Calls, 9);
    TVurFontGradient Copy;
    Copy.Assign(&G);
    EXPECT_EQ(Copy.GetBalance(), 70);
    EXPECT_EQ(Copy.GetDirection(), gdRadial);
    EXPECT_EQ(Copy.GetStartColor(), clRed);
    EXPECT_EQ(Copy.GetEndColor(), clBlue);
    EXPECT_EQ(Copy.GetRadialX(), 3);
    EXPECT_EQ(Copy.GetRadialY(), 4);
    EXPECT_TRUE(Copy.GetVisible());
    EXPECT_TRUE(Copy.GetOutline());
    EXPECT_EQ(Copy.GetMidColor(), clYellow);
    // The flag travels too: a copy of a gradient that stopped using its middle colour does not use it.
    G.SetMidColor(clNone);
    Copy.Assign(&G);
    EXPECT_EQ(Copy.GetMidColor(), clNone);
    Copy.UseMiddleColor();
    EXPECT_EQ(Copy.GetMidColor(), clYellow);
}

} // namespace
} // namespace vur
