#include "platform/gdi/GlyphCellCache.h"

#include "platform/gdi/PixelRun.h"

#include <algorithm>
#include <bit>

namespace vur::gdi {

static_assert(std::has_single_bit(GlyphCellCache::Slots));
static_assert(GlyphCellCache::MaxCellPixels <= GlyphCellCache::PoolPixels);

void GlyphCellCache::UseFont(const Font& F) {
    FFonts.Use(F, [this] { Clear(); });
}

std::size_t GlyphCellCache::SlotOf(const std::uint8_t* Coverage, std::uint32_t Ink, std::uint32_t Back) {
    const auto Key = static_cast<std::uint64_t>(reinterpret_cast<std::uintptr_t>(Coverage)) ^
                     (std::uint64_t{Ink} << 32 | Back);
    constexpr int Bits = std::countr_zero(Slots);
    return static_cast<std::size_t>((Key * 0x9E3779B97F4A7C15ull) >> (64 - Bits));
}

const std::uint32_t* GlyphCellCache::Cell(const std::uint8_t* Coverage, int Width, int Height,
                                          std::uint32_t Ink, std::uint32_t Back) {
    if (Width <= 0 || Height <= 0) return nullptr;
    const auto Count = static_cast<std::size_t>(Width), Rows = static_cast<std::size_t>(Height);
    const std::size_t Pitch = Count + Pad, Pixels = Pitch * Rows;
    if (Pixels > MaxCellPixels) return nullptr;
    if (FEntries.empty()) {
        FEntries.resize(Slots);
        FPool.reserve(PoolPixels);
    }
    std::size_t Slot = SlotOf(Coverage, Ink, Back);
    for (; FEntries[Slot].Coverage; Slot = (Slot + 1) & (Slots - 1)) {
        const Entry& E = FEntries[Slot];
        if (E.Coverage == Coverage && E.Ink == Ink && E.Back == Back) return FPool.data() + E.Offset;
    }
    if (FCount == MaxCells || FPool.size() + Pixels > PoolPixels) {
        Clear();
        Slot = SlotOf(Coverage, Ink, Back);
    }
    Entry& E = FEntries[Slot];
    E = Entry{Coverage, Ink, Back, FPool.size()};
    ++FCount;
    ++FMade;
    FPool.resize(FPool.size() + Pixels);
    std::uint32_t* Mixed = FPool.data() + E.Offset;
    FillPixels(Mixed, Pixels, Back);
    CoverPixels(Mixed, Pitch, CoverageRows{Coverage, Count, Count, Rows}, Ink);
    return Mixed;
}

void GlyphCellCache::Clear() {
    std::fill(FEntries.begin(), FEntries.end(), Entry{});
    FPool.clear();
    FCount = 0;
}

} // namespace vur::gdi
