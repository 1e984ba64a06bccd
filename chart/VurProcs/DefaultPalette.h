// DefaultPalette: the process-wide palette from which series with automatic
// colours take theirs when their chart has no palette of its own.
#pragma once

#include "framework/Types.h"

#include <vector>

namespace vur {

using TColorArray = std::vector<TColor>;

// The 20 colours it starts with: red, green, yellow, blue, ... medium grey.
const TColorArray& StandardPalette();
const TColorArray& DefaultPalette();
// Replaces it with a copy of Colors; a single colour (highest index 0) or
// none restores the standard colours instead.
void SetDefaultColorPalette(const TColorArray& Colors);
void SetDefaultColorPalette();
// The palette entry at Index, wrapping around its length.
TColor GetDefaultColor(int Index);

} // namespace vur
