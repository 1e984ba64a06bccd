// The panel classes in the registry. The chart publishes their settings
// (chart/Chart/ChartProperties.cpp); the types they share are here.
#include "chart/ChartClasses.h"
#include "chart/VurProcs/Panel.h"
#include "chart/VurProcs/Units.h"
#include "framework/Published.h"

namespace vur {

namespace {
constexpr const char* UnitsNames[] = {"muPercent", "muPixels"};
constexpr const char* BevelCutNames[] = {"bvNone", "bvLowered", "bvRaised", "bvSpace"};
} // namespace

constinit const TTypeInfo TypeVurUnits = EnumTypeInfo("TVurUnits", UnitsNames);
constinit const TTypeInfo TypeBevelCut = EnumTypeInfo("TBevelCut", BevelCutNames);

void DeclarePanelProperties() {
    TDeclare<TCustomPanelNoCaption>("TCustomPanelNoCaption", "TCustomPanel");
    TDeclare<TCustomVurPanel>("TCustomVurPanel", "TCustomPanelNoCaption");
    TDeclare<TCustomVurPanelExtended>("TCustomVurPanelExtended", "TCustomVurPanel");
}

} // namespace vur
