#include "chart/Series/MarkerSieve.h"

#include <algorithm>

namespace vur {

namespace {

// A plot wider or taller than any picture gets no pixel map.
constexpr std::int64_t MaxPixels = std::int64_t{1} << 26;

} // namespace

void TMarkerSieve::Start(const TRect& Area) {
    const std::int64_t Width = std::max<std::int64_t>(0, std::int64_t{Area.Right} - Area.Left + 1);
    const std::int64_t Height = std::max<std::int64_t>(0, std::int64_t{Area.Bottom} - Area.Top + 1);
    const bool Tracked = Width * Height <= MaxPixels;
    FArea = Area;
    FWidth = Tracked ? static_cast<int>(Width) : 0;
    FHeight = Tracked ? static_cast<int>(Height) : 0;
    const auto Words = static_cast<std::size_t>(Tracked ? (Width * Height + 63) / 64 : 0);
    FTaken.assign(Words, 0);
    FKept.clear();
}

} // namespace vur
