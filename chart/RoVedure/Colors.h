// Colour arithmetic of the canvas: darker and brighter shades for 3D sides
// and shadows, and the raw RGB bytes of a colour value.
#pragma once

#include "framework/Types.h"

namespace vur {

// Each of red, green, blue of the colour (system colours resolved) lowered by
// Quantity, floored at 0.
TColor ApplyDark(TColor Color, int Quantity);
// Each channel raised by Quantity, capped at 255.
TColor ApplyBright(TColor Color, int Quantity);
// The red, green and blue bytes taken as 0x00BBGGRR, without resolving system colours.
TColor RGBValue(TColor Color);

} // namespace vur
