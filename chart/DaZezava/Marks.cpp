#include "chart/DaZezava/Marks.h"

#include "chart/DaZezava/Series.h"

#include <algorithm>

namespace vur {

void TSeriesMarkPosition::Assign(const TSeriesMarkPosition& Source) {
    ArrowStart = Source.ArrowStart;
    ArrowEnd = Source.ArrowEnd;
    MarkLeftTop = Source.MarkLeftTop;
    Width = Source.Width;
    Height = Source.Height;
}

TSeriesMarkPosition* TSeriesMarksPositions::Get(int Index) const {
    if (Index < 0 || Index >= Count()) return nullptr;
    return FItems[static_cast<std::size_t>(Index)].get();
}

void TSeriesMarksPositions::Put(int Index, const TSeriesMarkPosition& Position) {
    if (Count() <= Index) FItems.resize(static_cast<std::size_t>(Index) + 1);
    auto& Item = FItems[static_cast<std::size_t>(Index)];
    if (!Item) Item = std::make_unique<TSeriesMarkPosition>();
    Item->IsCustom = true;
    Item->Assign(Position);
}

void TSeriesMarksPositions::Automatic(int Index) {
    if (TSeriesMarkPosition* Item = Get(Index)) Item->IsCustom = false;
}

bool TSeriesMarksPositions::ExistCustom() const {
    return std::any_of(FItems.begin(), FItems.end(), [](const auto& Item) { return Item && Item->IsCustom; });
}

void TSeriesMarksPositions::Delete(int Index, int Quantity) {
    if (Index < 0 || Index >= Count()) return;
    const int End = std::min(Count(), Index + Quantity);
    FItems.erase(FItems.begin() + Index, FItems.begin() + End);
}

TMarksItem* TMarksItems::Get(int Index) {
    if (Count() <= Index) FItems.resize(static_cast<std::size_t>(Index) + 1);
    auto& Item = FItems[static_cast<std::size_t>(Index)];
    if (!Item) Item = std::make_unique<TMarksItem>();
    return Item.get();
}

TMarksItem* TMarksItems::Find(int Index) const {
    if (Index < 0 || Index >= Count()) return nullptr;
    return FItems[static_cast<std::size_t>(Index)].get();
}

void TMarksItems::Delete(int Index) {
    if (Index < 0 || Index >= Count()) return;
    FItems.erase(FItems.begin() + Index);
}

void TMarksCallout::Assign(const TPersistent* Source) {
    if (const auto* Other = dynamic_cast<const TMarksCallout*>(Source)) FLength = Other->FLength;
    TCallout::Assign(Source);
}

TSeriesMarks::TSeriesMarks(TChartSeries* AOwner) : FSeries(AOwner) {}

TSeriesMarks::~TSeriesMarks() = default;

void TSeriesMarks::Repaint() {
    if (FSeries != nullptr) FSeries->Repaint();
}

void TSeriesMarks::SetVisible(bool Value) {
    if (FVisible == Value) return;
    FVisible = Value;
    Repaint();
}

void TSeriesMarks::SetStyle(TSeriesMarksStyle Value) {
    if (FStyle == Value) return;
    FStyle = Value;
    Repaint();
}

TMarksCallout* TSeriesMarks::GetCallout() {
    if (!FCallout) FCallout = std::make_unique<TMarksCallout>(FSeries);
    return FCallout.get();
}

void TSeriesMarks::Clear() {
    FPositions.Clear();
    if (!FLoadingItems) FItems.Clear();
}

} // namespace vur
