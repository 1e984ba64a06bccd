#include "chart/RoVedure/View3DOptions.h"

#include "chart/RoVedure/Geometry.h"
#include "chart/VurProcs/Panel.h"

#include <cmath>
#include <numbers>

namespace vur {

double OrthoSlope(int OrthoAngle) {
    const int Folded = OrthoAngle > 90 ? 180 - OrthoAngle : OrthoAngle;
    const long double Radians = Folded * (std::numbers::pi_v<long double> / 180);
    const long double Cos = std::cos(Radians);
    if (Cos < 0.01L) return 1;
    return static_cast<double>(std::sin(Radians) / Cos);
}

TView3DOptions::TView3DOptions(TCustomVurPanel* AParent) : FParent(AParent) {}

void TView3DOptions::Assign(const TPersistent* Source) {
    const auto* Other = dynamic_cast<const TView3DOptions*>(Source);
    if (!Other) {
        TPersistent::Assign(Source);
        return;
    }
    FElevation = Other->FElevation;
    FFontZoom = Other->FFontZoom;
    FHorizOffset = Other->FHorizOffset;
    FOrthoAngle = Other->FOrthoAngle;
    FOrthogonal = Other->FOrthogonal;
    FPerspective = Other->FPerspective;
    FRotation = Other->FRotation;
    FTilt = Other->FTilt;
    FVertOffset = Other->FVertOffset;
    FZoom = Other->FZoom;
    FZoomText = Other->FZoomText;
}

void TView3DOptions::Repaint() {
    if (FParent) FParent->Invalidate();
}

void TView3DOptions::SetInteger(int& Variable, int Value) {
    if (Variable == Value) return;
    Variable = Value;
    Repaint();
}

void TView3DOptions::SetBoolean(bool& Variable, bool Value) {
    if (Variable == Value) return;
    Variable = Value;
    Repaint();
}

void TView3DOptions::SetElevation(int Value) { SetInteger(FElevation, Value); }
void TView3DOptions::SetFontZoom(int Value) { SetInteger(FFontZoom, BoundSetting(Value)); }
void TView3DOptions::SetOrthoAngle(int Value) { SetInteger(FOrthoAngle, Value); }
void TView3DOptions::SetOrthogonal(bool Value) { SetBoolean(FOrthogonal, Value); }
void TView3DOptions::SetPerspective(int Value) { SetInteger(FPerspective, BoundSetting(Value)); }
void TView3DOptions::SetRotation(int Value) { SetInteger(FRotation, Value); }
void TView3DOptions::SetTilt(int Value) { SetInteger(FTilt, Value); }
void TView3DOptions::SetZoomText(bool Value) { SetBoolean(FZoomText, Value); }

void TView3DOptions::SetHorizOffset(int Value) {
    Value = BoundSetting(Value);
    if (FHorizOffset == Value) return;
    SetInteger(FHorizOffset, Value);
    if (OnScrolled) OnScrolled(true);
}

void TView3DOptions::SetVertOffset(int Value) {
    Value = BoundSetting(Value);
    if (FVertOffset == Value) return;
    SetInteger(FVertOffset, Value);
    if (OnScrolled) OnScrolled(false);
}

void TView3DOptions::SetZoom(int Value) {
    Value = BoundSetting(Value);
    if (FZoom == Value) return;
    // The panel sees the new zoom while the old one is still in place.
    if (OnChangedZoom) OnChangedZoom(Value);
    SetInteger(FZoom, Value);
}

double TView3DOptions::CalcOrthoRatio() const { return FOrthogonal ? OrthoSlope(FOrthoAngle) : 1.0; }

} // namespace vur
