#include "chart/ChartClasses.h"

#include "chart/Chart/SeriesTypes.h"
#include "framework/Published.h"

namespace vur {

void RegisterChartClasses() {
    static const bool Registered = [] {
        DeclareChartPenProperties();
        DeclareChartBrushProperties();
        DeclareVurFontProperties();
        DeclareShadowProperties();
        DeclareGradientProperties();
        DeclareView3DOptionsProperties();
        DeclareShapeProperties();
        DeclareBackImageProperties();
        DeclareZoomProperties();
        DeclarePanelProperties();
        DeclareValueListProperties();
        DeclarePointerProperties();
        DeclareCalloutProperties();
        DeclareMarksProperties();
        DeclareSeriesProperties();
        DeclareAxisItemsProperties();
        DeclareAxisProperties();
        DeclareAxisPanelProperties();
        DeclareTitleProperties();
        DeclareWallsProperties();
        DeclareLegendProperties();
        DeclareChartProperties();
        DeclareLineSeriesProperties();
        DeclareFunctionProperties();
        RegisterClass("TChart");
        // Registering a series type registers its class; the built-in ones come with the list.
        VurSeriesTypes();
        return true;
    }();
    (void)Registered;
}

namespace {
// The chart unit's initialisation.
const bool ChartClassesAtStartUp = (RegisterChartClasses(), true);
} // namespace

} // namespace vur
