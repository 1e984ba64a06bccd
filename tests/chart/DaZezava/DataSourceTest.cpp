#include "chart/ChartTestSupport.h"
#include "chart/DaZezava/SeriesSource.h"
#include "chart/RoVedure/DrawSettings.h"
#include "chart/Series/LineSeries.h"
#include "chart/VurConst.h"
#include "framework/Exceptions.h"

#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <vector>

namespace vur {
namespace {

using test::TCountingChart;

// Fills its series with the points it was given.
class TPointsSource : public TVurSeriesSource {
public:
    using TVurSeriesSource::TVurSeriesSource;
    std::vector<double> Values;
    bool Usable = true;
    bool Available(const TCustomAxisPanel* Chart) const override {
        return Usable && TVurSeriesSource::Available(Chart);
    }

protected:
    void Load(TChartSeries& Series) override {
        for (const double Value : Values) Series.Add(Value);
    }
};

struct DataSourceTest : ::testing::Test {
    TComponent Form{nullptr};
    TCountingChart* Chart = new TCountingChart(&Form);
    TLineSeries* A = NewSeries("A");
    TLineSeries* B = NewSeries("B");
    TLineSeries* C = NewSeries("C");

    TLineSeries* NewSeries(const std::string& Name) {
        auto* Series = new TLineSeries(&Form);
        Series->SetName(Name);
        Series->SetParentChart(Chart);
        return Series;
    }
    static std::vector<double> Xs(const TChartSeries& Series) {
        std::vector<double> Result;
        for (int I = 0; I < Series.Count(); ++I) Result.push_back(Series.GetxValue(I));
        return Result;
    }
    static std::vector<double> Ys(const TChartSeries& Series) {
        std::vector<double> Result;
        for (int I = 0; I < Series.Count(); ++I) Result.push_back(Series.GetyValue(I));
        return Result;
    }
};

std::string ChartError(const std::function<void()>& Step) {
    try {
        Step();
    } catch (const ChartException& E) {
        return E.Message();
    }
    return "no exception";
}

TEST_F(DataSourceTest, FollowerCopiesAddsDeletesAndClears) {
    for (const double X : {1.0, 2.0, 4.0, 5.0, 6.0}) A->AddXY(X, X * 10, "p" + std::to_string(int(X)));
    B->SetDataSource(A);
    EXPECT_EQ(Xs(*B), Xs(*A));
    // A point added before others lands at the same ordered place in B.
    EXPECT_EQ(A->AddXY(3, 30, "three", clBlue), 2);
    EXPECT_EQ(Xs(*B), (std::vector<double>{1, 2, 3, 4, 5, 6}));
    EXPECT_EQ(B->GetXLabel(2), "three");
    EXPECT_EQ(B->GetValueColor(2), clBlue);
    A->Delete(3);
    EXPECT_EQ(Xs(*B), (std::vector<double>{1, 2, 3, 5, 6}));
    A->Clear();
    EXPECT_EQ(B->Count(), 0);
}

TEST_F(DataSourceTest, WithoutInsertTheFollowerWaitsForARefreshAndIsRebuiltWhole) {
    B->SetDataSource(A);
    B->SetRecalcOptions(AllRecalcOptions & ~rOnInsert);
    struct Refresh {
        const char* Name;
        std::function<void(TChartSeries&)> Step;
    };
    const Refresh Refreshes[] = {{"RefreshSeries", [](TChartSeries& S) { S.RefreshSeries(); }},
                                 {"EndUpdate", [](TChartSeries& S) {
                                      S.BeginUpdate();
                                      S.EndUpdate();
                                  }}};
    for (const Refresh& R : Refreshes) {
        SCOPED_TRACE(R.Name);
        A->Clear();
        B->AddXY(100, 100); // rebuilding drops what B had of its own
        for (int I = 0; I < 4; ++I) A->AddXY(I, I);
        EXPECT_EQ(B->Count(), 1);
        R.Step(*A);
        EXPECT_EQ(Xs(*B), Xs(*A));
    }
}

TEST_F(DataSourceTest, RunDeletesKeepEveryFollowerInStep) {
    B->SetDataSource(A);
    C->SetDataSource(A);
    // C misses the adds: it is out of step when the run goes.
    C->SetRecalcOptions(AllRecalcOptions & ~rOnInsert);
    for (int I = 0; I < 5; ++I) A->AddXY(I * 2, I);
    EXPECT_EQ(C->Count(), 0);
    EXPECT_NO_THROW(A->Delete(0, 2));
    EXPECT_EQ(Ys(*A), (std::vector<double>{2, 3, 4}));
    EXPECT_EQ(Ys(*B), Ys(*A));
    EXPECT_EQ(Ys(*C), Ys(*A));
    // A gap removed in the source is removed in its followers too.
    A->Delete(0, 1, true);
    EXPECT_EQ(Xs(*A), (std::vector<double>{0, 1}));
    EXPECT_EQ(Xs(*B), Xs(*A));
    EXPECT_EQ(Xs(*C), Xs(*A));
    // So is a single delete past a follower's end.
    C->Clear();
    EXPECT_NO_THROW(A->Delete(1));
    EXPECT_EQ(Ys(*C), Ys(*A));
}

TEST_F(DataSourceTest, AFailingFollowerIsReportedAfterAllFollowersRan) {
    B->SetDataSource(A);
    C->SetDataSource(A);
    B->OnAfterAdd = [](TChartSeries*, int) { throw ChartException("follower failed"); };
    EXPECT_EQ(ChartError([&] { A->AddXY(1, 1); }), "follower failed");
    EXPECT_EQ(A->Count(), 1);
    EXPECT_EQ(B->Count(), 1);
    EXPECT_EQ(C->Count(), 1);
}

TEST_F(DataSourceTest, InvalidSourcesAreRefusedAndLeaveTheSourcesAlone) {
    TLineSeries* D = NewSeries("D");
    TLineSeries Orphan(nullptr);
    Orphan.SetName("Orphan");
    TPointsSource Unusable(&Form);
    Unusable.SetName("Unusable");
    Unusable.Usable = false;
    TComponent Plain(&Form);
    Plain.SetName("Plain");
    B->SetDataSource(A);
    C->SetDataSource(B);
    // D takes from C through a second source, behind a plain component.
    D->InternalAddDataSource(&Plain);
    D->InternalAddDataSource(C);
    struct Case {
        const char* Name;
        TChartSeries* Series;
        TComponent* Source;
        std::string Message;
    };
    const Case Cases[] = {
        {"each other's source", A, B, VurMsg_CircularSeries},
        {"three-series cycle", A, C, VurMsg_CircularSeries},
        {"cycle through a later source", A, D, VurMsg_CircularSeries},
        {"own source", A, A, "No valid DataSource: A"},
        {"plain component", A, &Plain, "No valid DataSource: Plain"},
        {"unusable source component", A, &Unusable, "No valid DataSource: Unusable"},
        {"no parent chart", &Orphan, A, VurMsg_NoParentChart},
    };
    for (const Case& K : Cases) {
        SCOPED_TRACE(K.Name);
        const std::vector<TComponent*> Before = K.Series->GetDataSources();
        EXPECT_EQ(ChartError([&] { K.Series->SetDataSource(K.Source); }), K.Message);
        EXPECT_EQ(K.Series->GetDataSources(), Before);
    }
    // The internal add, used while loading, refuses cycles as well.
    EXPECT_EQ(ChartError([&] { A->InternalAddDataSource(A); }), VurMsg_CircularSeries);
    EXPECT_EQ(ChartError([&] { A->InternalAddDataSource(D); }), VurMsg_CircularSeries);
    EXPECT_EQ(A->GetDataSources().size(), 0u);
    // The chain A -> B -> C -> D carries a point and ends.
    A->AddXY(1, 1);
    EXPECT_EQ(D->Count(), 1);
}

TEST_F(DataSourceTest, ReplacingSourcesAndRemovingThem) {
    TLineSeries* D = NewSeries("D");
    A->AddXY(1, 1);
    D->AddXY(7, 7);
    B->InternalAddDataSource(A);
    B->InternalAddDataSource(C);
    // A source already there changes nothing.
    B->SetDataSource(C);
    EXPECT_EQ(B->GetDataSources(), (std::vector<TComponent*>{A, C}));
    // A new one replaces every source and rebuilds from it.
    B->SetDataSource(D);
    EXPECT_EQ(B->GetDataSources(), std::vector<TComponent*>{D});
    EXPECT_TRUE(A->GetLinkedSeries().empty());
    EXPECT_TRUE(C->GetLinkedSeries().empty());
    EXPECT_EQ(Ys(*B), std::vector<double>{7});
    // Removing a later source keeps the first; removing the first removes all.
    B->InternalAddDataSource(A);
    B->RemoveDataSource(A);
    EXPECT_EQ(B->GetDataSources(), std::vector<TComponent*>{D});
    B->InternalAddDataSource(A);
    B->RemoveDataSource(D);
    EXPECT_TRUE(B->GetDataSources().empty());
    EXPECT_TRUE(A->GetLinkedSeries().empty());
    // None as the source removes them all and keeps the points.
    B->SetDataSource(A);
    B->InternalAddDataSource(C);
    B->SetDataSource(nullptr);
    EXPECT_TRUE(B->GetDataSources().empty());
    EXPECT_TRUE(C->GetLinkedSeries().empty());
    EXPECT_EQ(Ys(*B), std::vector<double>{1});
}

TEST_F(DataSourceTest, DestroyedSourcesLeaveTheirFollowers) {
    auto* Watched = new TComponent(&Form);
    B->SetDataSource(A);
    C->InternalAddDataSource(Watched);
    delete Watched;
    EXPECT_TRUE(C->GetDataSources().empty());
    delete A;
    A = nullptr;
    EXPECT_TRUE(B->GetDataSources().empty());
    // A destroyed follower leaves its source's list.
    C->SetDataSource(B);
    delete C;
    C = nullptr;
    EXPECT_TRUE(B->GetLinkedSeries().empty());
}

TEST_F(DataSourceTest, SourceComponentFillsItsSeriesAndMovesWithIt) {
    auto* Source = new TPointsSource(B);
    Source->SetName("Points");
    Source->Values = {3, 1, 2};
    B->SetDataSource(Source);
    EXPECT_EQ(Source->GetSeries(), B);
    EXPECT_EQ(Ys(*B), (std::vector<double>{3, 1, 2}));
    Source->Values.push_back(9);
    B->CheckDataSource();
    EXPECT_EQ(B->Count(), 4);
    // Taken by C, the source leaves B and, since B owned it, moves into C's ownership.
    C->SetDataSource(Source);
    EXPECT_EQ(Source->GetSeries(), C);
    EXPECT_EQ(Source->GetOwner(), C);
    EXPECT_TRUE(B->GetDataSources().empty());
    EXPECT_EQ(C->Count(), 4);
    // Set from the source's side, and let go.
    Source->SetSeries(A);
    EXPECT_EQ(A->GetDataSource(), Source);
    EXPECT_TRUE(C->GetDataSources().empty());
    Source->SetSeries(nullptr);
    EXPECT_TRUE(A->GetDataSources().empty());
    // A destroyed source leaves its series, a destroyed series its source.
    auto* Free = new TPointsSource(&Form);
    C->SetDataSource(Free);
    delete Free;
    EXPECT_TRUE(C->GetDataSources().empty());
    Free = new TPointsSource(&Form);
    C->SetDataSource(Free);
    delete C;
    C = nullptr;
    EXPECT_EQ(Free->GetSeries(), nullptr);
}

TEST_F(DataSourceTest, LoadedResolvesStoredSourceNames) {
    for (int I = 0; I < 3; ++I) A->AddXY(I, I);
    B->SetDataSourceNames({"A", "Missing", "C"});
    B->Loaded();
    EXPECT_EQ(B->GetDataSources(), (std::vector<TComponent*>{A, C}));
    EXPECT_TRUE(B->GetDataSourceNames().empty());
    EXPECT_EQ(Ys(*B), Ys(*A));
    // A stored cycle is refused like any other.
    A->SetDataSourceNames({"B"});
    EXPECT_EQ(ChartError([&] { A->Loaded(); }), VurMsg_CircularSeries);
    EXPECT_TRUE(A->GetDataSources().empty());
}

TEST_F(DataSourceTest, SampleValuesOnlyWhenAskedFor) {
    TLineSeries* Plain = NewSeries("Plain");
    EXPECT_EQ(Plain->Count(), 0);
    VurDrawSettings().VurRandomAtRunTime = true;
    TLineSeries* Sampled = NewSeries("Sampled");
    ResetVurDrawSettings();
    EXPECT_EQ(Sampled->Count(), Sampled->NumSampleValues());
    Chart->GetSeriesList().FillSampleValues(7);
    for (int I = 0; I < Chart->SeriesCount(); ++I) EXPECT_EQ(Chart->GetSeries(I)->Count(), 7);
    // A series fed by a source keeps its source's points.
    A->Clear();
    A->AddXY(0, 1);
    B->SetDataSource(A);
    VurDrawSettings().VurRandomAtRunTime = true;
    B->CheckDataSource();
    ResetVurDrawSettings();
    EXPECT_EQ(Ys(*B), std::vector<double>{1});
}

} // namespace
} // namespace vur
