// What a push button stores.
#include "framework/Button.h"
#include "framework/FrameworkClasses.h"
#include "framework/Published.h"

namespace vur {

void DeclareButtonProperties() {
    TDeclare<TButton>("TButton", "TWinControl")
        .String("Caption", &TButton::GetCaption, &TButton::SetCaption)
        .Int("TabOrder", &TButton::GetTabOrder, &TButton::SetTabOrder)
        .Default(-1)
        .Bool("Visible", &TButton::GetVisible, &TButton::SetVisible)
        .Default(true)
        .Event("OnClick", &TButton::OnClick)
        .Creatable();
}

} // namespace vur
