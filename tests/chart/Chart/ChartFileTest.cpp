#include "chart/Chart/ChartFile.h"
#include "chart/Chart/Chart.h"
#include "chart/Functions/MovingAverageFunction.h"
#include "chart/Series/LineSeries.h"
#include "framework/Exceptions.h"
#include "framework/Streams.h"

#include <gtest/gtest.h>

#include <unistd.h>

#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

namespace vur {
namespace {

struct ChartFileTest : ::testing::Test {
    TChart Chart{nullptr};
    TLineSeries* Visits = NewSeries(Chart, "Visits");
    TLineSeries* Smooth = NewSeries(Chart, "Smooth");
    std::string File;

    ChartFileTest() {
        Chart.GetTitle()->SetCaption("Visits per day");
        for (int Day = 0; Day < 8; ++Day) Visits->AddXY(Day * 2, Day * Day, Day == 5 ? "peak" : "");
        Visits->SetValueColor(3, clRed);
        auto* Average = new TMovingAverageFunction(nullptr);
        Average->SetPeriod(3);
        Smooth->SetFunction(Average);
        Smooth->SetDataSource(Visits);
        // A name of its own: test cases and test runs go on side by side.
        const std::string Name = ::testing::UnitTest::GetInstance()->current_test_info()->name();
        File = (std::filesystem::temp_directory_path() /
                ("vur_chartfile_" + Name + "_" + std::to_string(getpid()) + ".vcf"))
                   .string();
    }
    ~ChartFileTest() override { std::filesystem::remove(File); }

    static TLineSeries* NewSeries(TChart& Owner, const char* Name) {
        auto* Series = new TLineSeries(nullptr);
        Series->SetName(Name);
        Series->SetParentChart(&Owner);
        return Series;
    }
    void WriteFile(const std::string& Bytes) const { std::ofstream(File, std::ios::binary) << Bytes; }
    std::string ReadFile() const {
        std::ifstream In(File, std::ios::binary);
        return {std::istreambuf_iterator<char>(In), std::istreambuf_iterator<char>()};
    }
    static void ExpectSamePoints(const TChartSeries& Expected, const TChartSeries& Actual) {
        ASSERT_EQ(Actual.Count(), Expected.Count());
        for (int I = 0; I < Expected.Count(); ++I) {
            EXPECT_EQ(Actual.GetxValue(I), Expected.GetxValue(I)) << I;
            EXPECT_EQ(Actual.GetyValue(I), Expected.GetyValue(I)) << I;
            EXPECT_EQ(Actual.GetXLabel(I), Expected.GetXLabel(I)) << I;
        }
    }
};

TEST_F(ChartFileTest, AChartComesBackWithItsSeriesPointsAndFunction) {
    for (const TChartFileFormat Format : {cffBinary, cffText}) {
        SCOPED_TRACE(Format == cffBinary ? "binary" : "text");
        SaveChartToFile(Chart, File, Format);
        EXPECT_EQ(ReadFile().rfind("TPF0", 0) == 0, Format == cffBinary);
        TChart Loaded(nullptr);
        NewSeries(Loaded, "Stale");
        LoadChartFromFile(Loaded, File);
        EXPECT_EQ(Loaded.GetTitle()->GetCaption(), "Visits per day");
        ASSERT_EQ(Loaded.SeriesCount(), 2);
        TChartSeries* LoadedVisits = Loaded.GetSeries(0);
        TChartSeries* LoadedSmooth = Loaded.GetSeries(1);
        ExpectSamePoints(*Visits, *LoadedVisits);
        EXPECT_EQ(LoadedVisits->GetValueColor(3), clRed);
        ExpectSamePoints(*Smooth, *LoadedSmooth);
        EXPECT_EQ(LoadedSmooth->GetDataSource(), LoadedVisits);
        auto* Function = dynamic_cast<TMovingAverageFunction*>(LoadedSmooth->GetFunction());
        ASSERT_NE(Function, nullptr);
        EXPECT_EQ(Function->GetPeriod(), 3);
        // Saving forced the points out; the chart's own setting is back.
        EXPECT_FALSE(Visits->GetForceSaveData());
        // Still linked: a new source point gives one more average.
        LoadedVisits->AddXY(16, 10);
        ASSERT_EQ(LoadedSmooth->Count(), 7);
        EXPECT_DOUBLE_EQ(LoadedSmooth->GetyValue(6), (36 + 49 + 10) / 3.0);
    }
}

TEST_F(ChartFileTest, ABadFileIsRefused) {
    SaveChartToFile(Chart, File, cffBinary);
    const std::string Good = ReadFile();
    struct Case {
        const char* Name;
        std::string Bytes;
        bool KeepsSeries;
    };
    const Case Cases[] = {
        {"empty", "", true},
        {"plain text", "Visits per day\n1 2 3\n", true},
        {"text cut short", "object Chart: TChart\n  Title.Text.Strings = (\n", true},
        {"binary cut short", Good.substr(0, Good.size() / 2), false},
        {"binary without its end", Good.substr(0, Good.size() - 1), false},
    };
    for (const Case& K : Cases) {
        SCOPED_TRACE(K.Name);
        WriteFile(K.Bytes);
        TChart Target(nullptr);
        TLineSeries* Kept = NewSeries(Target, "Kept");
        Kept->AddXY(1, 1);
        EXPECT_THROW(LoadChartFromFile(Target, File), Exception);
        if (K.KeepsSeries) {
            ASSERT_EQ(Target.SeriesCount(), 1);
            EXPECT_EQ(Target.GetSeries(0), Kept);
            EXPECT_EQ(Kept->Count(), 1);
        } else {
            EXPECT_EQ(Target.SeriesCount(), 0);
        }
    }
    EXPECT_THROW(LoadChartFromFile(Chart, File + ".missing"), EFOpenError);
    EXPECT_EQ(Chart.SeriesCount(), 2);
}

} // namespace
} // namespace vur
