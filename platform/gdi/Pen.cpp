#include "platform/gdi/Pen.h"

#include <algorithm>

namespace vur::gdi {

namespace {

constexpr double Dash[] = {18, 6}, Dot[] = {3, 3}, DashDot[] = {9, 6, 3, 6},
                 DashDotDot[] = {9, 3, 3, 3, 3, 3}, Alternate[] = {1, 1};
// Geometric dashes, in multiples of the width.
constexpr double DashUnits[] = {3, 1}, DotUnits[] = {1, 1}, DashDotUnits[] = {3, 1, 1, 1},
                 DashDotDotUnits[] = {3, 1, 1, 1, 1, 1};

std::span<const double> CosmeticDashes(unsigned Style) {
    switch (Style) {
    case PS_DASH:
        return Dash;
    case PS_DOT:
        return Dot;
    case PS_DASHDOT:
        return DashDot;
    case PS_DASHDOTDOT:
        return DashDotDot;
    case PS_ALTERNATE:
        return Alternate;
    default:
        return {};
    }
}

std::span<const double> GeometricUnits(unsigned Style) {
    switch (Style) {
    case PS_DASH:
        return DashUnits;
    case PS_DOT:
        return DotUnits;
    case PS_DASHDOT:
        return DashDotUnits;
    case PS_DASHDOTDOT:
        return DashDotDotUnits;
    default:
        return {};
    }
}

} // namespace

Pen CreatePen(unsigned Style, int Width, COLORREF Color) {
    Pen P;
    Style &= PS_STYLE_MASK;
    if (Style > PS_INSIDEFRAME) Style = PS_SOLID;
    P.FColor = Color & 0xFFFFFF;
    P.FWidth = std::clamp(Width, 1, MaxPenWidth);
    if (P.FWidth > 1 && Style != PS_NULL && Style != PS_INSIDEFRAME) Style = PS_SOLID;
    P.FStyle = Style;
    if (P.FWidth == 1) P.SetDashes(CosmeticDashes(Style));
    return P;
}

Pen ExtCreatePen(unsigned Style, unsigned Width, const LOGBRUSH& Brush, unsigned StyleCount,
                 const unsigned* StyleEntries) {
    Pen P;
    const bool Geometric = (Style & PS_TYPE_MASK) == PS_GEOMETRIC;
    unsigned Kind = Style & PS_STYLE_MASK;
    if (Kind > PS_ALTERNATE || (Kind == PS_ALTERNATE && Geometric)) Kind = PS_SOLID;
    P.FColor = Brush.lbColor & 0xFFFFFF;
    if (Brush.lbStyle == BS_NULL) Kind = PS_NULL;
    P.FWidth = Geometric ? static_cast<int>(std::clamp(Width, 1u, unsigned{MaxPenWidth})) : 1;
    P.FStyle = (Geometric ? PS_GEOMETRIC | (Style & (PS_ENDCAP_MASK | PS_JOIN_MASK)) : PS_COSMETIC) | Kind;
    if (Kind == PS_USERSTYLE) {
        const unsigned Count = StyleEntries ? std::min(StyleCount, 16u) : 0;
        double User[32];
        std::copy(StyleEntries, StyleEntries + Count, User);
        // A pattern without any length draws solid; an odd count
        // alternates dash and gap over two rounds.
        const bool Solid = std::all_of(User, User + Count, [](double D) { return D == 0; });
        std::copy(User, User + Count % 2 * Count, User + Count);
        P.SetDashes({User, Solid ? 0 : Count * (1 + Count % 2)});
    } else if (Geometric) {
        const std::span<const double> Units = GeometricUnits(Kind);
        double Scaled[6];
        std::transform(Units.begin(), Units.end(), Scaled, [&](double U) { return U * P.FWidth; });
        P.SetDashes({Scaled, Units.size()});
    } else {
        P.SetDashes(CosmeticDashes(Kind));
    }
    return P;
}

void Pen::SetDashes(std::span<const double> Dashes) {
    FDashes = {};
    FDashCount = std::min(Dashes.size(), FDashes.size());
    std::copy_n(Dashes.begin(), FDashCount, FDashes.begin());
}

} // namespace vur::gdi
