// What a wall stores: its outline as "Pen", its colour when it departs from
// that wall's own, and the defaults of the back wall (transparent) and the
// right wall (hidden).
#include "chart/Chart/Walls.h"
#include "chart/ChartClasses.h"
#include "framework/Published.h"

namespace vur {

void DeclareWallsProperties() {
    using W = TCustomChartWall;
    TDeclare<W>("TCustomChartWall", "TPersistent")
        .Bool("AutoHide", &W::GetAutoHide, &W::SetAutoHide)
        .Default(false)
        .Object("Brush", &W::GetBrush)
        .Color("Color", &W::GetColor, &W::SetColor)
        .Stored(&W::IsColorStored)
        .Bool("Dark3D", &W::GetDark3D, &W::SetDark3D)
        .Default(true)
        .Object("Pen", &W::GetPen)
        .Int("Size", &W::GetSize, &W::SetSize)
        .Default(0)
        .Int("Transparency", &W::GetTransparency, &W::SetTransparency)
        .Default(0)
        .Bool("Transparent", &W::GetTransparent, &W::SetTransparent)
        .Default(false)
        .Bool("Visible", &W::GetVisible, &W::SetVisible)
        .Default(true);
    TDeclare<TChartWall>("TChartWall", "TCustomChartWall");
    TDeclare<TChartBackWall>("TChartBackWall", "TChartWall")
        .Bool("Transparent", &TChartBackWall::GetTransparent, &TChartBackWall::SetTransparent)
        .Default(true);
    TDeclare<TChartRightWall>("TChartRightWall", "TChartWall")
        .Bool("Visible", &TChartRightWall::GetVisible, &TChartRightWall::SetVisible)
        .Default(false);
}

} // namespace vur
