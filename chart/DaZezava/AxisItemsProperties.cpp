// What an axis' label format and custom label items store.
#include "chart/ChartClasses.h"
#include "chart/DaZezava/AxisItems.h"
#include "framework/Published.h"

namespace vur {

void DeclareAxisItemsProperties() {
    using F = TAxisLabelFormat;
    // Visible and Font come from the shape; only the box starts hidden.
    TDeclare<F>("TAxisLabelFormat", "TVurCustomShape")
        .Bool("Transparent", &F::GetTransparent, &F::SetTransparent)
        .Default(true);
    TDeclare<TAxisItem>("TAxisItem", "TAxisLabelFormat")
        .String("Text", &TAxisItem::GetText, &TAxisItem::SetText)
        .Float("Value", &TAxisItem::GetValue, &TAxisItem::SetValue);
}

} // namespace vur
