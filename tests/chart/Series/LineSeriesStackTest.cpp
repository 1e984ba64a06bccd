// Stacked line series are drawn where their axis range puts them: each value
// on the sum of the same-signed values at its index of the series listed
// before it, and with 100 % stacking as a percentage of the stack's total.
// Probes use the fixture's geometry (x = 10 + 20 X, y = 110 - Y).
#include "LineSeriesFixture.h"

#include <cmath>
#include <cstdint>

namespace vur::test {
namespace {

using LineSeriesStack = LineSeriesFixture;

struct TStackCase {
    const char* Name;
    TCustomSeriesStack Mode;
    double Under;   // the value of the series listed first, at every point
    double Over;    // the value of the red series stacked on it
    double UnderAt; // where each line is drawn, in values
    double OverAt;
};

TEST_F(LineSeriesStack, LinesAreDrawnAtTheirStackedHeights) {
    const TStackCase Cases[] = {
        {"stack", cssStack, 10, 10, 10, 20},
        {"stack of other signs", cssStack, -30, 10, -30, 10},
        {"negative on negative", cssStack, -30, -10, -30, -40},
        {"100 %", cssStack100, 30, 10, 75, 100},
        {"100 % of other signs", cssStack100, -30, 10, -75, 25},
    };
    auto* Under = new TLineSeries(&Form);
    Under->SetParentChart(Chart);
    Under->SetSeriesColor(clBlue);
    // The series listed first comes under the fixture's red one.
    Chart->ExchangeSeries(0, 1);
    for (const TStackCase& Case : Cases) {
        SCOPED_TRACE(Case.Name);
        Under->Clear();
        Series->Clear();
        for (int X = 0; X < 10; ++X) {
            Under->AddXY(X, Case.Under);
            Series->AddXY(X, Case.Over);
        }
        Under->SetStacked(Case.Mode);
        Series->SetStacked(Case.Mode);
        SetAxes(0, 9, -100, 100);
        // Half a pixel per value up from row 110, the offset rounded to even.
        const auto Row = [](double Value) {
            return 110 - static_cast<int>(std::nearbyint((Value + 100) * 0.5));
        };
        Clear();
        Under->CalcFirstLastVisibleIndex();
        Under->DrawAllValues();
        Draw();
        EXPECT_EQ(Pixel(100, Row(Case.OverAt)), clRed);
        EXPECT_EQ(Pixel(100, Row(Case.UnderAt)), Case.UnderAt == Case.OverAt ? clRed : clBlue);
        EXPECT_EQ(Count(clRed, TRect{10, Row(Case.OverAt), 190, Row(Case.OverAt) + 1}), 180);
        EXPECT_EQ(Series->CalcYPos(4), Row(Case.OverAt));
    }
}

TEST_F(LineSeriesStack, TheAxisRangeReachesTheTopOfTheStack) {
    auto* Under = new TLineSeries(&Form);
    Under->SetParentChart(Chart);
    Chart->ExchangeSeries(0, 1);
    for (int X = 0; X < 10; ++X) {
        Under->AddXY(X, 10);
        Series->AddXY(X, 10);
    }
    Series->SetStacked(cssStack);
    EXPECT_EQ(Series->MinYValue(), 10);
    EXPECT_EQ(Series->MaxYValue(), 20);
    Series->SetStacked(cssStack100);
    EXPECT_EQ(Series->MinYValue(), 0);
    EXPECT_EQ(Series->MaxYValue(), 100);
}

// Dense stacked data goes through the run drawing and its column rule: the
// picture is the one of a line call per segment between stacked heights.
TEST_F(LineSeriesStack, DenseStackedDataDrawsEachSegmentAtItsStackedHeight) {
    auto* Under = new TLineSeries(&Form);
    Under->SetParentChart(Chart);
    Chart->ExchangeSeries(0, 1);
    std::uint32_t Seed = 17;
    for (int I = 0; I < 4000; ++I) {
        Seed = Seed * 1664525u + 1013904223u;
        Under->AddXY(I, 20 + 15 * std::sin(I / 300.0));
        Series->AddXY(I, 30 + static_cast<double>(Seed >> 24) / 16.0);
    }
    Series->SetStacked(cssStack);
    SetAxes(0, 3999);
    Draw();
    const gdi::Bitmap Drawn = Bitmap.GetImage();

    Clear();
    TCanvas* Plain = Bitmap.GetCanvas();
    Plain->GetPen()->SetColor(clRed);
    const TChartAxis* Left = Chart->GetLeftAxis();
    for (int I = 1; I < Series->Count(); ++I) {
        Plain->MoveTo(Series->CalcXPos(I - 1),
                      Left->CalcYPosValue(Under->GetyValue(I - 1) + Series->GetyValue(I - 1)));
        Plain->LineTo(Series->CalcXPos(I), Left->CalcYPosValue(Under->GetyValue(I) + Series->GetyValue(I)));
    }
    EXPECT_EQ(Differences(Drawn, Bitmap.GetImage()), 0);
    EXPECT_GT(Count(clRed), 1000);
}

} // namespace
} // namespace vur::test
