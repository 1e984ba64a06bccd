// The process-wide switches of the engine: drawing, layout and mouse. They
// live in one object with fixed start values, so a test can change one and
// put all of them back with ResetVurDrawSettings.
#pragma once

#include "framework/Controls.h"
#include "framework/Types.h"

#include <string>

namespace vur {

struct TVurDrawSettings {
    // Degrees to radians.
    double VurPiStep = 0.017453292519943295;
    // A non-solid pen of width 1 gets width 0 (the thinnest cosmetic pen) so that dashes draw.
    bool VurCheckPenWidth = false;
    TRect VurZeroRect{0, 0, 0, 0};
    // Darkening of the left and right faces of a cube, and of its top and bottom.
    int DarkerColorQuantity = 128;
    int DarkColorQuantity = 64;
    // The raster device has geometric pens with end styles: the extended pen path is used.
    bool IsWindowsNT = true;
    int DefaultFontSize = 8;
    std::string DefaultFontName = "Arial";
    // Font quality of rotated text (antialiased).
    int VurFontAntiAlias = 4;
    int VurNumCylinderSides = 16;
    int VurDefaultConePercent = 0;

    // Widens the clickable band of an axis on its line side.
    int VurAxisClickGap = 3;
    // Pixels between a title's box and the plot.
    int VurTitleFootDistance = 5;
    // Whether a panel clips its drawing when printing, and when drawing to a metafile.
    bool VurClipWhenPrinting = true;
    bool VurClipWhenMetafiling = true;
    // When True the window's background is erased before each paint (flickers).
    bool VurEraseBack = false;
    // When True printing also paints the panel's background and bevels.
    bool PrintVurPanel = false;
    // Each step of an animated zoom covers this share (1 / factor) of the distance left.
    double AnimatedZoomFactor = 3.0;
    // Keys that must be held, with the scroll button, to start a scroll drag.
    TShiftState VurScrollKeyShift = 0;
    // Whether the wheel scrolls the vertical axes.
    bool VurUseMouseWheel = true;
    // Series without any source of points show sample values at run time too, not only while designed.
    bool VurRandomAtRunTime = false;
    // A mark's callout in the point's or the chart's colour is drawn black (white on black).
    bool VurCheckMarkArrowColor = false;
};

TVurDrawSettings& VurDrawSettings();
void ResetVurDrawSettings();

int GetDefaultFontSize();
const std::string& GetDefaultFontName();

} // namespace vur
