// Marks of a line series: their texts, the box each one gets, its place
// above the point, the placements the user fixes, and the hit test.
#include "chart/RoVedure/MultiLineText.h"
#include "chart/VurConst.h"
#include "framework/SystemColors.h"
#include "tests/chart/Series/LineSeriesFixture.h"

#include <string>

namespace vur::test {
namespace {

class LineSeriesMarks : public LineSeriesFixture {
protected:
    void SetUp() override {
        LineSeriesFixture::SetUp();
        Marks->SetVisible(true);
    }

    // The series and its marks as the paint draws them.
    void Paint() {
        SetAxes(0, 9);
        Draw();
        Series->DrawMarks();
    }

    // The box the text takes in the marks' font: widest line plus one "W",
    // a line height per line, one frame pixel on each side.
    TPoint ExpectedBox(const std::string& Text) {
        TVurCanvas3D* Canvas = Chart->GetCanvas();
        Canvas->AssignFont(Marks->GetFont());
        const TMultiLineSize Size = MultiLineTextSize(*Canvas, Text);
        return TPoint{Size.Width + Canvas->TextWidth("W") + 2, Size.Lines * Canvas->GetFontHeight() + 2};
    }

    TSeriesMarks* Marks = Series->GetMarks();
};

struct TextCase {
    const char* Name;
    TSeriesMarksStyle Style;
    bool MultiLine;
    const char* Label;
    const char* Expected;
};

TEST_F(LineSeriesMarks, TextFollowsTheStyle) {
    // Values 1234.5 and 3703.5: a total of 4938, so the first point is 25 %.
    Series->AddXY(2, 1234.5);
    Series->AddXY(3, 3703.5);
    const TextCase Cases[] = {
        {"value", smsValue, false, "", "1,234.5"},
        {"label without one", smsLabel, false, "", "1,234.5"},
        {"label", smsLabel, false, "a", "a"},
        {"percent", smsPercent, false, "", "25 %"},
        {"label and value", smsLabelValue, false, "a", "a 1,234.5"},
        {"label and value, two lines", smsLabelValue, true, "a", "a\r1,234.5"},
        {"label and percent", smsLabelPercent, false, "", "1,234.5 25 %"},
        {"percent of total", smsPercentTotal, false, "", "25 % of 4,938"},
        {"percent of total, two lines", smsPercentTotal, true, "", "25 %\rof 4,938"},
        {"label and percent of total", smsLabelPercentTotal, false, "a", "a 25 % of 4,938"},
        {"x without axis", smsXValue, false, "", "2"},
        {"x and value", smsXY, false, "", "2 1,234.5"},
    };
    for (const TextCase& C : Cases) {
        Marks->SetStyle(C.Style);
        Marks->SetMultiLine(C.MultiLine);
        Series->SetXLabel(0, C.Label);
        EXPECT_EQ(Series->GetMarkText(0), C.Expected) << C.Name;
    }
}

TEST_F(LineSeriesMarks, LegendStyleShowsTheLegendsTextOfThePoint) {
    Series->AddXY(2, 1234.5);
    Series->AddXY(3, 3703.5);
    struct {
        const char* Name;
        TLegendTextStyle TextStyle;
        bool MultiLine;
        const char* Label;
        std::string Expected;
    } const Cases[] = {
        // The legend's column separator would show as a glyph box.
        {"value beside the label", ltsRightValue, false, "peak", "peak 1,234.5"},
        {"label beside the value", ltsLeftValue, true, "peak", "1,234.5 peak"},
        {"value without a label", ltsLeftValue, false, "", "1,234.5"},
        {"percent", ltsPercent, false, "peak", "25 %"},
        {"label alone, joined", ltsPlain, false, "two\rlines", "two lines"},
        {"label alone, two lines", ltsPlain, true, "two\rlines", "two\rlines"},
    };
    Marks->SetStyle(smsLegend);
    for (const auto& C : Cases) {
        Chart->GetLegend()->SetTextStyle(C.TextStyle);
        Marks->SetMultiLine(C.MultiLine);
        Series->SetXLabel(0, C.Label);
        EXPECT_EQ(Series->GetMarkText(0), C.Expected) << C.Name;
    }
}

TEST_F(LineSeriesMarks, AllZeroValuesAreEachAHundredPercent) {
    for (int I = 0; I < 3; ++I) Series->AddXY(I, 0);
    Marks->SetStyle(smsPercent);
    for (int I = 0; I < 3; ++I) EXPECT_EQ(Series->GetMarkText(I), "100 %");
    EXPECT_EQ(Series->MarkPercent(1, true), "100 % of 0");
}

TEST_F(LineSeriesMarks, ItemTextAndTheEventHaveTheLastWord) {
    AddPoints({10, 20});
    Marks->Items().Get(1)->Text = {"first", "second"};
    EXPECT_EQ(Series->GetMarkText(1), "first\rsecond");
    Series->OnGetMarkText = [](TChartSeries*, int Index, std::string& Text) {
        Text += "#" + std::to_string(Index);
    };
    EXPECT_EQ(Series->GetMarkText(0), "10#0");
    EXPECT_EQ(Series->GetMarkText(1), "first\rsecond#1");
}

TEST_F(LineSeriesMarks, DrawEveryBelowOneIsRefused) {
    Marks->SetDrawEvery(2);
    for (int Bad : {0, -3}) {
        EXPECT_THROW(Marks->SetDrawEvery(Bad), ChartException);
        EXPECT_EQ(Marks->GetDrawEvery(), 2);
    }
}

TEST_F(LineSeriesMarks, BoxSitsAboveItsPointByTheCalloutLength) {
    Series->AddXY(4, 50);
    Marks->GetCallout()->GetArrow()->SetColor(clBlue);
    Paint();
    const TSeriesMarkPosition* P = Marks->Positions().Get(0);
    ASSERT_NE(P, nullptr);
    const TPoint Box = ExpectedBox("50");
    EXPECT_EQ(P->Width, Box.X);
    EXPECT_EQ(P->Height, Box.Y);
    // The point is at (90, 60); the callout is 8 long, its distance 0.
    EXPECT_EQ(P->MarkLeftTop.X, 90 - Box.X / 2);
    EXPECT_EQ(P->MarkLeftTop.Y, 60 - Box.Y + 1 - 8);
    EXPECT_EQ(P->ArrowStart, (TPoint{90, 60}));
    EXPECT_EQ(P->ArrowEnd, (TPoint{90, 52}));
    // The frame is black, the callout runs up from the point to the box.
    EXPECT_EQ(Pixel(P->MarkLeftTop.X, P->MarkLeftTop.Y + 3), clBlack);
    EXPECT_EQ(Pixel(90, 55), clBlue);
    EXPECT_EQ(Pixel(P->MarkLeftTop.X + 1, P->MarkLeftTop.Y + 1), ColorToRGB(clInfoBk));
}

TEST_F(LineSeriesMarks, MultiLineTextTakesALineEach) {
    AddPoints({50});
    Series->SetXLabel(0, "label");
    Marks->SetStyle(smsLabelValue);
    Marks->SetMultiLine(true);
    Paint();
    const TPoint Box = ExpectedBox("label\r50");
    EXPECT_EQ(Marks->Positions().Get(0)->Height, Box.Y);
    EXPECT_EQ(Marks->Positions().Get(0)->Width, Box.X);
    Marks->SetMultiLine(false);
    Paint();
    EXPECT_EQ(Marks->Positions().Get(0)->Width, ExpectedBox("label 50").X);
}

TEST_F(LineSeriesMarks, DrawEveryAndNullsDecideWhichPointsGetMarks) {
    AddPoints({10, 20, 30, 40, 50, 60, 70, 80});
    Series->SetNull(6);
    Marks->SetDrawEvery(3);
    Paint();
    for (int I = 0; I < 8; ++I) EXPECT_EQ(Marks->Positions().Get(I) != nullptr, I == 0 || I == 3) << I;
    // A placement stored for a point that is not drawn is not hit.
    Marks->Positions().Put(1, *Marks->Positions().Get(0));
    const TRect B = Marks->Positions().Get(0)->Bounds();
    EXPECT_EQ(Marks->Clicked(B.Left + 2, B.Top + 2), 0);
    Marks->Positions().Get(0)->MarkLeftTop.X += 500;
    EXPECT_EQ(Marks->Clicked(B.Left + 2, B.Top + 2), -1);
    const TRect Third = Marks->Positions().Get(3)->Bounds();
    EXPECT_EQ(Marks->Clicked(Third.Left + 1, Third.Bottom - 1), 3);
}

TEST_F(LineSeriesMarks, ACustomPlacementStaysUntilReset) {
    AddPoints({50, 60});
    Paint();
    TSeriesMarkPosition Moved = *Marks->Positions().Get(0);
    const TPoint Automatic = Moved.MarkLeftTop;
    Moved.MarkLeftTop = TPoint{120, 20};
    Marks->Positions().Put(0, Moved);
    Series->AddXY(2, 70);
    Series->AddXY(3, 10);
    Paint();
    EXPECT_EQ(Marks->Positions().Get(0)->MarkLeftTop, (TPoint{120, 20}));
    EXPECT_TRUE(Marks->Positions().ExistCustom());
    Marks->ResetPositions();
    EXPECT_FALSE(Marks->Positions().ExistCustom());
    Paint();
    EXPECT_EQ(Marks->Positions().Get(0)->MarkLeftTop, Automatic);
}

TEST_F(LineSeriesMarks, TextsOfAnyLengthAndBrokenMarkupDraw) {
    AddPoints({50, 50});
    Marks->Items().Get(0)->Text = {std::string(5000, 'x')};
    TMarksItem* Html = Marks->Items().Get(1);
    Html->SetTextFormat(ttfHtml);
    Html->Text = {"<b broken"};
    Paint();
    // Broken markup measures and draws as the plain text it is.
    EXPECT_EQ(Marks->Positions().Get(1)->Width, ExpectedBox("<b broken").X);
    Html->Text = {"<b>bold</b>"};
    Paint();
    EXPECT_LT(Marks->Positions().Get(1)->Width, ExpectedBox("<b>bold</b>").X);
}

TEST_F(LineSeriesMarks, AntiOverlapMovesABoxOffTheOneBefore) {
    Marks->GetShadow()->SetSize(0);
    Marks->Positions().Put(0, TSeriesMarkPosition{{}, false, {}, false, 20, TPoint{10, 50}, 40});
    // A box lower down and overlapping moves down to the old box's bottom
    // (frame included); one higher up moves up above its top.
    TSeriesMarkPosition Lower{{}, false, {}, false, 20, TPoint{20, 60}, 40};
    Marks->AntiOverlap(0, 1, Lower);
    EXPECT_EQ(Lower.MarkLeftTop.Y, 71);
    TSeriesMarkPosition Higher{{}, false, {}, false, 20, TPoint{20, 40}, 40};
    Marks->AntiOverlap(0, 1, Higher);
    EXPECT_EQ(Higher.MarkLeftTop.Y, 29);
    TSeriesMarkPosition Apart{{}, false, {}, false, 20, TPoint{60, 50}, 40};
    Marks->AntiOverlap(0, 1, Apart);
    EXPECT_EQ(Apart.MarkLeftTop.Y, 50);
}

} // namespace
} // namespace vur::test
