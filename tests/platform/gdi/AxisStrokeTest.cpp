// A wide LineTo that is horizontal, vertical or a point has its rows worked
// out directly; the same segment stroked as a path still goes through the
// stroker and the scan converter, which the wide-stroke tests hold to their
// rules. The two must agree on every pixel: every width, cap and pen kind,
// ends inside, on and far outside the clip, box and region clips, and raster
// operations that show a pixel painted twice.
#include "RasterReference.h"

#include "platform/gdi/DC.h"

#include <gtest/gtest.h>

#include <random>
#include <vector>

namespace vur::gdi {
namespace {

using testing::KeepPicture;

constexpr int Width = 48, Height = 44;
constexpr COLORREF Ink = RGB(40, 170, 220);

// Every pixel different, so that raster operations reading the destination
// show where and how often they ran.
void PaintBackground(Bitmap& Picture) {
    for (int Y = 0; Y < Height; ++Y)
        for (int X = 0; X < Width; ++X)
            Picture.Row(Y)[X] = static_cast<std::uint32_t>((X * 37 + Y * 11) & 0xFF) << 8 |
                                static_cast<std::uint32_t>((X * 5 + Y * 29) & 0xFF);
}

struct Segment {
    POINT From, To;
};

// Mostly near the bitmap, with lengths 0 to 3 often; now and then an end far away.
Segment RandomSegment(std::mt19937& Random) {
    std::uniform_int_distribution<int> Coord(-6, 52), Pick(0, 9), Short(-3, 3);
    const POINT From{Coord(Random), Coord(Random)};
    POINT To = From;
    int& Along = Pick(Random) % 2 ? To.x : To.y;
    const int Kind = Pick(Random);
    if (Kind == 0)
        Along += 0;
    else if (Kind < 4)
        Along += Short(Random);
    else if (Kind == 4)
        Along = Pick(Random) % 2 ? 1 << 30 : -(1 << 30);
    else
        Along = Coord(Random);
    return Segment{From, To};
}

struct Setting {
    Pen StrokePen;
    int Rop2;
    int ClipKind; // 0 none, 1 box, 2 region
    RECT Box;
};

Bitmap Draw(const Setting& S, const Segment& Line, const Region& Shape, bool AsPath) {
    Bitmap Picture(Width, Height);
    PaintBackground(Picture);
    DC Dc(Picture);
    Dc.SelectObject(S.StrokePen);
    Dc.SetROP2(S.Rop2);
    if (S.ClipKind == 1) Dc.IntersectClipRect(S.Box.left, S.Box.top, S.Box.right, S.Box.bottom);
    if (S.ClipKind == 2) Dc.SelectClipRgn(&Shape);
    if (AsPath) Dc.BeginPath();
    Dc.MoveToEx(Line.From.x, Line.From.y, nullptr);
    Dc.LineTo(Line.To.x, Line.To.y);
    if (AsPath) {
        Dc.EndPath();
        Dc.StrokePath();
    }
    return Picture;
}

TEST(AxisStrokeTest, AxisSegmentsMatchTheStrokedPathForEveryWidthCapClipAndRasterOperation) {
    const Region Stairs = [] {
        Region R;
        CombineRgn(R, CreateRectRgn(2, 3, 30, 15), CreateRectRgn(10, 15, 45, 28), RGN_OR);
        CombineRgn(R, R, CreateEllipticRgn(0, 26, 36, 44), RGN_OR);
        return R;
    }();
    const unsigned Caps[] = {PS_ENDCAP_ROUND, PS_ENDCAP_SQUARE, PS_ENDCAP_FLAT};
    const int Rops[] = {R2_COPYPEN, R2_XORPEN, R2_NOTXORPEN, R2_MASKPEN, R2_NOT};
    std::mt19937 Random(5);
    std::uniform_int_distribution<int> PenWidth(1, 12), Pick(0, 5), Edge(-4, 44);
    int Drawn = 0;
    for (int Case = 0; Case < 4000; ++Case) {
        const int W = PenWidth(Random);
        const unsigned Cap = Caps[Case % 3];
        // Plain pens wider than one pixel are round-capped and drawn like geometric ones.
        const Pen StrokePen = Case % 4 == 3 && W > 1 ? CreatePen(PS_SOLID, W, Ink)
                                                     : ExtCreatePen(PS_GEOMETRIC | PS_SOLID | Cap, W,
                                                                    LOGBRUSH{BS_SOLID, Ink, 0}, 0, nullptr);
        const int Rop = Pick(Random) < 3 ? R2_COPYPEN : Rops[Pick(Random) % 5];
        const int ClipKind = Pick(Random) % 3;
        const int Left = Edge(Random), Top = Edge(Random);
        const RECT Box{Left, Top, Left + 4 + Edge(Random) / 2, Top + 4 + Edge(Random) / 2};
        const Setting S{StrokePen, Rop, ClipKind, Box};
        const Segment Line = RandomSegment(Random);
        const Bitmap Direct = Draw(S, Line, Stairs, false);
        const Bitmap Stroked = Draw(S, Line, Stairs, true);
        if (!(Direct == Stroked)) {
            KeepPicture(Direct, "AxisStrokeTest_Direct");
            KeepPicture(Stroked, "AxisStrokeTest_Stroked");
            FAIL() << "case " << Case << " width " << W << " cap " << (StrokePen.GetEndCap() >> 8) << " rop "
                   << Rop << " clip " << ClipKind << " (" << Line.From.x << "," << Line.From.y << ")-("
                   << Line.To.x << "," << Line.To.y << ")";
        }
        Bitmap Untouched(Width, Height);
        PaintBackground(Untouched);
        Drawn += !(Direct == Untouched);
    }
    // Half the cases at least must paint something, or the comparison proves little.
    EXPECT_GT(Drawn, 1800);
}

TEST(AxisStrokeTest, AVerticalAxisLineIsItsBodyColumnsWithACapDiscAtEachEnd) {
    // A 2-pixel round-capped line from (10, 5) to (10, 30): columns 9 and 10
    // from row 4 (the top disc's cell starts one row above the end) to row 30.
    Bitmap Picture(20, 40);
    Picture.Fill(0xFFFFFF);
    DC Dc(Picture);
    Dc.SelectObject(ExtCreatePen(PS_GEOMETRIC | PS_ENDCAP_ROUND, 2, LOGBRUSH{BS_SOLID, Ink, 0}, 0, nullptr));
    Dc.MoveToEx(10, 5, nullptr);
    Dc.LineTo(10, 30);
    for (int Y = 0; Y < 40; ++Y)
        for (int X = 0; X < 20; ++X) {
            const bool Covered = (X == 9 || X == 10) && Y >= 4 && Y <= 30;
            ASSERT_EQ(Picture.GetPixel(X, Y) == Ink, Covered) << X << "," << Y;
        }
}

} // namespace
} // namespace vur::gdi
