// TVurShadow: the drop shadow of a chart element or a font: its colour, its
// offset right and down (negative: left and up), smoothness and
// transparency. Owners set their own default colour and size, so that only
// real changes are stored.
#pragma once

#include "chart/RoVedure/Canvas.h"
#include "framework/Classes.h"

namespace vur {

class TVurShadow : public TPersistent {
public:
    explicit TVurShadow(TNotifyEvent OnChange = {}, TColor DefaultColor = clSilver, int DefaultSize = 0);

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

    bool IsColorStored() const { return FColor != FDefaultColor; }
    bool IsHorizSizeStored() const { return FHorizSize != FDefaultSize; }
    bool IsVertSizeStored() const { return FVertSize != FDefaultSize; }
    bool IsSmoothStored() const { return !FSmooth; }
    bool IsTransparencyStored() const { return FTransparency != 0; }

    TNotifyEvent OnChange;

private:
    void Changed();

    TColor FColor;
    TColor FDefaultColor;
    int FHorizSize;
    int FVertSize;
    int FDefaultSize;
    bool FSmooth = true;
    TVurTransparency FTransparency = 0;
};

} // namespace vur
