// TVurFont: the font of chart texts, a framework font with the process's
// default face and size, extra spacing between characters, and an outline
// pen, a shadow and a gradient created on first read. It remembers the canvas it was last
// transferred to, so that whichever of the two goes first lets go of the other.
#pragma once

#include "chart/RoVedure/ChartPen.h"
#include "chart/RoVedure/DrawSettings.h"
#include "chart/RoVedure/Gradient.h"
#include "chart/RoVedure/Shadow.h"
#include "framework/Graphics.h"

#include <memory>

namespace vur {

class TVurCanvas;

class TVurFont : public TFont {
public:
    explicit TVurFont(TNotifyEvent OnChange = {});
    ~TVurFont() override;

    std::string ClassName() const override { return "TVurFont"; }
    // From a TVurFont: gradient, spacing, outline and shadow, then the
    // framework font.
    void Assign(const TPersistent* Source) override;

    int GetInterCharSize() const { return FInterCharSize; }
    void SetInterCharSize(int Value);

    // Created hidden on first read.
    TChartHiddenPen* GetOutLine();
    // nullptr frees the outline; anything else is copied.
    void SetOutLine(const TChartPen* Value);
    TVurShadow* GetShadow();
    void SetShadow(const TVurShadow* Value);
    // Created hidden on first read.
    TVurFontGradient* GetGradient();
    void SetGradient(const TCustomVurGradient* Value);
    // Without creating them.
    const TChartHiddenPen* GetOutLineObject() const { return FOutLine.get(); }
    const TVurShadow* GetShadowObject() const { return FShadow.get(); }
    const TVurFontGradient* GetGradientObject() const { return FGradient.get(); }

    TColor GetDefaultColor() const { return FDefaultColor; }
    TFontStyles GetDefaultStyle() const { return FDefaultStyle; }
    // For owners whose font defaults differ (a bold title): sets the value too.
    void InitColor(TColor Value);
    void InitStyle(TFontStyles Value);

    bool IsCharsetStored() const { return GetCharset() != 1; }
    bool IsColorStored() const { return GetColor() != FDefaultColor; }
    bool IsHeightStored() const { return GetSize() != vur::GetDefaultFontSize(); }
    bool IsNameStored() const;
    bool IsStyleStored() const { return GetStyle() != FDefaultStyle; }
    bool IsInterCharSizeStored() const { return FInterCharSize != 0; }

    TVurCanvas* GetCanvas() const { return FCanvas; }
    // Kept by the canvas that transfers the font, cleared by either side.
    void SetCanvas(TVurCanvas* Value) { FCanvas = Value; }

private:
    void SubObjectChanged() { Changed(); }

    int FInterCharSize = 0;
    TColor FDefaultColor = clBlack;
    TFontStyles FDefaultStyle = 0;
    std::unique_ptr<TChartHiddenPen> FOutLine;
    std::unique_ptr<TVurShadow> FShadow;
    std::unique_ptr<TVurFontGradient> FGradient;
    TVurCanvas* FCanvas = nullptr;
};

} // namespace vur
