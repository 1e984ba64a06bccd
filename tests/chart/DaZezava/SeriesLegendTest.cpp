// The texts a series gives legend items, in every text style: value,
// percent of the absolute total and X texts, with the point's label in the
// other column when it has one.
#include "chart/Chart/Chart.h"
#include "chart/Series/LineSeries.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace vur {
namespace {

class SeriesLegendText : public ::testing::Test {
protected:
    void SetUp() override {
        Series->SetParentChart(Chart);
        // Absolute total 100, so a value is its own percentage.
        Series->AddXY(1, 20, "a");
        Series->AddXY(2, -30);
        Series->AddXY(3, 50, "c");
    }
    static std::string Columns(const std::string& Left, const std::string& Right) {
        return Left + VurColumnSeparator + Right;
    }

    TComponent Form{nullptr};
    TChart* Chart = new TChart(&Form);
    TLineSeries* Series = new TLineSeries(&Form);
};

TEST_F(SeriesLegendText, EachStyleShowsItsTextsWithTheLabelWhenThereIsOne) {
    struct TCase {
        TLegendTextStyle Style;
        std::string Labelled;   // point 0, label "a"
        std::string Unlabelled; // point 1, no label
    };
    const std::vector<TCase> Cases = {
        {ltsPlain, "a", ""},
        {ltsLeftValue, Columns("20", "a"), "-30"},
        {ltsRightValue, Columns("a", "20"), "-30"},
        {ltsLeftPercent, Columns("20 %", "a"), "-30 %"},
        {ltsRightPercent, Columns("a", "20 %"), "-30 %"},
        {ltsXValue, "1", "2"},
        {ltsValue, "20", "-30"},
        {ltsPercent, "20 %", "-30 %"},
        {ltsXAndValue, Columns("1", "20"), Columns("2", "-30")},
        {ltsXAndPercent, Columns("1", "20 %"), Columns("2", "-30 %")},
    };
    for (const auto& C : Cases) {
        SCOPED_TRACE(static_cast<int>(C.Style));
        EXPECT_EQ(Series->LegendString(0, C.Style), C.Labelled);
        EXPECT_EQ(Series->LegendString(1, C.Style), C.Unlabelled);
    }
}

TEST_F(SeriesLegendText, FormatsAndTotalsShapeTheTexts) {
    Series->SetValueFormat("0.00");
    Series->SetPercentFormat("0.0%");
    EXPECT_EQ(Series->LegendString(2, ltsValue), "50.00");
    EXPECT_EQ(Series->LegendString(2, ltsPercent), "50.0%");

    // A pattern without digit placeholders gives its literal text for every
    // point, as on the main form.
    Series->SetValueFormat("hh:nn:ss");
    EXPECT_EQ(Series->LegendString(0, ltsValue), "hh:nn:ss");
    EXPECT_EQ(Series->LegendString(1, ltsValue), "hh:nn:ss");

    // Nothing to take a share of: every point is the whole.
    Series->Clear();
    Series->AddXY(1, 0);
    Series->SetPercentFormat("##0.## %");
    EXPECT_EQ(Series->LegendString(0, ltsPercent), "100 %");
}

TEST_F(SeriesLegendText, DateTimeValuesShowTheirDateAlone) {
    Series->Clear();
    Series->GetYValues()->SetDateTime(true);
    Series->AddXY(1, 45000.25);
    Series->AddXY(2, 45000.75);
    Series->AddXY(3, 45001.25);
    const std::string Morning = Series->LegendString(0, ltsValue);
    EXPECT_FALSE(Morning.empty());
    EXPECT_EQ(Series->LegendString(1, ltsValue), Morning);
    EXPECT_NE(Series->LegendString(2, ltsValue), Morning);
}

TEST(SeriesLegendTextWithoutChart, XTextsTakeTheValueFormat) {
    TLineSeries Series(nullptr);
    Series.AddXY(2.5, 1);
    Series.SetValueFormat("0.00");
    EXPECT_EQ(Series.LegendString(0, ltsXValue), "2.50");
}

} // namespace
} // namespace vur
