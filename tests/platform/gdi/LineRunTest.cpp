// One-pixel lines drawn by plain stores, a dash or gap at a time, against a
// per-pixel statement of the rule: step I of a polyline's walk is lit when
// position I mod period of the pattern falls in a dash, and a gap takes the
// background colour only when the background is opaque. Every direction,
// every dash style (zero-length entries too), rectangle and region clips.
#include "AllocationCount.h"
#include "RasterReference.h"

#include "platform/gdi/DC.h"

#include <gtest/gtest.h>

#include <random>
#include <string>
#include <vector>

namespace vur::gdi {
namespace {

using namespace testing;

constexpr int Width = 53, Height = 47;

enum ClipKind { NoClip, BoxClip, RegionClip };

// A polyline of up to five pieces: horizontal, vertical, steep, shallow and
// diagonal ones, reaching outside the bitmap.
std::vector<POINT> RandomPolyline(std::mt19937& Random) {
    std::uniform_int_distribution<int> Coord(-25, 75), Kind(0, 4), Count(2, 6), Small(-6, 6);
    std::vector<POINT> Points{{Coord(Random), Coord(Random)}};
    for (int I = Count(Random); I > 1; --I) {
        POINT Next = Points.back();
        switch (Kind(Random)) {
        case 0:
            Next.x = Coord(Random);
            break;
        case 1:
            Next.y = Coord(Random);
            break;
        case 2:
            Next.x += Small(Random);
            Next.y = Coord(Random);
            break;
        case 3:
            Next.x = Coord(Random);
            Next.y += Small(Random);
            break;
        default: {
            const int D = Coord(Random) - 25;
            Next.x += D;
            Next.y += Kind(Random) % 2 ? D : -D;
        }
        }
        Points.push_back(Next);
    }
    return Points;
}

TEST(LineRunTest, PolylinesMatchThePerPixelRuleForEveryStyleBackgroundAndClip) {
    const std::vector<DashedPen> All = testing::DashedPens(Ink);
    const Region Stairs = [] {
        // Three bands of different widths: a clip that is not one rectangle.
        Region R;
        CombineRgn(R, CreateRectRgn(3, 2, 40, 20), CreateRectRgn(8, 20, 50, 33), RGN_OR);
        CombineRgn(R, R, CreateRectRgn(0, 33, 30, 45), RGN_OR);
        return R;
    }();
    std::mt19937 Random(11);
    std::uniform_int_distribution<int> PickStyle(0, static_cast<int>(All.size()) - 1), Pick(0, 2),
        Edge(-10, 60);
    for (int Case = 0; Case < 1500; ++Case) {
        const DashedPen& S = All[PickStyle(Random)];
        const bool Opaque = Pick(Random) == 0;
        const auto Clip = static_cast<ClipKind>(Pick(Random));
        Bitmap Picture(Width, Height);
        Picture.Fill(White);
        DC Dc(Picture);
        Dc.SelectObject(S.LinePen);
        Dc.SetBkMode(Opaque ? OPAQUE : TRANSPARENT);
        Dc.SetBkColor(Back);
        RECT Box{0, 0, Width, Height};
        if (Clip == BoxClip) {
            const int L = Edge(Random), T = Edge(Random), R = Edge(Random), B = Edge(Random);
            Dc.IntersectClipRect(L, T, R, B);
            Box = RECT{std::max(std::min(L, R), 0), std::max(std::min(T, B), 0),
                       std::min(std::max(L, R), Width), std::min(std::max(T, B), Height)};
        } else if (Clip == RegionClip) {
            Dc.SelectClipRgn(&Stairs);
        }
        const auto Visible = [&](POINT P) {
            if (P.x < Box.left || P.x >= Box.right || P.y < Box.top || P.y >= Box.bottom) return false;
            return Clip != RegionClip || PtInRegion(Stairs, P.x, P.y);
        };
        const std::vector<POINT> Points = RandomPolyline(Random);
        Dc.Polyline(Points.data(), static_cast<int>(Points.size()));

        std::vector<COLORREF> Expected(Width * Height, White);
        ForEachWalkedPixel(Points, LitPattern(S.Runs), [&](POINT P, bool On) {
            if (Visible(P) && (On || Opaque)) Expected[P.y * Width + P.x] = On ? Ink : Back;
        });
        if (const auto Bad = testing::FirstMismatch(Picture, Expected)) {
            KeepPicture(Picture, "LineRunTest_Polyline");
            FAIL() << "case " << Case << " clip " << Clip << " opaque " << Opaque << " pixel " << Bad->x
                   << "," << Bad->y;
        }
    }
}

TEST(LineRunTest, PatternRunsOnAcrossLinesWhoseStepsAreAllClipped) {
    // The first piece lies wholly above the bitmap; its 12 steps still move
    // the dots on, so the visible piece starts 12 mod 6 = 0 into the pattern.
    for (const int Hidden : {12, 13, 14}) {
        Bitmap Picture(20, 4);
        Picture.Fill(White);
        DC Dc(Picture);
        Dc.SetBkMode(TRANSPARENT);
        Dc.SelectObject(CreatePen(PS_DOT, 1, Ink));
        const POINT Points[] = {{0, -5}, {Hidden, -5}, {Hidden, 1}, {0, 1}};
        Dc.Polyline(Points, 4);
        // Steps 0..11 and 12..Hidden-1 of the pattern are spent before row 1;
        // the vertical piece spends 6 more (rows -5..0), so row 1 starts at
        // step Hidden + 6 and runs to the left from x = Hidden.
        std::string Row;
        for (int X = Hidden; X > 0; --X) Row += Picture.GetPixel(X, 1) == Ink ? '#' : '.';
        std::string Expected;
        for (int Step = Hidden + 6; Step < 2 * Hidden + 6; ++Step) Expected += Step % 6 < 3 ? '#' : '.';
        EXPECT_EQ(Row, Expected) << Hidden;
    }
}

TEST(LineRunTest, GridLinesAndWideAxisLinesAllocateNothingOnceWarm) {
    Bitmap Picture(300, 200);
    DC Dc(Picture);
    const LOGBRUSH Black{BS_SOLID, 0, 0};
    const Pen Axis = ExtCreatePen(PS_GEOMETRIC | PS_SOLID | PS_ENDCAP_ROUND, 2, Black, 0, nullptr);
    const unsigned Dashes[] = {6, 3};
    const Pen DashedAxis = ExtCreatePen(PS_GEOMETRIC | PS_USERSTYLE | PS_ENDCAP_FLAT, 3, Black, 2, Dashes);
    const Pen Grid = CreatePen(PS_DOT, 1, RGB(128, 128, 128));
    const auto Paint = [&] {
        Dc.SelectObject(Grid);
        for (int I = 0; I < 10; ++I) {
            Dc.MoveToEx(20 + I * 25, 10, nullptr);
            Dc.LineTo(20 + I * 25 + I, 180);
            Dc.MoveToEx(20, 10 + I * 17, nullptr);
            Dc.LineTo(290, 10 + I * 17);
        }
        Dc.SelectObject(Axis);
        Dc.MoveToEx(19, 10, nullptr);
        Dc.LineTo(19, 181);
        Dc.LineTo(290, 181);
        Dc.SelectObject(DashedAxis);
        const POINT Zigzag[] = {{30, 30}, {120, 90}, {200, 40}, {280, 150}};
        Dc.Polyline(Zigzag, 4);
    };
    Paint();
    const long Before = testing::AllocationCount();
    for (int Round = 0; Round < 5; ++Round) Paint();
    EXPECT_EQ(testing::AllocationCount() - Before, 0);
}

} // namespace
} // namespace vur::gdi
