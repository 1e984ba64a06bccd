#include "chart/Chart/ChartFile.h"
#include "chart/ChartTestSupport.h"
#include "chart/Functions/AverageFunction.h"
#include "chart/Functions/MovingAverageFunction.h"
#include "chart/Functions/SumFunction.h"
#include "chart/Series/LineSeries.h"
#include "framework/Streams.h"

#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <vector>

namespace vur {
namespace {

using Values = std::vector<double>;

struct FunctionTest : ::testing::Test {
    TComponent Form{nullptr};
    TChart* Chart = new TChart(&Form);
    TLineSeries* A = NewSeries();
    TLineSeries* B = NewSeries();
    TLineSeries* Result = NewSeries();

    TLineSeries* NewSeries() {
        auto* Series = new TLineSeries(&Form);
        Series->SetParentChart(Chart);
        return Series;
    }
    static Values Xs(const TChartSeries& Series) {
        Values V;
        for (int I = 0; I < Series.Count(); ++I) V.push_back(Series.GetxValue(I));
        return V;
    }
    static Values Ys(const TChartSeries& Series) {
        Values V;
        for (int I = 0; I < Series.Count(); ++I) V.push_back(Series.GetyValue(I));
        return V;
    }
    // Sources fed with Y values at positions 10, 11, 12, ...
    static void Fill(TChartSeries& Series, const Values& Ys) {
        for (const double Y : Ys) Series.AddXY(10 + Series.Count(), Y);
    }
};

TVurFunction* MovingAverage(int Period) {
    auto* Function = new TMovingAverageFunction(nullptr);
    Function->SetPeriod(Period);
    return Function;
}

TEST_F(FunctionTest, FunctionsAgainstHandWorkedValues) {
    struct Case {
        const char* Name;
        std::function<TVurFunction*()> Make;
        bool TwoSources;
        Values SourceA, SourceB;
        Values ExpectedX, ExpectedY;
    };
    const Case Cases[] = {
        {"average of two",
         [] { return new TAverageFunction(nullptr); },
         true,
         {1, 2, 3, 4},
         {3, 6, 9},
         {10, 11, 12},
         {2, 4, 6}},
        {"average of one", [] { return new TAverageFunction(nullptr); }, false, {1, 5}, {}, {10, 11}, {1, 5}},
        {"sum of two",
         [] { return new TSumFunction(nullptr); },
         true,
         {1, 2, 3, 4},
         {3, 6, 9},
         {10, 11, 12},
         {4, 8, 12}},
        {"sum with an empty source", [] { return new TSumFunction(nullptr); }, true, {1, 2}, {}, {}, {}},
        {"moving average of 3",
         [] { return MovingAverage(3); },
         false,
         {1, 2, 3, 4, 5, 9},
         {},
         {12, 13, 14, 15},
         {2, 3, 4, 6}},
        {"moving average of 1 (the least)",
         [] { return MovingAverage(0); },
         false,
         {1, 2},
         {},
         {10, 11},
         {1, 2}},
        {"moving average longer than the source", [] { return MovingAverage(5); }, false, {1, 2}, {}, {}, {}},
    };
    for (const Case& K : Cases) {
        SCOPED_TRACE(K.Name);
        A->Clear();
        B->Clear();
        Result->SetDataSource(nullptr);
        Fill(*A, K.SourceA);
        Fill(*B, K.SourceB);
        Result->SetFunction(K.Make());
        Result->SetDataSource(A);
        if (K.TwoSources) Result->InternalAddDataSource(B);
        Result->CheckDataSource();
        EXPECT_EQ(Xs(*Result), K.ExpectedX);
        EXPECT_EQ(Ys(*Result), K.ExpectedY);
    }
}

TEST_F(FunctionTest, FunctionsFollowAGrowingSource) {
    struct Step {
        const char* Name;
        std::function<void()> Change;
        Values ExpectedX, ExpectedY;
    };
    Result->SetFunction(MovingAverage(2));
    Result->SetDataSource(A);
    const Step Steps[] = {
        {"first point", [&] { A->AddXY(0, 4); }, {}, {}},
        {"second point", [&] { A->AddXY(1, 8); }, {1}, {6}},
        {"third point", [&] { A->AddXY(2, 2); }, {1, 2}, {6, 5}},
        {"inserted before the end", [&] { A->AddXY(0.5, 0); }, {0.5, 1, 2}, {2, 4, 5}},
        {"deleted", [&] { A->Delete(0); }, {1, 2}, {4, 5}},
        {"period changed",
         [&] { static_cast<TMovingAverageFunction*>(Result->GetFunction())->SetPeriod(3); },
         {2},
         {10.0 / 3}},
        {"cleared", [&] { A->Clear(); }, {}, {}},
    };
    for (const Step& S : Steps) {
        SCOPED_TRACE(S.Name);
        S.Change();
        EXPECT_EQ(Xs(*Result), S.ExpectedX);
        EXPECT_EQ(Ys(*Result), S.ExpectedY);
    }
}

TEST_F(FunctionTest, AverageOfSourcesGrowingTogether) {
    Result->SetFunction(new TAverageFunction(nullptr));
    Result->SetDataSource(A);
    Result->InternalAddDataSource(B);
    A->AddXY(0, 2);
    EXPECT_EQ(Result->Count(), 0); // B has no point 0 yet
    B->AddXY(5, 4);
    A->AddXY(1, 10);
    B->AddXY(6, 20);
    EXPECT_EQ(Xs(*Result), (Values{0, 1}));
    EXPECT_EQ(Ys(*Result), (Values{3, 15}));
}

// Records what its series tells it.
class TProbeFunction : public TSumFunction {
public:
    TProbeFunction(int& AClears, bool& ADestroyed)
        : TSumFunction(nullptr), Clears(AClears), Destroyed(ADestroyed) {}
    ~TProbeFunction() override { Destroyed = true; }
    void Clear() override { ++Clears; }
    int& Clears;
    bool& Destroyed;
};

TEST_F(FunctionTest, TheSeriesOwnsItsFunction) {
    int Clears = 0;
    bool FirstDestroyed = false;
    bool SecondDestroyed = false;
    auto* First = new TProbeFunction(Clears, FirstDestroyed);
    Result->SetFunction(First);
    EXPECT_EQ(First->GetOwner(), Result);
    EXPECT_EQ(First->GetParentSeries(), Result);
    const int Before = Clears;
    Result->Clear();
    EXPECT_EQ(Clears, Before + 1);
    Result->SetFunction(new TProbeFunction(Clears, SecondDestroyed));
    EXPECT_TRUE(FirstDestroyed);
    delete Result;
    Result = nullptr;
    EXPECT_TRUE(SecondDestroyed);
}

// A function is stored inside its series with its period, and its points are
// computed again from the sources when the chart is read back.
TEST_F(FunctionTest, FunctionsAreStoredInsideTheirSeries) {
    struct Case {
        const char* Name;
        std::function<TVurFunction*()> Make;
        bool TwoSources;
        TChartFileFormat Format;
        int Period; // 0: not a moving average
    };
    const Case Cases[] = {
        {"average of two", [] { return new TAverageFunction(nullptr); }, true, cffBinary, 0},
        {"sum of two, as text", [] { return new TSumFunction(nullptr); }, true, cffText, 0},
        {"moving average of 3", [] { return MovingAverage(3); }, false, cffBinary, 3},
        {"moving average of the usual 10, as text", [] { return MovingAverage(10); }, false, cffText, 10},
    };
    // Stored inside the chart, the series are the chart's own components.
    for (TLineSeries* Series : {A, B, Result}) Chart->InsertComponent(Series);
    A->SetName("A");
    B->SetName("B");
    Result->SetName("Result");
    Fill(*A, {1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12});
    Fill(*B, {5, 4, 3, 2, 1, 0, 1, 2, 3, 4, 5, 6});
    for (const Case& K : Cases) {
        SCOPED_TRACE(K.Name);
        Result->SetDataSource(nullptr);
        Result->SetFunction(K.Make());
        Result->SetDataSource(A);
        if (K.TwoSources) Result->InternalAddDataSource(B);
        Result->CheckDataSource();
        TMemoryStream Stream;
        SaveChartToStream(*Chart, Stream, K.Format);
        if (K.Format == cffText) {
            const std::string Text(Stream.Data().begin(), Stream.Data().end());
            // The usual period is left out.
            EXPECT_EQ(Text.find("Period"), std::string::npos);
        }
        TChart Loaded(nullptr);
        Stream.SetPosition(0);
        LoadChartFromStream(Loaded, Stream);
        ASSERT_EQ(Loaded.SeriesCount(), 3);
        TChartSeries* Copy = Loaded.GetSeries(2);
        ASSERT_NE(Copy->GetFunction(), nullptr);
        EXPECT_EQ(Copy->GetFunction()->ClassName(), Result->GetFunction()->ClassName());
        EXPECT_EQ(Copy->GetFunction()->GetOwner(), Copy);
        if (K.Period != 0) {
            EXPECT_EQ(static_cast<TMovingAverageFunction*>(Copy->GetFunction())->GetPeriod(), K.Period);
        }
        EXPECT_EQ(Copy->GetDataSources().size(), K.TwoSources ? 2U : 1U);
        EXPECT_EQ(Xs(*Copy), Xs(*Result));
        EXPECT_EQ(Ys(*Copy), Ys(*Result));
        // Loaded points of a function's series are computed, not stored: the series follows its sources.
        EXPECT_FALSE(Copy->GetDataLoaded());
        Loaded.GetSeries(0)->Clear();
        EXPECT_EQ(Copy->Count(), 0);
    }
}

} // namespace
} // namespace vur
