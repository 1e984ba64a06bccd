// TChartValueList: one column of a series' data, kept in insertion order or
// sorted, with lazily recomputed statistics. TChartValueLists: the columns of
// one series.
#pragma once

#include "framework/Classes.h"
#include "framework/Exceptions.h"

#include <algorithm>
#include <cstdint>
#include <memory>
#include <span>
#include <string>
#include <vector>

namespace vur {

class TChartSeries;

enum TChartListOrder : std::uint8_t { loNone, loAscending, loDescending };

class TChartValueList : public TPersistent {
public:
    // Capacity grows by exactly this many slots whenever the list is full.
    static constexpr int CapacityStep = 1000;

    // Appends itself to the owner's value lists, which own it from then on:
    // create value lists with new.
    TChartValueList(TChartSeries* AOwner, const std::string& AName);
    ~TChartValueList() override;

    std::string ClassName() const override { return "TChartValueList"; }
    // From another value list: Order, DateTime and ValueSource (not values, not Name).
    void Assign(const TPersistent* Source) override;

    // Stores Value as the pending value and inserts it where Order wants it.
    virtual int AddChartValue(double Value);
    // Inserts the pending value where Order wants it, after any equal values.
    int AddChartValue();
    virtual void ClearValues();
    // Inserts at Index whatever the order; the series keeps its lists in step with it.
    virtual void InsertChartValue(int Index, double Value);
    virtual void Delete(int Index);
    void Delete(int Start, int Quantity);

    // Every index argument must name a value (0..count-1; an insertion point
    // may also be count): anything else raises EAssertionFailed and changes nothing.
    double GetValue(int Index) const {
        CheckIndex(Index, FCount);
        return FBlocks[Block(Index)][Slot(Index)];
    }
    void SetValue(int Index, double Value);
    double operator[](int Index) const { return GetValue(Index); }
    // The values stored in one piece with Index: its block, from the block's
    // first index (Index less Index % CapacityStep) to the block's end or the count.
    std::span<const double> BlockOf(int Index) const {
        CheckIndex(Index, FCount);
        const int Start = Index - Slot(Index);
        return {FBlocks[Block(Index)].get(),
                static_cast<std::size_t>(std::min(CapacityStep, FCount - Start))};
    }
    double First() const { return GetValue(0); }
    double Last() const { return GetValue(FCount - 1); }

    int GetCount() const { return FCount; }
    // Refuses a negative count and one beyond the capacity, so every counted
    // slot exists.
    void SetCount(int Value);
    // Slots allocated: always a multiple of CapacityStep.
    int GetCapacity() const { return static_cast<int>(FBlocks.size()) * CapacityStep; }

    // Statistics of the finite values: a value that is not a number or
    // infinite stays stored but is left out (all four are 0 without any).
    double GetMaxValue() const;
    double GetMinValue() const;
    double GetTotal() const;
    double GetTotalABS() const;
    double Range() const;
    // How many values are left out of the statistics.
    int NonFiniteCount() const;
    void RecalcStats() const;
    // Folds the values from StartIndex on into the statistics held (from 0: anew).
    void RecalcStats(int StartIndex) const;

    // First index from FirstIndex to LastIndex holding exactly Value, or -1.
    int Locate(double Value) const;
    int Locate(double Value, int FirstIndex, int LastIndex) const;
    void Exchange(int Index1, int Index2);
    // Rotates the values one place towards the front.
    void Scroll();
    void FillSequence();
    // Sorts the owner's points by this list (nothing when Order is loNone).
    void Sort();
    int CompareValueIndex(int A, int B) const;
    std::string ToString(int Index) const;

    bool GetDateTime() const { return FDateTime; }
    void SetDateTime(bool Value);
    void InitDateTime(bool Value);
    bool IsDateStored() const { return FDateTime != FDefaultDateTime; }
    const std::string& GetName() const { return FName; }
    void SetName(const std::string& Value) { FName = Value; }
    TChartListOrder GetOrder() const { return FOrder; }
    void SetOrder(TChartListOrder Value) { FOrder = Value; }
    double GetPendingValue() const { return FPendingValue; }
    void SetPendingValue(double Value) { FPendingValue = Value; }
    const std::string& GetValueSource() const { return FValueSource; }
    void SetValueSource(const std::string& Value);
    TChartSeries* GetOwner() const { return FOwner; }

    // The obsolete stored "Multiplier": anything but 1 is reported to the user.
    void ReadMultiplier(double Value);

private:
    using TBlock = std::unique_ptr<double[]>;

    static int Block(int Index) { return Index / CapacityStep; }
    static int Slot(int Index) { return Index % CapacityStep; }
    double& At(int Index) { return FBlocks[Block(Index)][Slot(Index)]; }
    void Grow();
    // Copies N values from Src to Dst (as memmove, across blocks).
    void MoveValues(int Dst, int Src, int N);
    void Changed() { FStatsStale = true; }

    bool FDateTime = false;
    mutable double FMaxValue = 0.0;
    mutable double FMinValue = 0.0;
    std::string FName;
    TChartListOrder FOrder = loNone;
    TChartSeries* FOwner;
    double FPendingValue = 0.0;
    mutable double FTotal = 0.0;
    mutable double FTotalABS = 0.0;
    mutable int FNonFinite = 0;
    std::string FValueSource;
    bool FDefaultDateTime = false;
    int FCount = 0;
    // Storage as fixed blocks of CapacityStep values: growing adds one block and
    // never copies the values already stored.
    std::vector<TBlock> FBlocks;
    mutable bool FStatsStale = true;
};

// The value lists of one series, in creation order (X first, then Y). Owns them.
class TChartValueLists {
public:
    int Count() const { return static_cast<int>(FItems.size()); }
    TChartValueList* Get(int Index) const { return FItems[static_cast<std::size_t>(Index)].get(); }
    // Takes ownership.
    void Add(TChartValueList* List) { FItems.emplace_back(List); }
    // Destroys every list.
    void Clear() { FItems.clear(); }

private:
    std::vector<std::unique_ptr<TChartValueList>> FItems;
};

} // namespace vur
