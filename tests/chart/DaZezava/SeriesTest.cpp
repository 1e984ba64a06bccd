#include "chart/ChartTestSupport.h"
#include "chart/Series/LineSeries.h"
#include "chart/VurConst.h"
#include "framework/Exceptions.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace vur {
namespace {

using test::TCountingChart;
using test::TRecordingListener;

// A form that owns the chart and its series, as the program's form does.
struct SeriesTest : ::testing::Test {
    TComponent Form{nullptr};
    TCountingChart* Chart = new TCountingChart(&Form);
    TLineSeries* Series = new TLineSeries(&Form);
    void SetUp() override { Series->SetParentChart(Chart); }
};

std::string DeleteMessage(TChartSeries& Series, int Index) {
    try {
        Series.Delete(Index);
    } catch (const ChartException& E) {
        return E.Message();
    }
    return "no exception";
}

TEST_F(SeriesTest, AutomaticPointColoursNeverCreateTheColourList) {
    for (int I = 0; I < 5; ++I) Series->AddXY(I, I * I);
    EXPECT_EQ(Series->GetColorList(), nullptr);
    for (int I = 0; I < 5; ++I) EXPECT_EQ(Series->GetValueColor(I), clRed);
    Series->SetValueColor(2, clDefault);
    EXPECT_EQ(Series->GetColorList(), nullptr);
}

TEST_F(SeriesTest, FirstOwnColourCreatesTheListForAllPoints) {
    for (int I = 0; I < 5; ++I) Series->AddXY(I, I);
    Series->SetSeriesColor(clGreen);
    EXPECT_EQ(Series->AddXY(5, 5, "", clRed), 5);
    ASSERT_NE(Series->GetColorList(), nullptr);
    EXPECT_EQ(Series->GetColorList()->size(), 6u);
    for (int I = 0; I < 5; ++I) EXPECT_EQ(Series->GetValueColor(I), clGreen);
    EXPECT_EQ(Series->GetValueColor(5), clRed);
    // From now on every point has an entry.
    Series->AddXY(2.5, 0);
    EXPECT_EQ(Series->GetColorList()->size(), 7u);
    EXPECT_EQ(Series->GetValueColor(6), clRed);
}

TEST_F(SeriesTest, ColorEachPointTakesPaletteColoursByIndex) {
    for (int I = 0; I < 3; ++I) Series->Add(I);
    Series->SetValueColor(1, clBlack);
    Series->SetColorEachPoint(true);
    EXPECT_EQ(Series->GetValueColor(0), clRed);
    EXPECT_EQ(Series->GetValueColor(1), clBlack);
    EXPECT_EQ(Series->GetValueColor(2), clYellow);
}

TEST_F(SeriesTest, LabelsAreCreatedOnlyByTheFirstNonEmptyText) {
    for (int I = 0; I < 10; ++I) Series->AddXY(I, I);
    EXPECT_EQ(Series->Labels().Count(), 0);
    Series->SetXLabel(3, "three");
    EXPECT_EQ(Series->Labels().Count(), 4);
    EXPECT_EQ(Series->GetXLabel(3), "three");
    EXPECT_EQ(Series->GetXLabel(9), "");
    EXPECT_EQ(Series->AddXY(10, 10), 10);
    EXPECT_EQ(Series->Labels().Count(), 11);
    EXPECT_EQ(Series->GetXLabel(10), "");
    EXPECT_EQ(Series->AddXY(-1, 0, "first"), 0);
    EXPECT_EQ(Series->GetXLabel(0), "first");
    EXPECT_EQ(Series->GetXLabel(4), "three");
    EXPECT_EQ(Series->Labels().IndexOfLabel("THREE", false), 4);
    EXPECT_EQ(Series->Labels().IndexOfLabel("THREE", true), -1);
}

TEST_F(SeriesTest, EqualXKeepsInsertionOrder) {
    Series->AddXY(1, 10);
    Series->AddXY(2, 40);
    Series->AddXY(1, 20);
    Series->AddXY(1, 30);
    const std::vector<double> Expected{10, 20, 30, 40};
    for (int I = 0; I < 4; ++I) EXPECT_EQ(Series->GetyValue(I), Expected[static_cast<std::size_t>(I)]);
}

TEST_F(SeriesTest, AddVariantsPlacePointsAtTheCurrentCount) {
    EXPECT_EQ(Series->Add(7), 0);
    EXPECT_EQ(Series->AddY(8), 1);
    EXPECT_EQ(Series->AddX(9), 2);
    EXPECT_EQ(Series->GetxValue(1), 1.0);
    EXPECT_EQ(Series->GetyValue(1), 8.0);
    EXPECT_EQ(Series->GetxValue(2), 9.0);
    EXPECT_EQ(Series->GetyValue(2), 2.0);
    const std::vector<double> More{1, 2, 3};
    EXPECT_EQ(Series->AddArray(More), 3);
    // Their positions 3, 4 and 5 come before the point at 9.
    EXPECT_EQ(Series->Count(), 6);
    EXPECT_EQ(Series->GetMarkValue(4), 3.0);
    EXPECT_EQ(Series->GetMarkValue(5), 2.0);
}

TEST_F(SeriesTest, DeleteOutOfBoundsNamesTheRange) {
    EXPECT_EQ(DeleteMessage(*Series, 0), "Series Delete: ValueIndex 0 out of bounds (0 to -1).");
    for (int I = 0; I < 3; ++I) Series->Add(I);
    EXPECT_EQ(DeleteMessage(*Series, 3), "Series Delete: ValueIndex 3 out of bounds (0 to 2).");
    EXPECT_EQ(DeleteMessage(*Series, -1), "Series Delete: ValueIndex -1 out of bounds (0 to 2).");
    EXPECT_EQ(Series->Count(), 3);
    Series->Delete(2);
    EXPECT_EQ(Series->Count(), 2);
    EXPECT_EQ(Series->GetyValue(1), 1.0);
}

TEST_F(SeriesTest, DeleteKeepsColoursLabelsAndMarksInStep) {
    Series->AddXY(0, 0, "a");
    Series->AddXY(1, 1, "b", clBlue);
    Series->AddXY(2, 2, "c");
    Series->GetMarks()->Positions().Put(1, TSeriesMarkPosition{});
    Series->GetMarks()->Items().Get(2)->Text = {"two"};
    Series->Delete(1);
    EXPECT_EQ(Series->GetXLabel(1), "c");
    EXPECT_EQ(Series->GetValueColor(1), clRed);
    EXPECT_EQ(Series->GetMarks()->Positions().Count(), 1);
    ASSERT_NE(Series->GetMarks()->Items().Find(1), nullptr);
    EXPECT_EQ(Series->GetMarks()->Items().Find(1)->Text[0], "two");
}

TEST_F(SeriesTest, DeleteRunChecksItsArguments) {
    for (int I = 0; I < 5; ++I) Series->AddXY(I * 10, I, "", I == 1 ? clBlue : clDefault);
    const auto Message = [&](int Start, int Quantity) -> std::string {
        try {
            Series->Delete(Start, Quantity);
        } catch (const EAssertionFailed& E) {
            return E.Message();
        }
        return "no assertion";
    };
    EXPECT_TRUE(test::IsAssertionText(Message(1, 0),
                                      "Quantity of data points to delete must be greater than zero.",
                                      "chart/DaZezava/Series.cpp"));
    EXPECT_TRUE(
        test::IsAssertionText(Message(3, 3), VurMsg_DeleteLessThanCount, "chart/DaZezava/Series.cpp"));
    EXPECT_TRUE(test::IsAssertionText(Message(-1, 2), "Start >= 0", "chart/DaZezava/Series.cpp"));
    EXPECT_EQ(Series->Count(), 5);
    Series->Delete(1, 3, true);
    ASSERT_EQ(Series->Count(), 2);
    EXPECT_EQ(Series->GetyValue(1), 4.0);
    // RemoveGap renumbers the positions.
    EXPECT_EQ(Series->GetxValue(1), 1.0);
    Series->Delete(0, 2);
    EXPECT_EQ(Series->GetColorList(), nullptr);
}

TEST_F(SeriesTest, ClearCallsOnClearValuesOnceEvenWhenEmpty) {
    int Calls = 0;
    Series->OnClearValues = [&](TChartSeries* Sender) {
        EXPECT_EQ(Sender, Series);
        EXPECT_EQ(Sender->Count(), 0);
        ++Calls;
    };
    Series->Clear();
    EXPECT_EQ(Calls, 1);
    Series->AddXY(1, 1, "x", clBlue);
    Chart->Invalidates = 0;
    Series->Clear();
    EXPECT_EQ(Calls, 2);
    EXPECT_EQ(Series->Count(), 0);
    EXPECT_EQ(Series->GetColorList(), nullptr);
    EXPECT_EQ(Series->Labels().Count(), 0);
    EXPECT_EQ(Series->GetXValues()->GetCapacity(), 0);
    EXPECT_EQ(Chart->Invalidates, 1);
    // Destruction clears the points without calling the handler.
    delete Series;
    Series = nullptr;
    EXPECT_EQ(Calls, 2);
}

TEST_F(SeriesTest, BatchedAddsFireNoEventsAndOneRefresh) {
    TRecordingListener Listener;
    Chart->Listeners().Add(&Listener);
    int AfterAdds = 0;
    Series->OnAfterAdd = [&](TChartSeries*, int) { ++AfterAdds; };
    Chart->Invalidates = 0;
    Series->BeginUpdate();
    for (int I = 0; I < 1000; ++I) Series->AddXY(I, I);
    EXPECT_EQ(AfterAdds, 0);
    EXPECT_EQ(Chart->Invalidates, 0);
    Series->EndUpdate();
    EXPECT_EQ(Listener.CountOf(seDataChanged), 1);
    EXPECT_EQ(Series->Count(), 1000);
    // An unmatched EndUpdate does nothing.
    Series->EndUpdate();
    EXPECT_EQ(Listener.CountOf(seDataChanged), 1);
    Series->AddXY(1000, 0);
    EXPECT_EQ(AfterAdds, 1);
    Chart->Listeners().Remove(&Listener);
}

TEST_F(SeriesTest, OnBeforeAddCanRefuseAPoint) {
    Series->OnBeforeAdd = [](TChartSeries* Sender) { return Sender->GetXValues()->GetPendingValue() >= 0; };
    EXPECT_EQ(Series->AddXY(1, 1), 0);
    EXPECT_EQ(Series->AddXY(-1, 1, "refused", clBlue), -1);
    EXPECT_EQ(Series->Count(), 1);
    EXPECT_EQ(Series->Labels().Count(), 0);
    EXPECT_EQ(Series->GetColorList(), nullptr);
}

// One tick of the program: add a point and, past ten, drop the oldest.
TEST_F(SeriesTest, TickRepaintsOnceForTheAddAndOnceForTheRemoval) {
    for (int I = 0; I < 10; ++I) Series->AddXY(45000 + I / 86400.0, I);
    Chart->Invalidates = 0;
    Series->AddXY(45000 + 10 / 86400.0, 10);
    EXPECT_EQ(Chart->Invalidates, 1);
    Series->Delete(0);
    EXPECT_EQ(Chart->Invalidates, 2);
    EXPECT_EQ(Series->Count(), 10);
    EXPECT_EQ(Series->GetyValue(0), 1.0);
    // An inactive series asks for no repaint when it gets points.
    Series->SetActive(false);
    Chart->Invalidates = 0;
    Series->AddXY(46000, 0);
    EXPECT_EQ(Chart->Invalidates, 0);
}

TEST_F(SeriesTest, ClockSetBackInsertsAtTheFrontAndTheTickDropsIt) {
    for (int I = 0; I < 10; ++I) Series->AddXY(100 + I, I);
    EXPECT_EQ(Series->AddXY(50, 99), 0);
    Series->Delete(0);
    EXPECT_EQ(Series->Count(), 10);
    EXPECT_EQ(Series->GetxValue(0), 100.0);
}

TEST_F(SeriesTest, NullPointsKeepTheirValues) {
    Series->AddXY(0, 5);
    Series->AddNullXY(1, 7);
    Series->AddXY(2, 9);
    EXPECT_FALSE(Series->IsNull(0));
    EXPECT_TRUE(Series->IsNull(1));
    EXPECT_EQ(Series->Count(), 3);
    EXPECT_EQ(Series->GetYValues()->GetTotal(), 21.0);
    Series->SetNull(2);
    EXPECT_TRUE(Series->IsNull(2));
    Series->SetNull(1, false);
    EXPECT_FALSE(Series->IsNull(1));
    EXPECT_EQ(Series->GetValueColor(1), Series->GetSeriesColor());
    EXPECT_EQ(Series->AddNull(3.0), 3);
    EXPECT_TRUE(Series->IsNull(3));
    EXPECT_EQ(Series->AddNull(std::string_view("gap")), 4);
    EXPECT_EQ(Series->GetXLabel(4), "gap");
}

TEST_F(SeriesTest, ExtentsOfEmptyAndFilledSeries) {
    EXPECT_EQ(Series->MinYValue(), 0.0);
    EXPECT_EQ(Series->MaxXValue(), 0.0);
    Series->AddXY(3, -2);
    Series->AddXY(1, 8);
    EXPECT_EQ(Series->MinXValue(), 1.0);
    EXPECT_EQ(Series->MaxXValue(), 3.0);
    EXPECT_EQ(Series->MinYValue(), -2.0);
    EXPECT_EQ(Series->MaxYValue(), 8.0);
    EXPECT_EQ(Series->MinZValue(), Series->GetZOrder());
}

// Three line series; the stacking origin adds only values of the same sign.
TEST_F(SeriesTest, StackedExtentsAddTheSeriesBefore) {
    auto* B = new TLineSeries(&Form);
    auto* C = new TLineSeries(&Form);
    B->SetParentChart(Chart);
    C->SetParentChart(Chart);
    for (double V : {1.0, -2.0, 3.0}) Series->Add(V);
    for (double V : {2.0, -1.0, -4.0}) B->Add(V);
    for (double V : {4.0, -3.0}) C->Add(V);
    C->SetStacked(cssStack);
    // Point 0: 1 + 2 + 4 = 7; point 1: -2 - 1 - 3 = -6.
    EXPECT_EQ(C->MaxYValue(), 7.0);
    EXPECT_EQ(C->MinYValue(), -6.0);
    // The X direction keeps the plain extents.
    EXPECT_EQ(C->MaxXValue(), 1.0);
    B->SetActive(false);
    EXPECT_EQ(C->MaxYValue(), 5.0);
    EXPECT_EQ(C->MinYValue(), -5.0);
    B->SetActive(true);
    B->SetStacked(cssStack);
    // Point 2 of B: 3 is positive, -4 is not, so -4 stays alone: minimum -4.
    EXPECT_EQ(B->MaxYValue(), 3.0);
    EXPECT_EQ(B->MinYValue(), -4.0);
    C->SetStacked(cssStack100);
    EXPECT_EQ(C->MinYValue(), 0.0);
    EXPECT_EQ(C->MaxYValue(), 100.0);
    C->SetStacked(cssOverlap);
    EXPECT_EQ(C->MaxYValue(), 4.0);
}

// A series class beside the line series: neither is of the other's class.
class TOtherSeries : public TChartSeries {
public:
    static constexpr char StaticClassName[] = "TOtherSeries";
    using TChartSeries::TChartSeries;
    const TChartSeriesClass* GetSeriesClass() const override { return SeriesClassOf<TOtherSeries>(); }
};

TEST_F(SeriesTest, StackingCountsOnlySeriesOfOneClass) {
    auto* Base = new TChartSeries(&Form);
    auto* Other = new TOtherSeries(&Form);
    auto* Top = new TLineSeries(&Form);
    for (TChartSeries* S : {static_cast<TChartSeries*>(Base), static_cast<TChartSeries*>(Other),
                            static_cast<TChartSeries*>(Top)})
        S->SetParentChart(Chart);
    Series->Add(2);
    Base->Add(10);
    Other->Add(50);
    Top->Add(1);
    Top->SetStacked(cssStack);
    // A line series is of the base series' class; the sibling class is not.
    EXPECT_TRUE(Top->SameClass(Base));
    EXPECT_FALSE(Top->SameClass(Other));
    EXPECT_EQ(Top->MaxYValue(), 13.0);
}

TEST_F(SeriesTest, AxisAssociation) {
    EXPECT_EQ(Series->GetHorizontalAxis(), Chart->GetBottomAxis());
    EXPECT_EQ(Series->GetVerticalAxis(), Chart->GetLeftAxis());
    EXPECT_TRUE(Series->AssociatedToAxis(Chart->GetBottomAxis()));
    EXPECT_FALSE(Series->AssociatedToAxis(Chart->GetTopAxis()));
    EXPECT_EQ(Series->ValueListOfAxis(Chart->GetLeftAxis()), Series->GetYValues());
    EXPECT_EQ(Series->ValueListOfAxis(Chart->GetRightAxis()), nullptr);
    EXPECT_EQ(Series->MandatoryAxis(), Chart->GetLeftAxis());
    Series->SetHorizAxis(aTopAxis);
    EXPECT_EQ(Series->ValueListOfAxis(Chart->GetTopAxis()), Series->GetXValues());
    Series->SetHorizAxis(aBothHorizAxis);
    EXPECT_TRUE(Series->AssociatedToAxis(Chart->GetTopAxis()));
    EXPECT_TRUE(Series->AssociatedToAxis(Chart->GetBottomAxis()));
    Series->SetVertAxis(aRightAxis);
    EXPECT_EQ(Series->MandatoryAxis(), Chart->GetRightAxis());
    TChartAxis Custom(Chart, false, false);
    Series->SetCustomVertAxis(&Custom);
    EXPECT_EQ(Series->GetVertAxis(), aCustomVertAxis);
    EXPECT_TRUE(Series->AssociatedToAxis(&Custom));
    Series->SetCustomVertAxis(nullptr);
    EXPECT_EQ(Series->GetVerticalAxis(), Chart->GetLeftAxis());
    Series->SetParentChart(nullptr);
    EXPECT_EQ(Series->GetHorizontalAxis(), nullptr);
}

TEST_F(SeriesTest, SettersCompareBeforeRepainting) {
    Chart->Invalidates = 0;
    Series->SetValueFormat(VurMsg_DefValueFormat);
    Series->SetTitle("");
    Series->SetActive(true);
    Series->GetPen()->SetColor(clBlack);
    EXPECT_EQ(Chart->Invalidates, 0);
    EXPECT_FALSE(Series->IsValueFormatStored());
    Series->SetValueFormat("hh:nn:ss");
    EXPECT_TRUE(Series->IsValueFormatStored());
    Series->GetPen()->SetWidth(2);
    Series->GetPointer()->SetStyle(psCircle);
    Series->GetMarks()->SetVisible(true);
    EXPECT_EQ(Chart->Invalidates, 4);
    EXPECT_THROW(Series->GetPointer()->SetHorizSize(0), ChartException);
    EXPECT_EQ(Series->GetPointer()->GetHorizSize(), 4);
}

TEST_F(SeriesTest, ObjectsTheProgramStoresIntoHaveTheirDefaults) {
    EXPECT_FALSE(Series->GetPointer()->GetVisible());
    EXPECT_TRUE(Series->GetPointer()->GetInflateMargins());
    EXPECT_EQ(Series->GetPointer()->GetStyle(), psRectangle);
    EXPECT_FALSE(Series->GetMarks()->GetVisible());
    EXPECT_EQ(Series->GetMarks()->GetCallout()->GetBrush()->GetColor(), clBlack);
    EXPECT_EQ(Series->GetMarks()->GetCallout()->GetLength(), 8);
    EXPECT_EQ(Series->GetValueFormat(), "#,##0.###");
    EXPECT_EQ(Series->GetPercentFormat(), "##0.## %");
    EXPECT_EQ(Series->GetXValues()->GetName(), "X");
    EXPECT_EQ(Series->GetXValues()->GetOrder(), loAscending);
    EXPECT_EQ(Series->GetYValues()->GetName(), "Y");
    EXPECT_EQ(Series->GetYValues()->GetOrder(), loNone);
    EXPECT_TRUE(Series->GetKeepPointPastEnd());
    EXPECT_EQ(Series->GetYValueList("nothing"), Series->GetYValues());
}

TEST_F(SeriesTest, HiddenPointerTakesNoMargin) {
    int Left = 0, Right = 0;
    Series->GetPointer()->CalcHorizMargins(Left, Right);
    EXPECT_EQ(Left, 0);
    Series->GetPointer()->SetVisible(true);
    Series->GetPointer()->CalcHorizMargins(Left, Right);
    EXPECT_EQ(Left, 5);
    EXPECT_EQ(Right, 5);
}

// B takes A as its data source and follows A's changes.
TEST_F(SeriesTest, LinkedSeriesFollowTheirSource) {
    auto* B = new TLineSeries(&Form);
    B->SetParentChart(Chart);
    Series->AddXY(1, 10, "one");
    B->InternalAddDataSource(Series);
    EXPECT_EQ(B->Count(), 0);
    B->CheckDataSource();
    EXPECT_EQ(B->Count(), 1);
    EXPECT_EQ(B->GetXLabel(0), "one");
    for (int I = 2; I <= 5; ++I) Series->AddXY(I, I * 10);
    Series->AddXY(0, 5, "", clBlue);
    ASSERT_EQ(B->Count(), 6);
    EXPECT_EQ(B->GetxValue(0), 0.0);
    EXPECT_EQ(B->GetValueColor(0), clBlue);
    Series->Delete(3);
    EXPECT_EQ(B->Count(), 5);
    EXPECT_EQ(B->GetxValue(3), 4.0);
    B->SetRecalcOptions(AllRecalcOptions & ~rOnInsert);
    Series->AddXY(9, 90);
    EXPECT_EQ(B->Count(), 5);
    Series->RefreshSeries();
    EXPECT_EQ(B->Count(), 6);
    Series->Clear();
    EXPECT_EQ(B->Count(), 0);
    delete Series;
    Series = nullptr;
    EXPECT_EQ(B->GetDataSource(), nullptr);
}

TEST_F(SeriesTest, CheckOrderSortsAndRenumbers) {
    Series->GetYValues()->SetOrder(loDescending);
    Series->GetXValues()->SetOrder(loNone);
    Series->AddXY(5, 1);
    Series->AddXY(6, 3);
    Series->AddXY(7, 2);
    Series->CheckOrder();
    EXPECT_EQ(Series->GetyValue(0), 3.0);
    EXPECT_EQ(Series->GetyValue(2), 1.0);
    EXPECT_EQ(Series->GetxValue(2), 2.0);
}

TEST_F(SeriesTest, AssignCopiesActiveBrushPenAndTag) {
    TLineSeries Other(nullptr);
    Other.SetActive(false);
    Other.GetPen()->SetWidth(3);
    Other.GetBrush()->SetColor(clLime);
    Other.SetTag(42);
    Series->Assign(&Other);
    EXPECT_FALSE(Series->GetActive());
    EXPECT_EQ(Series->GetPen()->GetWidth(), 3);
    EXPECT_EQ(Series->GetBrush()->GetColor(), clLime);
    EXPECT_EQ(Series->GetTag(), 42);
}

TEST_F(SeriesTest, DestroyedSeriesLeavesItsChart) {
    TRecordingListener Listener;
    Chart->Listeners().Add(&Listener);
    delete Series;
    Series = nullptr;
    EXPECT_EQ(Chart->SeriesCount(), 0);
    EXPECT_EQ(Listener.Events, (std::vector<TChartSeriesEvent>{seRemove}));
    EXPECT_EQ(Form.ComponentCount(), 1);
    Chart->Listeners().Remove(&Listener);
}

TEST_F(SeriesTest, DestroyedChartDestroysItsSeries) {
    auto* Other = new TLineSeries(&Form);
    Other->SetParentChart(Chart);
    EXPECT_EQ(Form.ComponentCount(), 3);
    delete Chart;
    EXPECT_EQ(Form.ComponentCount(), 0);
}

} // namespace
} // namespace vur
