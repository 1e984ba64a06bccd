// Every index a caller passes to a series or its value lists takes one
// checked path: outside the points it raises EAssertionFailed naming the
// index and the range, before anything changes, instead of reading stale
// storage, writing past the end, allocating for a point that does not exist
// or never returning.
#include "chart/ChartTestSupport.h"
#include "chart/Series/LineSeries.h"
#include "chart/VurConst.h"
#include "framework/Exceptions.h"

#include <gtest/gtest.h>

#include <climits>
#include <functional>
#include <string>
#include <vector>

namespace vur {
namespace {

// What a caller can see of a series.
struct TSnapshot {
    std::vector<double> X, Y;
    std::vector<std::string> Labels;
    std::vector<TColor> Colors;
    int LabelEntries = 0;
    bool operator==(const TSnapshot&) const = default;
};

TSnapshot SnapshotOf(TChartSeries& Series) {
    TSnapshot S;
    for (int I = 0; I < Series.Count(); ++I) {
        S.X.push_back(Series.GetxValue(I));
        S.Y.push_back(Series.GetyValue(I));
        S.Labels.push_back(Series.GetXLabel(I));
        S.Colors.push_back(Series.GetValueColor(I));
    }
    S.LabelEntries = Series.Labels().Count();
    return S;
}

struct IndexChecksTest : ::testing::Test {
    TComponent Form{nullptr};
    test::TCountingChart* Chart = new test::TCountingChart(&Form);
    TLineSeries* Series = new TLineSeries(&Form);
    void SetUp() override {
        Series->SetParentChart(Chart);
        Series->AddXY(0, 10, "a");
        Series->AddXY(1, 20, "", clBlue);
        Series->AddXY(2, 30, "c");
    }
    // The assertion's text, or what happened instead.
    std::string Failure(const std::function<void()>& Call) {
        try {
            Call();
        } catch (const EAssertionFailed& E) {
            return E.Message();
        } catch (const std::exception& E) {
            return std::string("other exception: ") + E.what();
        }
        return "no exception";
    }
};

struct TIndexCase {
    const char* Name;
    std::function<void(TChartSeries&)> Call;
    // The index and the last valid one the message names.
    int Index;
    int High;
};

TEST_F(IndexChecksTest, IndexesOutsideThePointsAreRefusedAndChangeNothing) {
    const std::vector<TIndexCase> Cases = {
        {"GetxValue past the end", [](TChartSeries& S) { S.GetxValue(3); }, 3, 2},
        {"GetyValue before the start", [](TChartSeries& S) { S.GetyValue(-1); }, -1, 2},
        {"GetyValue of a stale slot", [](TChartSeries& S) { S.GetyValue(999); }, 999, 2},
        {"SetXValue", [](TChartSeries& S) { S.SetXValue(3, 1); }, 3, 2},
        {"SetYValue", [](TChartSeries& S) { S.SetYValue(-1, 1); }, -1, 2},
        {"GetXLabel", [](TChartSeries& S) { S.GetXLabel(3); }, 3, 2},
        {"SetXLabel before the start", [](TChartSeries& S) { S.SetXLabel(-1, "x"); }, -1, 2},
        {"SetXLabel past the end", [](TChartSeries& S) { S.SetXLabel(3, "x"); }, 3, 2},
        {"SetXLabel far past the end", [](TChartSeries& S) { S.SetXLabel(100000000, "x"); }, 100000000, 2},
        {"GetValueColor", [](TChartSeries& S) { S.GetValueColor(3); }, 3, 2},
        {"SetValueColor", [](TChartSeries& S) { S.SetValueColor(-1, clRed); }, -1, 2},
        {"SetValueColor automatic", [](TChartSeries& S) { S.SetValueColor(INT_MAX, clDefault); }, INT_MAX, 2},
        {"SetNull", [](TChartSeries& S) { S.SetNull(3); }, 3, 2},
        {"IsNull", [](TChartSeries& S) { S.IsNull(INT_MIN); }, INT_MIN, 2},
        {"SwapValueIndex", [](TChartSeries& S) { S.SwapValueIndex(0, 3); }, 3, 2},
        {"CalcXPos", [](TChartSeries& S) { S.CalcXPos(3); }, 3, 2},
        {"CalcYPos", [](TChartSeries& S) { S.CalcYPos(-1); }, -1, 2},
        {"value list Exchange", [](TChartSeries& S) { S.GetXValues()->Exchange(3, 0); }, 3, 2},
        {"value list Delete", [](TChartSeries& S) { S.GetYValues()->Delete(-1); }, -1, 2},
        {"value list Delete past the end", [](TChartSeries& S) { S.GetYValues()->Delete(3); }, 3, 2},
        {"value list Locate", [](TChartSeries& S) { S.GetYValues()->Locate(10, 0, 3); }, 3, 2},
        {"value list Locate from before the start",
         [](TChartSeries& S) { S.GetYValues()->Locate(10, -1, 2); }, -1, 2},
        // An insertion point may be the count itself.
        {"value list InsertChartValue", [](TChartSeries& S) { S.GetYValues()->InsertChartValue(-1, 5); }, -1,
         3},
        {"value list InsertChartValue past the end",
         [](TChartSeries& S) { S.GetYValues()->InsertChartValue(4, 5); }, 4, 3},
        {"value list RecalcStats", [](TChartSeries& S) { S.GetYValues()->RecalcStats(-1); }, -1, 3},
    };
    const TSnapshot Before = SnapshotOf(*Series);
    const int Repaints = Chart->Invalidates;
    for (const TIndexCase& Case : Cases) {
        SCOPED_TRACE(Case.Name);
        const std::string Text = Failure([&] { Case.Call(*Series); });
        const std::string Expected =
            "Index " + std::to_string(Case.Index) + " out of bounds (0 to " + std::to_string(Case.High) + ")";
        EXPECT_TRUE(test::IsAssertionText(Text, Expected, "[a-zA-Z/]+\\.(h|cpp)")) << Text;
        EXPECT_EQ(SnapshotOf(*Series), Before);
    }
    EXPECT_EQ(Chart->Invalidates, Repaints);
    // A Locate whose last index is below its first finds nothing, as stated.
    EXPECT_EQ(Series->GetYValues()->Locate(10, 2, 1), -1);
}

TEST_F(IndexChecksTest, EmptyListsHaveNoFirstOrLastAndClearedSeriesNoPositions) {
    Series->Clear();
    EXPECT_TRUE(test::IsAssertionText(Failure([&] { Series->GetYValues()->First(); }),
                                      "Index 0 out of bounds (0 to -1)", "[a-zA-Z/]+\\.(h|cpp)"));
    EXPECT_TRUE(test::IsAssertionText(Failure([&] { Series->GetYValues()->Last(); }),
                                      "Index -1 out of bounds (0 to -1)", "[a-zA-Z/]+\\.(h|cpp)"));
    EXPECT_NE(Failure([&] { Series->CalcXPos(0); }), "no exception");
    EXPECT_EQ(Series->GetYValues()->Locate(10), -1);
    Series->GetYValues()->RecalcStats(0);
    EXPECT_EQ(Series->GetYValues()->GetMaxValue(), 0);
}

// Start + Quantity - 1 once wrapped round for a Quantity near INT_MAX: the
// run was accepted, the count went negative and the next add crashed.
TEST_F(IndexChecksTest, DeleteRunsReachingPastTheEndAreRefusedWhateverTheirSize) {
    const std::pair<int, int> Runs[] = {{1, INT_MAX}, {INT_MAX, 1}, {INT_MAX, INT_MAX}, {3, 1}, {2, 2}};
    const TSnapshot Before = SnapshotOf(*Series);
    for (const auto& Run : Runs) {
        // Named copies: clang 14 cannot capture structured bindings in a lambda.
        const int Start = Run.first;
        const int Quantity = Run.second;
        SCOPED_TRACE(testing::Message() << Start << ", " << Quantity);
        EXPECT_TRUE(test::IsAssertionText(Failure([&] { Series->Delete(Start, Quantity); }),
                                          VurMsg_DeleteLessThanCount, "chart/DaZezava/Series.cpp"));
        EXPECT_TRUE(test::IsAssertionText(Failure([&] { Series->GetYValues()->Delete(Start, Quantity); }),
                                          VurMsg_DeleteLessThanCount, "chart/DaZezava/ValueList.cpp"));
        EXPECT_EQ(SnapshotOf(*Series), Before);
    }
    EXPECT_EQ(Series->AddXY(3, 40), 3);
    Series->Delete(1, 3);
    EXPECT_EQ(SnapshotOf(*Series).Y, (std::vector<double>{10}));
}

} // namespace
} // namespace vur
