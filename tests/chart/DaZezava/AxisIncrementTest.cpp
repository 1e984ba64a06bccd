#include "chart/DaZezava/AxisIncrement.h"
#include "chart/DaZezava/AxisTestSupport.h"
#include "framework/DateTime.h"
#include "platform/numeric/Rounding.h"

namespace vur {
namespace {

using test::AxisFixture;

using AxisIncrementTest = AxisFixture;

TEST(NiceStepAboveTest, ClimbsTheOneTwoFiveSequenceStrictly) {
    EXPECT_EQ(NiceStepAbove(1), 2);
    EXPECT_EQ(NiceStepAbove(2), 5);
    EXPECT_EQ(NiceStepAbove(5), 10);
    EXPECT_EQ(NiceStepAbove(10.4), 20);
    EXPECT_EQ(NiceStepAbove(94.0 / 21), 5);
    EXPECT_DOUBLE_EQ(NiceStepAbove(0.3), 0.5);
    EXPECT_DOUBLE_EQ(NiceStepAbove(1e-5), 2e-5);
    EXPECT_DOUBLE_EQ(NiceStepAbove(7e-11), 1e-10);
    EXPECT_EQ(NiceStepAbove(999), 1000);
    // Members carrying rounding errors still step to the next member.
    EXPECT_EQ(NiceStepAbove(1.9999999999999998), 5);
    EXPECT_EQ(NiceStepAbove(2.0000000000000004), 5);
    EXPECT_DOUBLE_EQ(NiceStepAbove(0.1 * 0.1 * 0.1 * 0.1 * 0.1), 2e-5);
    EXPECT_DOUBLE_EQ(NiceStepAbove(1000.0 * (1 - 1e-15)), 2000);
}

TEST_F(AxisIncrementTest, NumericSearchLeavesAtMostTheRoomyCount) {
    TChartAxis* Left = Chart->GetLeftAxis();
    Left->SetMinMax(3, 97);
    Layout({0, 0, 100, 100});
    // 94 / 9 steps up to 20 (5 labels); 94 / 21 to 5 (19 labels).
    EXPECT_EQ(Left->CalcLabelsIncrement(8), 20);
    EXPECT_EQ(Left->CalcLabelsIncrement(20), 5);
    EXPECT_EQ(Left->CalcLabelsIncrement(0), MinAxisIncrement);
    Left->SetLabelsSeparation(0);
    EXPECT_DOUBLE_EQ(Left->CalcLabelsIncrement(8), 94.0 / 9);
}

TEST_F(AxisIncrementTest, DesiredIncrementIsRaisedAlongTheSequence) {
    TChartAxis* Left = Chart->GetLeftAxis();
    Left->SetMinMax(0, 1000);
    Left->SetDesiredIncrement(1);
    Layout({0, 0, 100, 100});
    EXPECT_EQ(Left->CalcLabelsIncrement(10), 100);
    Left->SetDesiredIncrement(250);
    EXPECT_EQ(Left->CalcLabelsIncrement(10), 250);
    EXPECT_EQ(Left->GetIncrement(), 250);
}

TEST_F(AxisIncrementTest, ZeroSpanAndFewIndexedPointsStepByOne) {
    Series->AddXY(0, 4);
    Layout({0, 0, 100, 100});
    EXPECT_EQ(Chart->GetLeftAxis()->CalcLabelsIncrement(10), 1);
    Series->AddXY(1, 5);
    Series->AddXY(2, 6);
    Layout({0, 0, 100, 100});
    // Three points along the bottom axis: no fractional steps.
    EXPECT_EQ(Chart->GetBottomAxis()->CalcLabelsIncrement(10), 1);
    EXPECT_DOUBLE_EQ(Chart->GetLeftAxis()->CalcLabelsIncrement(10), 0.2);
}

TEST_F(AxisIncrementTest, NineSecondsOfTimeStampsStepByDecimalFractionsOfADay) {
    TChartAxis* Bottom = Chart->GetBottomAxis();
    const TDateTime Start = EncodeDate(2024, 5, 6) + EncodeTime(14, 5, 0, 0);
    Bottom->SetMinMax(Start, Start + 9 / 86400.0);
    Bottom->SetAxisIsDateTime(true);
    Layout({0, 0, 600, 100});
    for (int N = 10; N <= 20; ++N) EXPECT_DOUBLE_EQ(Bottom->CalcLabelsIncrement(N), 0.00001) << N;
    for (int N = 5; N <= 9; ++N) EXPECT_DOUBLE_EQ(Bottom->CalcLabelsIncrement(N), 0.00002) << N;
    // Asked again after a wider range and back, the answer follows the range.
    Bottom->SetMinMax(Start, Start + 9);
    Layout({0, 0, 600, 100});
    EXPECT_DOUBLE_EQ(Bottom->CalcLabelsIncrement(9), DateTimeStep[dtOneDay]);
    Bottom->SetMinMax(Start, Start + 9 / 86400.0);
    Layout({0, 0, 600, 100});
    EXPECT_DOUBLE_EQ(Bottom->CalcLabelsIncrement(9), 0.00002);
    // From 1.728 s the table takes over: 5 seconds.
    Bottom->SetDesiredIncrement(0.00002);
    EXPECT_DOUBLE_EQ(Bottom->CalcLabelsIncrement(2), DateTimeStep[dtFiveSeconds]);
    EXPECT_DOUBLE_EQ(Bottom->CalcLabelsIncrement(0), DateTimeStep[dtOneMicroSecond]);
}

TEST_F(AxisIncrementTest, LongDateRangesClimbTheTableAndThenDoubleYears) {
    TChartAxis* Bottom = Chart->GetBottomAxis();
    Bottom->SetMinMax(EncodeDate(2000, 1, 1), EncodeDate(2000, 1, 1) + 36500);
    Bottom->SetAxisIsDateTime(true);
    Layout({0, 0, 600, 100});
    // Table steps up to a year, then 730, 1460 and 2920 days (12.5 rounds to 12 labels).
    EXPECT_DOUBLE_EQ(Bottom->CalcLabelsIncrement(12), 2920);
    EXPECT_DOUBLE_EQ(Bottom->CalcLabelsIncrement(200), 365);
    EXPECT_DOUBLE_EQ(Bottom->CalcLabelsIncrement(201), 182);
}

TEST_F(AxisIncrementTest, IncrementFollowsTheLabelSizeAndRoom) {
    TChartAxis* Left = Chart->GetLeftAxis();
    Left->SetMinMax(3, 97);
    const int H = FontHeight(Left);
    // Room for exactly 8 labels of one line each plus 10 % separation.
    Layout({0, 0, 100, 8 * (H + Round(0.1 * H))});
    EXPECT_EQ(Left->CalcIncrement(), 20);
    EXPECT_EQ(Left->GetMaxLabelCount(), 8);
    Left->SetLabelsAlternate(true);
    EXPECT_EQ(Left->CalcIncrement(), 10);
    // Labels 90 degrees on a vertical axis: their width runs along it.
    Left->SetLabelsAlternate(false);
    Left->SetLabelsAngle(90);
    EXPECT_EQ(Left->LabelHeight(97), TextWidth(Left, "97"));
    EXPECT_EQ(Left->LabelWidth(97), H);
}

TEST_F(AxisIncrementTest, MultiLineLabelsMeasureTheirWidestLineAndEveryLine) {
    TChartAxis* Left = Chart->GetLeftAxis();
    Left->SetLabelsMultiLine(true);
    Chart->OnGetAxisLabel = [](TChartAxis*, TChartSeries*, int, std::string& Text) {
        Text = "Mon Wednesday Fri";
    };
    const int H = FontHeight(Left);
    EXPECT_EQ(Left->LabelHeight(1), 3 * H);
    EXPECT_EQ(Left->LabelWidth(1), TextWidth(Left, "Wednesday"));
}

TEST_F(AxisIncrementTest, LabelStyleFollowsTheSeries) {
    EXPECT_EQ(Chart->GetBottomAxis()->CalcLabelStyle(), talValue);
    EXPECT_EQ(Chart->GetTopAxis()->CalcLabelStyle(), talNone);
    Series->AddXY(1, 2, "first");
    EXPECT_EQ(Chart->GetBottomAxis()->CalcLabelStyle(), talText);
    EXPECT_EQ(Chart->GetLeftAxis()->CalcLabelStyle(), talValue);
    Chart->GetBottomAxis()->SetLabelStyle(talValue);
    EXPECT_EQ(Chart->GetBottomAxis()->CalcLabelStyle(), talValue);
    EXPECT_EQ(Chart->GetDepthAxis()->CalcLabelStyle(), talText);
}

} // namespace
} // namespace vur
