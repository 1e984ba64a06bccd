#include "chart/RoVedure/Gradient.h"

#include "chart/RoVedure/Geometry.h"
#include "chart/RoVedure/GradientPainter.h"
#include "chart/RoVedure/GradientSteps.h"
#include "framework/SystemColors.h"

#include <algorithm>
#include <cmath>
#include <vector>

namespace vur {

TCustomVurGradient::TCustomVurGradient(TNotifyEvent AOnChange) : OnChange(std::move(AOnChange)) {}

void TCustomVurGradient::Assign(const TPersistent* Source) {
    const auto* Gradient = dynamic_cast<const TCustomVurGradient*>(Source);
    if (!Gradient) {
        TPersistent::Assign(Source);
        return;
    }
    if (Gradient == this) return;
    const bool Differs = FBalance != Gradient->FBalance || FDirection != Gradient->FDirection ||
                         FEndColor != Gradient->FEndColor || FMidColor != Gradient->FMidColor ||
                         FUseMiddle != Gradient->FUseMiddle || FRadialX != Gradient->FRadialX ||
                         FRadialY != Gradient->FRadialY || FStartColor != Gradient->FStartColor ||
                         FVisible != Gradient->FVisible;
    FBalance = Gradient->FBalance;
    FDirection = Gradient->FDirection;
    FEndColor = Gradient->FEndColor;
    FMidColor = Gradient->FMidColor;
    FUseMiddle = Gradient->FUseMiddle;
    FRadialX = Gradient->FRadialX;
    FRadialY = Gradient->FRadialY;
    FStartColor = Gradient->FStartColor;
    FVisible = Gradient->FVisible;
    if (Differs) Changed();
}

void TCustomVurGradient::Changed() {
    if (OnChange) OnChange(this);
}

void TCustomVurGradient::SetBalance(int Value) { SetProperty(FBalance, Value); }
void TCustomVurGradient::SetDirection(TGradientDirection Value) { SetProperty(FDirection, Value); }
void TCustomVurGradient::SetEndColor(TColor Value) { SetProperty(FEndColor, Value); }
void TCustomVurGradient::SetRadialX(int Value) { SetProperty(FRadialX, Value); }
void TCustomVurGradient::SetRadialY(int Value) { SetProperty(FRadialY, Value); }
void TCustomVurGradient::SetStartColor(TColor Value) { SetProperty(FStartColor, Value); }
void TCustomVurGradient::SetVisible(bool Value) { SetProperty(FVisible, Value); }

void TCustomVurGradient::SetMidColor(TColor Value) {
    if (Value == clNone) {
        SetProperty(FUseMiddle, false);
        return;
    }
    if (FUseMiddle && FMidColor == Value) return;
    FMidColor = Value;
    FUseMiddle = true;
    Changed();
}

void TCustomVurGradient::UseMiddleColor() { SetProperty(FUseMiddle, true); }

void TCustomVurGradient::Draw(TVurCanvas& Canvas, const TRect& Rect, int RoundSize) const {
    TColor Start = FStartColor, End = FEndColor, Middle = GetMidColor();
    if (Canvas.GetMonochrome()) {
        Start = GreyOf(Start);
        End = GreyOf(End);
        if (Middle != clNone) Middle = GreyOf(Middle);
    }
    if (RoundSize > 0) Canvas.ClipRectangle(Rect, RoundSize);
    DrawColors(Canvas, Rect, Start, End, Middle);
    if (RoundSize > 0) Canvas.UnClipRectangle();
}

void TCustomVurGradient::DrawColors(TVurCanvas& Canvas, const TRect& Rect, TColor Start, TColor End,
                                    TColor Middle) const {
    if (FDirection == gdRadial) {
        DrawRadialColors(Canvas, Rect, Start, End);
        return;
    }
    if (Middle == clNone || FDirection == gdDiagonalUp || FDirection == gdDiagonalDown) {
        Canvas.GradientFill(Rect, Start, End, FDirection, FBalance);
        return;
    }
    // Two halves at balance 50, meeting in the middle colour.
    const int MidY = static_cast<int>((std::int64_t{Rect.Top} + Rect.Bottom) / 2);
    const int MidX = static_cast<int>((std::int64_t{Rect.Left} + Rect.Right) / 2);
    const TRect Upper{Rect.Left, Rect.Top, Rect.Right, MidY}, Lower{Rect.Left, MidY, Rect.Right, Rect.Bottom};
    const TRect Left{Rect.Left, Rect.Top, MidX, Rect.Bottom}, Right{MidX, Rect.Top, Rect.Right, Rect.Bottom};
    switch (FDirection) {
    case gdTopBottom:
        Canvas.GradientFill(Upper, Middle, End, FDirection, 50);
        Canvas.GradientFill(Lower, Start, Middle, FDirection, 50);
        break;
    case gdBottomTop:
        Canvas.GradientFill(Upper, Start, Middle, FDirection, 50);
        Canvas.GradientFill(Lower, Middle, End, FDirection, 50);
        break;
    case gdLeftRight:
        Canvas.GradientFill(Left, Middle, End, FDirection, 50);
        Canvas.GradientFill(Right, Start, Middle, FDirection, 50);
        break;
    case gdRightLeft:
        Canvas.GradientFill(Left, Start, Middle, FDirection, 50);
        Canvas.GradientFill(Right, Middle, End, FDirection, 50);
        break;
    default:
        Canvas.GradientFill(Rect, Start, End, FDirection, 50);
        break;
    }
}

void TCustomVurGradient::DrawPolygon(TVurCanvas& Canvas, std::span<const TPoint> Points) const {
    const int Count = static_cast<int>(Points.size());
    if (Count < 3) return;
    Canvas.ClipPolygon(Points, Count);
    Draw(Canvas, RectFromPolygon(Points, Count));
    Canvas.UnClipRectangle();
}

void TCustomVurGradient::Draw(TVurCanvas& Canvas, const TFourPoints& Points) const {
    DrawPolygon(Canvas, Points);
}

void TCustomVurGradient::Draw(TCanvas3D& Canvas, TFourPoints Points, int Z) const {
    for (TPoint& P : Points) P = Canvas.Calculate3DPosition(P, Z);
    DrawPolygon(Canvas, Points);
}

void TCustomVurGradient::Draw(TCanvas3D& Canvas, std::span<const TPoint> Points, bool Project, int Z) const {
    if (!Project) {
        DrawPolygon(Canvas, Points);
        return;
    }
    std::vector<TPoint> Projected(Points.begin(), Points.end());
    for (TPoint& P : Projected) P = Canvas.Calculate3DPosition(P, Z);
    DrawPolygon(Canvas, Projected);
}

void TCustomVurGradient::DrawRadial(TVurCanvas& Canvas, const TRect& Rect) const {
    const bool Grey = Canvas.GetMonochrome();
    DrawRadialColors(Canvas, Rect, Grey ? GreyOf(FStartColor) : FStartColor,
                     Grey ? GreyOf(FEndColor) : FEndColor);
}

void TCustomVurGradient::DrawRadialColors(TVurCanvas& Canvas, const TRect& Rect, TColor Start,
                                          TColor End) const {
    const TRect R = OrientRectangle(Rect);
    const long long Width = std::int64_t{R.Right} - R.Left, Height = std::int64_t{R.Bottom} - R.Top;
    if (Width <= 0 || Height <= 0) return;
    TGradientPainter Painter(Canvas);
    const TRect V = Painter.Visible(R);
    if (V.Right <= V.Left || V.Bottom <= V.Top) return;
    long long Steps = std::min<long long>(255, std::max(Width, Height));
    if (Width % 2 != 0 || Height % 2 != 0) --Steps;
    const TGradientSteps Colors(End, Start, FBalance);
    const TColor Outside = ColorToRGB(End) & 0xFFFFFF;
    if (Steps <= 0) {
        Painter.Fill(V.Left, V.Top, V.Right, V.Bottom, Outside);
        return;
    }
    // Ellipse I (0 outermost, the rectangle's own) has its half sizes scaled
    // by (Steps - I) / Steps around the centre; a pixel takes the colour of
    // the innermost ellipse reaching into it, or the end colour outside them
    // all. So the pixel holding the centre shows the start colour.
    const double CX = (static_cast<double>(R.Left) + R.Right) / 2 + FRadialX;
    const double CY = (static_cast<double>(R.Top) + R.Bottom) / 2 + FRadialY;
    const double RX = static_cast<double>(Width) / 2, RY = static_cast<double>(Height) / 2;
    const auto IndexAt = [&](int X, int Y) -> long long {
        const double DX = (std::clamp(CX, double(X), X + 1.0) - CX) / RX;
        const double DY = (std::clamp(CY, double(Y), Y + 1.0) - CY) / RY;
        const double Inside = 1 - std::sqrt(DX * DX + DY * DY);
        if (Inside < 0) return -1;
        return std::min(Steps - 1, static_cast<long long>(Inside * static_cast<double>(Steps)));
    };
    const auto ColorOf = [&](long long I) {
        if (I < 0) return Outside;
        return Steps > 1 ? Colors.Color(I, Steps - 1) : ColorToRGB(Start) & 0xFFFFFF;
    };
    Painter.FillPixels(R, IndexAt, ColorOf);
}

void TVurFontGradient::Assign(const TPersistent* Source) {
    if (const auto* Gradient = dynamic_cast<const TVurFontGradient*>(Source)) SetOutline(Gradient->FOutline);
    TCustomVurGradient::Assign(Source);
}

void TVurFontGradient::SetOutline(bool Value) {
    if (FOutline == Value) return;
    FOutline = Value;
    Changed();
}

} // namespace vur
