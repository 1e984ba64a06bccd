// Gradient fills of the chart canvas: bands of solid colour stepping from a
// start colour to an end colour.
#include "chart/RoVedure/Geometry.h"
#include "chart/RoVedure/VurCanvas3D.h"
#include "framework/Rounding.h"
#include "framework/SystemColors.h"

#include <algorithm>
#include <cmath>
#include <utility>

namespace vur {

namespace {

// The colour of step I out of N between two colours.
class TColorSteps {
public:
    TColorSteps(TColor Start, TColor End, int Balance) : FBalance(Balance) {
        const TColor S = ColorToRGB(Start) & 0xFFFFFF, E = ColorToRGB(End) & 0xFFFFFF;
        for (int C = 0; C < 3; ++C) {
            FStart[C] = static_cast<int>((S >> (8 * C)) & 0xFF);
            FDelta[C] = static_cast<int>((E >> (8 * C)) & 0xFF) - FStart[C];
        }
    }

    TColor Step(int I, int N) const {
        TColor Result = 0;
        const double X = FBalance == 50 ? 0 : std::pow((I + 1.0) / (N + 1.0), 0.015 * FBalance + 0.5);
        for (int C = 0; C < 3; ++C) {
            const int Value = FBalance == 50 ? FStart[C] + static_cast<int>(std::int64_t{I} * FDelta[C] / N)
                                             : FStart[C] + Round(FDelta[C] * X);
            Result |= static_cast<TColor>(std::clamp(Value, 0, 255)) << (8 * C);
        }
        return Result;
    }

private:
    int FBalance;
    int FStart[3];
    int FDelta[3];
};

// Fills rectangles in solid colours without touching the canvas's brush,
// making a new device brush only when the colour changes.
class TBandPainter {
public:
    explicit TBandPainter(gdi::DC& DC) : FDC(DC) {}
    void Fill(int Left, int Top, int Right, int Bottom, TColor Color) {
        if (!FHasColor || Color != FColor) {
            FBrush = gdi::CreateSolidBrush(Color);
            FColor = Color;
            FHasColor = true;
        }
        FDC.FillRect(gdi::RECT{Left, Top, Right, Bottom}, FBrush);
    }

private:
    gdi::DC& FDC;
    gdi::Brush FBrush;
    TColor FColor = 0;
    bool FHasColor = false;
};

} // namespace

void TVurCanvas3D::GradientFill(const TRect& Rect, TColor StartColor, TColor EndColor,
                                TGradientDirection Direction, int Balance) {
    if (!FCanvas) return;
    const TRect R = OrientRectangle(Rect);
    const int Width = R.Width(), Height = R.Height();
    if (Width <= 0 || Height <= 0) return;
    if (Direction == gdRadial) {
        RadialGradient(R, StartColor, EndColor, Balance);
        return;
    }
    if (Direction == gdBottomTop || Direction == gdRightLeft || Direction == gdFromCenter ||
        Direction == gdFromTopLeft || Direction == gdFromBottomLeft)
        std::swap(StartColor, EndColor);
    const TColorSteps Colors(StartColor, EndColor, Balance);
    TBandPainter Painter(FCanvas->GetHandle());
    switch (Direction) {
    case gdTopBottom:
    case gdBottomTop:
    case gdLeftRight:
    case gdRightLeft: {
        const bool Vertical = Direction == gdTopBottom || Direction == gdBottomTop;
        const int E = Vertical ? Height : Width;
        const int Steps = std::min(E, 256);
        const int N = Steps - 1;
        if (N <= 0) return;
        for (int I = 0; I < Steps; ++I) {
            const TColor C = Colors.Step(I, N);
            const int From = static_cast<int>(std::int64_t{I + 1} * E / Steps);
            const int To = static_cast<int>(std::int64_t{I} * E / Steps);
            if (Vertical)
                Painter.Fill(R.Left, R.Bottom - From, R.Right, R.Bottom - To, C);
            else
                Painter.Fill(R.Right - From, R.Top, R.Right - To, R.Bottom, C);
        }
        return;
    }
    case gdFromCenter: {
        const int W = Width / 2, H = Height / 2, N = W + H;
        if (N <= 0) return;
        int C = 0, D = 0;
        while (true) {
            const TColor Color = Colors.Step(C + D, N);
            Painter.Fill(R.Left + D, R.Top + C, R.Left + D + 1, R.Bottom - C, Color);
            Painter.Fill(R.Right - D - 1, R.Top + C, R.Right - D, R.Bottom - C, Color);
            Painter.Fill(R.Left + D, R.Top + C, R.Right - D, R.Top + C + 1, Color);
            Painter.Fill(R.Left + D, R.Bottom - C - 1, R.Right - D, R.Bottom - C, Color);
            if (C >= H && D >= W) break;
            if (C < H) ++C;
            if (D < W) ++D;
        }
        return;
    }
    default: {
        // Diagonal bands: every pixel whose distance from the starting corner
        // (x + y, in pixels) is K takes colour K.
        const bool FromBottom = Direction == gdFromBottomLeft || Direction == gdDiagonalUp;
        const bool Stepped = Direction == gdDiagonalUp || Direction == gdDiagonalDown;
        const int Steps = Width + Height;
        const int N = Stepped ? std::min(255, Steps - 1) : Steps;
        if (N <= 0) return;
        for (int K = 0; K < Steps - 1; ++K) {
            const TColor Color =
                Stepped ? Colors.Step(static_cast<int>(std::int64_t{K} * N / Steps), N) : Colors.Step(K, N);
            // Walk the diagonal x + y = K one row at a time, as runs of one pixel.
            const int X0 = std::min(K, Width - 1);
            const int Y0 = K - X0;
            const int Count = std::min(X0 + 1, Height - Y0);
            for (int I = 0; I < Count; ++I) {
                const int X = R.Left + X0 - I;
                const int Y = FromBottom ? R.Bottom - 1 - (Y0 + I) : R.Top + Y0 + I;
                Painter.Fill(X, Y, X + 1, Y + 1, Color);
            }
        }
        return;
    }
    }
}

void TVurCanvas3D::RadialGradient(const TRect& R, TColor StartColor, TColor EndColor, int Balance) {
    gdi::DC& DC = FCanvas->GetHandle();
    gdi::Region SavedClip;
    const bool HadClip = DC.GetClipRgn(SavedClip) == 1;
    DC.IntersectClipRect(R.Left, R.Top, R.Right, R.Bottom);
    TBandPainter Painter(DC);
    Painter.Fill(R.Left, R.Top, R.Right, R.Bottom, ColorToRGB(EndColor) & 0xFFFFFF);
    const int Width = R.Width(), Height = R.Height();
    int Steps = std::min(255, std::max(Width, Height));
    if (Width % 2 != 0 || Height % 2 != 0) --Steps;
    if (Steps > 0) {
        const TColorSteps Colors(EndColor, StartColor, Balance);
        const double CX = (R.Left + R.Right) / 2.0 + 1, CY = (R.Top + R.Bottom) / 2.0 + 1;
        // Ellipses through the corners shrink to the centre.
        const double RX = Width / std::sqrt(2.0), RY = Height / std::sqrt(2.0);
        TPen SavedPen;
        SavedPen.Assign(FPen);
        TBrush SavedBrush;
        SavedBrush.Assign(FBrush);
        FPen->SetStyle(psClear);
        FBrush->SetBitmap(nullptr);
        FBrush->SetStyle(bsSolid);
        for (int I = 0; I < Steps; ++I) {
            const double F = 1.0 - double(I) / Steps;
            FBrush->SetColor(Colors.Step(I, Steps));
            FCanvas->Ellipse(Round(CX - RX * F), Round(CY - RY * F), Round(CX + RX * F), Round(CY + RY * F));
        }
        FPen->Assign(&SavedPen);
        FBrush->Assign(&SavedBrush);
    }
    DC.SelectClipRgn(HadClip ? &SavedClip : nullptr);
}

} // namespace vur
