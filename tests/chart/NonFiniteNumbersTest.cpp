// The rule for numbers that are not finite: an X (a position) is refused
// with a ChartException and nothing is stored; a Y is stored but left out of
// the statistics and the axis ranges, and drawn as a gap; axis limits are
// refused.
#include "chart/ChartTestSupport.h"
#include "chart/Series/LineSeries.h"
#include "framework/Exceptions.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <string>
#include <vector>

namespace vur {
namespace {

constexpr double NaN = std::numeric_limits<double>::quiet_NaN();
constexpr double Inf = std::numeric_limits<double>::infinity();
constexpr double NonFinite[] = {NaN, Inf, -Inf};

struct NonFiniteNumbersTest : ::testing::Test {
    TComponent Form{nullptr};
    test::TCountingChart* Chart = new test::TCountingChart(&Form);
    TLineSeries* Series = new TLineSeries(&Form);
    void SetUp() override {
        Chart->SetBounds(0, 0, 300, 200);
        Series->SetParentChart(Chart);
    }
};

TEST_F(NonFiniteNumbersTest, AnXThatIsNotFiniteIsRefusedAndNothingIsStored) {
    const std::string Texts[] = {"NAN", "INF", "-INF"};
    Series->AddXY(1, 5, "a");
    int BeforeAdd = 0;
    Series->OnBeforeAdd = [&](TChartSeries*) { return ++BeforeAdd > 0; };
    const int Repaints = Chart->Invalidates;
    for (int I = 0; I < 3; ++I) {
        SCOPED_TRACE(Texts[I]);
        const std::string Message = "Series X value must be a finite number, not " + Texts[I] + ".";
        try {
            Series->AddXY(NonFinite[I], 7, "b", clBlue);
            ADD_FAILURE() << "no exception";
        } catch (const ChartException& E) {
            EXPECT_EQ(E.Message(), Message);
        }
        EXPECT_THROW(Series->SetXValue(0, NonFinite[I]), ChartException);
        EXPECT_THROW(Series->AddNullXY(NonFinite[I], 1), ChartException);
    }
    EXPECT_EQ(Series->Count(), 1);
    EXPECT_EQ(Series->GetxValue(0), 1);
    EXPECT_EQ(Series->GetColorList(), nullptr);
    EXPECT_EQ(Series->Labels().Count(), 1);
    EXPECT_EQ(BeforeAdd, 0);
    EXPECT_EQ(Chart->Invalidates, Repaints);
}

// Wherever the odd value sits, the statistics are those of the others: a NaN
// first once made them NaN (and the axis 0..0), a NaN later was skipped.
TEST_F(NonFiniteNumbersTest, AYThatIsNotFiniteIsStoredButLeftOutOfTheStatistics) {
    for (const double Odd : NonFinite)
        for (int Where = 0; Where < 3; ++Where) {
            SCOPED_TRACE(testing::Message() << Odd << " at " << Where);
            Series->Clear();
            std::vector<double> Ys = {10, 20};
            Ys.insert(Ys.begin() + Where, Odd);
            for (int I = 0; I < 3; ++I) Series->AddXY(I, Ys[I]);
            const TChartValueList* Values = Series->GetYValues();
            EXPECT_EQ(Values->GetMinValue(), 10);
            EXPECT_EQ(Values->GetMaxValue(), 20);
            EXPECT_EQ(Values->GetTotal(), 30);
            EXPECT_EQ(Values->GetTotalABS(), 30);
            EXPECT_EQ(Values->NonFiniteCount(), 1);
            EXPECT_EQ(std::isnan(Series->GetyValue(Where)), std::isnan(Odd));
            EXPECT_TRUE(Series->IsNull(Where)) << "drawn as a gap";
            EXPECT_FALSE(Series->IsNull((Where + 1) % 3));
            Chart->Draw();
            EXPECT_EQ(Chart->GetLeftAxis()->GetMinimum(), 10);
            EXPECT_EQ(Chart->GetLeftAxis()->GetMaximum(), 20);
        }
}

TEST_F(NonFiniteNumbersTest, StatisticsFoldedFromAnIndexStartWithTheFirstFiniteValue) {
    TChartValueList* Values = Series->GetYValues();
    for (const double V : {NaN, Inf}) Values->InsertChartValue(Values->GetCount(), V);
    EXPECT_EQ(Values->GetMaxValue(), 0);
    EXPECT_EQ(Values->GetMinValue(), 0);
    Values->InsertChartValue(2, -4);
    Values->InsertChartValue(3, 6);
    Values->RecalcStats(2);
    EXPECT_EQ(Values->GetMinValue(), -4);
    EXPECT_EQ(Values->GetMaxValue(), 6);
    EXPECT_EQ(Values->GetTotalABS(), 10);
    EXPECT_EQ(Values->NonFiniteCount(), 2);
}

TEST_F(NonFiniteNumbersTest, AxisLimitsThatAreNotFiniteAreRefused) {
    TChartAxis* Axis = Chart->GetLeftAxis();
    Axis->SetMinMax(1, 2);
    for (const double Odd : NonFinite) {
        SCOPED_TRACE(Odd);
        try {
            Axis->SetMinimum(Odd);
            ADD_FAILURE() << "no exception";
        } catch (const AxisException& E) {
            EXPECT_EQ(E.Message(), "Axis Minimum Value must be a finite number");
        }
        try {
            Axis->SetMaximum(Odd);
            ADD_FAILURE() << "no exception";
        } catch (const AxisException& E) {
            EXPECT_EQ(E.Message(), "Axis Maximum Value must be a finite number");
        }
        // As they always were: SetMinMax and Scroll ignore them.
        Axis->SetMinMax(Odd, 5);
        Axis->Scroll(Odd, false);
        EXPECT_EQ(Axis->GetMinimum(), 1);
        EXPECT_EQ(Axis->GetMaximum(), 2);
    }
}

} // namespace
} // namespace vur
