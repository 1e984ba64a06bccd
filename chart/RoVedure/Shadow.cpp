#include "chart/RoVedure/Shadow.h"

#include "chart/RoVedure/Blend.h"
#include "chart/RoVedure/Colors.h"
#include "framework/SystemColors.h"
#include "platform/numeric/Rounding.h"

#include <algorithm>

namespace vur {

TVurShadow::TVurShadow(TNotifyEvent AOnChange, TColor DefaultColor, int DefaultSize)
    : OnChange(std::move(AOnChange)), FColor(DefaultColor), FDefaultColor(DefaultColor),
      FHorizSize(DefaultSize), FVertSize(DefaultSize), FDefaultSize(DefaultSize) {}

TVurShadow::~TVurShadow() = default;

void TVurShadow::InitDefaults(TColor Color, int Size) {
    FColor = FDefaultColor = Color;
    FHorizSize = FVertSize = FDefaultSize = Size;
}

void TVurShadow::Assign(const TPersistent* Source) {
    if (const auto* Shadow = dynamic_cast<const TVurShadow*>(Source)) {
        if (Shadow == this) return;
        const bool Differs = FColor != Shadow->FColor || FHorizSize != Shadow->FHorizSize ||
                             FVertSize != Shadow->FVertSize || FSmooth != Shadow->FSmooth ||
                             FTransparency != Shadow->FTransparency;
        FColor = Shadow->FColor;
        FHorizSize = Shadow->FHorizSize;
        FVertSize = Shadow->FVertSize;
        FSmooth = Shadow->FSmooth;
        FTransparency = Shadow->FTransparency;
        if (Differs) Changed();
        return;
    }
    TPersistent::Assign(Source);
}

void TVurShadow::Changed() {
    if (OnChange) OnChange(this);
}

void TVurShadow::SetColor(TColor Value) {
    if (FColor == Value) return;
    FColor = Value;
    Changed();
}

void TVurShadow::SetHorizSize(int Value) {
    if (FHorizSize == Value) return;
    FHorizSize = Value;
    Changed();
}

void TVurShadow::SetVertSize(int Value) {
    if (FVertSize == Value) return;
    FVertSize = Value;
    Changed();
}

void TVurShadow::SetSmooth(bool Value) {
    if (FSmooth == Value) return;
    FSmooth = Value;
    Changed();
}

void TVurShadow::SetTransparency(TVurTransparency Value) {
    Value = std::clamp(Value, 0, 100);
    if (FTransparency == Value) return;
    FTransparency = Value;
    Changed();
}

void TVurShadow::SetSize(int Value) {
    if (FHorizSize == Value && FVertSize == Value) return;
    FHorizSize = Value;
    FVertSize = Value;
    Changed();
}

// ---- drawing

bool TVurShadow::PrepareCanvas(TCanvas3D& Canvas, const TRect& Rect, int Z) {
    if (FColor == clNone || (FHorizSize == 0 && FVertSize == 0)) return false;
    TBrush* Brush = Canvas.GetBrush();
    Brush->SetBitmap(nullptr);
    Brush->SetStyle(bsSolid);
    Brush->SetColor(FColor);
    Canvas.GetPen()->SetStyle(psClear);
    if (FTransparency > 0) {
        // The element moved by the sizes; a smooth shadow's corner reaches
        // Size past the element's right and bottom edges.
        TRect Area{Rect.Left + FHorizSize, Rect.Top + FVertSize, Rect.Right + FHorizSize,
                   Rect.Bottom + FVertSize};
        const int Size = GetSize();
        if (Size > 0) {
            Area.Right = std::max(Area.Right, Rect.Right + Size);
            Area.Bottom = std::max(Area.Bottom, Rect.Bottom + Size);
        }
        FBlend = Canvas.BeginBlending(Canvas.RectFromRectZ(OrientRectangle(Area), Z), FTransparency);
    }
    return true;
}

void TVurShadow::FinishBlending(TCanvas3D& Canvas) {
    if (FBlend) Canvas.EndBlending(std::move(FBlend));
}

int TVurShadow::FadeStep(int Size) const {
    const TColor RGB = ColorToRGB(FColor);
    const double Grey = ((RGB & 0xFF) + ((RGB >> 8) & 0xFF) + ((RGB >> 16) & 0xFF)) / 3.0;
    return Round((255 - Grey) / Size);
}

void TVurShadow::Draw(TCanvas3D& Canvas, const TRect& Rect, int Z) {
    if (!PrepareCanvas(Canvas, Rect, Z)) return;
    const int H = FHorizSize, V = FVertSize;
    const bool Rotated = Canvas.GetIs3D();
    if (FSmooth && GetSize() > 1) {
        TPen* Pen = Canvas.GetPen();
        Pen->SetStyle(psSolid);
        Pen->SetWidth(1);
        Pen->SetMode(pmCopy);
        // Below: V lines, each reaching one pixel further right.
        TColor Color = ColorToRGB(FColor) & 0xFFFFFF;
        for (int I = 0; I < V; ++I) {
            Pen->SetColor(Color);
            if (Rotated)
                Canvas.HorizLine3D(Rect.Left + H, Rect.Right + I, Rect.Bottom + I, Z);
            else
                Canvas.DoHorizLine(Rect.Left + H, Rect.Right + I, Rect.Bottom + I);
            Color = ApplyBright(Color, FadeStep(V));
        }
        // Right: H lines, each reaching one pixel further down, then the
        // corner pixel between the two parts.
        Color = ColorToRGB(FColor) & 0xFFFFFF;
        for (int I = 0; I < H; ++I) {
            Pen->SetColor(Color);
            if (Rotated) {
                Canvas.VertLine3D(Rect.Right + I, Rect.Top + V, Rect.Bottom + I, Z);
                Canvas.SetPixel3D(Rect.Right + I, Rect.Bottom + I, Z, Color);
            } else {
                Canvas.DoVertLine(Rect.Right + I, Rect.Top + V, Rect.Bottom + I);
                Canvas.SetPixel(Rect.Right + I, Rect.Bottom + I, Color);
            }
            Color = ApplyBright(Color, FadeStep(H));
        }
    } else {
        // Two strips: below (above for a negative size) and right (left).
        const TRect Across = V >= 0 ? TRect{Rect.Left + H, Rect.Bottom, Rect.Right + H, Rect.Bottom + V}
                                    : TRect{Rect.Left + H, Rect.Top + V, Rect.Right + H, Rect.Top};
        const TRect Down = H >= 0 ? TRect{Rect.Right, Rect.Top + V, Rect.Right + H, Rect.Bottom + V}
                                  : TRect{Rect.Left + H, Rect.Top + V, Rect.Left, Rect.Bottom + V};
        for (const TRect& Strip : {Across, Down}) {
            if (Rotated)
                Canvas.RectangleWithZ(Strip, Z);
            else
                Canvas.FillRect(Strip);
        }
    }
    FinishBlending(Canvas);
}

void TVurShadow::DrawEllipse(TCanvas3D& Canvas, const TRect& Rect, int Z) {
    // A smooth shadow grows a fading rim of Size - 1 pixels round the ellipse.
    const int Rim = FSmooth ? std::max(GetSize() - 1, 0) : 0;
    const TRect Reach{Rect.Left - Rim, Rect.Top - Rim, Rect.Right + Rim, Rect.Bottom + Rim};
    if (!PrepareCanvas(Canvas, Reach, Z)) return;
    const bool Rotated = Canvas.GetIs3D();
    const TColor Color = ColorToRGB(FColor) & 0xFFFFFF;
    // Outermost (palest) first; each ring in is one fading step darker.
    for (int I = Rim; I >= 0; --I) {
        Canvas.GetBrush()->SetColor(I == 0 ? Color : ApplyBright(Color, I * FadeStep(Rim + 1)));
        // Without a pen an ellipse fills one pixel less each way than the
        // element's outlined one: one more keeps the two the same size.
        const TRect E{Rect.Left + FHorizSize - I, Rect.Top + FVertSize - I, Rect.Right + FHorizSize + I + 1,
                      Rect.Bottom + FVertSize + I + 1};
        if (Rotated)
            Canvas.EllipseWithZ(E.Left, E.Top, E.Right, E.Bottom, Z);
        else
            Canvas.Ellipse(E);
    }
    FinishBlending(Canvas);
}

} // namespace vur
