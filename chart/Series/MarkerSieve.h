// Markers of one look drawn in a pass without lines: where a later marker
// lands on the same pixel it sets exactly the pixels the earlier one set, so
// only the last marker at each pixel shows in the picture. Offered in
// reverse drawing order, the sieve keeps the first at each pixel; drawn in
// reverse again, the kept ones give the same picture as all of them.
#pragma once

#include "framework/Types.h"

#include <cstdint>
#include <span>
#include <vector>

namespace vur {

struct TSievedMarker {
    int ValueIndex = 0;
    int X = 0;
    int Y = 0;
};

// Kept by its series across paints: once sized nothing here allocates.
class TMarkerSieve {
public:
    // Forgets the last pass; pixels in Area are tracked, markers elsewhere
    // are all kept.
    void Start(const TRect& Area);
    // Keeps the marker unless one offered since Start is at its pixel.
    void Offer(int ValueIndex, int X, int Y);
    // The kept markers, in the order offered.
    std::span<const TSievedMarker> Kept() const { return FKept; }

private:
    TRect FArea;
    int FWidth = 0;
    int FHeight = 0;
    std::vector<std::uint64_t> FTaken;
    std::vector<TSievedMarker> FKept;
};

} // namespace vur
