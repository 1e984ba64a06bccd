#include "platform/gdi/TextLayout.h"

#include "platform/numeric/Rounding.h"

namespace vur::gdi::detail {

TextPlacement PlaceText(const FontInstance& Font, long long Width, int X, int Y, unsigned AlignFlags) {
    TextPlacement P;
    P.Width = Width;
    P.Direction = Font.Direction();
    P.Ascent = Font.Metrics().tmAscent;
    P.Descent = Font.Metrics().tmDescent;

    double Along = 0.0;
    if ((AlignFlags & TA_CENTER) == TA_CENTER)
        Along = -static_cast<double>(Width / 2);
    else if ((AlignFlags & TA_CENTER) == TA_RIGHT)
        Along = -static_cast<double>(Width);
    double Down = 0.0;
    if ((AlignFlags & TA_BASELINE) == TA_BASELINE)
        Down = 0.0;
    else if ((AlignFlags & TA_BASELINE) == TA_BOTTOM)
        Down = -P.Descent;
    else
        Down = P.Ascent;
    P.X = X;
    P.Y = Y;
    P.X = P.PointX(Along, Down);
    P.Y = P.PointY(Along, Down);
    return P;
}

void CellCorners(const TextPlacement& P, POINT (&Corners)[4]) {
    if (!P.Direction.Rotated) {
        // An upright cell: two columns and two rows, all whole already.
        const int Left = Trunc(P.X), Right = Trunc(P.X + static_cast<double>(P.Width));
        const int Top = Trunc(P.Y - P.Ascent), Bottom = Trunc(P.Y + P.Descent);
        Corners[0] = POINT{Left, Top};
        Corners[1] = POINT{Right, Top};
        Corners[2] = POINT{Right, Bottom};
        Corners[3] = POINT{Left, Bottom};
        return;
    }
    const double Along[4] = {0.0, static_cast<double>(P.Width), static_cast<double>(P.Width), 0.0};
    const double Down[4] = {-static_cast<double>(P.Ascent), -static_cast<double>(P.Ascent),
                            static_cast<double>(P.Descent), static_cast<double>(P.Descent)};
    for (int I = 0; I < 4; ++I)
        Corners[I] = POINT{Round(P.PointX(Along[I], Down[I])), Round(P.PointY(Along[I], Down[I]))};
}

} // namespace vur::gdi::detail
