// The chart engine's published-property declarations, one function per file
// beside the classes they describe, and the types several of them share.
#pragma once

#include "framework/TypeInfo.h"

namespace vur {

// Declares every chart class and registers the components a stream may name
// (the chart and the series types). Runs at start-up; constructing a chart
// runs it too (it does the work once), which keeps it linked into every
// program that uses a chart.
void RegisterChartClasses();

void DeclareChartPenProperties();
void DeclareChartBrushProperties();
void DeclareVurFontProperties();
void DeclareShadowProperties();
void DeclareGradientProperties();
void DeclareView3DOptionsProperties();
void DeclareShapeProperties();
void DeclareBackImageProperties();
void DeclareZoomProperties();
void DeclarePanelProperties();
void DeclareValueListProperties();
void DeclarePointerProperties();
void DeclareCalloutProperties();
void DeclareMarksProperties();
void DeclareSeriesProperties();
void DeclareAxisItemsProperties();
void DeclareAxisProperties();
void DeclareAxisPanelProperties();
void DeclareTitleProperties();
void DeclareWallsProperties();
void DeclareLegendProperties();
void DeclareChartProperties();
void DeclareLineSeriesProperties();
void DeclareFunctionProperties();

// Shared by the panel, the shapes and the axes.
extern const TTypeInfo TypeVurUnits;
extern const TTypeInfo TypeBevelCut;
extern const TTypeInfo TypePenEndStyle;
// Shared by the pointer and the marks' callout.
extern const TTypeInfo TypeSeriesPointerStyle;

} // namespace vur
