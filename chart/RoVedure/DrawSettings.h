// The process-wide drawing switches every canvas reads. They live in one
// object with fixed start values, so a test can change one and put all of
// them back with ResetVurDrawSettings.
#pragma once

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
};

TVurDrawSettings& VurDrawSettings();
void ResetVurDrawSettings();

int GetDefaultFontSize();
const std::string& GetDefaultFontName();

} // namespace vur
