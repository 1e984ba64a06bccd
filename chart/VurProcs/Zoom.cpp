#include "chart/VurProcs/Zoom.h"

#include <utility>

namespace vur {

void TZoomPanning::Activate(int X, int Y) {
    X0 = X1 = X;
    Y0 = Y1 = Y;
    Active = true;
}

void TZoomPanning::Check() {
    if (X1 < X0) std::swap(X0, X1);
    if (Y1 < Y0) std::swap(Y0, Y1);
}

TVurZoomBrush::TVurZoomBrush(TNotifyEvent AOnChange) : TChartBrush(std::move(AOnChange)) {
    const TNotifyEvent Saved = std::move(OnChange);
    SetColor(clWhite);
    SetStyle(bsClear);
    OnChange = Saved;
}

TVurZoomBrush::~TVurZoomBrush() = default;

void TVurZoomBrush::Assign(const TPersistent* Source) {
    if (const auto* Brush = dynamic_cast<const TVurZoomBrush*>(Source); Brush && Brush != this)
        SetGradient(Brush->FGradient.get());
    TChartBrush::Assign(Source);
}

TVurGradient* TVurZoomBrush::GetGradient() {
    if (!FGradient)
        FGradient = std::make_unique<TVurGradient>([this](TPersistent*) {
            if (OnChange) OnChange(this);
        });
    return FGradient.get();
}

void TVurZoomBrush::SetGradient(const TCustomVurGradient* Value) {
    if (!Value) {
        if (!FGradient) return;
        FGradient.reset();
        if (OnChange) OnChange(this);
        return;
    }
    GetGradient()->Assign(Value);
}

TVurZoomPen::TVurZoomPen(TNotifyEvent AOnChange) : TChartPen(std::move(AOnChange)) { InitColor(clWhite); }

TVurZoom::TVurZoom() = default;

TVurZoom::~TVurZoom() = default;

void TVurZoom::Assign(const TPersistent* Source) {
    const auto* Other = dynamic_cast<const TVurZoom*>(Source);
    if (Other == nullptr) {
        TPersistent::Assign(Source);
        return;
    }
    FAllow = Other->FAllow;
    FAnimated = Other->FAnimated;
    FAnimatedSteps = Other->FAnimatedSteps;
    SetBrush(Other->FBrush.get());
    FDirection = Other->FDirection;
    FKeyShift = Other->FKeyShift;
    FMinimumPixels = Other->FMinimumPixels;
    FMouseButton = Other->FMouseButton;
    SetPen(Other->FPen.get());
    FUpLeftZooms = Other->FUpLeftZooms;
}

TVurZoomBrush* TVurZoom::GetBrush() {
    if (!FBrush) FBrush = std::make_unique<TVurZoomBrush>();
    return FBrush.get();
}

void TVurZoom::SetBrush(const TChartBrush* Value) {
    if (Value == FBrush.get()) return;
    if (Value == nullptr) {
        FBrush.reset();
        return;
    }
    GetBrush()->Assign(Value);
}

TVurZoomPen* TVurZoom::GetPen() {
    if (!FPen) FPen = std::make_unique<TVurZoomPen>();
    return FPen.get();
}

void TVurZoom::SetPen(const TChartPen* Value) {
    if (Value == FPen.get()) return;
    if (Value == nullptr) {
        FPen.reset();
        return;
    }
    GetPen()->Assign(Value);
}

} // namespace vur
