#include "platform/gdi/Pen.h"

#include <algorithm>

namespace vur::gdi {

namespace {

std::vector<double> CosmeticDashes(unsigned Style) {
    switch (Style) {
    case PS_DASH:
        return {18, 6};
    case PS_DOT:
        return {3, 3};
    case PS_DASHDOT:
        return {9, 6, 3, 6};
    case PS_DASHDOTDOT:
        return {9, 3, 3, 3, 3, 3};
    case PS_ALTERNATE:
        return {1, 1};
    default:
        return {};
    }
}

std::vector<double> GeometricDashes(unsigned Style, int Width) {
    std::vector<double> Units;
    switch (Style) {
    case PS_DASH:
        Units = {3, 1};
        break;
    case PS_DOT:
        Units = {1, 1};
        break;
    case PS_DASHDOT:
        Units = {3, 1, 1, 1};
        break;
    case PS_DASHDOTDOT:
        Units = {3, 1, 1, 1, 1, 1};
        break;
    default:
        return {};
    }
    for (double& U : Units) U *= Width;
    return Units;
}

} // namespace

Pen CreatePen(unsigned Style, int Width, COLORREF Color) {
    Pen P;
    Style &= PS_STYLE_MASK;
    if (Style > PS_INSIDEFRAME) Style = PS_SOLID;
    P.FColor = Color & 0xFFFFFF;
    P.FWidth = std::max(Width, 1);
    if (P.FWidth > 1 && Style != PS_NULL && Style != PS_INSIDEFRAME) Style = PS_SOLID;
    P.FStyle = Style;
    if (P.FWidth == 1) P.FDashes = CosmeticDashes(Style);
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
    P.FWidth = Geometric ? static_cast<int>(std::clamp(Width, 1u, 1u << 20)) : 1;
    P.FStyle = (Geometric ? PS_GEOMETRIC | (Style & (PS_ENDCAP_MASK | PS_JOIN_MASK)) : PS_COSMETIC) | Kind;
    if (Kind == PS_USERSTYLE) {
        const unsigned Count = StyleEntries ? std::min(StyleCount, 16u) : 0;
        P.FDashes.assign(StyleEntries, StyleEntries + Count);
        // A pattern without any length draws solid.
        if (std::all_of(P.FDashes.begin(), P.FDashes.end(), [](double D) { return D == 0; }))
            P.FDashes.clear();
        // An odd count alternates dash and gap over two rounds.
        if (P.FDashes.size() % 2) P.FDashes.insert(P.FDashes.end(), P.FDashes.begin(), P.FDashes.end());
    } else {
        P.FDashes = Geometric ? GeometricDashes(Kind, P.FWidth) : CosmeticDashes(Kind);
    }
    return P;
}

} // namespace vur::gdi
