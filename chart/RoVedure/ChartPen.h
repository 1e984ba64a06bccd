// TChartPen: the line attributes of chart objects, a framework pen with
// visibility, end style and the small-dots pattern. Every real change reaches
// the owner through the change callback, so the owner can repaint. Each pen
// kind carries its own defaults, so only real departures from them are stored.
#pragma once

#include "chart/RoVedure/Canvas.h"
#include "framework/Graphics.h"

namespace vur {

class TChartPen : public TPen {
public:
    explicit TChartPen(TNotifyEvent OnChange = {});

    std::string ClassName() const override { return "TChartPen"; }
    // From a TChartPen: visibility, small dots, small space and end style,
    // then the framework pen's properties.
    void Assign(const TPersistent* Source) override;

    bool GetVisible() const { return FVisible; }
    void SetVisible(bool Value);
    void Hide() { SetVisible(false); }
    void Show() { SetVisible(true); }
    TPenEndStyle GetEndStyle() const { return FEndStyle; }
    void SetEndStyle(TPenEndStyle Value);
    bool GetSmallDots() const { return FSmallDots; }
    void SetSmallDots(bool Value);
    int GetSmallSpace() const { return FSmallSpace; }
    void SetSmallSpace(int Value);

    bool GetDefaultVisible() const { return FDefaultVisible; }
    TPenEndStyle GetDefaultEndStyle() const { return FDefaultEndStyle; }
    TColor GetDefaultColor() const { return FDefaultColor; }
    TPenStyle GetDefaultStyle() const { return FDefaultStyle; }

    // Whether the form description stores each property.
    bool IsColorStored() const { return GetColor() != FDefaultColor; }
    bool IsStyleStored() const { return GetStyle() != FDefaultStyle; }
    bool IsWidthStored() const { return GetWidth() != 1; }
    bool IsModeStored() const { return GetMode() != pmCopy; }
    bool IsVisibleStored() const { return FVisible != FDefaultVisible; }
    bool IsEndStyleStored() const { return FEndStyle != FDefaultEndStyle; }
    bool IsSmallDotsStored() const { return FSmallDots; }
    bool IsSmallSpaceStored() const { return FSmallSpace != 0; }

    // For the constructors of pen kinds, and owners whose pen differs from
    // its kind: the value and its stored default.
    void InitVisible(bool Value);
    void InitEndStyle(TPenEndStyle Value);
    void InitColor(TColor Value);
    void InitStyle(TPenStyle Value);

private:
    bool FVisible = true;
    bool FDefaultVisible = true;
    TPenEndStyle FEndStyle = esRound;
    TPenEndStyle FDefaultEndStyle = esRound;
    bool FSmallDots = false;
    int FSmallSpace = 0;
    TColor FDefaultColor = clBlack;
    TPenStyle FDefaultStyle = psSolid;
};

// A pen that starts hidden.
class TChartHiddenPen : public TChartPen {
public:
    explicit TChartHiddenPen(TNotifyEvent OnChange = {});
    std::string ClassName() const override { return "TChartHiddenPen"; }
};

// Grey dots.
class TDottedGrayPen : public TChartPen {
public:
    explicit TDottedGrayPen(TNotifyEvent OnChange = {});
    std::string ClassName() const override { return "TDottedGrayPen"; }
};

class TDarkGrayPen : public TChartPen {
public:
    explicit TDarkGrayPen(TNotifyEvent OnChange = {});
    std::string ClassName() const override { return "TDarkGrayPen"; }
};

class TWhitePen : public TChartPen {
public:
    explicit TWhitePen(TNotifyEvent OnChange = {});
    std::string ClassName() const override { return "TWhitePen"; }
};

// A one-pixel pen that sets single dots: every other pixel when SmallSpace
// is 0 or less, else one dot every SmallSpace + 1 pixels.
HPEN VurCreatePenSmallDots(TColor Color, int SmallSpace);
// The width rule of VurCheckPenWidth: a non-solid pen of width 1 becomes
// width 0, the thinnest cosmetic pen, so that its dashes draw.
void ApplyPenWidthRule(TPen& Pen);
// The extended pen path: makes TargetPen, a canvas's framework pen, draw
// like Pen in Color, with the small dots, or a geometric pen with Pen's end
// style from width 2 on.
void VurSetVurPen(TPen& TargetPen, const TChartPen& Pen, TColor Color);

} // namespace vur
