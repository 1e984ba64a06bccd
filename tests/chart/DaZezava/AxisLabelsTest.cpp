#include "chart/DaZezava/AxisTestSupport.h"
#include "framework/DateTime.h"
#include "platform/numeric/Rounding.h"

#include <string>
#include <vector>

namespace vur {
namespace {

using test::AxisFixture;
using test::TRecordingAxis;
using Texts = std::vector<std::string>;

struct AxisLabelsTest : AxisFixture {
    TRecordingAxis* Vertical = nullptr;
    TRecordingAxis* Horizontal = nullptr;

    void SetUp() override {
        AxisFixture::SetUp();
        Vertical = new TRecordingAxis(Chart);
        Horizontal = new TRecordingAxis(Chart, true, false);
        Series->SetCustomVertAxis(Vertical);
        Series->SetCustomHorizAxis(Horizontal);
    }
    void TearDown() override {
        delete Horizontal;
        delete Vertical;
    }
    // A chart rectangle this many label heights (with 10 % separation) tall.
    int RoomFor(int Labels) {
        const int H = FontHeight(Vertical);
        return Labels * (H + Round(0.1 * H));
    }
};

TEST_F(AxisLabelsTest, ValueLabelsWalkDownFromTheFirstMultiple) {
    Vertical->SetMinMax(3, 97);
    Layout({0, 0, 300, RoomFor(8)});
    Vertical->Draw(true);
    EXPECT_EQ(Vertical->Texts, (Texts{"80", "60", "40", "20"}));
    EXPECT_EQ(Vertical->GetTickPositions(), Vertical->Positions);
    EXPECT_EQ(Vertical->Positions[0], Vertical->CalcYPosValue(80));

    Layout({0, 0, 300, RoomFor(20)});
    Vertical->Draw(true);
    ASSERT_EQ(Vertical->Texts.size(), 4u + 19u);
    EXPECT_EQ(Vertical->Texts[4], "95");
    EXPECT_EQ(Vertical->Texts.back(), "5");
}

TEST_F(AxisLabelsTest, OnePointGivesASingleLabel) {
    Series->AddXY(1, 42);
    Layout({0, 0, 300, RoomFor(10)});
    Vertical->Draw(true);
    EXPECT_EQ(Vertical->Texts, (Texts{"42"}));
    EXPECT_EQ(Vertical->Positions, (std::vector<int>{Vertical->GetPixelCenter()}));
}

TEST_F(AxisLabelsTest, EndsAlikeInFifteenDigitsGiveOneUnroundedLabel) {
    Series->AddXY(0, 1);
    Series->AddXY(1, 1.000000000000001);
    Layout({0, 0, 300, RoomFor(10)});
    EXPECT_GT(Vertical->GetRangeSpan(), 0);
    Vertical->Draw(true);
    EXPECT_EQ(Vertical->Texts, (Texts{"1"}));
    EXPECT_EQ(Vertical->Positions, (std::vector<int>{Vertical->GetPixelStart()}));
}

TEST_F(AxisLabelsTest, TenThousandLabelsOrMoreDrawNone) {
    Vertical->SetLabelsSeparation(0);
    Vertical->SetDesiredIncrement(1);
    Vertical->SetMinMax(0, 10000);
    Layout({0, 0, 300, 300});
    Vertical->Draw(true);
    EXPECT_TRUE(Vertical->Texts.empty());
    Vertical->SetMinMax(0, 9990);
    Layout({0, 0, 300, 300});
    Vertical->Draw(true);
    EXPECT_EQ(Vertical->Texts.size(), 9991u);
}

TEST_F(AxisLabelsTest, NextAxisLabelEventSuppliesTheValues) {
    Vertical->SetMinMax(0, 35);
    Layout({0, 0, 300, 300});
    std::vector<int> Indexes;
    Chart->OnGetNextAxisLabel = [&](TChartAxis*, int LabelIndex, double& LabelValue, bool& Stop) {
        Indexes.push_back(LabelIndex);
        LabelValue = LabelIndex * 10;
        Stop = false;
    };
    Vertical->Draw(true);
    EXPECT_EQ(Vertical->Texts, (Texts{"0", "10", "20", "30"}));
    EXPECT_EQ(Indexes.size(), 5u);
    // A handler that stops at once leaves the labels to the axis.
    Chart->OnGetNextAxisLabel = [](TChartAxis*, int, double&, bool&) {};
    Vertical->Texts.clear();
    Vertical->Draw(true);
    EXPECT_FALSE(Vertical->Texts.empty());
}

// Stop starts every call True: a handler that clears it once gets one label,
// not the same label again on each of the 2001 calls.
TEST_F(AxisLabelsTest, NextAxisLabelStopIsSetAgainBeforeEveryCall) {
    Vertical->SetMinMax(0, 35);
    Layout({0, 0, 300, 300});
    int Calls = 0;
    Chart->OnGetNextAxisLabel = [&](TChartAxis*, int LabelIndex, double& LabelValue, bool& Stop) {
        ++Calls;
        if (LabelIndex == 0) {
            LabelValue = 20;
            Stop = false;
        }
    };
    Vertical->Draw(true);
    EXPECT_EQ(Vertical->Texts, (Texts{"20"}));
    EXPECT_EQ(Calls, 2);
}

TEST_F(AxisLabelsTest, AxisLabelEventRewritesEveryText) {
    Vertical->SetMinMax(3, 97);
    Layout({0, 0, 300, RoomFor(8)});
    Chart->OnGetAxisLabel = [](TChartAxis*, TChartSeries* Series, int Index, std::string& Text) {
        if (Series == nullptr && Index == -1) Text += " kg";
    };
    Vertical->Draw(true);
    ASSERT_FALSE(Vertical->Texts.empty());
    EXPECT_EQ(Vertical->Texts[0].substr(Vertical->Texts[0].size() - 3), " kg");
    Vertical->SetLabelsMultiLine(true);
    EXPECT_EQ(Vertical->LabelValue(5), "5\rkg");
}

struct DateLabelsTest : AxisLabelsTest {
    void Walk(TDateTime Low, TDateTime High, double Increment, const std::string& Format) {
        Series->GetXValues()->SetDateTime(true);
        Series->AddXY(Low, 1);
        Series->AddXY(High, 2);
        Horizontal->SetDesiredIncrement(Increment);
        Horizontal->SetDateTimeFormat(Format);
        Layout({0, 0, 4000, 100});
        Horizontal->Draw(true);
    }
};

TEST_F(DateLabelsTest, MonthStepsLabelTheFirstOfEachMonth) {
    Walk(EncodeDate(2023, 6, 15), EncodeDate(2024, 6, 10) + 0.5, DateTimeStep[dtOneMonth], "yyyy mm dd");
    ASSERT_EQ(Horizontal->Texts.size(), 12u);
    EXPECT_EQ(Horizontal->Texts.front(), "2024 06 01");
    EXPECT_EQ(Horizontal->Texts[5], "2024 01 01");
    EXPECT_EQ(Horizontal->Texts[6], "2023 12 01");
    EXPECT_EQ(Horizontal->Texts.back(), "2023 07 01");
}

TEST_F(DateLabelsTest, HalfMonthStepsLabelThe15thAndThe1st) {
    Walk(EncodeDate(2024, 1, 10), EncodeDate(2024, 3, 20), DateTimeStep[dtHalfMonth], "mm dd");
    EXPECT_EQ(Horizontal->Texts, (Texts{"03 15", "03 01", "02 15", "02 01", "01 15"}));
}

TEST_F(DateLabelsTest, DayStepsKeepMidnight) {
    Walk(EncodeDate(2024, 3, 1) + 0.5, EncodeDate(2024, 3, 5) + 0.75, 1, "dd hh:nn");
    EXPECT_EQ(Horizontal->Texts, (Texts{"05 00:00", "04 00:00", "03 00:00", "02 00:00"}));
}

TEST_F(DateLabelsTest, NegativeDatesGetEmptyTexts) {
    Horizontal->SetAxisIsDateTime(true);
    EXPECT_EQ(Horizontal->LabelValue(-1), "");
    EXPECT_EQ(Horizontal->LabelValue(0.25), "06:00");
}

struct TextLabelsTest : AxisLabelsTest {
    // Ten points one label width times Spacing apart, each with the same text.
    void Draw(int Separation) {
        const std::string Text = "Sample";
        const int Width = TextWidth(Horizontal, Text);
        const int Spacing = Width * 85 / 100;
        for (int X = 0; X < 10; ++X) Series->AddXY(X, X, Text);
        Horizontal->SetLabelsSeparation(Separation);
        Layout({0, 0, 9 * Spacing, 100});
        Horizontal->Draw(true);
    }
    std::vector<int> Drawn() const {
        std::vector<int> Result;
        for (const int Position : Horizontal->Positions)
            Result.push_back(Horizontal->CalcPosPoint(Position) + 0.5);
        return Result;
    }
};

TEST_F(TextLabelsTest, OverlappingTextsAreThinned) {
    Draw(10);
    EXPECT_EQ(Drawn(), (std::vector<int>{0, 2, 4, 6, 8}));
}

TEST_F(TextLabelsTest, NoSeparationDrawsEveryText) {
    Draw(0);
    EXPECT_EQ(Drawn(), (std::vector<int>{0, 1, 2, 3, 4, 5, 6, 7, 8, 9}));
}

TEST_F(AxisLabelsTest, CustomItemsReplaceTheAutomaticLabels) {
    Vertical->SetMinMax(0, 100);
    Layout({0, 0, 300, 300});
    Vertical->GetItems()->Add(25, "quarter");
    Vertical->GetItems()->Add(50);
    Vertical->GetItems()->Add(150, "outside");
    Vertical->Draw(true);
    EXPECT_EQ(Vertical->Texts, (Texts{"quarter", "50"}));
}

TEST_F(AxisLabelsTest, TicksFollowLabelsOrEveryValue) {
    Vertical->SetMinMax(3, 97);
    Vertical->SetLabels(false);
    Layout({0, 0, 300, RoomFor(8)});
    Vertical->Draw(true);
    EXPECT_TRUE(Vertical->GetTickPositions().empty());
    Vertical->SetTickOnLabelsOnly(false);
    Vertical->Draw(true);
    EXPECT_EQ(Vertical->GetTickPositions().size(), 4u);
    EXPECT_TRUE(Vertical->Texts.empty());
}

TEST_F(AxisLabelsTest, LogarithmicLabelsArePowersOfTheBase) {
    Vertical->SetMinMax(1, 1000);
    Vertical->SetLogarithmic(true);
    Layout({0, 0, 300, 300});
    Vertical->Draw(true);
    EXPECT_EQ(Vertical->Texts, (Texts{"1", "10", "100", "1,000"}));
    // Inside one decade: steps of a tenth of its power, 10.
    Vertical->Texts.clear();
    Vertical->SetMinMax(20, 50);
    Layout({0, 0, 300, 300});
    Vertical->Draw(true);
    ASSERT_EQ(Vertical->Texts.size(), 31u);
    EXPECT_EQ(Vertical->Texts[1], "21");
    EXPECT_EQ(Vertical->Texts.back(), "50");
}

} // namespace
} // namespace vur
