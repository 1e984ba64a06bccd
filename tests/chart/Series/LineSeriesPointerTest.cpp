// Markers on a line series: the room they take in a real paint, styles per
// point, and the series' legend symbol.
#include "chart/Chart/Chart.h"
#include "chart/Series/LineSeries.h"
#include "tests/chart/Series/LineSeriesFixture.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <memory>
#include <vector>

namespace vur::test {
namespace {

// The outermost markers keep their 4 + 1 pixels inside the plot on all four
// sides: the first point's pixel is 5 right of the plot's left edge, the
// highest 5 below its top, and so on.
TEST(LineSeriesPointerMargins, AVisibleDefaultPointerWidensBothAxesByFivePixels) {
    TComponent Form{nullptr};
    auto* Chart = new TChart(&Form);
    Chart->SetBounds(0, 0, 400, 300);
    Chart->SetView3D(false);
    auto* Series = new TLineSeries(&Form);
    Series->SetParentChart(Chart);
    for (int I = 0; I < 10; ++I) Series->AddXY(I, I % 2 == 0 ? 10 : 90);
    for (const bool Visible : {false, true}) {
        Series->GetPointer()->SetVisible(Visible);
        const std::unique_ptr<TBitmap> Picture = Chart->VurCreateBitmap(clWhite, Rect(0, 0, 400, 300));
        const TRect& R = Chart->GetChartRect();
        const int Room = Visible ? 5 : 0;
        EXPECT_EQ(Series->CalcXPos(0) - R.Left, Room);
        EXPECT_EQ(R.Right - Series->CalcXPos(9), Room);
        EXPECT_EQ(Series->CalcYPos(1) - R.Top, Room);
        EXPECT_EQ(R.Bottom - Series->CalcYPos(0), Room);
    }
}

class LineSeriesPointer : public LineSeriesFixture {
protected:
    void SetUp() override {
        LineSeriesFixture::SetUp();
        // Ten points on one row: x = 10 + 20 X, y = 60.
        for (int I = 0; I < 10; ++I) Series->AddXY(I, 50);
        SetAxes(0, 9);
        Series->GetPointer()->Show();
    }
};

TEST_F(LineSeriesPointer, EachPointTakesTheStyleTheEventGivesIt) {
    // Squares on even points, crosses on odd ones, none on the last.
    Series->OnGetPointerStyle = [](TChartSeries*, int ValueIndex) {
        if (ValueIndex == 9) return psNothing;
        return ValueIndex % 2 == 0 ? psRectangle : psCross;
    };
    Draw();
    for (int I = 0; I < 10; ++I) {
        SCOPED_TRACE(I);
        const int X = 10 + 20 * I;
        // Inside a square the point's colour; off the arms of a cross, white.
        EXPECT_EQ(Pixel(X + 2, 58), I % 2 == 0 ? clRed : clWhite);
        // The square's corner and the cross' top are the black pen.
        EXPECT_EQ(Pixel(X - 4, 56), I % 2 == 0 ? clBlack : clWhite);
        EXPECT_EQ(Pixel(X, 56), I == 9 ? clWhite : clBlack);
    }
    // A point without a marker is not hit beside its pixel; one with a marker is.
    Series->SetClickableLine(false);
    EXPECT_EQ(Series->Clicked(190 + 2, 60 + 2), -1);
    EXPECT_EQ(Series->Clicked(170 + 2, 60 + 2), 8);
}

TEST_F(LineSeriesPointer, TheLegendSymbolIsTheLineWithItsMarkerOnIt) {
    Series->GetPointer()->Hide();
    Series->DrawLegend(-1, TRect{20, 20, 41, 33});
    // A line in the series colour through the middle row.
    EXPECT_EQ(Count(clRed, TRect{20, 26, 41, 27}), 21);
    EXPECT_EQ(Count(clRed), 21);

    Clear();
    Series->GetPointer()->Show();
    Series->DrawLegend(-1, TRect{20, 20, 41, 33});
    // A marker of half sizes 4 (within a third of 21 by 13) at (30, 26).
    EXPECT_EQ(Pixel(26, 22), clBlack);
    EXPECT_EQ(Pixel(34, 30), clBlack);
    EXPECT_EQ(Pixel(28, 24), clRed);
    EXPECT_EQ(Pixel(21, 26), clRed);

    // A series of many colours has no one symbol.
    Clear();
    Series->SetColorEachPoint(true);
    Series->DrawLegend(-1, TRect{20, 20, 41, 33});
    EXPECT_EQ(Count(clWhite), Width * Height);
}

// Markers alone, all alike: a marker at the pixel of a later one is covered
// by it, and the picture must be that of every marker drawn in order.
class LineSeriesMarkersAlone : public LineSeriesFixture {
protected:
    void SetUp() override {
        LineSeriesFixture::SetUp();
        SetAxes(0, 9);
        Series->GetPointer()->Show();
        Series->GetLinePen()->Hide();
        // Drawn in the order added.
        Series->GetXValues()->SetOrder(loNone);
    }

    struct TPoint2D {
        double X;
        double Y;
    };

    gdi::Bitmap Render(const std::vector<TPoint2D>& Points) {
        Series->Clear();
        for (const TPoint2D& P : Points) Series->AddXY(P.X, P.Y);
        Clear();
        Draw();
        return Bitmap.GetImage();
    }
};

TEST_F(LineSeriesMarkersAlone, AnEarlierMarkerAtALaterOnesPixelLeavesNoTrace) {
    // The squares of p at (30, 60) and q at (34, 58) overlap: drawn p, q, p
    // the picture is q under p.
    const TPoint2D P{1, 50}, Q{1.2, 52};
    const gdi::Bitmap Thrice = Render({P, Q, P});
    // p's right edge crosses q's inside; q's left edge is hidden inside p.
    EXPECT_EQ(Pixel(34, 60), clBlack);
    EXPECT_EQ(Pixel(30, 58), clRed);
    EXPECT_EQ(Differences(Thrice, Render({Q, P})), 0);
}

TEST_F(LineSeriesMarkersAlone, ManyOverlappingMarkersPaintAsEveryOneDrawnInOrder) {
    // Dense random points, most sharing their pixel with others; a style
    // event of the same answer makes the series draw every marker.
    std::vector<TPoint2D> Points;
    std::uint32_t Seed = 7;
    const auto Next = [&Seed](int Range) {
        Seed = Seed * 1664525u + 1013904223u;
        return static_cast<double>(Seed >> 8) / (1u << 24) * Range;
    };
    for (int I = 0; I < 3000; ++I) Points.push_back({Next(9), 20 + Next(60)});
    struct Look {
        const char* Name;
        TSeriesPointerStyle Style;
        bool PenVisible;
        TBrushStyle Brush;
    };
    const Look Looks[] = {{"squares", psRectangle, true, bsSolid},
                          {"hatched circles", psCircle, true, bsDiagCross},
                          {"diamonds without outline", psDiamond, false, bsSolid},
                          {"stars", psStar, true, bsSolid},
                          {"dots", psSmallDot, true, bsSolid}};
    for (const Look& L : Looks) {
        SCOPED_TRACE(L.Name);
        TSeriesPointer* Pointer = Series->GetPointer();
        Pointer->SetStyle(L.Style);
        Pointer->GetPen()->SetVisible(L.PenVisible);
        Pointer->GetBrush()->SetStyle(L.Brush);
        Series->SetColorEachPoint(false);
        const gdi::Bitmap Sieved = Render(Points);
        Series->OnGetPointerStyle = [&L](TChartSeries*, int) { return L.Style; };
        const gdi::Bitmap Every = Render(Points);
        Series->OnGetPointerStyle = nullptr;
        EXPECT_EQ(Differences(Sieved, Every), 0);
    }
}

TEST_F(LineSeriesMarkersAlone, ATransparentMarkerBlendsOverItsOwnEarlierCopy) {
    Series->GetPointer()->SetTransparency(50);
    const TPoint2D P{1, 50}, Q{1.2, 52};
    EXPECT_NE(Differences(Render({P, Q, P}), Render({Q, P})), 0);
}

} // namespace
} // namespace vur::test
