// Horizontal and vertical one-pixel lines drawn by LineTo against the
// per-pixel rule: step I of the walk is lit when position I mod period of the
// pattern falls in a dash, and a gap takes the background colour only when
// the background is opaque. Every direction, length and phase of the pattern
// where the clip cuts the line, at either end or both; solid pens also under
// region clips and raster operations, and with ends far outside the bitmap.
#include "RasterReference.h"

#include "platform/gdi/DC.h"

#include <gtest/gtest.h>

#include <vector>

namespace vur::gdi {
namespace {

using namespace testing;

constexpr int Width = 40, Height = 30;
constexpr RECT Box{5, 5, 35, 25};

// The line of a given direction whose first visible step is Lead and which
// has Length steps inside the box when it does not leave it first.
struct Line {
    POINT From, To;
};
Line StraightLine(int Direction, int Lead, int Length) {
    switch (Direction) {
    case 0: // right along row 10
        return {{Box.left - Lead, 10}, {Box.left + Length, 10}};
    case 1: // left along row 20
        return {{Box.right - 1 + Lead, 20}, {Box.right - 1 - Length, 20}};
    case 2: // down column 12
        return {{12, Box.top - Lead}, {12, Box.top + Length}};
    default: // up column 30
        return {{30, Box.bottom - 1 + Lead}, {30, Box.bottom - 1 - Length}};
    }
}

bool InBox(POINT P) { return P.x >= Box.left && P.x < Box.right && P.y >= Box.top && P.y < Box.bottom; }

TEST(StraightLineTest, DashedLinesOfEveryLengthAndPhaseMatchThePerPixelRule) {
    for (const DashedPen& S : testing::DashedPens(Ink)) {
        if (S.Runs.empty()) continue; // solid lines have their own test below
        const std::vector<bool> Lit = testing::LitPattern(S.Runs);
        for (const bool Opaque : {false, true})
            for (int Direction = 0; Direction < 4; ++Direction)
                for (int Lead = 0; Lead < 27; Lead += Lead < 14 ? 1 : 4)
                    for (int Length = 0; Length < 36; ++Length) {
                        const Line L = StraightLine(Direction, Lead, Length);
                        Bitmap Picture(Width, Height);
                        Picture.Fill(White);
                        DC Dc(Picture);
                        Dc.SelectObject(S.LinePen);
                        Dc.SetBkMode(Opaque ? OPAQUE : TRANSPARENT);
                        Dc.SetBkColor(Back);
                        Dc.IntersectClipRect(Box.left, Box.top, Box.right, Box.bottom);
                        Dc.MoveToEx(L.From.x, L.From.y, nullptr);
                        Dc.LineTo(L.To.x, L.To.y);

                        std::vector<COLORREF> Expected(Width * Height, White);
                        std::size_t Step = 0;
                        for (const POINT& P : ReferenceLine(L.From.x, L.From.y, L.To.x, L.To.y)) {
                            const bool On = Lit[Step++ % Lit.size()];
                            if (InBox(P) && (On || Opaque)) Expected[P.y * Width + P.x] = On ? Ink : Back;
                        }
                        if (const auto Bad = testing::FirstMismatch(Picture, Expected)) {
                            KeepPicture(Picture, "StraightLineTest_Dashed");
                            FAIL() << "runs " << S.Runs.size() << " opaque " << Opaque << " direction "
                                   << Direction << " lead " << Lead << " length " << Length << " pixel "
                                   << Bad->x << "," << Bad->y;
                        }
                    }
    }
}

TEST(StraightLineTest, SolidLinesMatchTheRuleThroughBoxesRegionsAndRasterOperations) {
    const Region Notched = [] {
        Region R;
        CombineRgn(R, CreateRectRgn(0, 0, Width, Height), CreateRectRgn(14, 0, 18, Height), RGN_DIFF);
        CombineRgn(R, R, CreateRectRgn(0, 15, Width, 17), RGN_DIFF);
        return R;
    }();
    // On white, xor leaves the complement of the ink; a region or a raster
    // operation other than copy takes the pattern walk instead of plain stores.
    for (int Setting = 0; Setting < 4; ++Setting)
        for (int Direction = 0; Direction < 4; ++Direction)
            for (int Lead = 0; Lead < 8; ++Lead)
                for (int Length = 0; Length < 36; ++Length) {
                    const Line L = StraightLine(Direction, Lead, Length);
                    Bitmap Picture(Width, Height);
                    Picture.Fill(White);
                    DC Dc(Picture);
                    Dc.SelectObject(CreatePen(PS_SOLID, 1, Ink));
                    if (Setting == 1) Dc.IntersectClipRect(Box.left, Box.top, Box.right, Box.bottom);
                    if (Setting == 2) Dc.SelectClipRgn(&Notched);
                    if (Setting == 3) Dc.SetROP2(R2_XORPEN);
                    Dc.MoveToEx(L.From.x, L.From.y, nullptr);
                    Dc.LineTo(L.To.x, L.To.y);
                    std::vector<COLORREF> Expected(Width * Height, White);
                    for (const POINT& P : ReferenceLine(L.From.x, L.From.y, L.To.x, L.To.y)) {
                        if (P.x < 0 || P.y < 0 || P.x >= Width || P.y >= Height) continue;
                        if (Setting == 1 && !InBox(P)) continue;
                        if (Setting == 2 && !PtInRegion(Notched, P.x, P.y)) continue;
                        Expected[P.y * Width + P.x] = Setting == 3 ? (White ^ Ink) : Ink;
                    }
                    if (const auto Bad = testing::FirstMismatch(Picture, Expected)) {
                        KeepPicture(Picture, "StraightLineTest_Solid");
                        FAIL() << "setting " << Setting << " direction " << Direction << " lead " << Lead
                               << " length " << Length << " pixel " << Bad->x << "," << Bad->y;
                    }
                }
}

TEST(StraightLineTest, SolidLinesWithFarEndsLightTheirWholeRowOrColumnInsideTheBitmap) {
    constexpr int Far = 1 << 30;
    Bitmap Picture(Width, Height);
    Picture.Fill(White);
    DC Dc(Picture);
    Dc.SelectObject(CreatePen(PS_SOLID, 1, Ink));
    Dc.MoveToEx(-Far, 3, nullptr);
    Dc.LineTo(Far, 3);
    Dc.MoveToEx(7, Far, nullptr);
    Dc.LineTo(7, -Far);
    // Wholly outside: beyond the right edge, and on a row below the bitmap.
    Dc.MoveToEx(Width, 9, nullptr);
    Dc.LineTo(Far, 9);
    Dc.MoveToEx(-Far, Height, nullptr);
    Dc.LineTo(Far, Height);
    for (int Y = 0; Y < Height; ++Y)
        for (int X = 0; X < Width; ++X)
            ASSERT_EQ(Picture.GetPixel(X, Y) == Ink, Y == 3 || X == 7) << X << "," << Y;
}

} // namespace
} // namespace vur::gdi
