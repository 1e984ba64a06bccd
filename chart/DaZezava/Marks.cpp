#include "chart/DaZezava/Marks.h"

#include "chart/DaZezava/AxisPanel.h"
#include "chart/DaZezava/Series.h"
#include "chart/VurConst.h"
#include "framework/Exceptions.h"

#include <algorithm>

namespace vur {

namespace {

// The marks' box and its items start in the tooltip colour with a short grey shadow.
void InitMarkShadow(TVurShadow& Shadow) { Shadow.InitDefaults(clGray, 1); }

} // namespace

void TSeriesMarkPosition::Assign(const TSeriesMarkPosition& Source) {
    ArrowStart = Source.ArrowStart;
    ArrowEnd = Source.ArrowEnd;
    MarkLeftTop = Source.MarkLeftTop;
    Width = Source.Width;
    Height = Source.Height;
}

// ---- TSeriesMarksPositions

TSeriesMarkPosition* TSeriesMarksPositions::Get(int Index) const {
    if (Index < 0 || Index >= Count()) return nullptr;
    return FItems[static_cast<std::size_t>(Index)].get();
}

TSeriesMarkPosition& TSeriesMarksPositions::Ensure(int Index) {
    if (Count() <= Index) FItems.resize(static_cast<std::size_t>(Index) + 1);
    auto& Item = FItems[static_cast<std::size_t>(Index)];
    if (!Item) Item = std::make_unique<TSeriesMarkPosition>();
    return *Item;
}

void TSeriesMarksPositions::Put(int Index, const TSeriesMarkPosition& Position) {
    TSeriesMarkPosition& Item = Ensure(Index);
    Item.IsCustom = true;
    Item.Assign(Position);
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

// ---- items

TMarksItem::TMarksItem(TCustomVurPanel* AParent) : TVurCustomShape(AParent) { InitColor(clInfoBk); }

void TMarksItem::InitShadow(TVurShadow& Shadow) const { InitMarkShadow(Shadow); }

TMarksItem* TMarksItems::Get(int Index) {
    if (Count() <= Index) FItems.resize(static_cast<std::size_t>(Index) + 1);
    auto& Item = FItems[static_cast<std::size_t>(Index)];
    if (!Item) Item = std::make_unique<TMarksItem>(FMarks.GetParent());
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

void TMarksItems::Clear() {
    Forget();
    FMarks.Repaint();
}

void TMarksItems::SetParent(TCustomVurPanel* Parent) {
    for (auto& Item : FItems)
        if (Item) Item->SetParent(Parent);
}

void TMarksCallout::Assign(const TPersistent* Source) {
    if (const auto* Other = dynamic_cast<const TMarksCallout*>(Source)) FLength = Other->FLength;
    TCallout::Assign(Source);
}

TSeriesMarksSymbol::TSeriesMarksSymbol(TCustomVurPanel* AParent) : TVurCustomShape(AParent) {
    InitVisible(false);
}

// ---- TSeriesMarks

TSeriesMarks::TSeriesMarks(TChartSeries* AOwner) : TVurCustomShape(nullptr), FSeries(AOwner), FItems(*this) {
    InitVisible(false);
    InitColor(clInfoBk);
}

TSeriesMarks::~TSeriesMarks() = default;

void TSeriesMarks::InitShadow(TVurShadow& Shadow) const { InitMarkShadow(Shadow); }

TVurGradientClass TSeriesMarks::GetGradientClass() const {
    return [](TNotifyEvent OnChange) {
        auto Gradient = std::make_unique<TVurGradient>();
        Gradient->SetDirection(gdRightLeft);
        Gradient->SetStartColor(clSilver);
        Gradient->SetEndColor(clWhite);
        Gradient->OnChange = std::move(OnChange);
        return Gradient;
    };
}

void TSeriesMarks::Assign(const TPersistent* Source) {
    if (const auto* Other = dynamic_cast<const TSeriesMarks*>(Source)) {
        SetStyle(Other->FStyle);
        FDrawEvery = Other->FDrawEvery;
        SetAngle(Other->FAngle);
        SetClip(Other->FClip);
        SetMultiLine(Other->FMultiLine);
        if (Other->FCallout) GetCallout()->Assign(Other->FCallout.get());
        if (Other->FSymbol) GetSymbol()->Assign(Other->FSymbol.get());
    }
    TVurCustomShape::Assign(Source);
}

void TSeriesMarks::SetDrawEvery(int Value) {
    if (Value <= 0) throw ChartException(VurMsg_MarksDrawEvery);
    SetProperty(FDrawEvery, Value);
}

TMarksCallout* TSeriesMarks::GetCallout() {
    if (!FCallout) FCallout = std::make_unique<TMarksCallout>(FSeries);
    return FCallout.get();
}

TSeriesMarksSymbol* TSeriesMarks::GetSymbol() {
    if (!FSymbol) FSymbol = std::make_unique<TSeriesMarksSymbol>(GetParent());
    return FSymbol.get();
}

TCustomAxisPanel* TSeriesMarks::GetParentChart() const { return static_cast<TCustomAxisPanel*>(GetParent()); }

void TSeriesMarks::SetParentChart(TCustomAxisPanel* Value) {
    SetParent(Value);
    if (FSymbol) FSymbol->SetParent(Value);
    FItems.SetParent(Value);
}

TVurCustomShape* TSeriesMarks::MarkItem(int ValueIndex) {
    if (TMarksItem* Item = FItems.Find(ValueIndex)) return Item;
    return this;
}

void TSeriesMarks::ResetPositions() {
    for (int Index = 0; Index < FPositions.Count(); ++Index) FPositions.Automatic(Index);
    Repaint();
}

void TSeriesMarks::Clear() {
    FPositions.Clear();
    if (!FLoadingItems) FItems.Forget();
}

} // namespace vur
