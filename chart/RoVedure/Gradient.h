// Gradient fills of chart elements: the colours (start, end and an optional
// middle one), the direction, the balance that shapes the progression and the
// centre offset of radial fills. Owners (panel, walls, shapes, fonts) draw it
// in place of their brush while it is visible; every real change calls the
// owner back.
#pragma once

#include "chart/RoVedure/Canvas3D.h"
#include "framework/Classes.h"

#include <span>

namespace vur {

class TCustomVurGradient : public TPersistent {
public:
    explicit TCustomVurGradient(TNotifyEvent OnChange = {});

    std::string ClassName() const override { return "TCustomVurGradient"; }
    // Every property and whether the middle colour is in use.
    void Assign(const TPersistent* Source) override;

    // 50 is linear.
    int GetBalance() const { return FBalance; }
    void SetBalance(int Value);
    TGradientDirection GetDirection() const { return FDirection; }
    void SetDirection(TGradientDirection Value);
    TColor GetEndColor() const { return FEndColor; }
    void SetEndColor(TColor Value);
    // clNone while no middle colour is in use.
    TColor GetMidColor() const { return FUseMiddle ? FMidColor : clNone; }
    // Any colour but clNone is stored and taken into use; clNone stops using
    // it (the colour is kept for UseMiddleColor).
    void SetMidColor(TColor Value);
    // Takes the stored middle colour into use again.
    void UseMiddleColor();
    int GetRadialX() const { return FRadialX; }
    void SetRadialX(int Value);
    int GetRadialY() const { return FRadialY; }
    void SetRadialY(int Value);
    TColor GetStartColor() const { return FStartColor; }
    void SetStartColor(TColor Value);
    bool GetVisible() const { return FVisible; }
    void SetVisible(bool Value);

    // Fills Rect; with RoundSize > 0 only inside a rectangle whose corners
    // are rounded by a RoundSize x RoundSize ellipse.
    void Draw(TVurCanvas& Canvas, const TRect& Rect, int RoundSize = 0) const;
    // Fills the polygon of the four points (their bounding rectangle, clipped
    // to the polygon).
    void Draw(TVurCanvas& Canvas, const TFourPoints& Points) const;
    // The same with the four points at depth Z, projected first.
    void Draw(TCanvas3D& Canvas, TFourPoints Points, int Z) const;
    // Any polygon; Project takes its points from chart space at depth Z.
    void Draw(TCanvas3D& Canvas, std::span<const TPoint> Points, bool Project, int Z) const;
    // Ellipses shrinking from the rectangle's to its centre (moved by
    // RadialX, RadialY), from the end colour outside to the start colour.
    void DrawRadial(TVurCanvas& Canvas, const TRect& Rect) const;

    TNotifyEvent OnChange;

protected:
    void Changed();

private:
    void DrawColors(TVurCanvas& Canvas, const TRect& Rect, TColor Start, TColor End, TColor Middle) const;
    void DrawRadialColors(TVurCanvas& Canvas, const TRect& Rect, TColor Start, TColor End) const;
    // Clipped to the first Count points, the gradient over their bounds.
    void DrawPolygon(TVurCanvas& Canvas, std::span<const TPoint> Points) const;
    template <typename T>
    void SetProperty(T& Variable, T Value) {
        if (Variable == Value) return;
        Variable = Value;
        Changed();
    }

    int FBalance = 50;
    TGradientDirection FDirection = gdTopBottom;
    TColor FEndColor = clYellow;
    TColor FMidColor = clNone;
    bool FUseMiddle = false;
    int FRadialX = 0;
    int FRadialY = 0;
    TColor FStartColor = clWhite;
    bool FVisible = false;
};

class TVurGradient : public TCustomVurGradient {
public:
    using TCustomVurGradient::TCustomVurGradient;
    std::string ClassName() const override { return "TVurGradient"; }
};

// The gradient of a font: the glyphs' inside, or with Outline their widened
// outline.
class TVurFontGradient : public TCustomVurGradient {
public:
    using TCustomVurGradient::TCustomVurGradient;
    std::string ClassName() const override { return "TVurFontGradient"; }
    // From a TVurFontGradient also Outline.
    void Assign(const TPersistent* Source) override;

    bool GetOutline() const { return FOutline; }
    void SetOutline(bool Value);

private:
    bool FOutline = false;
};

} // namespace vur
