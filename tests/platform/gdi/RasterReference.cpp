#include "RasterReference.h"

#include "platform/gdi/Region.h"

#include <algorithm>
#include <cstdint>
#include <cstdlib>

namespace vur::gdi::testing {

namespace {
std::int64_t CeilDiv(std::int64_t A, std::int64_t B) {
    // B > 0
    return A >= 0 ? (A + B - 1) / B : -((-A) / B);
}
} // namespace

std::vector<DashedPen> DashedPens(COLORREF Ink) {
    const LOGBRUSH Brush{BS_SOLID, Ink, 0};
    const unsigned User[] = {2, 0, 0, 3, 4, 1};
    const unsigned Long[] = {11, 2};
    return {
        {CreatePen(PS_SOLID, 1, Ink), {}},
        {CreatePen(PS_DOT, 1, Ink), {3, 3}},
        {CreatePen(PS_DASH, 1, Ink), {18, 6}},
        {CreatePen(PS_DASHDOT, 1, Ink), {9, 6, 3, 6}},
        {CreatePen(PS_DASHDOTDOT, 1, Ink), {9, 3, 3, 3, 3, 3}},
        {ExtCreatePen(PS_COSMETIC | PS_ALTERNATE, 1, Brush, 0, nullptr), {1, 1}},
        {ExtCreatePen(PS_COSMETIC | PS_USERSTYLE, 1, Brush, 6, User), {2, 0, 0, 3, 4, 1}},
        {ExtCreatePen(PS_COSMETIC | PS_USERSTYLE, 1, Brush, 2, Long), {11, 2}},
    };
}

std::vector<bool> LitPattern(const std::vector<int>& Runs) {
    std::vector<bool> Lit;
    for (std::size_t R = 0; R < Runs.size(); ++R) Lit.insert(Lit.end(), Runs[R], R % 2 == 0);
    return Lit;
}

std::uint32_t ReferenceLay(std::uint32_t Dest, std::uint32_t Pen, unsigned C, int Rop2) {
    if (C == 0) return Dest;
    const std::uint32_t Ink = RasterOp(Rop2)(Pen, Dest);
    std::uint32_t Out = 0;
    for (int Shift = 0; Shift < 24; Shift += 8) {
        const unsigned I = Ink >> Shift & 0xFF, D = Dest >> Shift & 0xFF;
        Out |= (I * C + D * (255 - C) + 127) / 255 << Shift;
    }
    return Out;
}

std::optional<POINT> FirstMismatch(const Bitmap& Picture, const std::vector<COLORREF>& Expected) {
    const int Width = Picture.Width();
    for (int Y = 0; Y < Picture.Height(); ++Y)
        for (int X = 0; X < Width; ++X)
            if (Picture.GetPixel(X, Y) != Expected[static_cast<std::size_t>(Y) * Width + X])
                return POINT{X, Y};
    return std::nullopt;
}

std::vector<POINT> ReferenceLine(int X0, int Y0, int X1, int Y1) {
    std::vector<POINT> Pixels;
    const std::int64_t Dx = X1 - X0, Dy = Y1 - Y0;
    const bool XMajor = std::llabs(Dx) > std::llabs(Dy);
    const std::int64_t Steps = XMajor ? std::llabs(Dx) : std::llabs(Dy);
    for (std::int64_t I = 0; I < Steps; ++I) {
        // Major coordinate moves one per step; the minor one is the ideal
        // value Start + I * Slope, rounded to nearest with halves going down.
        const std::int64_t Major = (XMajor ? X0 : Y0) + (XMajor ? (Dx > 0 ? I : -I) : (Dy > 0 ? I : -I));
        const std::int64_t Num = (XMajor ? Y0 : X0) * Steps + I * (XMajor ? Dy : Dx);
        const std::int64_t Minor = CeilDiv(2 * Num - Steps, 2 * Steps);
        Pixels.push_back(XMajor ? POINT{int(Major), int(Minor)} : POINT{int(Minor), int(Major)});
    }
    return Pixels;
}

bool ReferenceInside(const std::vector<POINT>& Polygon, int FillMode, int X, int Y) {
    int Crossings = 0, Winding = 0;
    for (std::size_t I = 0; I < Polygon.size(); ++I) {
        POINT A = Polygon[I], B = Polygon[(I + 1) % Polygon.size()];
        int Dir = 1;
        if (A.y > B.y) {
            std::swap(A, B);
            Dir = -1;
        }
        if (!(A.y <= Y && Y < B.y)) continue;
        // Crossing at or left of X: A.x + (Y - A.y)(B.x - A.x)/(B.y - A.y) <= X.
        const std::int64_t Lhs = std::int64_t{A.x} * (B.y - A.y) + std::int64_t{Y - A.y} * (B.x - A.x);
        if (Lhs <= std::int64_t{X} * (B.y - A.y)) {
            ++Crossings;
            Winding += Dir;
        }
    }
    return FillMode == WINDING ? Winding != 0 : (Crossings & 1) != 0;
}

void KeepPicture(const Bitmap& Picture, const std::string& Name) { Picture.SavePng(Name + ".png"); }

std::vector<POINT> PixelsOf(const Bitmap& Picture, COLORREF Color) {
    std::vector<POINT> Result;
    for (int Y = 0; Y < Picture.Height(); ++Y)
        for (int X = 0; X < Picture.Width(); ++X)
            if (Picture.GetPixel(X, Y) == Color) Result.push_back(POINT{X, Y});
    return Result;
}

} // namespace vur::gdi::testing
