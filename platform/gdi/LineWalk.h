// One-pixel lines. A line from P to Q lights every pixel of the segment but Q.
// It is x-major only when |dx| > |dy|; the minor coordinate of step i is
// floor((2 i dmin + dmaj + bias - 1) / (2 dmaj)), where bias is 1 for x-major
// lines running up and y-major lines running left, so that a line passing
// exactly between two pixels lights the upper or the left one. The steps
// inside the clip box are found from that formula before walking, in 64-bit
// arithmetic, so far-away or huge lines cost nothing outside the box.
#pragma once

#include "platform/gdi/Dash.h"
#include "platform/gdi/Painter.h"

#include <cstdint>

namespace vur::gdi {

struct LineInk {
    std::uint32_t Pen = 0;  // pixel of the dashes
    std::uint32_t Back = 0; // pixel of the gaps when Opaque
    bool Opaque = false;
};

// Dash is advanced by the line's length; pass a solid one for plain lines.
void CosmeticLine(Painter& Target, int X0, int Y0, int X1, int Y1, const LineInk& Ink, PixelDash& Dash);

// A line stored plainly inside Box, for a device with no clip shape and the
// pen copied, a dash or gap at a time. Dash is advanced by the line's length.
void StoredLine(Bitmap& Surface, const RECT& Box, int X0, int Y0, int X1, int Y1, const LineInk& Ink,
                PixelDash& Dash);

// The steps of a line that fall inside a box: Visit(X, Y, StepIndex) for
// StepIndex in the visible range, in order. Returns the number of steps.
template <class F>
std::int64_t WalkLine(int X0, int Y0, int X1, int Y1, const RECT& Box, F&& Visit);

namespace detail {
// Ends are held within this; far beyond any device, it keeps every product
// below 2^62.
constexpr std::int64_t Limit = std::int64_t{1} << 27;
struct LineSetup {
    std::int64_t First = 0, Last = -1; // visible step range
    std::int64_t Steps = 0;
    std::int64_t Major = 0, Minor = 0; // start coordinates
    int MajorStep = 0, MinorStep = 0;
    bool XMajor = false;
    std::int64_t DMaj = 0, DMin = 0, Bias = 0;
    std::int64_t MinorOffset = 0, Err = 0; // at step First
};
LineSetup SetupLine(int X0, int Y0, int X1, int Y1, const RECT& Box);
} // namespace detail

template <class F>
std::int64_t WalkLine(int X0, int Y0, int X1, int Y1, const RECT& Box, F&& Visit) {
    const detail::LineSetup L = detail::SetupLine(X0, Y0, X1, Y1, Box);
    std::int64_t Err = L.Err;
    int Ma = static_cast<int>(L.Major + L.MajorStep * L.First);
    int Mi = static_cast<int>(L.Minor + L.MinorStep * L.MinorOffset);
    const std::int64_t TwoMaj = 2 * L.DMaj, TwoMin = 2 * L.DMin;
    for (std::int64_t I = L.First; I <= L.Last; ++I) {
        if (L.XMajor)
            Visit(Ma, Mi, I);
        else
            Visit(Mi, Ma, I);
        if (Err + L.Bias > 0) {
            Mi += L.MinorStep;
            Err -= TwoMaj;
        }
        Err += TwoMin;
        Ma += L.MajorStep;
    }
    return L.Steps;
}

} // namespace vur::gdi
