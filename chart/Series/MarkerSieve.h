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
    // Inline: it runs once per point of the series.
    void Offer(int ValueIndex, int X, int Y) {
        // Unsigned, a pixel left of or above the area wraps past the far side.
        const auto Column = static_cast<std::uint64_t>(std::int64_t{X} - FArea.Left);
        const auto Row = static_cast<std::uint64_t>(std::int64_t{Y} - FArea.Top);
        const auto Width = static_cast<std::uint64_t>(FWidth);
        if (Column < Width && Row < static_cast<std::uint64_t>(FHeight)) {
            const std::uint64_t Bit = Row * Width + Column;
            std::uint64_t& Word = FTaken[Bit / 64];
            const std::uint64_t Mask = std::uint64_t{1} << (Bit % 64);
            if ((Word & Mask) != 0) return;
            Word |= Mask;
        }
        FKept.push_back({ValueIndex, X, Y});
    }
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
