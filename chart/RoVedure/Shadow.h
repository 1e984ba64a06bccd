// TVurShadow: the drop shadow of a chart element or a font: its colour, its
// offset right and down (negative: left and up), smoothness and
// transparency. Owners set their own default colour and size, so that only
// real changes are stored. A smooth shadow fades to white line by line; a
// flat one is two strips beside the element; a transparent one is blended
// with what lies under it.
#pragma once

#include "chart/RoVedure/Canvas3D.h"
#include "framework/Classes.h"

#include <memory>

namespace vur {

class TVurBlend;

class TVurShadow : public TPersistent {
public:
    explicit TVurShadow(TNotifyEvent OnChange = {}, TColor DefaultColor = clSilver, int DefaultSize = 0);
    ~TVurShadow() override;

    std::string ClassName() const override { return "TVurShadow"; }
    // Colour, sizes, smoothness and transparency.
    void Assign(const TPersistent* Source) override;

    TColor GetColor() const { return FColor; }
    void SetColor(TColor Value);
    int GetHorizSize() const { return FHorizSize; }
    void SetHorizSize(int Value);
    int GetVertSize() const { return FVertSize; }
    void SetVertSize(int Value);
    bool GetSmooth() const { return FSmooth; }
    void SetSmooth(bool Value);
    TVurTransparency GetTransparency() const { return FTransparency; }
    // Clamped to 0..100.
    void SetTransparency(TVurTransparency Value);
    // The larger of the two sizes; setting it sets both.
    int GetSize() const { return FHorizSize > FVertSize ? FHorizSize : FVertSize; }
    void SetSize(int Value);

    // For owners with their own defaults: sets the values too, unannounced.
    void InitDefaults(TColor Color, int Size);

    // The shadow of Rect at depth Z (0: the front plane).
    void Draw(TCanvas3D& Canvas, const TRect& Rect, int Z = 0);
    // The shadow of the ellipse in Rect at depth Z.
    void DrawEllipse(TCanvas3D& Canvas, const TRect& Rect, int Z = 0);
    // The start of every shadow: false (nothing to draw) for clNone or no
    // size; else a solid brush in Color, no pen, and with a transparency the
    // area under the shadow of Rect captured for blending.
    bool PrepareCanvas(TCanvas3D& Canvas, const TRect& Rect, int Z);
    // Blends a transparent shadow with what it was drawn over.
    void FinishBlending(TCanvas3D& Canvas);

    bool IsColorStored() const { return FColor != FDefaultColor; }
    bool IsHorizSizeStored() const { return FHorizSize != FDefaultSize; }
    bool IsVertSizeStored() const { return FVertSize != FDefaultSize; }
    bool IsSmoothStored() const { return !FSmooth; }
    bool IsTransparencyStored() const { return FTransparency != 0; }

    TNotifyEvent OnChange;

private:
    void Changed();
    // How much each line of a smooth part Size lines deep brightens the
    // colour, so that the part fades to white.
    int FadeStep(int Size) const;

    TColor FColor;
    TColor FDefaultColor;
    int FHorizSize;
    int FVertSize;
    int FDefaultSize;
    bool FSmooth = true;
    TVurTransparency FTransparency = 0;
    std::unique_ptr<TVurBlend> FBlend;
};

} // namespace vur
