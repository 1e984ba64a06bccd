#include "chart/DaZezava/AxisTestSupport.h"
#include "chart/VurConst.h"
#include "framework/DateTime.h"
#include "framework/Exceptions.h"

#include <cmath>
#include <limits>

namespace vur {
namespace {

using test::AxisFixture;

using AxisRangeTest = AxisFixture;

std::string AxisError(const std::function<void()>& Action) {
    try {
        Action();
    } catch (const AxisException& E) {
        return E.Message();
    }
    return "no exception";
}

TEST_F(AxisRangeTest, StandardAxesComeFirstInListOrderWithTheirSides) {
    TChartAxes* Axes = Chart->GetAxes();
    ASSERT_EQ(Axes->Count(), 6);
    EXPECT_EQ(Axes->Get(0), Chart->GetBottomAxis());
    EXPECT_EQ(Axes->Get(3), Chart->GetRightAxis());
    EXPECT_EQ(Axes->Get(5), Chart->GetDepthTopAxis());
    EXPECT_TRUE(Chart->GetTopAxis()->GetHorizontal() && Chart->GetTopAxis()->GetOtherSide());
    EXPECT_FALSE(Chart->GetLeftAxis()->GetHorizontal() || Chart->GetLeftAxis()->GetOtherSide());
    EXPECT_EQ(Chart->GetLeftAxis()->GetTitle()->GetAngle(), 90);
    EXPECT_FALSE(Chart->GetLeftAxis()->GetTitle()->IsAngleStored());
    EXPECT_EQ(Chart->GetRightAxis()->GetZPosition(), 100);
    EXPECT_FALSE(Chart->GetDepthAxis()->GetVisible());
    EXPECT_TRUE(Chart->GetDepthAxis()->GetIsDepthAxis() && Chart->GetDepthAxis()->GetOtherSide());
    EXPECT_EQ(Chart->GetBottomAxis()->GetAxis()->GetWidth(), 2);
    EXPECT_FALSE(Chart->GetBottomAxis()->GetMinorGrid()->GetVisible());

    TChartAxis* Custom = Chart->GetCustomAxes()->Add();
    EXPECT_EQ(Axes->IndexOf(Custom), 6);
    EXPECT_TRUE(Custom->IsCustom());
    EXPECT_FALSE(Chart->GetDepthTopAxis()->IsCustom());
    Series->SetCustomVertAxis(Custom);
    Chart->GetCustomAxes()->Delete(0);
    EXPECT_EQ(Axes->Count(), 6);
    EXPECT_EQ(Series->GetVertAxis(), aLeftAxis);
    EXPECT_EQ(Series->GetVerticalAxis(), Chart->GetLeftAxis());
}

TEST_F(AxisRangeTest, EmptyChartMapsEverythingToTheCentre) {
    Layout({40, 20, 440, 220});
    for (TChartAxis* Axis : {Chart->GetBottomAxis(), Chart->GetLeftAxis(), Chart->GetTopAxis()}) {
        EXPECT_EQ(Axis->GetMinimum(), 0);
        EXPECT_EQ(Axis->GetMaximum(), 0);
        EXPECT_TRUE(Axis->GetRangeIsZero());
        EXPECT_EQ(Axis->GetPixelsPerValue(), 0);
    }
    EXPECT_EQ(Chart->GetBottomAxis()->CalcPosValue(123), 240);
    EXPECT_EQ(Chart->GetLeftAxis()->CalcPosValue(-5), 120);
}

TEST_F(AxisRangeTest, OnePointIsDrawnAtTheCentreOfTheRectangle) {
    Series->AddXY(5, 7);
    Layout({40, 20, 441, 221});
    EXPECT_EQ(Chart->GetBottomAxis()->GetMinimum(), 5);
    EXPECT_EQ(Chart->GetBottomAxis()->GetMaximum(), 5);
    EXPECT_EQ(Series->CalcXPos(0), 240);
    EXPECT_EQ(Series->CalcYPos(0), 120);
}

TEST_F(AxisRangeTest, SlidingWindowSpansOldestToNewestTimeStamp) {
    Series->GetXValues()->SetDateTime(true);
    const TDateTime Start = EncodeDate(2024, 5, 6) + EncodeTime(14, 5, 0, 0);
    const int Ys[] = {40, 3, 97, 51, 12, 88, 64, 5, 77, 20, 33, 90, 8};
    for (int Tick = 0; Tick < 13; ++Tick) {
        Series->AddXY(Start + Tick / 86400.0, Ys[Tick]);
        if (Series->Count() > 10) Series->Delete(0);
    }
    Layout({21, 30, 668, 230});
    TChartAxis* Bottom = Chart->GetBottomAxis();
    EXPECT_TRUE(Bottom->IsDateTime());
    EXPECT_FALSE(Chart->GetLeftAxis()->IsDateTime());
    EXPECT_EQ(Bottom->GetMinimum(), Start + 3 / 86400.0);
    EXPECT_EQ(Bottom->GetMaximum(), Start + 12 / 86400.0);
    EXPECT_EQ(Series->CalcXPos(0), Bottom->GetPixelStart());
    EXPECT_EQ(Series->CalcXPos(9), Bottom->GetPixelEnd());
    EXPECT_EQ(Chart->GetLeftAxis()->GetMinimum(), 5);
    EXPECT_EQ(Chart->GetLeftAxis()->GetMaximum(), 90);
    EXPECT_EQ(Series->CalcYPos(4), Chart->GetLeftAxis()->GetPixelEnd());
    EXPECT_EQ(Series->CalcYPos(8), Chart->GetLeftAxis()->GetPixelStart());
    EXPECT_TRUE(Chart->GetBottomAxis()->GetVisibleInPaint());
    EXPECT_TRUE(Chart->GetLeftAxis()->GetVisibleInPaint());
    EXPECT_FALSE(Chart->GetTopAxis()->GetVisibleInPaint());
    EXPECT_FALSE(Chart->GetRightAxis()->GetVisibleInPaint());
}

TEST_F(AxisRangeTest, SetMinMaxOrdersTheEndsAndKeepsAMinimalSpan) {
    TChartAxis* Axis = Chart->GetLeftAxis();
    Axis->SetMinMax(5, 2);
    EXPECT_EQ(Axis->GetMinimum(), 2);
    EXPECT_EQ(Axis->GetMaximum(), 5);
    EXPECT_FALSE(Axis->GetAutomatic() || Axis->GetAutomaticMinimum() || Axis->GetAutomaticMaximum());
    Axis->SetMinMax(3, 3);
    EXPECT_EQ(Axis->GetMinimum(), 3);
    EXPECT_EQ(Axis->GetMaximum(), 3 + MinAxisRange);
    // A non-finite end builds no range.
    Axis->SetMinMax(std::numeric_limits<double>::quiet_NaN(), 4);
    Axis->SetMinMax(1, std::numeric_limits<double>::infinity());
    EXPECT_EQ(Axis->GetMinimum(), 3);
    Chart->GetAxes()->Reset();
    EXPECT_TRUE(Axis->GetAutomatic() && Axis->GetAutomaticMinimum() && Axis->GetAutomaticMaximum());
}

TEST_F(AxisRangeTest, CustomAxesFollowTheirMaster) {
    TChartAxis* Custom = Chart->GetCustomAxes()->Add();
    Custom->SetMasterAxis(Chart->GetLeftAxis());
    Chart->GetLeftAxis()->SetMinMax(1, 9);
    EXPECT_EQ(Custom->GetMinimum(), 1);
    EXPECT_EQ(Custom->GetMaximum(), 9);
    EXPECT_FALSE(Custom->GetAutomatic());
}

// An axis its own master, or two axes each other's, once recursed without end.
TEST_F(AxisRangeTest, MasterAxisCyclesTakeTheRangeOnce) {
    TChartAxis* A = Chart->GetCustomAxes()->Add();
    TChartAxis* B = Chart->GetCustomAxes()->Add();
    A->SetMasterAxis(A);
    A->SetMinMax(1, 2);
    EXPECT_EQ(A->GetMaximum(), 2);
    A->SetMasterAxis(B);
    B->SetMasterAxis(A);
    A->SetMinMax(3, 4);
    EXPECT_EQ(B->GetMinimum(), 3);
    EXPECT_EQ(B->GetMaximum(), 4);
    B->SetMinMax(6, 5);
    EXPECT_EQ(A->GetMinimum(), 5);
    EXPECT_EQ(A->GetMaximum(), 6);
    A->SetMasterAxis(Chart->GetLeftAxis());
    Chart->GetLeftAxis()->SetMinMax(7, 8);
    EXPECT_EQ(A->GetMinimum(), 7);
    EXPECT_EQ(B->GetMaximum(), 8);
    EXPECT_THROW(Chart->GetCustomAxes()->Get(2), EAssertionFailed);
    EXPECT_THROW(Chart->GetCustomAxes()->Delete(-1), EAssertionFailed);
    EXPECT_EQ(Chart->GetCustomAxes()->Count(), 2);
}

TEST_F(AxisRangeTest, ScrollWithLimitsOnlyMovesTowardsData) {
    for (int X = 0; X <= 10; ++X) Series->AddXY(X, X);
    TChartAxis* Axis = Chart->GetBottomAxis();
    Axis->SetMinMax(0, 10);
    Axis->Scroll(1, true);
    EXPECT_EQ(Axis->GetMinimum(), 0);
    EXPECT_EQ(Axis->GetMaximum(), 10);
    Axis->Scroll(1, false);
    EXPECT_EQ(Axis->GetMinimum(), 1);
    EXPECT_EQ(Axis->GetMaximum(), 11);
    Axis->Scroll(-1, true);
    EXPECT_EQ(Axis->GetMinimum(), 0);
    Axis->Scroll(std::numeric_limits<double>::quiet_NaN(), false);
    EXPECT_EQ(Axis->GetMaximum(), 10);
    Axis->SetAutomatic(true);
    Axis->Scroll(-2, false);
    EXPECT_FALSE(Axis->GetAutomaticMaximum());
}

TEST_F(AxisRangeTest, SetterRulesAndTheirMessages) {
    TChartAxis* Axis = Chart->GetLeftAxis();
    Axis->SetMinMax(0, 10);
    EXPECT_EQ(AxisError([&] { Axis->SetMinimum(11); }), VurMsg_AxisMinMax);
    EXPECT_EQ(AxisError([&] { Axis->SetMaximum(-1); }), VurMsg_AxisMaxMin);
    EXPECT_EQ(Axis->GetMinimum(), 0);
    for (const double Base : {1.0, 0.0, -2.0})
        EXPECT_EQ(AxisError([&] { Axis->SetLogarithmicBase(Base); }),
                  "Axis Logarithmic Base should be <> 1 and > 0");
    EXPECT_EQ(Axis->GetLogarithmicBase(), 10);
    EXPECT_EQ(AxisError([&] { Axis->SetDesiredIncrement(-1); }), "Axis increment must be >= 0");
    EXPECT_EQ(AxisError([&] { Axis->SetLabelsSeparation(-1); }),
              "Labels Separation % must be greater than 0");
    Axis->SetLabelsSeparation(0);
    EXPECT_EQ(Axis->GetLabelsSeparation(), 0);

    Axis->SetAutomatic(true);
    Series->AddXY(1, -4);
    Series->AddXY(2, 8);
    EXPECT_EQ(AxisError([&] { Axis->SetLogarithmic(true); }),
              "Logarithmic Axis Min and Max values should be >= 0");
    EXPECT_FALSE(Axis->GetLogarithmic());
    Series->GetXValues()->SetDateTime(true);
    EXPECT_EQ(AxisError([&] { Chart->GetBottomAxis()->SetLogarithmic(true); }),
              "DateTime Axis cannot be Logarithmic");

    Axis->SetAutomaticMinimum(false);
    EXPECT_FALSE(Axis->GetAutomatic());
    Axis->SetAutomaticMinimum(true);
    EXPECT_TRUE(Axis->GetAutomatic());
    Axis->SetZPosition(0);
    EXPECT_EQ(Axis->GetZPosition(), 0.01);
    Chart->GetDepthAxis()->SetInverted(true);
    EXPECT_TRUE(Chart->GetDepthTopAxis()->GetInverted());
}

TEST_F(AxisRangeTest, SettersRepaintOnlyOnARealChange) {
    TChartAxis* Axis = Chart->GetBottomAxis();
    Chart->Invalidates = 0;
    Axis->SetInverted(false);
    Axis->SetLabelsAngle(0);
    Axis->SetTickLength(4);
    Axis->GetGrid()->SetStyle(psDot);
    EXPECT_EQ(Chart->Invalidates, 0);
    Axis->SetTickLength(5);
    Axis->GetTitle()->SetCaption("Time");
    Axis->SetGridCentered(true);
    EXPECT_EQ(Chart->Invalidates, 3);
}

TEST_F(AxisRangeTest, StartAndEndPositionsArePercentOfTheRectangle) {
    Chart->GetBottomAxis()->SetStartPosition(25);
    Chart->GetBottomAxis()->SetEndPosition(75);
    Layout({40, 10, 440, 210});
    EXPECT_EQ(Chart->GetBottomAxis()->GetPixelStart(), 140);
    EXPECT_EQ(Chart->GetBottomAxis()->GetPixelEnd(), 340);
    EXPECT_EQ(Chart->GetBottomAxis()->GetPixelCenter(), 240);
    EXPECT_EQ(Chart->GetLeftAxis()->GetPixelStart(), 10);
    EXPECT_EQ(Chart->GetLeftAxis()->GetPixelEnd(), 210);
}

TEST_F(AxisRangeTest, PixelsRoundHalfToEven) {
    for (TChartAxis* Axis : {Chart->GetBottomAxis(), Chart->GetLeftAxis()}) Axis->SetMinMax(0, 400);
    for (const bool Fast : {false, true}) {
        Chart->GetAxes()->SetFastCalc(Fast);
        Layout({0, 0, 400, 400});
        TChartAxis* Bottom = Chart->GetBottomAxis();
        EXPECT_EQ(Bottom->CalcXPosValue(2.5), 2);
        EXPECT_EQ(Bottom->CalcXPosValue(3.5), 4);
        EXPECT_EQ(Chart->GetLeftAxis()->CalcYPosValue(2.5), 398);
        EXPECT_EQ(Chart->GetLeftAxis()->CalcYPosValue(3.5), 396);
        Bottom->SetInverted(true);
        EXPECT_EQ(Bottom->CalcXPosValue(2.5), 398);
        Bottom->SetInverted(false);
    }
}

TEST_F(AxisRangeTest, InversionSwapsTheEnds) {
    TChartAxis* Left = Chart->GetLeftAxis();
    Left->SetMinMax(10, 20);
    Layout({0, 50, 100, 250});
    EXPECT_EQ(Left->YPosValue(10), 250);
    EXPECT_EQ(Left->YPosValue(20), 50);
    Left->SetInverted(true);
    EXPECT_EQ(Left->YPosValue(10), 50);
    EXPECT_EQ(Left->YPosValue(20), 250);
    EXPECT_DOUBLE_EQ(Left->CalcPosPoint(50), 10);
    EXPECT_DOUBLE_EQ(Left->CalcPosPoint(200), 17.5);
}

TEST_F(AxisRangeTest, CheckedMappingClampsValuesFarOutsideAndNonFinite) {
    TChartAxis* Bottom = Chart->GetBottomAxis();
    Bottom->SetMinMax(0, 1);
    Chart->GetLeftAxis()->SetMinMax(0, 1);
    Layout({0, 0, 500, 500});
    EXPECT_EQ(Bottom->XPosValueCheck(1e12), PixelLimit);
    EXPECT_EQ(Bottom->XPosValueCheck(-1e300), -PixelLimit);
    EXPECT_EQ(Bottom->XPosValueCheck(std::numeric_limits<double>::infinity()), PixelLimit);
    EXPECT_EQ(Bottom->XPosValueCheck(-std::numeric_limits<double>::infinity()), -PixelLimit);
    // Not-a-number is rounded like any other position inside the limits: to 0.
    EXPECT_EQ(Bottom->XPosValueCheck(std::numeric_limits<double>::quiet_NaN()), 0);
    // Upwards on a vertical axis is towards -PixelLimit.
    EXPECT_EQ(Chart->GetLeftAxis()->YPosValueCheck(1e300), -PixelLimit);
    // Unchecked mapping stays defined: the offset is kept within the limit.
    EXPECT_EQ(Bottom->XPosValue(1e300), PixelLimit);
    EXPECT_EQ(Chart->GetLeftAxis()->YPosValue(std::numeric_limits<double>::quiet_NaN()), 500);
    EXPECT_EQ(Bottom->CalcSizeValue(1e300), PixelLimit);
}

// A run mapped at once must give each value's own pixel: both forms, both
// directions, both orientations, ties, values beyond the limit and
// non-finite ones, at every run length and alignment.
TEST_F(AxisRangeTest, ARunMapsToTheSamePixelsAsEachValueAlone) {
    constexpr double Inf = std::numeric_limits<double>::infinity();
    std::vector<double> Values{
        2.5,  3.5,   -0.5, 0.5,    1e12,  -1e300,  Inf, -Inf, std::nan(""), -0.0,
        7.25, 399.5, 400,  1e-300, -1e12, 123.456, 2e7, -2e7, 1e8,          0.49999999999999994};
    std::uint32_t Seed = 3;
    for (int I = 0; I < 40; ++I) {
        Seed = Seed * 1664525u + 1013904223u;
        Values.push_back(static_cast<double>(Seed % 8001) / 20.0 - 100);
    }
    for (const bool Fast : {false, true})
        for (const bool Inverted : {false, true}) {
            Chart->GetAxes()->SetFastCalc(Fast);
            for (TChartAxis* Axis : {Chart->GetBottomAxis(), Chart->GetLeftAxis()}) {
                Axis->SetMinMax(0, 400);
                Axis->SetInverted(Inverted);
            }
            Layout({3, 5, 403, 405});
            for (TChartAxis* Axis : {Chart->GetBottomAxis(), Chart->GetLeftAxis()})
                for (const bool AsX : {true, false})
                    for (std::size_t From = 0; From < 5; ++From)
                        for (std::size_t Length = 0; From + Length <= Values.size();
                             Length += 1 + Length / 4) {
                            std::vector<int> Pixels(Length, -1);
                            Axis->CalcPosValues(std::span(Values).subspan(From, Length), Pixels, AsX);
                            for (std::size_t I = 0; I < Length; ++I) {
                                const double Value = Values[From + I];
                                ASSERT_EQ(Pixels[I],
                                          AsX ? Axis->CalcXPosValue(Value) : Axis->CalcYPosValue(Value))
                                    << "value " << Value << " fast " << Fast << " inverted " << Inverted;
                            }
                        }
        }
}

TEST_F(AxisRangeTest, MarginsWidenTheRangeToTheOldEnds) {
    Chart->GetBottomAxis()->SetMinMax(0, 100);
    Chart->GetLeftAxis()->SetMinMax(0, 100);
    Layout({0, 0, 100, 100});
    // 0..100 squeezed into pixels 10..90: the old ends read -12.5 and 112.5.
    Chart->GetBottomAxis()->AdjustMaxMinRect({10, 0, 10, 0});
    EXPECT_DOUBLE_EQ(Chart->GetBottomAxis()->GetRangeMinimum(), -12.5);
    EXPECT_DOUBLE_EQ(Chart->GetBottomAxis()->GetRangeMaximum(), 112.5);
    EXPECT_EQ(Chart->GetBottomAxis()->GetPixelStart(), 0);
    EXPECT_EQ(Chart->GetBottomAxis()->CalcXPosValue(0), 10);
    EXPECT_EQ(Chart->GetBottomAxis()->GetMaximum(), 100);
    Chart->GetLeftAxis()->AdjustMaxMinRect({0, 20, 0, 0});
    EXPECT_DOUBLE_EQ(Chart->GetLeftAxis()->GetRangeMinimum(), 0);
    EXPECT_DOUBLE_EQ(Chart->GetLeftAxis()->GetRangeMaximum(), 125);
    EXPECT_EQ(Chart->GetLeftAxis()->CalcYPosValue(100), 20);
}

TEST_F(AxisRangeTest, InactiveSeriesKeepTheirAxisRange) {
    Series->AddXY(2, 3);
    Series->AddXY(8, 9);
    Series->SetActive(false);
    Layout({0, 0, 100, 100});
    EXPECT_EQ(Chart->GetBottomAxis()->GetMinimum(), 2);
    EXPECT_EQ(Chart->GetBottomAxis()->GetMaximum(), 8);
    EXPECT_TRUE(Chart->GetBottomAxis()->GetVisibleInPaint());
    // Another active series on other axes hides them, but their range stays.
    auto* Other = new TLineSeries(&Form);
    Other->SetParentChart(Chart);
    Other->SetHorizAxis(aTopAxis);
    Other->SetVertAxis(aRightAxis);
    Other->AddXY(100, 200);
    Layout({0, 0, 100, 100});
    EXPECT_FALSE(Chart->GetBottomAxis()->GetVisibleInPaint());
    EXPECT_TRUE(Chart->GetTopAxis()->GetVisibleInPaint());
    EXPECT_EQ(Chart->GetBottomAxis()->GetMaximum(), 8);
    EXPECT_EQ(Chart->GetTopAxis()->GetMinimum(), 100);
    Chart->SetAxisVisible(false);
    EXPECT_FALSE(Chart->CalcIsAxisVisible(Chart->GetTopAxis()));
}

TEST_F(AxisRangeTest, NonFiniteValuesNeverReachARange) {
    Series->AddXY(1, std::numeric_limits<double>::infinity());
    Series->AddXY(2, 5);
    auto* Other = new TLineSeries(&Form);
    Other->SetParentChart(Chart);
    Other->AddXY(3, 4);
    Other->AddXY(4, 6);
    Layout({0, 0, 100, 100});
    EXPECT_EQ(Chart->GetLeftAxis()->GetMaximum(), 6);
    EXPECT_TRUE(std::isfinite(Chart->GetLeftAxis()->GetRangeSpan()));
}

TEST_F(AxisRangeTest, PagingShowsOnePageOfPoints) {
    for (int X = 0; X < 12; ++X) Series->AddXY(X, X * 2);
    Chart->SetMaxPointsPerPage(5);
    Chart->SetPage(3);
    Layout({0, 0, 100, 100});
    EXPECT_EQ(Chart->GetBottomAxis()->GetMinimum(), 10);
    EXPECT_EQ(Chart->GetBottomAxis()->GetMaximum(), 11);
    EXPECT_EQ(Chart->GetLeftAxis()->GetMaximum(), 22);
    // The short last page keeps the spacing of a full one: 10 + (11 - 10) * 5 / 2.
    Chart->SetScaleLastPage(false);
    Layout({0, 0, 100, 100});
    EXPECT_EQ(Chart->GetBottomAxis()->GetMaximum(), 12.5);
}

TEST_F(AxisRangeTest, LogarithmicMappingAndItsInverse) {
    TChartAxis* Bottom = Chart->GetBottomAxis();
    Bottom->SetMinMax(1, 1000);
    Bottom->SetLogarithmic(true);
    Layout({100, 0, 400, 300});
    EXPECT_EQ(Bottom->CalcXPosValue(10), 200);
    EXPECT_EQ(Bottom->CalcXPosValue(100), 300);
    EXPECT_EQ(Bottom->CalcXPosValue(0), 100);
    EXPECT_EQ(Bottom->CalcXPosValue(-5), 100);
    EXPECT_EQ(Bottom->CalcPosPoint(100), 1);
    EXPECT_EQ(Bottom->CalcPosPoint(400), 1000);
    EXPECT_NEAR(Bottom->CalcPosPoint(300), 100, 1e-9);
    EXPECT_EQ(Bottom->CalcSizeValue(10), 100);
    Bottom->SetInverted(true);
    EXPECT_EQ(Bottom->CalcXPosValue(10), 300);
    EXPECT_EQ(Bottom->CalcPosPoint(100), 1000);
}

TEST_F(AxisRangeTest, PixelToValueRoundTripsOnLinearAxes) {
    Chart->GetBottomAxis()->SetMinMax(-50, 150);
    Chart->GetLeftAxis()->SetMinMax(0, 1);
    Layout({20, 10, 420, 210});
    for (const double Value : {-50.0, 0.0, 37.5, 150.0})
        EXPECT_DOUBLE_EQ(Chart->GetBottomAxis()->CalcPosPoint(Chart->GetBottomAxis()->CalcXPosValue(Value)),
                         Value);
    EXPECT_DOUBLE_EQ(Chart->GetLeftAxis()->CalcPosPoint(10), 1);
    EXPECT_DOUBLE_EQ(Chart->GetLeftAxis()->CalcPosPoint(210), 0);
    EXPECT_EQ(Chart->GetLeftAxis()->CalcSizeValue(0.5), 100);
    EXPECT_EQ(Chart->GetLeftAxis()->CalcSizeValue(-1), 0);
}

TEST_F(AxisRangeTest, VisibleRangeFollowsTheHorizontalAxis) {
    for (int X = 0; X < 10; ++X) Series->AddXY(X * 10, X);
    Chart->GetBottomAxis()->SetMinMax(25, 65);
    Layout({0, 0, 400, 100});
    Series->CalcFirstLastVisibleIndex();
    EXPECT_EQ(Series->GetFirstVisibleIndex(), 3);
    // Line series keep the first point past the end.
    EXPECT_EQ(Series->GetLastVisibleIndex(), 7);
    Chart->GetBottomAxis()->SetMinMax(200, 300);
    Layout({0, 0, 400, 100});
    Series->CalcFirstLastVisibleIndex();
    EXPECT_EQ(Series->GetFirstVisibleIndex(), -1);
    Series->SetComputeVisibleRange(false);
    Series->CalcFirstLastVisibleIndex();
    EXPECT_EQ(Series->GetFirstVisibleIndex(), 0);
    EXPECT_EQ(Series->GetLastVisibleIndex(), 9);
}

} // namespace
} // namespace vur
