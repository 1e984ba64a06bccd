// What an axis' label format and custom label items store.
#include "chart/ChartClasses.h"
#include "chart/DaZezava/AxisItems.h"
#include "framework/Published.h"

namespace vur {

void DeclareAxisItemsProperties() {
    using F = TAxisLabelFormat;
    TDeclare<F>("TAxisLabelFormat", "TPersistent")
        .Object("Font", &F::GetFont)
        .Bool("Transparent", &F::GetTransparent, &F::SetTransparent)
        .Default(true)
        .Bool("Visible", &F::GetVisible, &F::SetVisible)
        .Default(true);
    TDeclare<TAxisItem>("TAxisItem", "TAxisLabelFormat")
        .String("Text", &TAxisItem::GetText, &TAxisItem::SetText)
        .Float("Value", &TAxisItem::GetValue, &TAxisItem::SetValue);
}

} // namespace vur
