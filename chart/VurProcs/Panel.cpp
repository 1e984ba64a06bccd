#include "chart/VurProcs/Panel.h"

namespace vur {

TCustomVurPanel::TCustomVurPanel(TComponent* AOwner) : TCustomPanelNoCaption(AOwner) {
    SetBounds(GetLeft(), GetTop(), 400, 250);
    // Last: nothing set up above may request a paint.
    FAutoRepaint = true;
}

TCustomVurPanel::~TCustomVurPanel() = default;

void TCustomVurPanel::Invalidate() {
    if (FAutoRepaint) TCustomPanelNoCaption::Invalidate();
}

void TCustomVurPanel::SetView3D(bool Value) {
    if (FView3D == Value) return;
    FView3D = Value;
    Invalidate();
    TVurView3DEvent Event;
    FListeners.Broadcast(this, Event);
}

void TCustomVurPanel::SetBooleanProperty(bool& Variable, bool Value) {
    if (Variable == Value) return;
    Variable = Value;
    Invalidate();
}

void TCustomVurPanel::SetIntegerProperty(int& Variable, int Value) {
    if (Variable == Value) return;
    Variable = Value;
    Invalidate();
}

void TCustomVurPanel::SetColorProperty(TColor& Variable, TColor Value) {
    if (Variable == Value) return;
    Variable = Value;
    Invalidate();
}

void TCustomVurPanel::SetDoubleProperty(double& Variable, double Value) {
    if (Variable == Value) return;
    Variable = Value;
    Invalidate();
}

void TCustomVurPanel::SetStringProperty(std::string& Variable, const std::string& Value) {
    if (Variable == Value) return;
    Variable = Value;
    Invalidate();
}

} // namespace vur
