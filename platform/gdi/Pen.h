// Pens. A pen is a value; selecting it into a DC copies it. Cosmetic pens are
// one pixel wide and walk their dash pattern one unit per pixel; pens of width
// 2 or more, and geometric pens, are outlines filled like polygons, with end
// caps, joins and dashes measured in pixels along the path.
#pragma once

#include "platform/gdi/Types.h"

#include <array>
#include <cstdint>
#include <span>

namespace vur::gdi {

constexpr unsigned PS_SOLID = 0;
constexpr unsigned PS_DASH = 1;
constexpr unsigned PS_DOT = 2;
constexpr unsigned PS_DASHDOT = 3;
constexpr unsigned PS_DASHDOTDOT = 4;
constexpr unsigned PS_NULL = 5;
constexpr unsigned PS_INSIDEFRAME = 6;
constexpr unsigned PS_USERSTYLE = 7;
constexpr unsigned PS_ALTERNATE = 8;
constexpr unsigned PS_STYLE_MASK = 0x0000000F;

constexpr unsigned PS_ENDCAP_ROUND = 0x00000000;
constexpr unsigned PS_ENDCAP_SQUARE = 0x00000100;
constexpr unsigned PS_ENDCAP_FLAT = 0x00000200;
constexpr unsigned PS_ENDCAP_MASK = 0x00000F00;

constexpr unsigned PS_JOIN_ROUND = 0x00000000;
constexpr unsigned PS_JOIN_BEVEL = 0x00001000;
constexpr unsigned PS_JOIN_MITER = 0x00002000;
constexpr unsigned PS_JOIN_MASK = 0x0000F000;

constexpr unsigned PS_COSMETIC = 0x00000000;
constexpr unsigned PS_GEOMETRIC = 0x00010000;
constexpr unsigned PS_TYPE_MASK = 0x000F0000;

// Wider pens are made this wide: already wider than any picture, and the
// stroke's sums stay inside int.
constexpr int MaxPenWidth = 1 << 20;

constexpr unsigned BS_SOLID = 0;
constexpr unsigned BS_NULL = 1;
constexpr unsigned BS_HOLLOW = BS_NULL;
constexpr unsigned BS_HATCHED = 2;
constexpr unsigned BS_PATTERN = 3;

struct LOGBRUSH {
    unsigned lbStyle = BS_SOLID;
    COLORREF lbColor = 0;
    std::uintptr_t lbHatch = 0;
};

class Pen {
public:
    // The default pen: black, solid, cosmetic, one pixel.
    Pen() = default;

    unsigned GetStyle() const { return FStyle & PS_STYLE_MASK; }
    unsigned GetEndCap() const { return FStyle & PS_ENDCAP_MASK; }
    unsigned GetJoin() const { return FStyle & PS_JOIN_MASK; }
    bool IsGeometric() const { return (FStyle & PS_TYPE_MASK) == PS_GEOMETRIC; }
    int GetWidth() const { return FWidth; }
    COLORREF GetColor() const { return FColor; }
    // Dash lengths in pixels, dash first; empty for a solid line.
    std::span<const double> GetDashes() const { return {FDashes.data(), FDashCount}; }

    bool IsNull() const { return GetStyle() == PS_NULL; }
    // Drawn by the one-pixel walk rather than as filled outlines.
    bool IsCosmeticLine() const { return !IsGeometric() && FWidth <= 1; }
    bool IsInsideFrame() const { return GetStyle() == PS_INSIDEFRAME; }

    friend bool operator==(const Pen&, const Pen&) = default;

private:
    friend Pen CreatePen(unsigned Style, int Width, COLORREF Color);
    friend Pen ExtCreatePen(unsigned Style, unsigned Width, const LOGBRUSH& Brush, unsigned StyleCount,
                            const unsigned* StyleEntries);
    unsigned FStyle = PS_SOLID;
    int FWidth = 1;
    COLORREF FColor = 0;
    // Held in place so that selecting a pen never allocates: 16 user
    // entries, doubled when their count is odd.
    void SetDashes(std::span<const double> Dashes);
    std::array<double, 32> FDashes{};
    std::size_t FDashCount = 0;
};

// Width 0 or less is the one-pixel pen. A plain pen wider than 1 has round
// caps and joins and draws every dash style solid. Unknown styles are solid.
Pen CreatePen(unsigned Style, int Width, COLORREF Color);
// Cosmetic pens are one pixel wide (PS_ALTERNATE and PS_USERSTYLE allowed);
// geometric pens take their colour from the brush, their dash styles in
// multiples of the width, and user dashes (up to 16, dash first) in pixels.
Pen ExtCreatePen(unsigned Style, unsigned Width, const LOGBRUSH& Brush, unsigned StyleCount,
                 const unsigned* StyleEntries);

} // namespace vur::gdi
