#include "chart/DaZezava/Pointer.h"

#include "chart/DaZezava/Series.h"
#include "chart/RoVedure/Geometry.h"
#include "chart/VurConst.h"
#include "framework/Exceptions.h"

#include <algorithm>

namespace vur {

TSeriesPointer::TSeriesPointer(TChartSeries* AOwner)
    : FSeries(AOwner), FBrush(std::make_unique<TChartBrush>([this](TPersistent*) { Repaint(); })),
      FPen(std::make_unique<TChartPen>([this](TPersistent*) { Repaint(); })) {}

TSeriesPointer::~TSeriesPointer() = default;

void TSeriesPointer::Assign(const TPersistent* Source) {
    if (const auto* Other = dynamic_cast<const TSeriesPointer*>(Source)) {
        FBrush->Assign(Other->FBrush.get());
        FPen->Assign(Other->FPen.get());
        FStyle = Other->FStyle;
        FHorizSize = Other->FHorizSize;
        FVertSize = Other->FVertSize;
        FInflateMargins = Other->FInflateMargins;
        FVisible = Other->FVisible;
        FDraw3D = Other->FDraw3D;
        FDark3D = Other->FDark3D;
        Repaint();
        return;
    }
    TPersistent::Assign(Source);
}

void TSeriesPointer::Repaint() {
    if (FSeries != nullptr) FSeries->Repaint();
}

void TSeriesPointer::SetStyle(TSeriesPointerStyle Value) { SetProperty(FStyle, Value); }

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

void TSeriesPointer::SetInflateMargins(bool Value) { SetProperty(FInflateMargins, Value); }
void TSeriesPointer::SetVisible(bool Value) { SetProperty(FVisible, Value); }
void TSeriesPointer::SetDraw3D(bool Value) { SetProperty(FDraw3D, Value); }
void TSeriesPointer::SetDark3D(bool Value) { SetProperty(FDark3D, Value); }

void TSeriesPointer::CalcHorizMargins(int& LeftMargin, int& RightMargin) const {
    if (!FVisible || !FInflateMargins) return;
    LeftMargin = std::max(LeftMargin, FHorizSize + 1);
    RightMargin = std::max(RightMargin, FHorizSize + 1);
}

void TSeriesPointer::CalcVerticalMargins(int& TopMargin, int& BottomMargin) const {
    if (!FVisible || !FInflateMargins) return;
    TopMargin = std::max(TopMargin, FVertSize + 1);
    BottomMargin = std::max(BottomMargin, FVertSize + 1);
}

} // namespace vur
