// The legend in real paints of a 689 x 257 flat chart (the main form's
// size, whose margins leave the plot at 21, 11, 668, 246): what it lists,
// where its box goes and how much of the plot it takes, which items it
// draws, its symbols, and clicks on its check boxes.
#include "chart/Chart/Legend.h"
#include "chart/Chart/Chart.h"
#include "chart/Series/LineSeries.h"
#include "tests/chart/PixelProbes.h"

#include <gtest/gtest.h>

#include <memory>
#include <vector>

namespace vur {
namespace {

// The height of Font's text, measured on a canvas of its own.
int FontHeight(TVurFont& Font) {
    TBitmap Bitmap(10, 10);
    TVurCanvas3D Canvas;
    Canvas.SetCanvas(Bitmap.GetCanvas());
    Canvas.AssignFont(&Font);
    const int Result = Canvas.TextHeight("W");
    Canvas.ReleaseFont(&Font);
    return Result;
}

// The chart remembering the plot before and after the legend took its room.
class TLegendChart : public TChart {
public:
    using TChart::TChart;
    TRect MarginRect;
    TRect LegendRect;
    void DrawTitlesAndLegend(bool BeforeSeries) override {
        if (BeforeSeries) MarginRect = GetChartRect();
        TChart::DrawTitlesAndLegend(BeforeSeries);
        if (BeforeSeries) LegendRect = GetChartRect();
    }
};

class LegendTest : public ::testing::Test {
protected:
    void SetUp() override {
        Chart->SetBounds(0, 0, 689, 257);
        Chart->SetView3D(false);
        AddSeries(10);
    }
    void TearDown() override {
        if (HasFailure())
            Chart->GetWindowImage().SaveToFile(
                std::string(::testing::UnitTest::GetInstance()->current_test_info()->name()) + ".png");
    }

    TLineSeries* AddSeries(int Points) {
        auto* Series = new TLineSeries(&Form);
        Series->SetParentChart(Chart);
        for (int I = 0; I < Points; ++I) Series->AddXY(I, (I * 37) % 100);
        return Series;
    }
    TChartSeries* Series(int Index) const { return Chart->GetSeries(Index); }
    void Paint() { Chart->Draw(); }
    TColor Pixel(int X, int Y) const { return Chart->GetWindowImage().GetImage().GetPixel(X, Y); }
    // The item indices in the order they are drawn.
    std::vector<int> DrawnItems() {
        std::vector<int> Items;
        Chart->OnGetLegendPos = [&Items](TCustomChart*, int Index, int&, int&, int&) {
            Items.push_back(Index);
        };
        Paint();
        Chart->OnGetLegendPos = nullptr;
        return Items;
    }

    TComponent Form{nullptr};
    TLegendChart* Chart = new TLegendChart(&Form);
    TChartLegend& Legend = *Chart->GetLegend();
};

TEST_F(LegendTest, ItemsAreSeriesOrThePointsOfOneSeries) {
    struct Case {
        const char* Name;
        int MoreSeries;
        bool SecondActive;
        bool ThirdInLegend;
        bool CheckBoxes;
        TLegendStyle Style;
        int FirstValue;
        TLegendStyle Effective;
        int TotalItems;
    };
    const Case Cases[] = {
        {"one active series: its ten points", 0, true, true, false, lsAuto, 0, lsValues, 10},
        {"two active series: two series", 1, true, true, false, lsAuto, 0, lsSeries, 2},
        {"one of two active: its points", 1, false, true, false, lsAuto, 0, lsValues, 10},
        {"check boxes list inactive series too", 1, false, true, true, lsAuto, 0, lsSeries, 2},
        {"a series kept out of the legend", 2, true, false, false, lsSeries, 0, lsSeries, 2},
        {"last values: one item per series", 2, true, true, false, lsLastValues, 0, lsLastValues, 3},
        {"FirstValue skips points", 0, true, true, false, lsValues, 3, lsValues, 7},
        {"FirstValue past the end: none", 0, true, true, false, lsValues, 12, lsValues, 0},
    };
    for (const Case& C : Cases) {
        SCOPED_TRACE(C.Name);
        while (Chart->SeriesCount() > 1) delete Chart->GetSeries(1);
        for (int I = 0; I < C.MoreSeries; ++I) AddSeries(5);
        if (C.MoreSeries >= 1) Series(1)->SetActive(C.SecondActive);
        if (C.MoreSeries >= 2) Series(2)->SetShowInLegend(C.ThirdInLegend);
        Legend.SetCheckBoxes(C.CheckBoxes);
        Legend.SetLegendStyle(C.Style);
        Legend.SetFirstValue(C.FirstValue);
        Paint();
        EXPECT_EQ(Legend.GetLayout().Style, C.Effective);
        EXPECT_EQ(Legend.GetLayout().TotalItems, C.TotalItems);
    }
}

TEST_F(LegendTest, ARightLegendSitsBelowTopPosAndTakesThreePercentMore) {
    Paint();
    ASSERT_EQ(Chart->MarginRect, (TRect{21, 11, 668, 246}));
    const TRect& Box = Legend.GetShapeBounds();
    // Right of the box: the plot's right less the shadow (3), the frame (1) and 1.
    EXPECT_EQ(Box.Right, 668 - 3 - 1 - 1);
    // 10 % of the panel's 257 pixels down.
    EXPECT_EQ(Box.Top, 26);
    const TLegendLayout& L = Legend.GetLayout();
    EXPECT_EQ(L.NumRows, 10);
    EXPECT_EQ(Box.Bottom - Box.Top, 10 * L.ItemHeight + 2);
    // Text, 10 pixels and a symbol of 20 % of text and pixels.
    EXPECT_EQ(L.SymbolWidth, static_cast<int>((L.TextBlockWidth + 10) * 0.2 + 0.5));
    EXPECT_EQ(Box.Right - Box.Left, L.TextBlockWidth + 10 + L.SymbolWidth);
    // The plot ends at the box' left edge less 3 % of its 647 pixels.
    EXPECT_EQ(Chart->LegendRect, (TRect{21, 11, Box.Left - 19, 246}));

    Legend.SetResizeChart(false);
    Paint();
    EXPECT_EQ(Chart->LegendRect, Chart->MarginRect);
    Legend.SetResizeChart(true);
    Legend.SetHorizMargin(7);
    Paint();
    EXPECT_EQ(Chart->LegendRect.Right, Legend.GetShapeBounds().Left - 7);
}

TEST_F(LegendTest, EachSideTakesItsRoomFromThePlot) {
    for (const TLegendAlignment Alignment : {laLeft, laTop, laBottom}) {
        SCOPED_TRACE(static_cast<int>(Alignment));
        Legend.SetAlignment(Alignment);
        Paint();
        const TRect& Box = Legend.GetShapeBounds();
        const TRect& Plot = Chart->LegendRect;
        const TLegendLayout& L = Legend.GetLayout();
        EXPECT_EQ(Box.Bottom - Box.Top, L.NumRows * L.ItemHeight + 2);
        switch (Alignment) {
        case laLeft:
            EXPECT_EQ(Box.Left, 21 + 1 + 1);
            EXPECT_EQ(Plot, (TRect{Box.Right + 19, 11, 668, 246}));
            break;
        case laTop:
            EXPECT_EQ(Box.Top, 11 + 1 + 1);
            // 4 % of the plot's 235 pixels below the box.
            EXPECT_EQ(Plot, (TRect{21, Box.Bottom + 9, 668, 246}));
            break;
        default:
            EXPECT_EQ(Box.Bottom, 246 - 1 - 1);
            EXPECT_EQ(Plot, (TRect{21, 11, 668, Box.Top - 9}));
            // Ten items side by side in one row, when they fit.
            EXPECT_EQ(L.NumRows, 1);
            EXPECT_EQ(L.NumCols, 10);
            break;
        }
    }
}

TEST_F(LegendTest, InvertedAndFirstValueChooseTheItemsAndTheirOrder) {
    struct Case {
        bool Inverted;
        int FirstValue;
        std::vector<int> Drawn;
    };
    const Case Cases[] = {
        {false, 0, {0, 1, 2, 3, 4, 5, 6, 7, 8, 9}},
        {false, 6, {6, 7, 8, 9}},
        {true, 0, {9, 8, 7, 6, 5, 4, 3, 2, 1, 0}},
        {true, 6, {9, 8, 7, 6}},
    };
    for (const Case& C : Cases) {
        SCOPED_TRACE(C.FirstValue + (C.Inverted ? 100 : 0));
        Legend.SetInverted(C.Inverted);
        Legend.SetFirstValue(C.FirstValue);
        EXPECT_EQ(DrawnItems(), C.Drawn);
        // The first row answers a click with the item drawn there.
        const TLegendLayout& L = Legend.GetLayout();
        const TRect& Box = Legend.GetShapeBounds();
        EXPECT_EQ(Legend.Clicked(Box.Left + 5, L.FirstItemTop + 1 + L.ItemHeight / 2), C.Drawn.front());
        EXPECT_EQ(Legend.Clicked(Box.Left - 1, L.FirstItemTop + 5), -1);
    }
}

TEST_F(LegendTest, AHorizontalLegendShowsAtMostMaxNumRowsTimesNumColsItems) {
    delete Chart->GetSeries(0);
    AddSeries(500);
    Legend.SetAlignment(laBottom);
    struct Case {
        int MaxNumRows;
        bool Limited;
    };
    for (const Case C : {Case{3, true}, Case{10000, false}}) {
        SCOPED_TRACE(C.MaxNumRows);
        Legend.SetMaxNumRows(C.MaxNumRows);
        const std::vector<int> Drawn = DrawnItems();
        const TLegendLayout& L = Legend.GetLayout();
        ASSERT_GT(L.NumCols, 1);
        EXPECT_EQ(static_cast<int>(Drawn.size()), L.NumCols * L.NumRows);
        if (C.Limited) {
            EXPECT_EQ(L.NumRows, 3);
        } else {
            // However many items, the rows stay inside the panel.
            EXPECT_LE(L.NumRows * L.ItemHeight, 246 - 11);
            EXPECT_GE(Legend.GetShapeBounds().Top, 0);
        }
        // Row-major: the second row starts with item NumCols.
        EXPECT_EQ(Drawn[static_cast<std::size_t>(L.NumCols)], L.NumCols);
    }
}

TEST_F(LegendTest, NoRoomForOneRowDrawsNothingAndKeepsThePlot) {
    for (const TLegendAlignment Alignment : {laRight, laBottom}) {
        SCOPED_TRACE(static_cast<int>(Alignment));
        Legend.SetAlignment(Alignment);
        Legend.SetVertSpacing(400);
        EXPECT_TRUE(DrawnItems().empty());
        EXPECT_EQ(Chart->LegendRect, Chart->MarginRect);
        EXPECT_EQ(Legend.Clicked(600, 100), -1);
    }
}

TEST_F(LegendTest, SymbolsKeepTheirInsetsUnlessContinuous) {
    for (const bool Continuous : {false, true}) {
        SCOPED_TRACE(Continuous);
        Legend.GetSymbol()->SetContinuous(Continuous);
        std::vector<TRect> Symbols;
        Legend.GetSymbol()->OnDraw = [&Symbols](TCustomChartLegend*, TChartSeries*, int, const TRect& R) {
            Symbols.push_back(R);
        };
        Paint();
        const TLegendLayout& L = Legend.GetLayout();
        ASSERT_EQ(Symbols.size(), 10u);
        for (std::size_t I = 0; I < Symbols.size(); ++I) {
            SCOPED_TRACE(I);
            const int Y = L.FirstItemTop + 1 + static_cast<int>(I) * L.ItemHeight;
            const bool Inset = !Continuous;
            EXPECT_EQ(Symbols[I].Top, Y + (Inset || I == 0 ? 2 : 0));
            EXPECT_EQ(Symbols[I].Bottom, Y + L.ItemHeight + 1 - (Inset || I == 9 ? 3 : 0));
            EXPECT_EQ(Symbols[I].Right - Symbols[I].Left, L.SymbolWidth);
            // Continuous symbols overlap the next row's by one pixel: no gap.
            if (Continuous && I + 1 < Symbols.size()) {
                EXPECT_EQ(Symbols[I].Bottom, Y + L.ItemHeight + 1);
            }
        }
    }
}

TEST_F(LegendTest, SeriesSymbolsFillWithTheSeriesColourAndOutlineAWhiteOne) {
    AddSeries(5)->SetSeriesColor(clWhite);
    Series(0)->SetSeriesColor(clGreen);
    Series(0)->SetTitle("Inlet temperature");
    Series(1)->SetTitle("Outlet temperature");
    std::vector<TRect> Symbols;
    Legend.GetSymbol()->OnDraw = [&Symbols](TCustomChartLegend*, TChartSeries*, int, const TRect& R) {
        Symbols.push_back(R);
    };
    Paint();
    ASSERT_EQ(Symbols.size(), 2u);
    const auto Middle = [this](const TRect& R) {
        return Pixel((R.Left + R.Right) / 2, (R.Top + R.Bottom) / 2);
    };
    // A line series' symbol is its line through the middle.
    EXPECT_EQ(Middle(Symbols[0]), clGreen);
    EXPECT_EQ(Middle(Symbols[1]), clWhite);
    // In 3D the symbol is the plain box; one in the legend's own white gets
    // its outline drawn in black.
    Symbols.clear();
    Chart->SetView3D(true);
    Paint();
    ASSERT_EQ(Symbols.size(), 2u);
    EXPECT_EQ(Pixel(Symbols[1].Left, (Symbols[1].Top + Symbols[1].Bottom) / 2), clBlack);
    EXPECT_EQ(Pixel(Symbols[1].Left + 3, (Symbols[1].Top + Symbols[1].Bottom) / 2), clWhite);
    EXPECT_EQ(Pixel(Symbols[0].Left + 3, (Symbols[0].Top + Symbols[0].Bottom) / 2), clGreen);
}

TEST_F(LegendTest, ATitleMovesTheItemsDownByItsHeightAndTwo) {
    Paint();
    const int Plain = Legend.GetLayout().FirstItemTop;
    Legend.GetTitle()->SetCaption("Samples");
    Paint();
    const TLegendLayout& L = Legend.GetLayout();
    EXPECT_TRUE(L.TitleShown);
    EXPECT_EQ(L.FirstItemTop, Plain + FontHeight(*Legend.GetTitle()->GetFont()) + 2);
    EXPECT_GE(Legend.GetShapeBounds().Right - Legend.GetShapeBounds().Left, L.TitleWidth);
}

TEST_F(LegendTest, ACheckBoxClickSwitchesItsSeriesAndRepaints) {
    AddSeries(5);
    AddSeries(5);
    Legend.SetCheckBoxes(true);
    int Clicks = 0;
    Chart->OnClickLegend = [&Clicks](TPersistent*, TMouseButton, TShiftState, int, int) { ++Clicks; };
    const auto ClickItem = [this](int Item) {
        Paint();
        const TLegendLayout& L = Legend.GetLayout();
        Chart->MouseDown(mbLeft, {}, Legend.GetShapeBounds().Left + 8,
                         L.FirstItemTop + 1 + Item * L.ItemHeight + L.ItemHeight / 2);
        Chart->MouseUp(mbLeft, {}, 0, 0);
    };
    const auto Active = [this] {
        return std::vector<bool>{Series(0)->GetActive(), Series(1)->GetActive(), Series(2)->GetActive()};
    };
    ClickItem(1);
    EXPECT_EQ(Active(), (std::vector<bool>{true, false, true}));
    EXPECT_TRUE(Chart->GetCanvas()->GetDirty());
    EXPECT_EQ(Clicks, 1);
    ClickItem(1);
    EXPECT_EQ(Active(), (std::vector<bool>{true, true, true}));

    // Radio style: the first shown active series stays; a click moves it.
    Legend.SetCheckBoxesStyle(cbsRadio);
    Paint();
    EXPECT_EQ(Active(), (std::vector<bool>{true, false, false}));
    ClickItem(2);
    EXPECT_EQ(Active(), (std::vector<bool>{false, false, true}));
    EXPECT_EQ(Clicks, 3);
}

TEST_F(LegendTest, ItemTextsComeFromTheSeriesAndTheChartMayChangeThem) {
    TChartSeries* Second = AddSeries(3);
    Series(0)->SetTitle("Inlet");
    Series(0)->SetXLabel(9, "last");
    Second->SetName("Outlet");
    struct Case {
        TLegendStyle Style;
        TLegendTextStyle TextStyle;
        std::string First;
        std::string Second;
    };
    const std::string S(1, VurColumnSeparator);
    const Case Cases[] = {
        // A series without a title shows its name.
        {lsSeries, ltsLeftValue, "Inlet", "Outlet"},
        // The last points: 9 x 37 mod 100 = 33 with its label, 2 x 37 = 74.
        {lsLastValues, ltsLeftValue, "33" + S + "last", "74"},
        {lsLastValues, ltsRightValue, "last" + S + "33", "74"},
        // The first series' points.
        {lsValues, ltsValue, "0", "37"},
    };
    for (const Case& C : Cases) {
        SCOPED_TRACE(static_cast<int>(C.Style) * 100 + C.TextStyle);
        Legend.SetLegendStyle(C.Style);
        Legend.SetTextStyle(C.TextStyle);
        Paint();
        EXPECT_EQ(Legend.FormattedLegend(0), C.First);
        EXPECT_EQ(Legend.FormattedLegend(1), C.Second);
    }
    Chart->OnGetLegendText = [](TCustomAxisPanel*, TLegendStyle Style, int Index, std::string& Text) {
        if (Style == lsValues && Index == 1) Text = "<" + Text + ">";
    };
    EXPECT_EQ(Legend.FormattedLegend(1), "<37>");
    EXPECT_EQ(Legend.FormattedLegend(2), "74");
}

TEST_F(LegendTest, AVisibleGradientRunsFromSilverAtTheLeftToWhite) {
    Legend.GetGradient()->SetVisible(true);
    Paint();
    const TRect& Box = Legend.GetShapeBounds();
    // Below the last item, clear of text and symbols; the outermost bands
    // lie within one step of the two colours.
    const int Y = Box.Bottom - 2;
    const auto Grey = [this, Y](int X) { return static_cast<int>(Pixel(X, Y) & 0xFF); };
    EXPECT_NEAR(Grey(Box.Left + 2), 0xC0, 8);
    EXPECT_NEAR(Grey(Box.Right - 3), 0xFF, 8);
    EXPECT_LT(Grey(Box.Left + 2), Grey((Box.Left + Box.Right) / 2));
}

TEST_F(LegendTest, FirstValueBelowZeroIsRefusedAndKept) {
    Legend.SetFirstValue(2);
    try {
        Legend.SetFirstValue(-1);
        FAIL() << "no exception";
    } catch (const LegendException& E) {
        EXPECT_STREQ(E.what(), "First Legend Value must be > 0");
    }
    EXPECT_EQ(Legend.GetFirstValue(), 2);
}

} // namespace
} // namespace vur
