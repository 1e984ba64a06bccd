#include "chart/DaZezava/ValueList.h"

#include "chart/DaZezava/Series.h"
#include "chart/VurConst.h"
#include "chart/VurProcs/Sort.h"
#include "format/GeneralNumber.h"
#include "framework/Dialogs.h"
#include "framework/Exceptions.h"

#include <algorithm>
#include <cmath>
#include <cstring>

namespace vur {

TChartValueList::TChartValueList(TChartSeries* AOwner, const std::string& AName)
    : FName(AName), FOwner(AOwner) {
    FOwner->GetValueLists().Add(this);
}

TChartValueList::~TChartValueList() = default;

void TChartValueList::Assign(const TPersistent* Source) {
    if (const auto* List = dynamic_cast<const TChartValueList*>(Source)) {
        FOrder = List->FOrder;
        FDateTime = List->FDateTime;
        FValueSource = List->FValueSource;
        return;
    }
    TPersistent::Assign(Source);
}

int TChartValueList::AddChartValue(double Value) {
    FPendingValue = Value;
    return AddChartValue();
}

int TChartValueList::AddChartValue() {
    int Index = FCount;
    if (FOrder == loAscending && FCount > 0 && FPendingValue < Last()) {
        Index = FCount - 1;
        while (Index >= 0 && GetValue(Index) > FPendingValue) --Index;
        ++Index;
    } else if (FOrder == loDescending && FCount > 0 && FPendingValue > Last()) {
        Index = FCount - 1;
        while (Index >= 0 && GetValue(Index) < FPendingValue) --Index;
        ++Index;
    }
    if (FCount == GetCapacity()) Grow();
    MoveValues(Index + 1, Index, FCount - Index);
    At(Index) = FPendingValue;
    ++FCount;
    Changed();
    return Index;
}

void TChartValueList::ClearValues() {
    FCount = 0;
    FBlocks.clear();
    FBlocks.shrink_to_fit();
    Changed();
}

void TChartValueList::InsertChartValue(int Index, double Value) {
    CheckIndex(Index, FCount + 1);
    if (FCount == GetCapacity()) Grow();
    MoveValues(Index + 1, Index, FCount - Index);
    At(Index) = Value;
    ++FCount;
    Changed();
}

void TChartValueList::Delete(int Index) {
    CheckIndex(Index, FCount);
    --FCount;
    MoveValues(Index, Index + 1, FCount - Index);
    Changed();
}

void TChartValueList::Delete(int Start, int Quantity) {
    VUR_ASSERT(Start >= 0 && Quantity >= 0, "");
    // Compared without forming Start + Quantity, which may not fit an int.
    VUR_ASSERT(Quantity <= FCount - Start, VurMsg_DeleteLessThanCount);
    FCount -= Quantity;
    MoveValues(Start, Start + Quantity, FCount - Start);
    Changed();
}

void TChartValueList::SetValue(int Index, double Value) {
    CheckIndex(Index, FCount);
    At(Index) = Value;
    Changed();
    FOwner->NotifyValue(veModify, Index);
}

void TChartValueList::SetCount(int Value) {
    VUR_ASSERT(Value >= 0, VurMsg_ValueListCountNegative);
    VUR_ASSERT(Value <= GetCapacity(), VurFormat(VurMsg_ValueListCountLength, Value, GetCapacity()));
    FCount = Value;
    Changed();
}

void TChartValueList::Grow() { FBlocks.push_back(std::make_unique_for_overwrite<double[]>(CapacityStep)); }

void TChartValueList::MoveValues(int Dst, int Src, int N) {
    if (N <= 0 || Dst == Src) return;
    // Each step moves the longest run that stays inside one block at both ends.
    if (Dst < Src) {
        while (N > 0) {
            const int Run = std::min({N, CapacityStep - Slot(Src), CapacityStep - Slot(Dst)});
            std::memmove(&At(Dst), &At(Src), static_cast<std::size_t>(Run) * sizeof(double));
            Src += Run;
            Dst += Run;
            N -= Run;
        }
    } else {
        while (N > 0) {
            const int SrcEnd = Src + N;
            const int DstEnd = Dst + N;
            const int Run = std::min({N, Slot(SrcEnd - 1) + 1, Slot(DstEnd - 1) + 1});
            std::memmove(&At(DstEnd - Run), &At(SrcEnd - Run),
                         static_cast<std::size_t>(Run) * sizeof(double));
            N -= Run;
        }
    }
}

double TChartValueList::GetMaxValue() const {
    if (FStatsStale) RecalcStats();
    return FMaxValue;
}

double TChartValueList::GetMinValue() const {
    if (FStatsStale) RecalcStats();
    return FMinValue;
}

double TChartValueList::GetTotal() const {
    if (FStatsStale) RecalcStats();
    return FTotal;
}

double TChartValueList::GetTotalABS() const {
    if (FStatsStale) RecalcStats();
    return FTotalABS;
}

double TChartValueList::Range() const {
    if (FStatsStale) RecalcStats();
    return FMaxValue - FMinValue;
}

void TChartValueList::RecalcStats() const { RecalcStats(0); }

void TChartValueList::RecalcStats(int StartIndex) const {
    CheckIndex(StartIndex, FCount + 1);
    int Index = StartIndex;
    if (StartIndex == 0) {
        FMinValue = FMaxValue = FTotal = FTotalABS = 0.0;
        FNonFinite = 0;
        // The first finite value starts the extremes.
        while (Index < FCount && !std::isfinite(GetValue(Index))) {
            ++FNonFinite;
            ++Index;
        }
        if (Index < FCount) {
            FMinValue = FMaxValue = FTotal = GetValue(Index);
            FTotalABS = std::fabs(FTotal);
            ++Index;
        }
    } else if (FNonFinite == StartIndex) {
        // Nothing finite before StartIndex: the extremes are not taken yet.
        RecalcStats(0);
        return;
    }
    // Block by block: the hot loop then reads one plain array.
    while (Index < FCount) {
        const double* Values = FBlocks[Block(Index)].get();
        const int End = std::min(FCount, (Block(Index) + 1) * CapacityStep);
        for (int Slot0 = Slot(Index), N = End - Index; N > 0; --N, ++Slot0) {
            const double V = Values[Slot0];
            if (!std::isfinite(V)) [[unlikely]] {
                ++FNonFinite;
                continue;
            }
            if (V < FMinValue)
                FMinValue = V;
            else if (V > FMaxValue)
                FMaxValue = V;
            FTotal += V;
            FTotalABS += std::fabs(V);
        }
        Index = End;
    }
    FStatsStale = false;
}

int TChartValueList::NonFiniteCount() const {
    if (FStatsStale) RecalcStats();
    return FNonFinite;
}

int TChartValueList::Locate(double Value) const { return Locate(Value, 0, FCount - 1); }

int TChartValueList::Locate(double Value, int FirstIndex, int LastIndex) const {
    if (LastIndex < FirstIndex) return -1;
    CheckIndex(FirstIndex, FCount);
    CheckIndex(LastIndex, FCount);
    for (int Index = FirstIndex; Index <= LastIndex; ++Index)
        if (GetValue(Index) == Value) return Index;
    return -1;
}

void TChartValueList::Exchange(int Index1, int Index2) {
    CheckIndex(Index1, FCount);
    CheckIndex(Index2, FCount);
    std::swap(At(Index1), At(Index2));
    Changed();
    FOwner->NotifyValue(veModify, Index1);
}

void TChartValueList::Scroll() {
    if (FCount == 0) return;
    const double FirstValue = First();
    MoveValues(0, 1, FCount - 1);
    At(FCount - 1) = FirstValue;
}

void TChartValueList::FillSequence() {
    for (int Index = 0; Index < FCount; ++Index) At(Index) = Index;
    Changed();
    FOwner->NotifyValue(veModify, 0);
}

int TChartValueList::CompareValueIndex(int A, int B) const {
    const double ValueA = GetValue(A);
    const double ValueB = GetValue(B);
    const int Result = ValueA < ValueB ? -1 : (ValueA > ValueB ? 1 : 0);
    return FOrder == loDescending ? -Result : Result;
}

void TChartValueList::Sort() {
    if (FOrder == loNone) return;
    VurSort(
        0, FCount - 1, [this](int A, int B) { return CompareValueIndex(A, B); },
        [this](int A, int B) { FOwner->SwapValueIndex(A, B); });
}

std::string TChartValueList::ToString(int Index) const { return GeneralNumberText(GetValue(Index)); }

void TChartValueList::SetDateTime(bool Value) { FOwner->SetBooleanProperty(FDateTime, Value); }

void TChartValueList::InitDateTime(bool Value) {
    FDateTime = Value;
    FDefaultDateTime = Value;
}

void TChartValueList::SetValueSource(const std::string& Value) {
    if (FValueSource == Value) return;
    FValueSource = Value;
    FOwner->CheckDataSource();
}

void TChartValueList::ReadMultiplier(double Value) {
    if (Value != 1.0) ShowMessage(VurMsg_ObsoleteMultiplier);
}

} // namespace vur
