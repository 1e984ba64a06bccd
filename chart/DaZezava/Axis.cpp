#include "chart/DaZezava/Axis.h"

#include "chart/DaZezava/AxisPanel.h"
#include "chart/RoVedure/Geometry.h"
#include "chart/VurConst.h"
#include "framework/Exceptions.h"

#include <cmath>

namespace vur {

// ---------------------------------------------------------------- pens and title

TChartAxisPen::TChartAxisPen(TNotifyEvent OnChange) : TChartPen(std::move(OnChange)) { SetWidth(2); }

TAxisGridPen::TAxisGridPen(TNotifyEvent OnChange) : TDottedGrayPen(std::move(OnChange)) {}

void TAxisGridPen::SetCentered(bool Value) {
    if (FCentered == Value) return;
    FCentered = Value;
    Changed();
}

void TAxisGridPen::SetZPosition(double Value) {
    if (FZPosition == Value) return;
    FZPosition = Value;
    Changed();
}

TChartAxisTitle::TChartAxisTitle(TNotifyEvent OnChange)
    : FOnChange(std::move(OnChange)), FFont(std::make_unique<TVurFont>([this](TPersistent*) { Changed(); })) {
}

void TChartAxisTitle::Changed() {
    if (FOnChange) FOnChange(this);
}

void TChartAxisTitle::SetAngle(int Value) {
    Value %= 360;
    if (FAngle == Value) return;
    FAngle = Value;
    Changed();
}

void TChartAxisTitle::InitAngle(int Value) {
    FAngle = Value;
    FDefaultAngle = Value;
}

void TChartAxisTitle::SetCaption(const std::string& Value) {
    if (FCaption == Value) return;
    FCaption = Value;
    Changed();
}

void TChartAxisTitle::SetVisible(bool Value) {
    if (FVisible == Value) return;
    FVisible = Value;
    Changed();
}

// ---------------------------------------------------------------- the axis

TChartAxis::TChartAxis(TCustomAxisPanel* AParentChart)
    : FParentChart(AParentChart), FAxisValuesFormat(VurMsg_DefValueFormat) {
    const TNotifyEvent Changed = [this](TPersistent*) { Repaint(); };
    FAxisPen = std::make_unique<TChartAxisPen>(Changed);
    FTicks = std::make_unique<TDarkGrayPen>(Changed);
    FTicksInner = std::make_unique<TDarkGrayPen>(Changed);
    FMinorTicks = std::make_unique<TDarkGrayPen>(Changed);
    FGrid = std::make_unique<TAxisGridPen>(Changed);
    FMinorGrid = std::make_unique<TChartHiddenPen>(Changed);
    FTitle = std::make_unique<TChartAxisTitle>(Changed);
    FItems = std::make_unique<TAxisItems>(FParentChart);
    FParentChart->GetAxes()->Add(this);
    SetCalcPosValue();
}

TChartAxis::TChartAxis(TCustomAxisPanel* AParentChart, bool AHorizontal, bool AOtherSide)
    : TChartAxis(AParentChart) {
    FHorizontal = AHorizontal;
    FOtherSide = AOtherSide;
    SetCalcPosValue();
}

TChartAxis::~TChartAxis() {
    TChartAxes* Axes = FParentChart->GetAxes();
    for (int Index = 0; Index < Axes->Count(); ++Index)
        if (Axes->Get(Index)->FMasterAxis == this) Axes->Get(Index)->FMasterAxis = nullptr;
    Axes->Remove(this);
    for (int Index = 0; Index < FParentChart->SeriesCount(); ++Index) {
        TChartSeries* Series = FParentChart->GetSeries(Index);
        if (Series->GetCustomHorizAxis() == this) Series->SetCustomHorizAxis(nullptr);
        if (Series->GetCustomVertAxis() == this) Series->SetCustomVertAxis(nullptr);
    }
}

bool TChartAxis::IsCustom() const { return FParentChart->GetAxes()->IndexOf(this) >= StandardAxisCount; }

bool TChartAxis::Loading() const { return FParentChart->HasState(csLoading); }

void TChartAxis::InitDepthAxis() {
    FIsDepthAxis = true;
    FVisible = false;
    SetCalcPosValue();
}

void TChartAxis::Repaint() { FParentChart->Invalidate(); }

void TChartAxis::SetBooleanProperty(bool& Variable, bool Value) {
    if (Variable == Value) return;
    Variable = Value;
    Repaint();
}

void TChartAxis::SetIntegerProperty(int& Variable, int Value) {
    if (Variable == Value) return;
    Variable = Value;
    Repaint();
}

void TChartAxis::SetDoubleProperty(double& Variable, double Value) {
    if (Variable == Value) return;
    Variable = Value;
    Repaint();
}

// ---------------------------------------------------------------- range properties

void TChartAxis::SetAutomatic(bool Value) {
    SetBooleanProperty(FAutomatic, Value);
    if (Loading()) return;
    FAutomaticMinimum = Value;
    FAutomaticMaximum = Value;
}

void TChartAxis::SetAutomaticMinimum(bool Value) {
    SetBooleanProperty(FAutomaticMinimum, Value);
    if (!Value)
        FAutomatic = false;
    else if (FAutomaticMaximum)
        FAutomatic = true;
}

void TChartAxis::SetAutomaticMaximum(bool Value) {
    SetBooleanProperty(FAutomaticMaximum, Value);
    if (!Value)
        FAutomatic = false;
    else if (FAutomaticMinimum)
        FAutomatic = true;
}

void TChartAxis::SetMinimum(double Value) {
    if (!std::isfinite(Value)) throw AxisException(VurMsg_AxisMinNotFinite);
    if (!Loading() && Value > FMaximum) throw AxisException(VurMsg_AxisMinMax);
    SetDoubleProperty(FMinimum, Value);
}

void TChartAxis::SetMaximum(double Value) {
    if (!std::isfinite(Value)) throw AxisException(VurMsg_AxisMaxNotFinite);
    if (!Loading() && Value < FMinimum) throw AxisException(VurMsg_AxisMaxMin);
    SetDoubleProperty(FMaximum, Value);
}

void TChartAxis::SetMinimumOffset(int Value) { SetIntegerProperty(FMinimumOffset, BoundSetting(Value)); }

void TChartAxis::SetMaximumOffset(int Value) { SetIntegerProperty(FMaximumOffset, BoundSetting(Value)); }

void TChartAxis::SetInverted(bool Value) {
    SetBooleanProperty(FInverted, Value);
    FMappingStale = true;
}

void TChartAxis::SetLogarithmic(bool Value) {
    if (FLogarithmic == Value) return;
    if (Value) {
        if (IsDateTime()) throw AxisException(VurMsg_AxisLogDateTime);
        FLogarithmic = true;
        AdjustMaxMin();
        if (FRangeMinimum < 0 || FRangeMaximum < 0) {
            FLogarithmic = false;
            AdjustMaxMin();
            throw AxisException(VurMsg_AxisLogNotPositive);
        }
    } else {
        FLogarithmic = false;
    }
    Repaint();
    SetCalcPosValue();
}

void TChartAxis::SetLogarithmicBase(double Value) {
    if (Value == 1 || !(Value > 0)) throw AxisException(VurMsg_AxisLogBase);
    SetDoubleProperty(FLogarithmicBase, Value);
}

void TChartAxis::SetHorizontal(bool Value) {
    SetBooleanProperty(FHorizontal, Value);
    SetCalcPosValue();
}

void TChartAxis::SetOtherSide(bool Value) { SetBooleanProperty(FOtherSide, Value); }

void TChartAxis::SetStartPosition(double Value) { SetDoubleProperty(FStartPosition, BoundSetting(Value)); }

void TChartAxis::SetEndPosition(double Value) { SetDoubleProperty(FEndPosition, BoundSetting(Value)); }

void TChartAxis::SetPositionPercent(double Value) {
    SetDoubleProperty(FPositionPercent, BoundSetting(Value));
}

void TChartAxis::SetPositionUnits(TVurUnits Value) {
    if (FPositionUnits == Value) return;
    FPositionUnits = Value;
    Repaint();
}

void TChartAxis::SetZPosition(double Value) {
    Value = BoundSetting(Value);
    SetDoubleProperty(FZPosition, Value == 0 ? 0.01 : Value);
}

void TChartAxis::SetVisible(bool Value) { SetBooleanProperty(FVisible, Value); }

// ---------------------------------------------------------------- label properties

void TChartAxis::SetDesiredIncrement(double Value) {
    if (Value < 0) throw AxisException(VurMsg_AxisIncrementNeg);
    SetDoubleProperty(FDesiredIncrement, Value);
}

void TChartAxis::SetLabelStyle(TAxisLabelStyle Value) {
    if (FLabelStyle == Value) return;
    FLabelStyle = Value;
    Repaint();
}

void TChartAxis::SetLabelsSeparation(int Value) {
    if (Value < 0) throw AxisException(VurMsg_AxisLabelSep);
    SetIntegerProperty(FLabelsSeparation, BoundSetting(Value));
}

void TChartAxis::SetLabelsAlternate(bool Value) { SetBooleanProperty(FLabelsAlternate, Value); }

void TChartAxis::SetLabelsOnAxis(bool Value) { SetBooleanProperty(FLabelsOnAxis, Value); }

void TChartAxis::SetRoundFirstLabel(bool Value) { SetBooleanProperty(FRoundFirstLabel, Value); }

void TChartAxis::SetExactDateTime(bool Value) { SetBooleanProperty(FExactDateTime, Value); }

void TChartAxis::SetTickOnLabelsOnly(bool Value) { SetBooleanProperty(FTickOnLabelsOnly, Value); }

void TChartAxis::SetLabelsAngle(int Value) { SetIntegerProperty(FLabelsAngle, Value); }

void TChartAxis::SetAxisValuesFormat(const std::string& Value) {
    if (FAxisValuesFormat == Value) return;
    FAxisValuesFormat = Value;
    Repaint();
}

bool TChartAxis::IsAxisValuesFormatStored() const { return FAxisValuesFormat != VurMsg_DefValueFormat; }

void TChartAxis::SetDateTimeFormat(const std::string& Value) {
    if (FDateTimeFormat == Value) return;
    FDateTimeFormat = Value;
    Repaint();
}

void TChartAxis::SetLabelsMultiLine(bool Value) { SetBooleanProperty(FLabelsMultiLine, Value); }

// ---------------------------------------------------------------- drawing properties

void TChartAxis::SetTickLength(int Value) { SetIntegerProperty(FTickLength, BoundSetting(Value)); }

void TChartAxis::SetTickInnerLength(int Value) { SetIntegerProperty(FTickInnerLength, BoundSetting(Value)); }

void TChartAxis::SetMinorTickLength(int Value) { SetIntegerProperty(FMinorTickLength, BoundSetting(Value)); }

void TChartAxis::SetMinorTickCount(int Value) { SetIntegerProperty(FMinorTickCount, BoundSetting(Value)); }

void TChartAxis::SetLabelsAlign(TAxisLabelAlign Value) {
    if (FLabelsAlign == Value) return;
    FLabelsAlign = Value;
    Repaint();
}

void TChartAxis::SetLabelsSize(int Value) { SetIntegerProperty(FLabelsSize, BoundSetting(Value)); }

void TChartAxis::SetLabelsExponent(bool Value) { SetBooleanProperty(FLabelsExponent, Value); }

void TChartAxis::SetTitleSize(int Value) { SetIntegerProperty(FTitleSize, BoundSetting(Value)); }

// ---------------------------------------------------------------- depth axis

TChartDepthAxis::TChartDepthAxis(TCustomAxisPanel* AParentChart) : TChartAxis(AParentChart) {
    InitDepthAxis();
}

void TChartDepthAxis::SetInverted(bool Value) {
    TChartAxis::SetInverted(Value);
    TChartAxes* Axes = FParentChart->GetAxes();
    for (TChartAxis* Other :
         {static_cast<TChartAxis*>(Axes->GetDepthAxis()), static_cast<TChartAxis*>(Axes->GetDepthTopAxis())})
        if (Other != nullptr && Other != this && Other->GetInverted() != Value) Other->SetInverted(Value);
}

} // namespace vur
