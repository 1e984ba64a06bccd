#include "chart/Chart/Palettes.h"
#include "chart/Chart/SeriesTypes.h"
#include "chart/ChartTestSupport.h"
#include "chart/Series/LineSeries.h"
#include "framework/Exceptions.h"

#include <gtest/gtest.h>

#include <functional>
#include <vector>

namespace vur {
namespace {

using test::TCountingChart;
using test::TRecordingListener;

struct SeriesListTest : ::testing::Test {
    TComponent Form{nullptr};
    TCountingChart* Chart = new TCountingChart(&Form);
    TRecordingListener Listener;

    void SetUp() override { Chart->Listeners().Add(&Listener); }
    void TearDown() override {
        Chart->Listeners().Remove(&Listener);
        SetDefaultColorPalette();
    }
    TLineSeries* NewSeries() { return new TLineSeries(&Form); }
    TLineSeries* Attached() {
        TLineSeries* Series = NewSeries();
        Chart->AddSeries(Series);
        return Series;
    }
    std::vector<TColor> Colors() const {
        std::vector<TColor> Result;
        for (int I = 0; I < Chart->SeriesCount(); ++I)
            Result.push_back(Chart->GetSeries(I)->GetSeriesColor());
        return Result;
    }
};

TEST_F(SeriesListTest, AutomaticSeriesTakeTheFirstFreePaletteColours) {
    Attached();
    Attached();
    Attached();
    EXPECT_EQ(Colors(), (std::vector<TColor>{0x0000FF, 0x008000, 0x00FFFF}));
    // The colour stays automatic: it is not stored.
    EXPECT_FALSE(Chart->GetSeries(0)->IsColorStored());
}

TEST_F(SeriesListTest, AnExplicitColourIsSkipped) {
    TLineSeries* First = NewSeries();
    First->SetSeriesColor(0x008000);
    Chart->AddSeries(First);
    Attached();
    Attached();
    EXPECT_EQ(Colors(), (std::vector<TColor>{0x008000, 0x0000FF, 0x00FFFF}));
}

TEST_F(SeriesListTest, ThePanelColourIsSkipped) {
    Chart->SetColor(0x0000FF);
    Attached();
    EXPECT_EQ(Colors(), (std::vector<TColor>{0x008000}));
}

// Silver (entry 13) is the back wall's colour, so nineteen colours are free
// and the twentieth series repeats the last one.
TEST_F(SeriesListTest, TwentiethSeriesSharesTheLastColour) {
    for (int I = 0; I < 20; ++I) Attached();
    const std::vector<TColor> Got = Colors();
    EXPECT_EQ(std::count(Got.begin(), Got.end(), TColor{0xC0C0C0}), 0);
    EXPECT_EQ(Got[18], 0xA4A0A0u);
    EXPECT_EQ(Got[19], 0xA4A0A0u);
    EXPECT_EQ(Got[13], 0xFFFF00u);
}

TEST_F(SeriesListTest, ApplyPaletteRecoloursAutomaticSeriesOnly) {
    Attached();
    Attached();
    TLineSeries* Fixed = NewSeries();
    Fixed->SetSeriesColor(0x123456);
    Chart->AddSeries(Fixed);
    Attached();
    Chart->Invalidates = 0;
    ColorPalettes().ApplyPalette(Chart, 4);
    EXPECT_EQ(Colors(), (std::vector<TColor>{0xFF0000, 0x0000FF, 0x123456, 0x00FF00}));
    EXPECT_EQ(Chart->GetColorPaletteIndex(), 4);
    EXPECT_EQ(Chart->Invalidates, 1);
    EXPECT_EQ(Chart->GetDefaultColor(8), 0xFF0000u);
    // Back to the default palette, in list order: the first series cannot
    // have red while the second still holds it, so it takes green.
    ColorPalettes().ApplyPalette(Chart, 0);
    EXPECT_EQ(Colors(), (std::vector<TColor>{0x008000, 0x0000FF, 0x123456, 0x00FFFF}));
    EXPECT_FALSE(Chart->GetChartPalette().has_value());
    EXPECT_EQ(Chart->GetColorPaletteIndex(), 0);
}

TEST_F(SeriesListTest, StoredPaletteIndexAppliesThePalette) {
    Attached();
    Chart->ReadColorPaletteIndex(5);
    EXPECT_EQ(Colors(), (std::vector<TColor>{0xFF0000}));
    EXPECT_EQ(Chart->GetChartPalette()->size(), 12u);
}

TEST_F(SeriesListTest, PalettesAreNamedInOrder) {
    const TColorPalettes& Palettes = ColorPalettes();
    ASSERT_EQ(Palettes.Count(), 10);
    EXPECT_EQ(Palettes.Name(0), "Plotwise");
    EXPECT_EQ(Palettes.Name(9), "Win. XP");
    const std::vector<std::size_t> Sizes{0, 22, 11, 14, 8, 12, 9, 14, 25, 13};
    for (int I = 0; I < 10; ++I) EXPECT_EQ(Palettes.Colors(I).size(), Sizes[static_cast<std::size_t>(I)]);
    EXPECT_EQ(Palettes.Colors(8).back(), 0xFF00CCu);
}

TEST_F(SeriesListTest, DefaultPaletteCanBeReplacedAndRestored) {
    EXPECT_EQ(GetDefaultColor(20), 0x0000FFu);
    EXPECT_EQ(GetDefaultColor(-1), 0xA4A0A0u);
    SetDefaultColorPalette({0x111111, 0x222222});
    EXPECT_EQ(GetDefaultColor(3), 0x222222u);
    Attached();
    EXPECT_EQ(Colors(), (std::vector<TColor>{0x111111}));
    SetDefaultColorPalette({0x333333});
    EXPECT_EQ(DefaultPalette(), StandardPalette());
    SetDefaultColorPalette({0x111111, 0x222222});
    SetDefaultColorPalette();
    EXPECT_EQ(DefaultPalette().size(), 20u);
}

TEST_F(SeriesListTest, AttachingAnnouncesColourThenAddition) {
    TLineSeries* Series = Attached();
    EXPECT_EQ(Listener.Events, (std::vector<TChartSeriesEvent>{seChangeColor, seAdd}));
    EXPECT_EQ(Listener.Series.back(), Series);
    EXPECT_EQ(Listener.Senders.back(), Chart);
    // Adding again does nothing.
    Chart->InternalAddSeries(Series);
    EXPECT_EQ(Chart->SeriesCount(), 1);
    EXPECT_EQ(Listener.Events.size(), 2u);
}

TEST_F(SeriesListTest, MovingASeriesToAnotherChart) {
    TLineSeries* Series = Attached();
    TChart* Other = new TChart(&Form);
    Series->SetParentChart(Other);
    EXPECT_EQ(Chart->SeriesCount(), 0);
    EXPECT_EQ(Other->SeriesCount(), 1);
    EXPECT_EQ(Series->GetMarks()->GetParentChart(), Other);
    EXPECT_EQ(Listener.Events.back(), seRemove);
}

TEST_F(SeriesListTest, ExchangeUpAndDown) {
    TLineSeries* A = Attached();
    TLineSeries* B = Attached();
    TLineSeries* C = Attached();
    TSeriesGroup* Group = Chart->GetSeriesList().AddGroup("Pair");
    Group->Series.Add(A);
    Group->Series.Add(C);
    Listener.Events.clear();
    Chart->SeriesUp(A);
    Chart->SeriesDown(C);
    EXPECT_TRUE(Listener.Events.empty());
    Chart->ExchangeSeries(A, C);
    EXPECT_EQ(Chart->GetSeries(0), C);
    EXPECT_EQ(Chart->GetSeries(2), A);
    EXPECT_EQ(Group->Series.Get(0), C);
    EXPECT_EQ(Listener.Events, (std::vector<TChartSeriesEvent>{seSwap}));
    EXPECT_EQ(Listener.Series.back(), nullptr);
    Chart->SeriesDown(C);
    EXPECT_EQ(Chart->GetSeries(1), C);
    EXPECT_EQ(Chart->GetSeries(0), B);
    Chart->SeriesUp(C);
    EXPECT_EQ(Chart->GetSeries(0), C);
}

// The owner's component order is the order a saved form stores, so an
// exchange must show there too; a series owned elsewhere keeps its place.
TEST_F(SeriesListTest, ExchangeSwapsTheOwnersComponentOrder) {
    TLineSeries* A = Attached();
    TLineSeries* B = Attached();
    TLineSeries* C = Attached();
    const auto Order = [&] {
        std::vector<TComponent*> Result;
        for (int I = 0; I < Form.ComponentCount(); ++I) Result.push_back(Form.Components(I));
        return Result;
    };
    Chart->ExchangeSeries(0, 2);
    EXPECT_EQ(Order(), (std::vector<TComponent*>{Chart, C, B, A}));
    Chart->SeriesUp(B);
    EXPECT_EQ(Order(), (std::vector<TComponent*>{Chart, B, C, A}));

    TComponent Elsewhere{nullptr};
    auto* D = new TLineSeries(&Elsewhere);
    Chart->AddSeries(D);
    Chart->ExchangeSeries(A, D);
    EXPECT_EQ(Chart->GetSeries(3), A);
    EXPECT_EQ(Order(), (std::vector<TComponent*>{Chart, B, C, A}));
}

TEST_F(SeriesListTest, SeriesIndexesOutsideTheListAreRefused) {
    TLineSeries* A = Attached();
    Attached();
    for (const auto& Call : std::vector<std::function<void()>>{
             [&] { Chart->GetSeries(2); }, [&] { Chart->GetSeries(-1); },
             [&] { Chart->ExchangeSeries(0, 2); }, [&] { Chart->ExchangeSeries(-1, 1); },
             [&] { Chart->RemoveSeries(2); }})
        EXPECT_THROW(Call(), EAssertionFailed);
    EXPECT_EQ(Chart->SeriesCount(), 2);
    EXPECT_EQ(Chart->GetSeries(0), A);
}

TEST_F(SeriesListTest, RemoveAllSeriesKeepsThemAliveWithTheirPoints) {
    TLineSeries* A = Attached();
    TLineSeries* B = Attached();
    A->AddXY(1, 2);
    TSeriesGroup* Group = Chart->GetSeriesList().AddGroup("All");
    Group->Series.Add(A);
    Chart->RemoveAllSeries();
    EXPECT_EQ(Chart->SeriesCount(), 0);
    EXPECT_EQ(A->GetParentChart(), nullptr);
    EXPECT_EQ(B->GetParentChart(), nullptr);
    EXPECT_EQ(A->Count(), 1);
    EXPECT_EQ(Group->Series.Count(), 0);
    EXPECT_EQ(Form.ComponentCount(), 3);
    // Removing what is not there does nothing.
    Chart->RemoveSeries(A);
    Chart->RemoveSeries(-1);
    EXPECT_EQ(Listener.CountOf(seRemove), 2);
}

TEST_F(SeriesListTest, FreeAllSeriesOfAClass) {
    Attached();
    Chart->AddSeries(new TChartSeries(&Form));
    Attached();
    Chart->FreeAllSeries(SeriesClassOf<TLineSeries>());
    ASSERT_EQ(Chart->SeriesCount(), 1);
    EXPECT_EQ(Chart->GetSeries(0)->ClassName(), "TChartSeries");
    Chart->FreeAllSeries();
    EXPECT_EQ(Chart->SeriesCount(), 0);
    EXPECT_EQ(Form.ComponentCount(), 1);
}

TEST_F(SeriesListTest, AddSeriesByClassIsOwnedByTheChartsOwner) {
    TChartSeries* Series = Chart->AddSeries(SeriesClassOf<TLineSeries>());
    EXPECT_EQ(Series->ClassName(), "TLineSeries");
    EXPECT_EQ(Series->GetOwner(), &Form);
    EXPECT_EQ(Series->GetParentChart(), Chart);
}

TEST_F(SeriesListTest, AllActiveAndClearValues) {
    EXPECT_TRUE(Chart->GetSeriesList().GetAllActive());
    TLineSeries* A = Attached();
    TLineSeries* B = Attached();
    A->Add(1);
    B->Add(2);
    B->SetActive(false);
    EXPECT_FALSE(Chart->GetSeriesList().GetAllActive());
    EXPECT_EQ(Listener.CountOf(seChangeActive), 1);
    Chart->GetSeriesList().SetAllActive(true);
    EXPECT_TRUE(Chart->GetSeriesList().GetAllActive());
    Chart->GetSeriesList().ClearValues();
    EXPECT_EQ(A->Count() + B->Count(), 0);
}

TEST_F(SeriesListTest, TitleAndColourChangesAreAnnounced) {
    TLineSeries* A = Attached();
    Listener.Events.clear();
    A->SetTitle("Temperature");
    A->SetTitle("Temperature");
    A->SetSeriesColor(clBlue);
    EXPECT_EQ(Listener.Events, (std::vector<TChartSeriesEvent>{seChangeTitle, seChangeColor}));
    EXPECT_TRUE(A->IsColorStored());
    // Once stored, setting the colour announces it even without a change,
    // but repaints only on a change.
    Chart->Invalidates = 0;
    A->SetSeriesColor(clBlue);
    EXPECT_EQ(Listener.CountOf(seChangeColor), 2);
    EXPECT_EQ(Chart->Invalidates, 0);
}

TEST(EventListeners, RegisterOnceAndRemoveByIndex) {
    TVurEventListeners List;
    TRecordingListener A, B;
    EXPECT_EQ(List.Add(&A), 0);
    EXPECT_EQ(List.Add(&B), 1);
    EXPECT_EQ(List.Add(&A), 0);
    EXPECT_EQ(List.Count(), 2);
    EXPECT_EQ(List.Remove(&A), 0);
    EXPECT_EQ(List.Remove(&A), -1);
    EXPECT_EQ(List.Get(0), &B);
}

TEST(PanelRepaint, ViewSwitchIsAnnouncedAndSettersCompare) {
    TCountingChart Chart(nullptr);
    EXPECT_EQ(Chart.GetWidth(), 400);
    EXPECT_EQ(Chart.GetHeight(), 250);
    EXPECT_TRUE(Chart.GetAutoRepaint());
    int Value = 3;
    Chart.Invalidates = 0;
    Chart.SetIntegerProperty(Value, 3);
    EXPECT_EQ(Chart.Invalidates, 0);
    Chart.SetIntegerProperty(Value, 4);
    Chart.GetBackWall()->SetColor(clSilver);
    EXPECT_EQ(Chart.Invalidates, 1);
    EXPECT_FALSE(Chart.GetBackWall()->IsColorStored());
    Chart.SetView3D(false);
    EXPECT_FALSE(Chart.GetView3D());
    EXPECT_EQ(Chart.Invalidates, 2);
}

TEST(SeriesTypes, RegistryFindsBuiltInAndRegisteredClasses) {
    ASSERT_NE(VurSeriesTypes().Find(SeriesClassOf<TLineSeries>()), nullptr);
    EXPECT_EQ(VurSeriesTypes().Find(SeriesClassOf<TLineSeries>())->Description, "Line");
    EXPECT_EQ(VurSeriesTypes().Find(SeriesClassOf<TChartSeries>()), nullptr);
    VurSeriesTypes().Register(SeriesClassOf<TChartSeries>(), "Base", "Other", 2);
    EXPECT_EQ(VurSeriesTypes().Find(SeriesClassOf<TChartSeries>())->NumGallerySeries, 2);
    ResetVurSeriesTypes();
    EXPECT_EQ(VurSeriesTypes().Count(), 1);
}

} // namespace
} // namespace vur
