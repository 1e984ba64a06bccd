// The panel base of every chart: repaint requests that can be held off
// (AutoRepaint), the compare-then-store property setters, the event
// listeners, and the frame of a paint: the off-screen buffer handed to the
// window, the margins, bevels, border and shadow, and the working rectangles
// (ChartBounds, ChartRect) the layers of a paint shrink in turn.
#pragma once

#include "chart/RoVedure/ChartPen.h"
#include "chart/RoVedure/Geometry.h"
#include "chart/RoVedure/Gradient.h"
#include "chart/RoVedure/Shadow.h"
#include "chart/RoVedure/View3DOptions.h"
#include "chart/RoVedure/VurCanvas3D.h"
#include "chart/VurProcs/BackImage.h"
#include "chart/VurProcs/EventListeners.h"
#include "chart/VurProcs/Units.h"
#include "framework/Controls.h"
#include "framework/Graphics.h"

#include <array>
#include <cstdint>
#include <memory>
#include <string>

namespace vur {

class TChartAxis;

enum TBevelCut : std::uint8_t { bvNone, bvLowered, bvRaised, bvSpace };

// A framework panel whose caption does not follow its component name.
class TCustomPanelNoCaption : public TCustomPanel {
public:
    using TCustomPanel::TCustomPanel;
    std::string ClassName() const override { return "TCustomPanelNoCaption"; }
};

class TCustomVurPanel : public TCustomPanelNoCaption {
public:
    explicit TCustomVurPanel(TComponent* AOwner);
    ~TCustomVurPanel() override;

    std::string ClassName() const override { return "TCustomVurPanel"; }

    // Marks the buffer dirty and asks the window system for a repaint,
    // unless AutoRepaint is off.
    void Invalidate() override;
    bool GetAutoRepaint() const { return FAutoRepaint; }
    void SetAutoRepaint(bool Value) { FAutoRepaint = Value; }

    // ---- painting
    // The whole paint into the control's own canvas and client rectangle.
    void Draw();
    // The whole paint into UserCanvas at UserRect.
    virtual void Draw(TCanvas* UserCanvas, const TRect& UserRect);
    // Draw with the off-screen buffer switched off (exports, printing).
    void NonBufferDraw(TCanvas* UserCanvas, const TRect& UserRect);
    // The chart drawn into a new bitmap of R's size, first filled with
    // BackColor unless that is white.
    std::unique_ptr<TBitmap> VurCreateBitmap(TColor BackColor, const TRect& R);
    // The client rectangle with a parent window, else (0, 0, Width, Height).
    virtual TRect GetRectangle() const;
    // Style objects call this when they change.
    virtual void CanvasChanged(TPersistent* Sender);
    // The colour behind the chart.
    virtual TColor GetBackColor() const { return GetColor(); }
    // Whether series drawing may clip to the chart rectangle.
    bool CanClip() const;
    // Repairs ChartRect (never an empty or inverted size) and derives its
    // width, height and centre.
    void ReCalcWidthHeight();

    TVurCanvas3D* GetCanvas() const { return FCanvas.get(); }
    // The window's own canvas: the picture the window system shows.
    TCanvas* GetControlCanvas() { return FWindowImage.GetCanvas(); }
    const TBitmap& GetWindowImage() const { return FWindowImage; }

    // ---- working state of the current paint
    const TRect& GetChartBounds() const { return FChartBounds; }
    const TRect& GetChartRect() const { return FChartRect; }
    void SetChartRect(const TRect& Value) { FChartRect = Value; }
    int GetChartWidth() const { return FChartWidth; }
    int GetChartHeight() const { return FChartHeight; }
    int GetChartXCenter() const { return FChartXCenter; }
    int GetChartYCenter() const { return FChartYCenter; }
    int GetWidth3D() const { return FWidth3D; }
    void SetWidth3D(int Value) { FWidth3D = Value; }
    int GetHeight3D() const { return FHeight3D; }
    int GetSeriesWidth3D() const { return FSeriesWidth3D; }
    int GetSeriesHeight3D() const { return FSeriesHeight3D; }
    // The depth of the chart and of one slot (CalcWallsRect sets them each paint).
    void SetWalls3D(int Width3D, int Height3D, int SeriesWidth3D, int SeriesHeight3D);
    int GetMaxZOrder() const { return FMaxZOrder; }
    void SetMaxZOrder(int Value) { FMaxZOrder = Value; }
    bool GetApplyZOrder() const { return FApplyZOrder; }
    void SetApplyZOrder(bool Value) { SetBooleanProperty(FApplyZOrder, Value); }
    bool GetInvertedRotation() const { return FInvertedRotation; }
    bool GetPrinting() const { return FPrinting; }
    void SetPrinting(bool Value) { FPrinting = Value; }
    bool GetMetafiling() const { return FMetafiling; }
    void SetMetafiling(bool Value) { FMetafiling = Value; }

    // ---- settings
    // Index 0..3: left, top, right, bottom.
    int GetMargin(int Index) const { return FMargins[static_cast<std::size_t>(Index)]; }
    void SetMargin(int Index, int Value) {
        SetIntegerProperty(FMargins[static_cast<std::size_t>(Index)], BoundSetting(Value));
    }
    int GetMarginLeft() const { return GetMargin(0); }
    void SetMarginLeft(int Value) { SetMargin(0, Value); }
    int GetMarginTop() const { return GetMargin(1); }
    void SetMarginTop(int Value) { SetMargin(1, Value); }
    int GetMarginRight() const { return GetMargin(2); }
    void SetMarginRight(int Value) { SetMargin(2, Value); }
    int GetMarginBottom() const { return GetMargin(3); }
    void SetMarginBottom(int Value) { SetMargin(3, Value); }
    TVurUnits GetMarginUnits() const { return FMarginUnits; }
    void SetMarginUnits(TVurUnits Value);
    bool GetView3D() const { return FView3D; }
    // Also tells the listeners.
    void SetView3D(bool Value);
    TView3DOptions* GetView3DOptions() const { return FView3DOptions.get(); }
    TBevelCut GetBevelInner() const { return FBevelInner; }
    void SetBevelInner(TBevelCut Value);
    TBevelCut GetBevelOuter() const { return FBevelOuter; }
    void SetBevelOuter(TBevelCut Value);
    int GetBevelWidth() const { return FBevelWidth; }
    void SetBevelWidth(int Value) { SetIntegerProperty(FBevelWidth, BoundSetting(Value)); }
    int GetBorderWidth() const { return FBorderWidth; }
    void SetBorderWidth(int Value) { SetIntegerProperty(FBorderWidth, BoundSetting(Value)); }
    TChartHiddenPen* GetBorder() const { return FBorder.get(); }
    int GetBorderRound() const { return FBorderRound; }
    void SetBorderRound(int Value) { SetIntegerProperty(FBorderRound, BoundSetting(Value)); }
    TVurShadow* GetShadow() const { return FShadow.get(); }
    bool GetPrintProportional() const { return FPrintProportional; }
    void SetPrintProportional(bool Value) { FPrintProportional = Value; }
    int GetPrintMargin(int Index) const { return FPrintMargins[static_cast<std::size_t>(Index)]; }
    void SetPrintMargin(int Index, int Value) { FPrintMargins[static_cast<std::size_t>(Index)] = Value; }

    TVurEventListeners& Listeners() { return FListeners; }

    // Store and repaint only on a real change.
    void SetBooleanProperty(bool& Variable, bool Value);
    void SetIntegerProperty(int& Variable, int Value);
    void SetColorProperty(TColor& Variable, TColor Value);
    void SetDoubleProperty(double& Variable, double Value);
    void SetStringProperty(std::string& Variable, const std::string& Value);

    // ---- the layers of a paint, in the order a chart class overrides them
    // Everything inside the frame; UserRect is ChartBounds.
    virtual void InternalDraw(const TRect&) {}
    virtual void FillPanelRect(const TRect&) {}
    // Background, shadow and bevels of the whole panel.
    virtual void PanelPaint(const TRect&) {}
    virtual void CalcWallsRect() {}
    // Room the walls take beside Axis.
    virtual int CalcWallSize(const TChartAxis*) const { return 0; }
    virtual void DoOnAfterDraw() {}
    virtual void DoOnBeforeDrawAxes() {}
    virtual void DoOnBeforeDrawChart() {}
    virtual void DoOnBeforeDrawSeries() {}
    virtual void DrawTitlesAndLegend(bool) {}
    // Whether the back wall faces the viewer at depth Z (it is then drawn
    // after the series).
    virtual bool DrawBackWallAfter(int) const { return false; }
    virtual void DrawWalls() {}
    // The rectangle of a zoom drag in progress (mouse handling draws it).
    virtual void DrawZoomRectangle() {}
    // Border, bevels and the flat band between them; shrinks nothing outside.
    virtual void DrawPanelBevels(const TRect& Rect);

protected:
    // Copies a clean buffer, else draws; then shows the picture.
    void Paint() override;
    void PaintWindow() override;
    bool EraseBackground() override;
    // The plot rectangle inside the frame and the margins (the paint's first).
    TRect CalcMarginRect(const TRect& Bounds) const;
    // The frame of bevels, band and border, in pixels.
    int FrameWidth() const;
    void SetChartBounds(const TRect& Value) { FChartBounds = Value; }
    void SetInvertedRotation(bool Value) { FInvertedRotation = Value; }

private:
    // The window's picture made as large as the rectangle a paint covers.
    TRect SizeWindowImage();
    // One bevel of kind Cut into R, which shrinks by its width.
    void DrawBevel(TRect& R, TBevelCut Cut);

    bool FAutoRepaint = false;
    bool FView3D = true;
    bool FApplyZOrder = true;
    bool FPrinting = false;
    bool FMetafiling = false;
    bool FPrintProportional = true;
    std::array<int, 4> FMargins{3, 4, 3, 4};
    std::array<int, 4> FPrintMargins{15, 15, 15, 15};
    TVurUnits FMarginUnits = muPercent;
    TBevelCut FBevelInner = bvNone;
    TBevelCut FBevelOuter = bvRaised;
    int FBevelWidth = 1;
    int FBorderWidth = 0;
    int FBorderRound = 0;
    TRect FChartBounds;
    TRect FChartRect;
    int FChartWidth = 0;
    int FChartHeight = 0;
    int FChartXCenter = 0;
    int FChartYCenter = 0;
    int FWidth3D = 0;
    int FHeight3D = 0;
    int FSeriesWidth3D = 0;
    int FSeriesHeight3D = 0;
    int FMaxZOrder = 0;
    bool FInvertedRotation = false;
    TVurEventListeners FListeners;
    // The window's picture; the canvas draws into its own buffer and copies here.
    TBitmap FWindowImage;
    std::unique_ptr<TVurCanvas3D> FCanvas;
    std::unique_ptr<TView3DOptions> FView3DOptions;
    std::unique_ptr<TChartHiddenPen> FBorder;
    std::unique_ptr<TVurShadow> FShadow;
};

// Holds a panel's repaint requests off for one scope, whatever leaves it.
class TAutoRepaintHold {
public:
    explicit TAutoRepaintHold(TCustomVurPanel& Panel) : FPanel(Panel), FSaved(Panel.GetAutoRepaint()) {
        Panel.SetAutoRepaint(false);
    }
    ~TAutoRepaintHold() { FPanel.SetAutoRepaint(FSaved); }
    TAutoRepaintHold(const TAutoRepaintHold&) = delete;
    TAutoRepaintHold& operator=(const TAutoRepaintHold&) = delete;

private:
    TCustomVurPanel& FPanel;
    bool FSaved;
};

// Adds the panel's background fill and picture (and, with mouse handling,
// zoom and panning).
class TCustomVurPanelExtended : public TCustomVurPanel {
public:
    explicit TCustomVurPanelExtended(TComponent* AOwner);
    std::string ClassName() const override { return "TCustomVurPanelExtended"; }

    TBackImage* GetBackImage() const { return FBackImage.get(); }
    // The picture drawn leaving out the colour of its bottom-left pixel.
    bool GetBackImageTransp() const { return FBackImage->GetTransparent(); }
    void SetBackImageTransp(bool Value) { FBackImage->SetTransparent(Value); }
    // Fills the panel instead of Color while visible; created on first read.
    TVurGradient* GetGradient();
    // Without creating it.
    const TVurGradient* FindGradient() const { return FGradient.get(); }
    // nullptr frees the gradient; anything else is copied.
    void SetGradient(const TCustomVurGradient* Value);
    void FillPanelRect(const TRect& Rect) override;
    void PanelPaint(const TRect& Rect) override;

private:
    std::unique_ptr<TBackImage> FBackImage;
    std::unique_ptr<TVurGradient> FGradient;
};

} // namespace vur
