#include "chart/ChartTestSupport.h"
#include "chart/Functions/SumFunction.h"
#include "chart/Series/LineSeries.h"
#include "framework/Exceptions.h"
#include "framework/Reader.h"
#include "framework/Streams.h"
#include "framework/Writer.h"

#include <gtest/gtest.h>

#include <cmath>
#include <cstring>
#include <string>
#include <vector>

namespace vur {
namespace {

struct SeriesDataTest : ::testing::Test {
    TComponent Form{nullptr};
    TChart* Chart = new TChart(&Form);
    TLineSeries* Series = NewSeries();

    TLineSeries* NewSeries() {
        auto* S = new TLineSeries(&Form);
        S->SetParentChart(Chart);
        return S;
    }
    static std::vector<std::uint8_t> Written(TChartSeries& S) {
        TMemoryStream Stream;
        S.WriteData(Stream);
        return Stream.Data();
    }
    static void Read(TChartSeries& S, const std::vector<std::uint8_t>& Bytes) {
        TCustomMemoryStream Stream(Bytes);
        S.ReadData(Stream);
    }
};

TEST_F(SeriesDataTest, SequentialPositionsAreNotStoredAndReadBackAsIndexes) {
    for (int I = 0; I < 3; ++I) Series->Add(I * 1.5);
    const std::vector<std::uint8_t> Bytes = Written(*Series);
    // Flags, count, then three bare values.
    ASSERT_EQ(Bytes.size(), 1u + 4 + 3 * 8);
    EXPECT_EQ(Bytes[0], 0);
    EXPECT_EQ(Bytes[1], 3);
    double Second = 0;
    std::memcpy(&Second, Bytes.data() + 5 + 8, 8);
    EXPECT_EQ(Second, 1.5);
    TLineSeries* Copy = NewSeries();
    Read(*Copy, Bytes);
    ASSERT_EQ(Copy->Count(), 3);
    for (int I = 0; I < 3; ++I) {
        EXPECT_EQ(Copy->GetxValue(I), I);
        EXPECT_EQ(Copy->GetyValue(I), I * 1.5);
    }
    EXPECT_TRUE(Copy->GetDataLoaded());
}

// Every point is looked at: late labels, colours and positions are kept.
TEST_F(SeriesDataTest, LatePointsDecideTheFlagsToo) {
    struct Case {
        const char* Name;
        int Index;
        std::uint8_t Flag;
    };
    const Case Cases[] = {
        {"label at 150", 150, 4}, {"colour at 20,000", 20000, 2}, {"position at 30,000", 30000, 1}};
    for (const Case& K : Cases) {
        SCOPED_TRACE(K.Name);
        Series->Clear();
        for (int I = 0; I <= 30000; ++I) Series->AddXY(I == K.Index && K.Flag == 1 ? I + 0.5 : I, I % 7);
        if (K.Flag == 4) Series->SetXLabel(K.Index, "late");
        if (K.Flag == 2) Series->SetValueColor(K.Index, clBlue);
        const std::vector<std::uint8_t> Bytes = Written(*Series);
        EXPECT_EQ(Bytes[0], K.Flag);
        TLineSeries* Copy = NewSeries();
        Read(*Copy, Bytes);
        ASSERT_EQ(Copy->Count(), 30001);
        EXPECT_EQ(Copy->GetxValue(K.Index), Series->GetxValue(K.Index));
        EXPECT_EQ(Copy->GetXLabel(K.Index), Series->GetXLabel(K.Index));
        if (K.Flag == 2) {
            EXPECT_EQ(Copy->GetValueColor(K.Index), clBlue);
        }
        EXPECT_EQ(Copy->GetyValue(29999), Series->GetyValue(29999));
        delete Copy;
    }
}

TEST_F(SeriesDataTest, NegativeZeroPositionKeepsItsSign) {
    Series->AddXY(-0.0, 1);
    Series->AddXY(1, 2);
    const std::vector<std::uint8_t> Bytes = Written(*Series);
    EXPECT_EQ(Bytes[0], 1);
    TLineSeries* Copy = NewSeries();
    Read(*Copy, Bytes);
    ASSERT_EQ(Copy->Count(), 2);
    EXPECT_TRUE(std::signbit(Copy->GetxValue(0)));
}

TEST_F(SeriesDataTest, ColoursLabelsFurtherListsAndPlacementsSurvive) {
    auto* Extra = new TChartValueList(Series, "Extra");
    for (int I = 0; I < 3; ++I) {
        Extra->SetPendingValue(100 + I);
        Series->AddXY(I * 2, I, I == 1 ? "one" : "", I == 2 ? clNone : clDefault);
    }
    // The series' own colour is not a colour of the point's own.
    Series->SetValueColor(0, Series->GetSeriesColor());
    TSeriesMarkPosition Placement;
    Placement.ArrowStart = TPoint{1, 2};
    Placement.ArrowEnd = TPoint{3, -4};
    Placement.Height = 5;
    Placement.MarkLeftTop = TPoint{6, 7};
    Placement.Width = 8;
    Series->GetMarks()->Positions().Put(1, Placement);
    Series->GetMarks()->Positions().Get(1)->FixArrowStart = true;
    const std::vector<std::uint8_t> Bytes = Written(*Series);
    EXPECT_EQ(Bytes[0], 1 | 2 | 4 | 8);
    // Per point: position, value, colour, label, one further value, placement.
    EXPECT_EQ(Bytes.size(), 5u + 3 * (8 + 8 + 4 + 1 + 8 + 34) + 3);

    TLineSeries* Copy = NewSeries();
    new TChartValueList(Copy, "Extra");
    Read(*Copy, Bytes);
    ASSERT_EQ(Copy->Count(), 3);
    for (int I = 0; I < 3; ++I) {
        EXPECT_EQ(Copy->GetxValue(I), I * 2);
        EXPECT_EQ(Copy->GetValueLists().Get(2)->GetValue(I), 100 + I);
        EXPECT_EQ(Copy->GetXLabel(I), Series->GetXLabel(I));
    }
    EXPECT_TRUE(Copy->IsNull(2));
    EXPECT_FALSE(Copy->IsNull(0));
    const TSeriesMarkPosition* Back = Copy->GetMarks()->Positions().Get(1);
    ASSERT_NE(Back, nullptr);
    EXPECT_TRUE(Back->IsCustom);
    EXPECT_TRUE(Back->FixArrowStart);
    EXPECT_EQ(Back->ArrowEnd.Y, -4);
    EXPECT_EQ(Back->Bounds(), Placement.Bounds());
    // Points without a placement were stored as empty automatic ones.
    ASSERT_NE(Copy->GetMarks()->Positions().Get(0), nullptr);
    EXPECT_FALSE(Copy->GetMarks()->Positions().Get(0)->IsCustom);
    EXPECT_EQ(Written(*Copy), Bytes);
}

TEST_F(SeriesDataTest, ShortOrInconsistentDataIsRefusedAndLeavesTheSeriesEmpty) {
    Series->AddXY(0, 1, "a");
    Series->AddXY(5, 2, "bb");
    const std::vector<std::uint8_t> Good = Written(*Series);
    std::vector<std::vector<std::uint8_t>> Bad;
    for (std::size_t Length = 0; Length < Good.size(); ++Length)
        Bad.emplace_back(Good.begin(), Good.begin() + static_cast<std::ptrdiff_t>(Length));
    const auto WithCount = [&](std::int32_t Count) {
        std::vector<std::uint8_t> Bytes = Good;
        std::memcpy(Bytes.data() + 1, &Count, 4);
        return Bytes;
    };
    Bad.push_back(WithCount(0x7FFFFFFF));
    Bad.push_back(WithCount(-1));
    Bad.push_back(WithCount(3));
    std::vector<std::uint8_t> LongLabel = Good;
    LongLabel[5 + 8 + 8] = 200; // the first label's length
    Bad.push_back(LongLabel);
    TLineSeries* Copy = NewSeries();
    for (const auto& Bytes : Bad) {
        SCOPED_TRACE(Bytes.size());
        Copy->AddXY(9, 9);
        EXPECT_THROW(Read(*Copy, Bytes), EReadError);
        EXPECT_EQ(Copy->Count(), 0);
        EXPECT_EQ(Copy->Labels().Count(), 0);
        EXPECT_EQ(Copy->GetUpdateCount(), 0);
    }
}

TEST_F(SeriesDataTest, StoredWhenForcedOrLoaded) {
    EXPECT_FALSE(Series->IsDataStored());
    Series->SetForceSaveData(true);
    EXPECT_TRUE(Series->IsDataStored());
    Series->SetForceSaveData(false);
    Read(*Series, Written(*Series));
    EXPECT_TRUE(Series->IsDataStored());
    Series->SetDontSaveData(true);
    EXPECT_FALSE(Series->IsDataStored());
    Series->SetDontSaveData(false);
    TLineSeries* Source = NewSeries();
    Series->SetDataSource(Source);
    EXPECT_FALSE(Series->IsDataStored());
}

// A chart written by the stream writer comes back with its points and links.
TEST_F(SeriesDataTest, ChartStreamCarriesPointsAndSources) {
    TChart Original(nullptr);
    auto* A = new TLineSeries(nullptr);
    A->SetName("A");
    A->SetParentChart(&Original);
    A->SetForceSaveData(true);
    A->SetIdentifier("temperature");
    for (int I = 0; I < 4; ++I) A->AddXY(I, I * I, I == 2 ? "two" : "");
    auto* B = new TLineSeries(nullptr);
    B->SetName("B");
    B->SetParentChart(&Original);
    B->SetDataSource(A);
    auto* Total = new TLineSeries(nullptr);
    Total->SetName("Total");
    Total->SetParentChart(&Original);
    Total->SetDataSource(A);
    Total->InternalAddDataSource(B);
    TMemoryStream Stream;
    WriteComponentToStream(Stream, Original);

    TChart Loaded(nullptr);
    Stream.SetPosition(0);
    ReadComponentFromStream(Stream, Loaded);
    ASSERT_EQ(Loaded.SeriesCount(), 3);
    TChartSeries* LoadedA = Loaded.GetSeries(0);
    ASSERT_EQ(LoadedA->Count(), 4);
    EXPECT_EQ(LoadedA->GetyValue(3), 9);
    EXPECT_EQ(LoadedA->GetXLabel(2), "two");
    EXPECT_EQ(LoadedA->GetIdentifier(), "temperature");
    EXPECT_EQ(Loaded.GetSeries(1)->GetDataSource(), LoadedA);
    EXPECT_EQ(Loaded.GetSeries(1)->Count(), 4);
    EXPECT_EQ(Loaded.GetSeries(2)->GetDataSources(),
              (std::vector<TComponent*>{LoadedA, Loaded.GetSeries(1)}));
    // The follower follows again.
    LoadedA->AddXY(4, 16);
    EXPECT_EQ(Loaded.GetSeries(1)->Count(), 5);
}

} // namespace
} // namespace vur
