// The framed box shared by titles, the legend, marks and walls: a brush and
// a frame pen (TVurCustomShapeBrushPen), then fill colour, font, bevel,
// shadow, corner style and transparency (TVurCustomShape), then a position
// the user may fix (TVurCustomShapePosition). Every change asks the parent
// panel to repaint.
#pragma once

#include "chart/RoVedure/ChartBrush.h"
#include "chart/RoVedure/ChartPen.h"
#include "chart/RoVedure/Gradient.h"
#include "chart/RoVedure/Shadow.h"
#include "chart/RoVedure/VurFont.h"
#include "chart/VurProcs/Panel.h"
#include "framework/Classes.h"

#include <array>
#include <cstdint>
#include <memory>

namespace vur {

enum TChartObjectShapeStyle : std::uint8_t { fosRectangle, fosRoundRectangle };
enum TTextFormat : std::uint8_t { ttfNormal, ttfHtml };

// Corner radius of fosRoundRectangle boxes.
constexpr int ShapeRoundSize = 16;

// What a shape makes its brush and its gradient from, so that a kind of
// shape can have its own.
using TChartBrushClass = std::unique_ptr<TChartBrush> (*)(TNotifyEvent OnChange);
using TVurGradientClass = std::unique_ptr<TVurGradient> (*)(TNotifyEvent OnChange);

class TVurCustomShapeBrushPen : public TPersistent {
public:
    explicit TVurCustomShapeBrushPen(TCustomVurPanel* AParent);
    ~TVurCustomShapeBrushPen() override;

    std::string ClassName() const override { return "TVurCustomShapeBrushPen"; }
    // Brush, frame and visibility of another shape.
    void Assign(const TPersistent* Source) override;

    TCustomVurPanel* GetParent() const { return FParent; }
    virtual void SetParent(TCustomVurPanel* Value) { FParent = Value; }

    // Made from GetBrushClass on first read.
    TChartBrush* GetBrush() const;
    TChartPen* GetFrame() const { return FFrame.get(); }
    bool GetVisible() const { return FVisible; }
    void SetVisible(bool Value) { SetProperty(FVisible, Value); }
    void Show() { SetVisible(true); }
    void Hide() { SetVisible(false); }
    // Asks the parent panel (if any) to repaint.
    virtual void Repaint() const;

protected:
    // Compare, store, repaint.
    template <typename T>
    void SetProperty(T& Variable, T Value) {
        if (Variable == Value) return;
        Variable = Value;
        Repaint();
    }
    // The change callback handed to the style objects the shape owns.
    TNotifyEvent ChangeCallback() const {
        return [this](TPersistent*) { Repaint(); };
    }
    void InitVisible(bool Value) { FVisible = Value; }
    // The brush a shape of this kind fills with: a TChartBrush.
    virtual TChartBrushClass GetBrushClass() const;

private:
    TCustomVurPanel* FParent;
    mutable std::unique_ptr<TChartBrush> FBrush;
    std::unique_ptr<TChartPen> FFrame;
    bool FVisible = true;
};

class TVurCustomShape : public TVurCustomShapeBrushPen {
public:
    explicit TVurCustomShape(TCustomVurPanel* AParent);
    ~TVurCustomShape() override;

    std::string ClassName() const override { return "TVurCustomShape"; }
    void Assign(const TPersistent* Source) override;

    TBevelCut GetBevel() const { return FBevel; }
    void SetBevel(TBevelCut Value) { SetProperty(FBevel, Value); }
    int GetBevelWidth() const { return FBevelWidth; }
    void SetBevelWidth(int Value) { SetProperty(FBevelWidth, Value); }
    TColor GetColor() const { return FColor; }
    void SetColor(TColor Value) { SetProperty(FColor, Value); }
    TVurFont* GetFont() const { return FFont.get(); }
    // Made from GetGradientClass on first read, hidden.
    TVurGradient* GetGradient() const;
    // Without creating it.
    const TVurGradient* FindGradient() const { return FGradient.get(); }
    // nullptr frees the gradient; anything else is copied.
    void SetGradient(const TCustomVurGradient* Value);
    // Made on first read and set up by InitShadow.
    TVurShadow* GetShadow() const;
    const TVurShadow* FindShadow() const { return FShadow.get(); }
    TChartObjectShapeStyle GetShapeStyle() const { return FShapeStyle; }
    void SetShapeStyle(TChartObjectShapeStyle Value) { SetProperty(FShapeStyle, Value); }
    TTextFormat GetTextFormat() const { return FTextFormat; }
    void SetTextFormat(TTextFormat Value) { SetProperty(FTextFormat, Value); }
    TVurTransparency GetTransparency() const { return FTransparency; }
    // Clamped to 0..100.
    void SetTransparency(TVurTransparency Value);
    bool GetTransparent() const { return FTransparent; }
    void SetTransparent(bool Value) { SetProperty(FTransparent, Value); }

    // Where the box was placed in the last paint.
    const TRect& GetShapeBounds() const { return FShapeBounds; }
    void SetShapeBounds(const TRect& Value) { FShapeBounds = Value; }

    // The box at ShapeBounds.
    void Draw() { DrawRectRotated(FShapeBounds, 0, 0); }
    // The box for Rect turned by Angle degrees (counter-clockwise) about its
    // centre, at depth Z. Nothing when Transparent.
    void DrawRectRotated(const TRect& Rect, double Angle, int Z);

    // The corners of Rect turned by Angle degrees about its centre, clockwise
    // from the top-left.
    static std::array<TPoint, 4> RotatedCorners(const TRect& Rect, double Angle);

protected:
    // The gradient a shape of this kind fills with: a TVurGradient.
    virtual TVurGradientClass GetGradientClass() const;
    // Sets up a new shadow: black, 3 pixels, unless a kind says otherwise.
    virtual void InitShadow(TVurShadow& Shadow) const;
    void InitColor(TColor Value) { FColor = Value; }
    void InitTransparent(bool Value) { FTransparent = Value; }
    TVurCanvas3D* Canvas() const { return GetParent() ? GetParent()->GetCanvas() : nullptr; }
    // The width of the frame for layout: the bevel's when there is one, else
    // the visible frame pen's (0 for an automatic-coloured pen).
    int FrameWidthForLayout() const;

private:
    void DrawShadow(const TRect& Rect, double Angle, int Z, const std::array<TPoint, 4>& Corners);
    void DrawBevel(TRect Rect);

    TBevelCut FBevel = bvNone;
    int FBevelWidth = 2;
    TColor FColor = clWhite;
    std::unique_ptr<TVurFont> FFont;
    mutable std::unique_ptr<TVurGradient> FGradient;
    mutable std::unique_ptr<TVurShadow> FShadow;
    TChartObjectShapeStyle FShapeStyle = fosRectangle;
    TTextFormat FTextFormat = ttfNormal;
    TVurTransparency FTransparency = 0;
    bool FTransparent = false;
    TRect FShapeBounds;
};

// A shape the user may place: giving it Left or Top fixes its position.
class TVurCustomShapePosition : public TVurCustomShape {
public:
    using TVurCustomShape::TVurCustomShape;

    std::string ClassName() const override { return "TVurCustomShapePosition"; }
    void Assign(const TPersistent* Source) override;

    bool GetCustomPosition() const { return FCustomPosition; }
    void SetCustomPosition(bool Value) { SetProperty(FCustomPosition, Value); }
    bool IsCustomPositionStored() const { return FCustomPosition; }
    int GetLeft() const { return GetShapeBounds().Left; }
    // Moves the box (keeping its size) and fixes its position.
    void SetLeft(int Value);
    int GetTop() const { return GetShapeBounds().Top; }
    void SetTop(int Value);

private:
    bool FCustomPosition = false;
};

} // namespace vur
