// The stages of a wide stroke against slow statements of their rules: the
// span list hands out exactly the covered runs of each row, once and in
// order; polygons with fractional corners (held in 1/16 pixel) fill the
// pixels whose sample point is inside; and a whole stroke paints each of its
// pixels once, so an xor pen shows the same pixels as a copy pen.
#include "RasterReference.h"

#include "platform/gdi/DC.h"
#include "platform/gdi/ScanConvert.h"
#include "platform/gdi/SpanList.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <random>
#include <tuple>
#include <vector>

namespace vur::gdi {
namespace {

using testing::KeepPicture;
using testing::ReferenceInside;

using SpanRun = std::tuple<int, int, int>; // Y, X0, X1

// The maximal runs of a coverage grid, top to bottom, left to right.
std::vector<SpanRun> RunsOf(const std::vector<std::vector<bool>>& Covered) {
    std::vector<SpanRun> Runs;
    for (std::size_t Y = 0; Y < Covered.size(); ++Y)
        for (std::size_t X = 0; X < Covered[Y].size(); ++X) {
            if (!Covered[Y][X] || (X > 0 && Covered[Y][X - 1])) continue;
            std::size_t End = X;
            while (End < Covered[Y].size() && Covered[Y][End]) ++End;
            Runs.emplace_back(int(Y), int(X), int(End));
        }
    return Runs;
}

TEST(WideStrokeTest, SpanListVisitsTheCoveredRunsOfEachRowOnceInOrder) {
    // Shaped like a stroke's spans (a few caps first, then rows in order) and
    // also in no order at all, with touching, nested and empty spans.
    std::mt19937 Random(21);
    std::uniform_int_distribution<int> Row(0, 39), Col(0, 50), Len(-2, 9), HeadSize(0, 8), Shape(0, 2);
    SpanList Spans;
    for (int Case = 0; Case < 600; ++Case) {
        std::vector<std::vector<bool>> Covered(40, std::vector<bool>(60, false));
        const auto Add = [&](int Y, int X0, int X1) {
            Spans.Add(Y, X0, X1);
            for (int X = X0; X < X1; ++X) Covered[Y][X] = true;
        };
        const int Kind = Shape(Random);
        for (int I = HeadSize(Random); I > 0; --I) {
            const int X0 = Col(Random);
            Add(Row(Random), X0, X0 + Len(Random));
        }
        if (Kind == 0) {
            // Rows in order, one to three spans each, left to right.
            for (int Y = Row(Random) / 2; Y < 40; Y += 1 + Case % 2) {
                int X = Col(Random) / 3;
                for (int K = Case % 3; K >= 0 && X < 50; --K) {
                    const int X1 = X + 1 + Len(Random) + 2;
                    Add(Y, X, X1);
                    X = X1 + Len(Random) + 2;
                }
            }
        } else {
            for (int I = Case % 50; I > 0; --I) {
                const int X0 = Col(Random);
                Add(Kind == 1 ? Row(Random) : 39 - I % 40, X0, X0 + Len(Random));
            }
        }
        std::vector<SpanRun> Visited;
        Spans.ForEachMerged([&](int Y, int X0, int X1) { Visited.emplace_back(Y, X0, X1); });
        Spans.Clear();
        ASSERT_EQ(Visited, RunsOf(Covered)) << "case " << Case;
    }
}

struct RecordedRows : RowSink {
    std::vector<std::vector<bool>> Covered;
    int LastRow = -1 << 30;
    bool InOrder = true;
    RecordedRows(int W, int H) : Covered(H, std::vector<bool>(W, false)) {}
    void Row(int Y, std::span<const Span> Spans) override {
        InOrder = InOrder && Y > LastRow;
        LastRow = Y;
        for (const Span& S : Spans)
            for (int X = S.X0; X < S.X1; ++X) Covered.at(Y).at(X) = true;
    }
};

TEST(WideStrokeTest, FractionalPolygonsFillThePixelsWhoseSamplePointIsInside) {
    // Corners on the 1/16 grid: scaled by 16 they are whole numbers, and the
    // pixel (x, y) is inside when (16 x, 16 y) is inside the scaled polygon.
    // Thin tall slivers (the pieces of a vertical wide line) come up often.
    constexpr int W = 40, H = 72;
    std::mt19937 Random(8);
    std::uniform_int_distribution<int> Coord(-80, 16 * 45), Corners(3, 7), Pick(0, 3), Narrow(1, 40),
        Edge(-5, 75);
    ScanConverter Converter;
    for (int Case = 0; Case < 500; ++Case) {
        std::vector<POINT> Scaled;
        if (Pick(Random) == 0) {
            // A sliver under two pixels wide, slanted a little, crossing every row.
            const int X = Coord(Random) / 2 + 80, Dx = Narrow(Random) - 20;
            const int Thin = Narrow(Random) - 8;
            Scaled = {{X, -30}, {X + Thin, -30}, {X + Thin + Dx, 16 * H + 20}, {X + Dx, 16 * H + 20}};
        } else {
            for (int I = Corners(Random); I > 0; --I)
                Scaled.push_back(POINT{Coord(Random), Coord(Random) * 3 / 2});
        }
        std::vector<PointF> Corners16;
        for (const POINT& P : Scaled) Corners16.push_back(PointF{P.x / 16.0, P.y / 16.0});
        const int Mode = Case % 2 ? WINDING : ALTERNATE;
        RECT Clip{0, 0, W, H};
        if (Pick(Random) == 0)
            Clip = RECT{std::max(Edge(Random) / 2, 0), std::max(Edge(Random), 0),
                        std::min(W - Edge(Random) / 3, W), std::min(H - Edge(Random), H)};
        Converter.Clear();
        Converter.AddFigure(Corners16);
        RecordedRows Rows(W, H);
        Converter.Fill(Mode, Clip, Rows);
        ASSERT_TRUE(Rows.InOrder) << "case " << Case;
        for (int Y = 0; Y < H; ++Y)
            for (int X = 0; X < W; ++X) {
                const bool InClip = X >= Clip.left && X < Clip.right && Y >= Clip.top && Y < Clip.bottom;
                const bool Expected = InClip && ReferenceInside(Scaled, Mode, 16 * X, 16 * Y);
                ASSERT_EQ(Rows.Covered[Y][X], Expected) << "case " << Case << " pixel " << X << "," << Y;
            }
    }
}

TEST(WideStrokeTest, EveryPixelOfAStrokeIsPaintedOnceWhateverItsWidthCapsJoinsAndClip) {
    // On black, an xor pen leaves its colour where a pixel was painted an odd
    // number of times, a copy pen where it was painted at all.
    constexpr COLORREF Ink = RGB(90, 200, 40);
    constexpr int W = 64, H = 56;
    const unsigned Caps[] = {PS_ENDCAP_ROUND, PS_ENDCAP_SQUARE, PS_ENDCAP_FLAT};
    const unsigned Joins[] = {PS_JOIN_ROUND, PS_JOIN_BEVEL, PS_JOIN_MITER};
    std::mt19937 Random(4);
    std::uniform_int_distribution<int> Coord(-10, 70), Width(2, 9), Pick(0, 2), Edge(-4, 60), Count(2, 5);
    for (int Case = 0; Case < 400; ++Case) {
        const LOGBRUSH Brush{BS_SOLID, Ink, 0};
        const unsigned Dashes[] = {7, 4};
        const bool Dashed = Case % 5 == 0;
        const Pen Stroke = ExtCreatePen(PS_GEOMETRIC | (Dashed ? PS_USERSTYLE : PS_SOLID) |
                                            Caps[Pick(Random)] | Joins[Pick(Random)],
                                        Width(Random), Brush, Dashed ? 2 : 0, Dashed ? Dashes : nullptr);
        // Mostly axis-aligned pieces, as axes and frames are.
        std::vector<POINT> Points{{Coord(Random), Coord(Random)}};
        for (int I = Count(Random); I > 1; --I) {
            POINT Next = Points.back();
            const int Kind = Pick(Random);
            if (Kind != 1) Next.x = Coord(Random);
            if (Kind != 0) Next.y = Coord(Random);
            Points.push_back(Next);
        }
        const int L = Edge(Random), T = Edge(Random), R = L + 10 + Edge(Random), B = T + 10 + Edge(Random);
        const bool Clipped = Pick(Random) == 0;
        Bitmap Copy(W, H), Xor(W, H);
        for (Bitmap* Picture : {&Copy, &Xor}) {
            Picture->Fill(0);
            DC Dc(*Picture);
            Dc.SelectObject(Stroke);
            Dc.SetROP2(Picture == &Xor ? R2_XORPEN : R2_COPYPEN);
            if (Clipped) Dc.IntersectClipRect(L, T, R, B);
            Dc.Polyline(Points.data(), static_cast<int>(Points.size()));
        }
        if (!(Copy == Xor)) {
            KeepPicture(Copy, "WideStrokeTest_Copy");
            KeepPicture(Xor, "WideStrokeTest_Xor");
            FAIL() << "case " << Case;
        }
    }
}

} // namespace
} // namespace vur::gdi
