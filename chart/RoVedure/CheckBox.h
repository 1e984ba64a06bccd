// A check box or radio button glyph drawn with lines and shapes, for the
// legend's items that switch their series on and off.
#pragma once

#include "chart/RoVedure/Canvas.h"

namespace vur {

// Width and height of the glyph in pixels.
constexpr int CheckBoxSize = 12;

// The glyph with its top-left corner at (X, Y); it leaves the canvas'
// pen and brush changed.
void DrawCheckBox(TVurCanvas& Canvas, int X, int Y, bool Checked, bool Radio);

} // namespace vur
