#include "chart/Chart/Walls.h"

#include "chart/VurProcs/Panel.h"

namespace vur {

TChartWall::TChartWall(TCustomVurPanel* AParent, TColor ADefaultColor)
    : FParent(AParent), FColor(ADefaultColor), FDefaultColor(ADefaultColor) {}

void TChartWall::SetColor(TColor Value) { FParent->SetColorProperty(FColor, Value); }

void TChartWall::SetTransparent(bool Value) { FParent->SetBooleanProperty(FTransparent, Value); }

TChartBackWall::TChartBackWall(TCustomVurPanel* AParent) : TChartWall(AParent, clSilver) {
    InitTransparent(true);
}

} // namespace vur
