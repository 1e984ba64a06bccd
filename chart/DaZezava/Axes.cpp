#include "chart/DaZezava/Axes.h"

#include "chart/DaZezava/AxisPanel.h"

#include <algorithm>

namespace vur {

TChartAxes::TChartAxes(TCustomAxisPanel* AChart) : FChart(AChart) {}

TChartAxes::~TChartAxes() {
    // The chart has freed its custom axes already.
    while (!FStandard.empty()) FStandard.pop_back();
}

void TChartAxes::CreateStandardAxes() {
    const auto Create = [this](bool Horizontal, bool OtherSide) {
        FStandard.push_back(std::make_unique<TChartAxis>(FChart));
        TChartAxis* Axis = FStandard.back().get();
        Axis->SetHorizontal(Horizontal);
        Axis->SetOtherSide(OtherSide);
        return Axis;
    };
    FBottomAxis = Create(true, false);
    FTopAxis = Create(true, true);
    FTopAxis->SetZPosition(100);
    FTopAxis->GetGrid()->InitZPosition(100);
    FLeftAxis = Create(false, false);
    FLeftAxis->GetTitle()->InitAngle(90);
    FRightAxis = Create(false, true);
    FRightAxis->GetTitle()->InitAngle(270);
    FRightAxis->SetZPosition(100);
    FRightAxis->GetGrid()->InitZPosition(100);
    auto Depth = std::make_unique<TChartDepthAxis>(FChart);
    Depth->SetOtherSide(true);
    FDepthAxis = Depth.get();
    FStandard.push_back(std::move(Depth));
    auto DepthTop = std::make_unique<TChartDepthAxis>(FChart);
    FDepthTopAxis = DepthTop.get();
    FStandard.push_back(std::move(DepthTop));
}

int TChartAxes::IndexOf(const TChartAxis* Axis) const {
    const auto It = std::find(FItems.begin(), FItems.end(), Axis);
    return It == FItems.end() ? -1 : static_cast<int>(It - FItems.begin());
}

void TChartAxes::Remove(const TChartAxis* Axis) {
    const auto It = std::find(FItems.begin(), FItems.end(), Axis);
    if (It != FItems.end()) FItems.erase(It);
}

void TChartAxes::Reset() {
    for (TChartAxis* Axis : FItems) Axis->SetAutomatic(true);
}

void TChartAxes::Hide() { FChart->SetAxisVisible(false); }

bool TChartAxes::GetVisible() const { return FChart->GetAxisVisible(); }

void TChartAxes::SetVisible(bool Value) { FChart->SetAxisVisible(Value); }

bool TChartAxes::GetBehind() const { return FChart->GetAxisBehind(); }

void TChartAxes::SetBehind(bool Value) { FChart->SetAxisBehind(Value); }

void TChartAxes::SetFastCalc(bool Value) {
    FFastCalc = Value;
    for (TChartAxis* Axis : FItems) Axis->SetCalcPosValue();
}

void TChartAxes::Clear() {
    FChart->GetCustomAxes()->Clear();
    // The last created goes first, so the list shrinks from its end.
    while (!FStandard.empty()) FStandard.pop_back();
    FBottomAxis = FTopAxis = FLeftAxis = FRightAxis = nullptr;
    FDepthAxis = FDepthTopAxis = nullptr;
    FItems.clear();
}

TChartCustomAxes::~TChartCustomAxes() { Clear(); }

TChartAxis* TChartCustomAxes::Add() {
    FItems.push_back(std::make_unique<TChartAxis>(FChart));
    FChart->Invalidate();
    return FItems.back().get();
}

void TChartCustomAxes::Delete(int Index) {
    CheckIndex(Index, Count());
    FItems.erase(FItems.begin() + Index);
    FChart->Invalidate();
}

void TChartCustomAxes::Clear() {
    while (!FItems.empty()) FItems.pop_back();
}

void TChartCustomAxes::ResetScales(const TChartAxis* Axis) {
    for (const auto& Custom : FItems)
        if (Custom->GetMasterAxis() == Axis) Custom->SetMinMax(Axis->GetMinimum(), Axis->GetMaximum());
}

} // namespace vur
