#include "chart/ChartTestSupport.h"
#include "chart/DaZezava/Series.h"
#include "chart/VurConst.h"
#include "framework/Dialogs.h"
#include "framework/Exceptions.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <random>
#include <vector>

namespace vur {
namespace {

std::vector<double> ValuesOf(const TChartValueList& List) {
    std::vector<double> Result;
    for (int I = 0; I < List.GetCount(); ++I) Result.push_back(List.GetValue(I));
    return Result;
}

// A value list of its own on a series that owns it.
struct ValueListTest : ::testing::Test {
    TChartSeries Series{nullptr};
    TChartValueList* List = new TChartValueList(&Series, "Z");
    void Fill(std::initializer_list<double> Values) {
        for (double V : Values) List->InsertChartValue(List->GetCount(), V);
    }
};

TEST_F(ValueListTest, AscendingInsertionGoesAfterEqualValues) {
    List->SetOrder(loAscending);
    Fill({1, 2, 2, 3});
    EXPECT_EQ(List->AddChartValue(2), 3);
    EXPECT_EQ(ValuesOf(*List), (std::vector<double>{1, 2, 2, 2, 3}));
    EXPECT_EQ(List->AddChartValue(0), 0);
    EXPECT_EQ(List->AddChartValue(5), 6);
    EXPECT_EQ(ValuesOf(*List), (std::vector<double>{0, 1, 2, 2, 2, 3, 5}));
}

TEST_F(ValueListTest, DescendingInsertionGoesAfterEqualValues) {
    List->SetOrder(loDescending);
    Fill({3, 2, 2, 1});
    EXPECT_EQ(List->AddChartValue(2), 3);
    EXPECT_EQ(List->AddChartValue(4), 0);
    EXPECT_EQ(List->AddChartValue(0), 6);
    EXPECT_EQ(ValuesOf(*List), (std::vector<double>{4, 3, 2, 2, 2, 1, 0}));
}

TEST_F(ValueListTest, UnorderedListAppendsAndEmptyListStartsAtZero) {
    EXPECT_EQ(List->AddChartValue(7), 0);
    EXPECT_EQ(List->AddChartValue(-1), 1);
    EXPECT_EQ(List->AddChartValue(100), 2);
    List->ClearValues();
    List->SetOrder(loAscending);
    EXPECT_EQ(List->AddChartValue(3), 0);
    // Changing the order sorts nothing.
    List->SetOrder(loNone);
    List->AddChartValue(1);
    List->SetOrder(loAscending);
    EXPECT_EQ(ValuesOf(*List), (std::vector<double>{3, 1}));
}

TEST_F(ValueListTest, CapacityGrowsInStepsOfAThousandAndClearReleasesIt) {
    EXPECT_EQ(List->GetCapacity(), 0);
    List->AddChartValue(1);
    EXPECT_EQ(List->GetCapacity(), 1000);
    for (int I = 1; I < 1000; ++I) List->AddChartValue(I);
    EXPECT_EQ(List->GetCapacity(), 1000);
    List->AddChartValue(1000);
    EXPECT_EQ(List->GetCapacity(), 2000);
    List->Delete(0, 1001);
    EXPECT_EQ(List->GetCapacity(), 2000);
    List->ClearValues();
    EXPECT_EQ(List->GetCapacity(), 0);
    EXPECT_EQ(List->GetCount(), 0);
}

// Inserts and deletes that cross storage blocks, against a plain vector.
TEST_F(ValueListTest, ShiftsAcrossStorageBlocksMatchAVector) {
    std::mt19937 Random(7);
    std::vector<double> Oracle;
    for (int Step = 0; Step < 6000; ++Step) {
        const int Size = static_cast<int>(Oracle.size());
        const int Action = static_cast<int>(Random() % 20);
        const double Value = static_cast<double>(Random() % 1000);
        if (Action < 15 || Size == 0) {
            const int Index = static_cast<int>(Random() % static_cast<unsigned>(Size + 1));
            List->InsertChartValue(Index, Value);
            Oracle.insert(Oracle.begin() + Index, Value);
        } else if (Action < 19) {
            const int Index = static_cast<int>(Random() % static_cast<unsigned>(Size));
            List->Delete(Index);
            Oracle.erase(Oracle.begin() + Index);
        } else {
            const int Start = static_cast<int>(Random() % static_cast<unsigned>(Size));
            const int Quantity =
                1 + static_cast<int>(Random() % static_cast<unsigned>(std::min(Size - Start, 10)));
            List->Delete(Start, Quantity);
            Oracle.erase(Oracle.begin() + Start, Oracle.begin() + Start + Quantity);
        }
    }
    ASSERT_GT(Oracle.size(), 1200u);
    EXPECT_EQ(ValuesOf(*List), Oracle);
    List->Scroll();
    std::rotate(Oracle.begin(), Oracle.begin() + 1, Oracle.end());
    EXPECT_EQ(ValuesOf(*List), Oracle);
}

TEST_F(ValueListTest, StatisticsOfEmptyAndSmallLists) {
    EXPECT_EQ(List->GetMinValue(), 0.0);
    EXPECT_EQ(List->GetMaxValue(), 0.0);
    EXPECT_EQ(List->GetTotal(), 0.0);
    EXPECT_EQ(List->GetTotalABS(), 0.0);
    EXPECT_EQ(List->Range(), 0.0);
    Fill({-3, 5});
    EXPECT_EQ(List->GetMinValue(), -3.0);
    EXPECT_EQ(List->GetMaxValue(), 5.0);
    EXPECT_EQ(List->GetTotal(), 2.0);
    EXPECT_EQ(List->GetTotalABS(), 8.0);
    EXPECT_EQ(List->Range(), 8.0);
    // Every change makes them stale; the next read sees it.
    List->SetValue(0, -10);
    EXPECT_EQ(List->GetMinValue(), -10.0);
    List->Delete(0);
    EXPECT_EQ(List->GetMinValue(), 5.0);
    EXPECT_EQ(List->GetTotalABS(), 5.0);
    List->AddChartValue(7);
    EXPECT_EQ(List->GetMaxValue(), 7.0);
}

TEST_F(ValueListTest, StatisticsOverSeveralStorageBlocks) {
    double Total = 0;
    for (int I = 0; I < 2500; ++I) {
        const double V = (I % 7) - 3.0 + I * 0.001;
        List->AddChartValue(V);
        Total += V;
    }
    EXPECT_DOUBLE_EQ(List->GetTotal(), Total);
    EXPECT_EQ(List->GetMinValue(), -3.0);
    EXPECT_DOUBLE_EQ(List->GetMaxValue(), 3.0 + 2498 * 0.001);
}

TEST_F(ValueListTest, ScrollRotatesAndKeepsStatistics) {
    Fill({1, 2, 3});
    EXPECT_EQ(List->GetTotal(), 6.0);
    List->Scroll();
    EXPECT_EQ(ValuesOf(*List), (std::vector<double>{2, 3, 1}));
    EXPECT_EQ(List->GetMinValue(), 1.0);
    EXPECT_EQ(List->GetMaxValue(), 3.0);
    EXPECT_EQ(List->GetTotal(), 6.0);
    List->ClearValues();
    List->Scroll();
    EXPECT_EQ(List->GetCount(), 0);
}

TEST_F(ValueListTest, LocateFindsTheLowestEqualIndex) {
    Fill({5, 2, 7, 2, 9});
    EXPECT_EQ(List->Locate(2), 1);
    EXPECT_EQ(List->Locate(2, 2, 4), 3);
    EXPECT_EQ(List->Locate(2, 4, 2), -1);
    EXPECT_EQ(List->Locate(2.0000001), -1);
    EXPECT_EQ(List->First(), 5.0);
    EXPECT_EQ(List->Last(), 9.0);
}

TEST_F(ValueListTest, ExchangeFillSequenceAndCompare) {
    Fill({4, 8, 6});
    List->Exchange(0, 2);
    EXPECT_EQ(ValuesOf(*List), (std::vector<double>{6, 8, 4}));
    EXPECT_EQ(List->CompareValueIndex(0, 1), -1);
    EXPECT_EQ(List->CompareValueIndex(1, 2), 1);
    List->SetOrder(loDescending);
    EXPECT_EQ(List->CompareValueIndex(0, 1), 1);
    EXPECT_EQ(List->CompareValueIndex(0, 0), 0);
    List->FillSequence();
    EXPECT_EQ(ValuesOf(*List), (std::vector<double>{0, 1, 2}));
    EXPECT_EQ(List->GetTotal(), 3.0);
}

TEST(ValueListSort, PermutesLabelsColoursAndOtherListsWithTheValues) {
    TChartSeries Series(nullptr);
    Series.GetXValues()->SetOrder(loNone);
    Series.AddXY(3, 30, "c", clRed);
    Series.AddXY(1, 10, "a", clBlue);
    Series.AddXY(2, 20, "b");
    Series.GetXValues()->SetOrder(loAscending);
    Series.GetXValues()->Sort();
    EXPECT_EQ(ValuesOf(*Series.GetXValues()), (std::vector<double>{1, 2, 3}));
    EXPECT_EQ(ValuesOf(*Series.GetYValues()), (std::vector<double>{10, 20, 30}));
    EXPECT_EQ(Series.GetXLabel(0), "a");
    EXPECT_EQ(Series.GetXLabel(1), "b");
    EXPECT_EQ(Series.GetXLabel(2), "c");
    EXPECT_EQ(Series.GetValueColor(0), clBlue);
    EXPECT_EQ(Series.GetValueColor(2), clRed);
    EXPECT_EQ(Series.GetColorList()->at(1), clDefault);
}

TEST(ValueListSort, UnorderedListIsNotSorted) {
    TChartSeries Series(nullptr);
    Series.AddY(3);
    Series.AddY(1);
    Series.GetYValues()->Sort();
    EXPECT_EQ(ValuesOf(*Series.GetYValues()), (std::vector<double>{3, 1}));
}

// The quicksort against the standard library, with many ties, both ways.
TEST(ValueListSort, SortsLikeTheStandardLibrary) {
    std::mt19937 Random(11);
    for (int Round = 0; Round < 30; ++Round) {
        TChartSeries Series(nullptr);
        Series.GetXValues()->SetOrder(loNone);
        const int Size = 1 + static_cast<int>(Random() % 300);
        std::vector<double> Oracle;
        for (int I = 0; I < Size; ++I) {
            const double V = static_cast<double>(Random() % 20);
            Series.AddXY(V, -V);
            Oracle.push_back(V);
        }
        const bool Descending = Round % 2 == 1;
        Series.GetXValues()->SetOrder(Descending ? loDescending : loAscending);
        Series.GetXValues()->Sort();
        if (Descending)
            std::sort(Oracle.begin(), Oracle.end(), std::greater<>());
        else
            std::sort(Oracle.begin(), Oracle.end());
        ASSERT_EQ(ValuesOf(*Series.GetXValues()), Oracle);
        for (int I = 0; I < Size; ++I) ASSERT_EQ(Series.GetyValue(I), -Series.GetxValue(I));
    }
}

TEST_F(ValueListTest, DeleteRunBeyondCountFailsAnAssertion) {
    Fill({1, 2, 3});
    try {
        List->Delete(1, 3);
        FAIL() << "no assertion";
    } catch (const EAssertionFailed& E) {
        EXPECT_TRUE(
            test::IsAssertionText(E.Message(), VurMsg_DeleteLessThanCount, "chart/DaZezava/ValueList.cpp"))
            << E.Message();
    }
    EXPECT_EQ(ValuesOf(*List), (std::vector<double>{1, 2, 3}));
    List->Delete(1, 2);
    EXPECT_EQ(ValuesOf(*List), (std::vector<double>{1}));
}

TEST_F(ValueListTest, CountCannotBeNegativeOrExceedTheCapacity) {
    Fill({1, 2});
    try {
        List->SetCount(-1);
        FAIL() << "no assertion";
    } catch (const EAssertionFailed& E) {
        EXPECT_TRUE(test::IsAssertionText(E.Message(), "ValueList Count must be greater than zero.",
                                          "chart/DaZezava/ValueList.cpp"))
            << E.Message();
    }
    try {
        List->SetCount(1500);
        FAIL() << "no assertion";
    } catch (const EAssertionFailed& E) {
        EXPECT_TRUE(test::IsAssertionText(E.Message(),
                                          "ValueList Count (1500) greater than array length (1000).",
                                          "chart/DaZezava/ValueList.cpp"))
            << E.Message();
    }
    EXPECT_EQ(List->GetCount(), 2);
    List->SetCount(1);
    EXPECT_EQ(ValuesOf(*List), (std::vector<double>{1}));
}

TEST_F(ValueListTest, AssignCopiesOrderDateTimeAndSourceOnly) {
    TChartValueList* Other = new TChartValueList(&Series, "Other");
    Other->SetOrder(loDescending);
    Other->InitDateTime(true);
    Other->SetValueSource("Y");
    Other->AddChartValue(42);
    List->Assign(Other);
    EXPECT_EQ(List->GetOrder(), loDescending);
    EXPECT_TRUE(List->GetDateTime());
    EXPECT_EQ(List->GetValueSource(), "Y");
    EXPECT_EQ(List->GetName(), "Z");
    EXPECT_EQ(List->GetCount(), 0);
    EXPECT_THROW(List->Assign(&Series), EConvertError);
}

TEST_F(ValueListTest, DateTimeIsStoredOnlyWhenItDiffersFromTheDefault) {
    EXPECT_FALSE(List->IsDateStored());
    List->SetDateTime(true);
    EXPECT_TRUE(List->IsDateStored());
    List->InitDateTime(true);
    EXPECT_FALSE(List->IsDateStored());
    List->SetDateTime(false);
    EXPECT_TRUE(List->IsDateStored());
}

TEST_F(ValueListTest, ToStringUsesTheGeneralNumberText) {
    Fill({2, 0.1, -1234.5, 1e20});
    EXPECT_EQ(List->ToString(0), "2");
    EXPECT_EQ(List->ToString(1), "0.1");
    EXPECT_EQ(List->ToString(2), "-1234.5");
    EXPECT_EQ(List->ToString(3), "1E+20");
}

TEST_F(ValueListTest, ObsoleteMultiplierIsReportedToTheUser) {
    std::vector<std::string> Shown;
    auto Previous = SetShowMessageHandler([&](const std::string& Text) { Shown.push_back(Text); });
    List->ReadMultiplier(1.0);
    EXPECT_TRUE(Shown.empty());
    List->ReadMultiplier(2.5);
    SetShowMessageHandler(std::move(Previous));
    ASSERT_EQ(Shown.size(), 1u);
    EXPECT_EQ(Shown[0], "Error: Multiplier property is obsolete.\rModify VurDefs.inc (enable Multiplier) and "
                        "recompile.");
}

TEST(ValueListRepaint, DateTimeChangeRepaintsTheOwnersChart) {
    test::TCountingChart Chart(nullptr);
    TChartSeries Series(nullptr);
    Series.SetParentChart(&Chart);
    Chart.Invalidates = 0;
    Series.GetXValues()->SetDateTime(true);
    Series.GetXValues()->SetDateTime(true);
    EXPECT_EQ(Chart.Invalidates, 1);
    // Writing a value in place notifies linked series but does not repaint.
    Series.AddXY(1, 1);
    Chart.Invalidates = 0;
    Series.GetYValues()->SetValue(0, 5);
    EXPECT_EQ(Chart.Invalidates, 0);
    Series.SetYValue(0, 6);
    EXPECT_EQ(Chart.Invalidates, 1);
}

} // namespace
} // namespace vur
