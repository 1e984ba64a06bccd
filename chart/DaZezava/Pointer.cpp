#include "chart/DaZezava/Pointer.h"

#include "chart/DaZezava/Series.h"
#include "chart/RoVedure/Geometry.h"
#include "chart/VurConst.h"
#include "framework/Exceptions.h"

#include <algorithm>

namespace vur {

TSeriesPointer::TSeriesPointer(TChartSeries* AOwner)
    : TVurCustomShapeBrushPen(nullptr), FSeries(AOwner),
      FGradient(std::make_unique<TVurGradient>(ChangeCallback())) {}

TSeriesPointer::~TSeriesPointer() = default;

void TSeriesPointer::Assign(const TPersistent* Source) {
    if (const auto* Other = dynamic_cast<const TSeriesPointer*>(Source)) {
        FGradient->Assign(Other->FGradient.get());
        FStyle = Other->FStyle;
        FHorizSize = Other->FHorizSize;
        FVertSize = Other->FVertSize;
        FInflateMargins = Other->FInflateMargins;
        FDraw3D = Other->FDraw3D;
        FDark3D = Other->FDark3D;
        FTransparency = Other->FTransparency;
        Repaint();
    }
    TVurCustomShapeBrushPen::Assign(Source);
}

void TSeriesPointer::Repaint() const {
    if (FSeries != nullptr) FSeries->Repaint();
}

void TSeriesPointer::SetHorizSize(int Value) {
    if (Value <= 0) throw ChartException(VurMsg_PointerSize);
    SetProperty(FHorizSize, BoundSetting(Value));
}

void TSeriesPointer::SetVertSize(int Value) {
    if (Value <= 0) throw ChartException(VurMsg_PointerSize);
    SetProperty(FVertSize, BoundSetting(Value));
}

void TSeriesPointer::SetSize(int Value) {
    SetHorizSize(Value);
    SetVertSize(Value);
}

void TSeriesPointer::SetTransparency(TVurTransparency Value) {
    SetProperty(FTransparency, std::clamp(Value, 0, 100));
}

int TSeriesPointer::GetStartZ() const { return FSeries != nullptr ? FSeries->GetStartZ() : 0; }

int TSeriesPointer::GetMiddleZ() const {
    return FSeries != nullptr ? (FSeries->GetStartZ() + FSeries->GetEndZ()) / 2 : 0;
}

int TSeriesPointer::GetEndZ() const { return FSeries != nullptr ? FSeries->GetEndZ() : 0; }

void TSeriesPointer::CalcHorizMargins(int& LeftMargin, int& RightMargin) const {
    if (!GetVisible() || !FInflateMargins) return;
    LeftMargin = std::max(LeftMargin, FHorizSize + 1);
    RightMargin = std::max(RightMargin, FHorizSize + 1);
}

void TSeriesPointer::CalcVerticalMargins(int& TopMargin, int& BottomMargin) const {
    if (!GetVisible() || !FInflateMargins) return;
    TopMargin = std::max(TopMargin, FVertSize + 1);
    BottomMargin = std::max(BottomMargin, FVertSize + 1);
}

} // namespace vur
