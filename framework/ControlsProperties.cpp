// What every control stores: its place in its parent.
#include "framework/Controls.h"
#include "framework/FrameworkClasses.h"
#include "framework/Published.h"

namespace vur {

void DeclareControlsProperties() {
    TDeclare<TControl>("TControl", "TComponent")
        .Int("Left", &TControl::GetLeft, &TControl::SetLeft)
        .Int("Top", &TControl::GetTop, &TControl::SetTop)
        .Int("Width", &TControl::GetWidth, &TControl::SetWidth)
        .Int("Height", &TControl::GetHeight, &TControl::SetHeight);
    TDeclare<TWinControl>("TWinControl", "TControl");
    TDeclare<TCustomControl>("TCustomControl", "TWinControl");
    TDeclare<TCustomPanel>("TCustomPanel", "TCustomControl");
}

} // namespace vur
