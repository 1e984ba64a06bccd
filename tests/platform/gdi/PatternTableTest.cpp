// Straight one-pixel lines whose pattern is short enough to be laid out as a
// table of one period, the ones whose pattern is too long for it and go by
// the pattern's runs, and those through region clips and raster operations
// other than copy, against the per-pixel rule:
// step I of a polyline's walk is lit when position I mod period falls in a
// dash, and a gap takes the background only when the background is opaque.
// Each line is followed by a slanted piece back past its start, which shows
// where the line left the pattern.
#include "RasterReference.h"

#include "platform/gdi/DC.h"

#include <gtest/gtest.h>

#include <vector>

namespace vur::gdi {
namespace {

using namespace testing;

constexpr int Width = 60, Height = 58;
// Wide and tall enough for lines of up to 44 visible pixels.
constexpr RECT Box{6, 6, 54, 52};

enum Setting { BoxClip, RegionClip, XorPen };

// The stock pens and user styles, plus a pattern of three, the longest a
// table holds, one pixel longer, and one far longer.
std::vector<DashedPen> Pens() {
    std::vector<DashedPen> All = testing::DashedPens(Ink);
    const LOGBRUSH Brush{BS_SOLID, Ink, 0};
    const unsigned Three[] = {1, 2};
    const unsigned Longest[] = {2, 62}, Over[] = {33, 32}, Long[] = {40, 31};
    All.push_back({ExtCreatePen(PS_COSMETIC | PS_USERSTYLE, 1, Brush, 2, Three), {1, 2}});
    All.push_back({ExtCreatePen(PS_COSMETIC | PS_USERSTYLE, 1, Brush, 2, Longest), {2, 62}});
    All.push_back({ExtCreatePen(PS_COSMETIC | PS_USERSTYLE, 1, Brush, 2, Over), {33, 32}});
    All.push_back({ExtCreatePen(PS_COSMETIC | PS_USERSTYLE, 1, Brush, 2, Long), {40, 31}});
    return All;
}

// The line of a direction whose first Lead steps lie before the box and
// which has Length steps inside it when it does not leave it first, then the
// slanted piece back.
std::vector<POINT> LineAndReturn(int Direction, int Lead, int Length) {
    switch (Direction) {
    case 0: // right along row 10
        return {{Box.left - Lead, 10}, {Box.left + Length, 10}, {Box.left, 16}};
    case 1: // left along row 47
        return {{Box.right - 1 + Lead, 47}, {Box.right - 1 - Length, 47}, {Box.right - 1, 41}};
    case 2: // down column 12
        return {{12, Box.top - Lead}, {12, Box.top + Length}, {18, Box.top}};
    default: // up column 49
        return {{49, Box.bottom - 1 + Lead}, {49, Box.bottom - 1 - Length}, {43, Box.bottom - 1}};
    }
}

const Region& Notched() {
    // Box with a column and a row cut out: a clip that is not one rectangle.
    static const Region R = [] {
        Region Result;
        CombineRgn(Result, CreateRectRgn(Box.left, Box.top, Box.right, Box.bottom),
                   CreateRectRgn(20, 0, 23, Height), RGN_DIFF);
        CombineRgn(Result, Result, CreateRectRgn(0, 30, Width, 32), RGN_DIFF);
        return Result;
    }();
    return R;
}

// Draws one case and returns where it differs from the rule, if anywhere.
std::optional<POINT> Check(const DashedPen& S, Setting How, bool Opaque, int Direction, int Lead,
                           int Length) {
    const std::vector<POINT> Points = LineAndReturn(Direction, Lead, Length);
    Bitmap Picture(Width, Height);
    Picture.Fill(White);
    DC Dc(Picture);
    Dc.SelectObject(S.LinePen);
    Dc.SetBkMode(Opaque ? OPAQUE : TRANSPARENT);
    Dc.SetBkColor(Back);
    if (How == RegionClip)
        Dc.SelectClipRgn(&Notched());
    else
        Dc.IntersectClipRect(Box.left, Box.top, Box.right, Box.bottom);
    if (How == XorPen) Dc.SetROP2(R2_XORPEN);
    Dc.Polyline(Points.data(), static_cast<int>(Points.size()));

    std::vector<COLORREF> Expected(Width * Height, White);
    ForEachWalkedPixel(Points, LitPattern(S.Runs), [&](POINT P, bool On) {
        const bool Visible = P.x >= Box.left && P.x < Box.right && P.y >= Box.top && P.y < Box.bottom &&
                             (How != RegionClip || PtInRegion(Notched(), P.x, P.y));
        if (!Visible || !(On || Opaque)) return;
        // The slanted piece may cross the line: xor shows both.
        COLORREF& Pixel = Expected[P.y * Width + P.x];
        Pixel = How == XorPen ? Pixel ^ (On ? Ink : Back) : On ? Ink : Back;
    });
    const auto Bad = testing::FirstMismatch(Picture, Expected);
    if (Bad) KeepPicture(Picture, "PatternTableTest");
    return Bad;
}

TEST(PatternTableTest, StraightLinesOfEveryPhaseAndLengthMatchTheRuleThroughABox) {
    for (const DashedPen& S : Pens()) {
        // Every phase of the pattern at the box's edge, and leads past it.
        const int Period = static_cast<int>(testing::LitPattern(S.Runs).size());
        for (const bool Opaque : {false, true})
            for (int Direction = 0; Direction < 4; ++Direction)
                for (int Lead = 0; Lead < Period + 3; Lead += Lead < 26 ? 1 : 7)
                    for (int Length = 0; Length <= 44; ++Length)
                        if (const auto Bad = Check(S, BoxClip, Opaque, Direction, Lead, Length))
                            FAIL() << "runs " << S.Runs.size() << " period " << Period << " opaque " << Opaque
                                   << " direction " << Direction << " lead " << Lead << " length " << Length
                                   << " pixel " << Bad->x << "," << Bad->y;
    }
}

TEST(PatternTableTest, RegionClipsAndOtherRasterOperationsKeepTheRule) {
    const std::vector<DashedPen> All = Pens();
    // Dots, dashes, the alternate pen and the long pattern.
    for (const std::size_t Pick : {std::size_t{1}, std::size_t{2}, std::size_t{5}, All.size() - 1})
        for (const Setting How : {RegionClip, XorPen})
            for (const bool Opaque : {false, true})
                for (int Direction = 0; Direction < 4; ++Direction)
                    for (int Lead = 0; Lead < 7; ++Lead)
                        for (int Length = 0; Length <= 44; Length += Length < 12 ? 1 : 5)
                            if (const auto Bad = Check(All[Pick], How, Opaque, Direction, Lead, Length))
                                FAIL() << "pen " << Pick << " setting " << How << " opaque " << Opaque
                                       << " direction " << Direction << " lead " << Lead << " length "
                                       << Length << " pixel " << Bad->x << "," << Bad->y;
}

TEST(PatternTableTest, AFarStraightLineStepsItsPatternAsTheWalkHoldsIt) {
    // Ends far beyond the device are held at 2^27 by the walk; the dots seen
    // start where that held line's steps say, whichever way it runs.
    constexpr int Far = 1 << 30, Held = 1 << 27;
    for (const bool Leftwards : {false, true}) {
        Bitmap Picture(Width, 3);
        Picture.Fill(White);
        DC Dc(Picture);
        Dc.SetBkMode(OPAQUE);
        Dc.SetBkColor(Back);
        Dc.SelectObject(CreatePen(PS_DOT, 1, Ink));
        Dc.MoveToEx(Leftwards ? Far : -Far, 1, nullptr);
        Dc.LineTo(Leftwards ? -Far : Far, 1);
        for (int X = 0; X < Width; ++X) {
            const long long Step = Leftwards ? Held - X : X + Held;
            ASSERT_EQ(Picture.GetPixel(X, 1), Step % 6 < 3 ? Ink : Back) << Leftwards << " " << X;
        }
    }
}

} // namespace
} // namespace vur::gdi
