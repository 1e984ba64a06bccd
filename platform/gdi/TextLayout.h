// Where a string goes: the start of its baseline from the reference point and
// the alignment flags, the pen positions of its characters and its cell, all
// turned by the escapement. Alignment offsets are taken in the text's own
// frame and rotate with it.
#pragma once

#include "platform/gdi/Font.h"
#include "platform/gdi/FontInstance.h"

#include <string_view>

namespace vur::gdi::detail {

struct TextPlacement {
    // Start of the baseline in device coordinates; whole numbers unless the
    // text is rotated by an angle that is not a multiple of 90 degrees.
    double X = 0.0;
    double Y = 0.0;
    long long Width = 0; // sum of advances and extra spacing
    TextDirection Direction;
    int Ascent = 0;
    int Descent = 0;

    // Device position of the point Along pixels down the baseline and Down
    // pixels below it.
    double PointX(double Along, double Down) const { return X + Along * Direction.Ux + Down * Direction.Vx; }
    double PointY(double Along, double Down) const { return Y + Along * Direction.Uy + Down * Direction.Vy; }
};

TextPlacement PlaceText(const FontInstance& Font, long long Width, int X, int Y, unsigned AlignFlags);

// Corners of the text cell, rounded: (start, top), (end, top), (end, bottom),
// (start, bottom).
void CellCorners(const TextPlacement& Placement, POINT (&Corners)[4]);

} // namespace vur::gdi::detail
