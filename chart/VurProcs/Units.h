// Units of lengths a chart lays out relative to its size: panel margins and
// axis positions.
#pragma once

#include <cstdint>

namespace vur {

enum TVurUnits : std::uint8_t { muPercent, muPixels };

} // namespace vur
