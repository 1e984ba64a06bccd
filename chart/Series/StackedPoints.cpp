#include "chart/Series/StackedPoints.h"

#include "chart/DaZezava/AxisPanel.h"
#include "chart/Series/LineSeries.h"

#include <algorithm>
#include <array>
#include <cmath>

namespace vur {

namespace {

// Stacks are worked out this many points at a time, in room on the stack.
constexpr int StackChunk = 256;

} // namespace

TStackedPoints::TStackedPoints(const TCustomSeries& Series) : TValuePoints(Series), FStacked(Series) {}

std::span<const double> TStackedPoints::Values(bool AsX, int From, int Count,
                                               std::span<double> Scratch) const {
    if (AsX == FStacked.GetYMandatory()) return TValuePoints::Values(AsX, From, Count, Scratch);
    for (int Done = 0; Done < Count; Done += StackChunk)
        Stack(From + Done, Scratch.subspan(static_cast<std::size_t>(Done),
                                           static_cast<std::size_t>(std::min(StackChunk, Count - Done))));
    return Scratch.first(static_cast<std::size_t>(Count));
}

void TStackedPoints::Stack(int From, std::span<double> Out) const {
    const TChartValueList* Own = FStacked.GetMandatoryValueList();
    const bool Percent = FStacked.GetStacked() == cssStack100;
    std::array<double, StackChunk> Total{};
    std::fill(Out.begin(), Out.end(), 0.0);
    const TCustomAxisPanel* Chart = FStacked.GetParentChart();
    bool Below = true;
    for (int Index = 0; Chart != nullptr && Index < Chart->SeriesCount(); ++Index) {
        const TChartSeries* Other = Chart->GetSeries(Index);
        if (Other == &FStacked) {
            Below = false;
            continue;
        }
        if (!Other->GetActive() || !FStacked.SameClass(Other) || (!Below && !Percent)) continue;
        const TChartValueList* Values = Other->GetMandatoryValueList();
        const int Shared = std::min(static_cast<int>(Out.size()), Other->Count() - From);
        for (int I = 0; I < Shared; ++I) {
            const double Value = Own->GetValue(From + I);
            const double OtherValue = Values->GetValue(From + I);
            if (Below && (Value >= 0 ? OtherValue > 0 : OtherValue < 0))
                Out[static_cast<std::size_t>(I)] += OtherValue;
            Total[static_cast<std::size_t>(I)] += std::fabs(OtherValue);
        }
    }
    for (std::size_t I = 0; I < Out.size(); ++I) {
        const double Value = Own->GetValue(From + static_cast<int>(I));
        Out[I] += Value;
        if (!Percent) continue;
        Total[I] += std::fabs(Value);
        Out[I] = Total[I] == 0 ? 0 : Out[I] * 100 / Total[I];
    }
}

double TStackedPoints::Extent(bool Maximum) const {
    const TChartValueList* Own = FStacked.GetMandatoryValueList();
    double Result = Maximum ? Own->GetMaxValue() : Own->GetMinValue();
    std::array<double, StackChunk> Stacked{};
    for (int From = 0; From < FStacked.Count(); From += StackChunk) {
        const std::span<double> Out =
            std::span(Stacked).first(static_cast<std::size_t>(std::min(StackChunk, FStacked.Count() - From)));
        Stack(From, Out);
        for (const double Value : Out) Result = Maximum ? std::max(Result, Value) : std::min(Result, Value);
    }
    return Result;
}

} // namespace vur
