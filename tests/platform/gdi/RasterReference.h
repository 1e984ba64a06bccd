// Slow, obvious statements of the pixel rules, written independently of the
// fast paths they check: a line lights, for every step along its major axis
// but the last, the pixel nearest to the ideal line (a tie going to the upper
// or left pixel); a pixel is inside a polygon when its sample point is, with
// points on left or top edges inside and on right or bottom edges outside.
#pragma once

#include "platform/gdi/Bitmap.h"
#include "platform/gdi/Types.h"

#include <string>
#include <vector>

namespace vur::gdi::testing {

std::vector<POINT> ReferenceLine(int X0, int Y0, int X1, int Y1);

// FillMode ALTERNATE or WINDING.
bool ReferenceInside(const std::vector<POINT>& Polygon, int FillMode, int X, int Y);

// Saves the bitmap next to the test program when a pixel test fails.
void KeepPicture(const Bitmap& Picture, const std::string& Name);

// The pixels of a colour, as a sorted list.
std::vector<POINT> PixelsOf(const Bitmap& Picture, COLORREF Color);

} // namespace vur::gdi::testing
