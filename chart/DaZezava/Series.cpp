#include "chart/DaZezava/Series.h"

#include "chart/DaZezava/AxisPanel.h"
#include "chart/DaZezava/Function.h"
#include "chart/VurConst.h"
#include "chart/VurProcs/DefaultPalette.h"
#include "format/GeneralNumber.h"
#include "framework/Exceptions.h"

#include <algorithm>
#include <cctype>
#include <cmath>
#include <utility>

namespace vur {

// ---------------------------------------------------------------- TCustomChartElement

TCustomChartElement::TCustomChartElement(TComponent* AOwner)
    : TComponent(AOwner), FBrush(std::make_unique<TChartBrush>([this](TPersistent* S) { CanvasChanged(S); })),
      FPen(std::make_unique<TChartPen>([this](TPersistent* S) { CanvasChanged(S); })) {}

TCustomChartElement::~TCustomChartElement() = default;

void TCustomChartElement::Assign(const TPersistent* Source) {
    if (const auto* Element = dynamic_cast<const TCustomChartElement*>(Source)) {
        FActive = Element->FActive;
        FBrush->Assign(Element->FBrush.get());
        FPen->Assign(Element->FPen.get());
        SetTag(Element->GetTag());
        return;
    }
    TComponent::Assign(Source);
}

void TCustomChartElement::SetActive(bool Value) { SetBooleanProperty(FActive, Value); }

void TCustomChartElement::SetPen(const TChartPen* Value) { FPen->Assign(Value); }

void TCustomChartElement::SetParentChart(TCustomAxisPanel* Value) { FParentChart = Value; }

void TCustomChartElement::Repaint() {
    if (FParentChart != nullptr) FParentChart->Invalidate();
}

void TCustomChartElement::CanvasChanged(TPersistent*) { Repaint(); }

void TCustomChartElement::SetBooleanProperty(bool& Variable, bool Value) {
    if (Variable == Value) return;
    Variable = Value;
    Repaint();
}

void TCustomChartElement::SetIntegerProperty(int& Variable, int Value) {
    if (Variable == Value) return;
    Variable = Value;
    Repaint();
}

void TCustomChartElement::SetColorProperty(TColor& Variable, TColor Value) {
    if (Variable == Value) return;
    Variable = Value;
    Repaint();
}

void TCustomChartElement::SetDoubleProperty(double& Variable, double Value) {
    if (Variable == Value) return;
    Variable = Value;
    Repaint();
}

void TCustomChartElement::SetStringProperty(std::string& Variable, const std::string& Value) {
    if (Variable == Value) return;
    Variable = Value;
    Repaint();
}

// ---------------------------------------------------------------- TCustomChartSeries

TCustomChartSeries::TCustomChartSeries(TComponent* AOwner) : TCustomChartElement(AOwner) {}

void TCustomChartSeries::SetTitle(const std::string& Value) {
    if (FTitle == Value) return;
    FTitle = Value;
    Repaint();
    if (FParentChart != nullptr)
        FParentChart->BroadcastSeriesEvent(dynamic_cast<TChartSeries*>(this), seChangeTitle);
}

// ---------------------------------------------------------------- TChartSeries

TChartSeries::TChartSeries(TComponent* AOwner)
    : TCustomChartSeries(AOwner), FXValues(new TChartValueList(this, "X")),
      FYValues(new TChartValueList(this, "Y")), FMandatoryValueList(FYValues),
      FNotMandatoryValueList(FXValues), FLabels(this), FValueFormat(VurMsg_DefValueFormat),
      FPercentFormat(VurMsg_DefPercentFormat), FMarks(std::make_unique<TSeriesMarks>(this)) {
    FXValues->SetOrder(loAscending);
}

TChartSeries::~TChartSeries() {
    delete std::exchange(FFunction, nullptr);
    RemoveAllLinkedSeries();
    ClearDataSources();
    // The handler's owner may already be gone; a dying series calls no user code.
    OnClearValues = nullptr;
    Clear();
    // Leave the chart while the lists still exist: its listeners hear seRemove.
    if (FParentChart != nullptr) FParentChart->RemoveSeries(this);
}

TComponent* TChartSeries::GetParentComponent() const { return FParentChart; }

void TChartSeries::SetParentComponent(TComponent* Value) {
    SetParentChart(dynamic_cast<TCustomAxisPanel*>(Value));
}

bool TChartSeries::SameClass(const TChartSeries* Other) const {
    return GetSeriesClass()->IsInstance(Other) || Other->GetSeriesClass()->IsInstance(this);
}

void TChartSeries::SetActive(bool Value) {
    if (FActive == Value) return;
    TCustomChartSeries::SetActive(Value);
    if (FParentChart != nullptr) FParentChart->BroadcastSeriesEvent(this, seChangeActive);
}

void TChartSeries::SetParentChart(TCustomAxisPanel* Value) {
    if (FParentChart == Value) return;
    if (FParentChart != nullptr) FParentChart->RemoveSeries(this);
    TCustomChartSeries::SetParentChart(Value);
    FMarks->SetParentChart(Value);
    if (Value != nullptr) Value->InternalAddSeries(this);
}

// ---------------------------------------------------------------- adding

int TChartSeries::AddXY(double X, double Y, std::string_view Label, TColor Color) {
    CheckPosition(X);
    FXValues->SetPendingValue(X);
    FYValues->SetPendingValue(Y);
    if (OnBeforeAdd && !OnBeforeAdd(this)) return -1;
    const int Index = FXValues->AddChartValue();
    FYValues->InsertChartValue(Index, Y);
    for (int List = 2; List < FValueLists.Count(); ++List) {
        TChartValueList* Values = FValueLists.Get(List);
        Values->InsertChartValue(Index, Values->GetPendingValue());
    }
    InsertPointColor(Index, Color);
    FLabels.Insert(Index, Label);
    if (FUpdateCount == 0) NotifyNewValue(this, Index);
    return Index;
}

void TChartSeries::InsertPointColor(int Index, TColor Color) {
    if (FColors) {
        FColors->insert(FColors->begin() + Index, Color);
    } else if (Color != clDefault) {
        // Every other point keeps the automatic colour.
        FColors = std::make_unique<std::vector<TColor>>(static_cast<std::size_t>(Count()), clDefault);
        (*FColors)[static_cast<std::size_t>(Index)] = Color;
    }
}

int TChartSeries::Add(double Value, std::string_view Label, TColor Color) {
    if (FYMandatory) return AddXY(FXValues->GetCount(), Value, Label, Color);
    return AddXY(Value, FYValues->GetCount(), Label, Color);
}

int TChartSeries::AddX(double Value, std::string_view Label, TColor Color) {
    return AddXY(Value, FXValues->GetCount(), Label, Color);
}

int TChartSeries::AddY(double Value, std::string_view Label, TColor Color) {
    return AddXY(FXValues->GetCount(), Value, Label, Color);
}

int TChartSeries::AddNull(double Value) { return Add(Value, {}, clNone); }

int TChartSeries::AddNull(std::string_view Label) { return Add(0, Label, clNone); }

int TChartSeries::AddNullXY(double X, double Y, std::string_view Label) { return AddXY(X, Y, Label, clNone); }

int TChartSeries::AddArray(std::span<const double> Values) {
    WithinUpdate([&] {
        for (const double Value : Values) Add(Value);
    });
    return static_cast<int>(Values.size());
}

void TChartSeries::NotifyNewValue(TChartSeries* Sender, int ValueIndex) {
    if (OnAfterAdd) OnAfterAdd(Sender, ValueIndex);
    NotifyValue(veAdd, ValueIndex);
    if (FActive) Repaint();
}

// ---------------------------------------------------------------- removing

void TChartSeries::Delete(int ValueIndex) {
    if (ValueIndex < 0 || ValueIndex >= Count())
        throw ChartException(VurFormat(VurMsg_SeriesDelete, ValueIndex, Count() - 1));
    for (int List = 0; List < FValueLists.Count(); ++List) FValueLists.Get(List)->Delete(ValueIndex);
    if (FColors && ValueIndex < static_cast<int>(FColors->size()))
        FColors->erase(FColors->begin() + ValueIndex);
    FLabels.Delete(ValueIndex);
    FMarks->Positions().Delete(ValueIndex);
    FMarks->Items().Delete(ValueIndex);
    // Before the linked series, whose failure is raised after they all ran.
    if (FActive) Repaint();
    NotifyValue(veDelete, ValueIndex);
}

void TChartSeries::Delete(int Start, int Quantity, bool RemoveGap) {
    VUR_ASSERT(Quantity > 0, VurMsg_DeleteQuantityPositive);
    VUR_ASSERT(Start >= 0, "");
    // Compared without forming Start + Quantity, which may not fit an int.
    VUR_ASSERT(Quantity <= Count() - Start, VurMsg_DeleteLessThanCount);
    for (int List = 0; List < FValueLists.Count(); ++List) FValueLists.Get(List)->Delete(Start, Quantity);
    if (FColors && Start < static_cast<int>(FColors->size())) {
        const auto End = std::min(static_cast<std::size_t>(Start + Quantity), FColors->size());
        FColors->erase(FColors->begin() + Start, FColors->begin() + static_cast<std::ptrdiff_t>(End));
        if (FColors->empty()) FColors.reset();
    }
    FLabels.Delete(Start, Quantity);
    FMarks->Positions().Delete(Start, Quantity);
    if (FActive) Repaint();
    // The same run leaves every linked series; renumbering, a change they
    // follow as well, happens whatever one of them raised.
    std::exception_ptr Failure;
    try {
        if (FUpdateCount == 0)
            ForEachLinkedSeries([&](TChartSeries* Series) {
                if (Series->FRecalcOptions & rOnDelete) Series->DeletedValues(this, Start, Quantity);
            });
    } catch (...) {
        Failure = std::current_exception();
    }
    if (RemoveGap) FNotMandatoryValueList->FillSequence();
    if (Failure) std::rethrow_exception(Failure);
}

void TChartSeries::Clear() {
    FFirstVisibleIndex = -1;
    FLastVisibleIndex = -1;
    ClearLists();
    if (OnClearValues) OnClearValues(this);
    NotifyValue(veClear, 0);
    if (FFunction != nullptr) FFunction->Clear();
    if (FActive && FParentChart != nullptr && !FParentChart->HasState(csDestroying)) Repaint();
}

void TChartSeries::ClearLists() {
    for (int List = 0; List < FValueLists.Count(); ++List) FValueLists.Get(List)->ClearValues();
    FColors.reset();
    FLabels.Clear();
    FMarks->Clear();
}

// ---------------------------------------------------------------- reading and writing

void TChartSeries::SetXValue(int Index, double Value) {
    CheckPosition(Value);
    FXValues->SetValue(Index, Value);
    Repaint();
}

void TChartSeries::SetYValue(int Index, double Value) {
    FYValues->SetValue(Index, Value);
    Repaint();
}

void TChartSeries::CheckPosition(double X) {
    if (!std::isfinite(X))
        throw ChartException(VurFormat(VurMsg_XValueNotFinite, GeneralNumberText(X).c_str()));
}

const std::string& TChartSeries::GetXLabel(int Index) const {
    CheckIndex(Index, Count());
    return FLabels.Get(Index);
}

void TChartSeries::SetXLabel(int Index, std::string_view Text) {
    CheckIndex(Index, Count());
    FLabels.Set(Index, Text);
}

TColor TChartSeries::PointColor(int Index, TColor Automatic) const {
    // A value that is not a finite number is drawn as a gap, as a null point is.
    if (!std::isfinite(GetMarkValue(Index))) return clNone;
    const TColor Stored = FColors && Index >= 0 && Index < static_cast<int>(FColors->size())
                              ? (*FColors)[static_cast<std::size_t>(Index)]
                              : clDefault;
    if (Stored != clDefault) return Stored;
    if (!FColorEachPoint) return Automatic;
    return FParentChart != nullptr ? FParentChart->GetDefaultColor(Index) : GetDefaultColor(Index);
}

void TChartSeries::SetValueColor(int Index, TColor Color) {
    CheckIndex(Index, Count());
    if (!FColors && Color == clDefault) return;
    if (!FColors)
        FColors = std::make_unique<std::vector<TColor>>(static_cast<std::size_t>(Count()), clDefault);
    (*FColors)[static_cast<std::size_t>(Index)] = Color;
    Repaint();
}

TChartValueList* TChartSeries::GetYValueList(const std::string& AName) const {
    const auto Upper = [](std::string Text) {
        for (char& C : Text) C = static_cast<char>(std::toupper(static_cast<unsigned char>(C)));
        return Text;
    };
    const std::string Wanted = Upper(AName);
    for (int List = 2; List < FValueLists.Count(); ++List)
        if (Upper(FValueLists.Get(List)->GetName()) == Wanted) return FValueLists.Get(List);
    return FYValues;
}

void TChartSeries::SetXValues(const TChartValueList* Value) {
    FXValues->Assign(Value);
    Repaint();
}

void TChartSeries::SetYValues(const TChartValueList* Value) {
    FYValues->Assign(Value);
    Repaint();
}

// ---------------------------------------------------------------- order

void TChartSeries::SwapValueIndex(int A, int B) {
    CheckIndex(A, Count());
    CheckIndex(B, Count());
    for (int List = 0; List < FValueLists.Count(); ++List) FValueLists.Get(List)->Exchange(A, B);
    if (FColors) std::swap((*FColors)[static_cast<std::size_t>(A)], (*FColors)[static_cast<std::size_t>(B)]);
    if (FLabels.Count() > 0) FLabels.Exchange(A, B);
}

void TChartSeries::CheckOrder() {
    if (FMandatoryValueList->GetOrder() != loNone) FMandatoryValueList->Sort();
    if (FNotMandatoryValueList->GetValueSource().empty()) FNotMandatoryValueList->FillSequence();
    Repaint();
}

// ---------------------------------------------------------------- colour and settings

void TChartSeries::SetSeriesColor(TColor Value) {
    if (FColor == clDefault && Value == FColorInternal) return;
    SetColorProperty(FColor, Value);
    FColorInternal = Value;
    if (FParentChart != nullptr) FParentChart->BroadcastSeriesEvent(this, seChangeColor);
}

void TChartSeries::SetColorEachPoint(bool Value) { SetBooleanProperty(FColorEachPoint, Value); }

bool TChartSeries::IsValueFormatStored() const { return FValueFormat != VurMsg_DefValueFormat; }

bool TChartSeries::IsPercentFormatStored() const { return FPercentFormat != VurMsg_DefPercentFormat; }

// ---------------------------------------------------------------- axes

void TChartSeries::SetHorizAxis(THorizAxis Value) {
    if (FHorizAxis == Value) return;
    FHorizAxis = Value;
    RecalcGetAxis();
    Repaint();
}

void TChartSeries::SetVertAxis(TVertAxis Value) {
    if (FVertAxis == Value) return;
    FVertAxis = Value;
    RecalcGetAxis();
    Repaint();
}

void TChartSeries::SetCustomHorizAxis(TChartAxis* Value) {
    FCustomHorizAxis = Value;
    FHorizAxis = Value != nullptr ? aCustomHorizAxis : aBottomAxis;
    RecalcGetAxis();
    Repaint();
}

void TChartSeries::SetCustomVertAxis(TChartAxis* Value) {
    FCustomVertAxis = Value;
    FVertAxis = Value != nullptr ? aCustomVertAxis : aLeftAxis;
    RecalcGetAxis();
    Repaint();
}

void TChartSeries::RecalcGetAxis() {
    if (FParentChart == nullptr) {
        FHorizontalAxis = nullptr;
        FVerticalAxis = nullptr;
        return;
    }
    switch (FHorizAxis) {
    case aTopAxis:
        FHorizontalAxis = FParentChart->GetTopAxis();
        break;
    case aCustomHorizAxis:
        FHorizontalAxis = FCustomHorizAxis != nullptr ? FCustomHorizAxis : FParentChart->GetBottomAxis();
        break;
    default:
        FHorizontalAxis = FParentChart->GetBottomAxis();
        break;
    }
    switch (FVertAxis) {
    case aRightAxis:
        FVerticalAxis = FParentChart->GetRightAxis();
        break;
    case aCustomVertAxis:
        FVerticalAxis = FCustomVertAxis != nullptr ? FCustomVertAxis : FParentChart->GetLeftAxis();
        break;
    default:
        FVerticalAxis = FParentChart->GetLeftAxis();
        break;
    }
}

bool TChartSeries::AssociatedToAxis(const TChartAxis* Axis) const {
    if (!UseAxis() || Axis == nullptr) return false;
    if (Axis->GetHorizontal()) return FHorizAxis == aBothHorizAxis || Axis == FHorizontalAxis;
    return FVertAxis == aBothVertAxis || Axis == FVerticalAxis;
}

TChartValueList* TChartSeries::ValueListOfAxis(const TChartAxis* Axis) const {
    if (!AssociatedToAxis(Axis)) return nullptr;
    return Axis->GetHorizontal() ? FXValues : FYValues;
}

// ---------------------------------------------------------------- batching and notification

void TChartSeries::EndUpdate() {
    if (FUpdateCount == 0) return;
    if (--FUpdateCount == 0) RefreshSeries();
}

void TChartSeries::RefreshSeries() {
    NotifyValue(veRefresh, 0);
    if (FParentChart != nullptr) FParentChart->BroadcastSeriesEvent(this, seDataChanged);
}

// ---------------------------------------------------------------- attachment

void TChartSeries::Added() {
    if (FColor == clDefault) {
        FColorInternal = FParentChart->GetFreeSeriesColor(true, nullptr);
        FParentChart->BroadcastSeriesEvent(this, seChangeColor);
    }
    RecalcGetAxis();
    CheckDataSource();
}

void TChartSeries::Removed() {
    RemoveAllLinkedSeries();
    TCustomChartSeries::SetParentChart(nullptr);
    FMarks->SetParentChart(nullptr);
    RecalcGetAxis();
}

} // namespace vur
