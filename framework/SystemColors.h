// System colours: the colours that TColor values of clSystemColor + index name,
// from the classic desktop scheme the stored layouts were designed against.
#pragma once

#include "framework/Types.h"

#include <cstdint>

namespace vur {

// The RGB colour (0x00BBGGRR) of a system colour; any other value unchanged.
TColor ColorToRGB(TColor Color);

// A TColor as a 32-bit pixel 0x00RRGGBB, system colours resolved.
std::uint32_t ColorToPixel(TColor Color);

} // namespace vur
