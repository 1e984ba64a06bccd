// Zoom and panning settings and drag state: TZoomPanning holds the corners of
// a drag in progress, TVurZoom adds the settings of the zoom rectangle and
// owns its brush and pen, which come into being only when first read.
#pragma once

#include "chart/RoVedure/ChartBrush.h"
#include "chart/RoVedure/ChartPen.h"
#include "chart/RoVedure/Gradient.h"
#include "framework/Controls.h"

#include <cstdint>
#include <memory>

namespace vur {

enum TVurZoomDirection : std::uint8_t { tzdHorizontal, tzdVertical, tzdBoth };
enum TPanningMode : std::uint8_t { pmNone, pmHorizontal, pmVertical, pmBoth };

// The range state of one axis before the first zoom or scroll.
struct [[gnu::packed]] TAxisSavedScales {
    bool Automatic = false;
    bool AutomaticMinimum = false;
    bool AutomaticMaximum = false;
    double Minimum = 0;
    double Maximum = 0;
};
static_assert(sizeof(TAxisSavedScales) == 19);

class TZoomPanning {
public:
    void Activate(int X, int Y);
    // Orders the corners: afterwards X0 <= X1 and Y0 <= Y1.
    void Check();

    bool Active = false;
    int X0 = 0;
    int Y0 = 0;
    int X1 = 0;
    int Y1 = 0;
};

// The fill of the zoom rectangle; while its gradient is visible the
// rectangle is filled with that instead.
class TVurZoomBrush : public TChartBrush {
public:
    explicit TVurZoomBrush(TNotifyEvent OnChange = {});
    ~TVurZoomBrush() override;
    std::string ClassName() const override { return "TVurZoomBrush"; }
    // From a TVurZoomBrush also the gradient.
    void Assign(const TPersistent* Source) override;

    // Created hidden on first read.
    TVurGradient* GetGradient();
    const TVurGradient* FindGradient() const { return FGradient.get(); }
    // nullptr frees the gradient; anything else is copied.
    void SetGradient(const TCustomVurGradient* Value);

private:
    std::unique_ptr<TVurGradient> FGradient;
};

class TVurZoomPen : public TChartPen {
public:
    explicit TVurZoomPen(TNotifyEvent OnChange = {});
    std::string ClassName() const override { return "TVurZoomPen"; }
};

class TVurZoom : public TPersistent, public TZoomPanning {
public:
    TVurZoom();
    ~TVurZoom() override;

    std::string ClassName() const override { return "TVurZoom"; }
    // From a TVurZoom: Allow, Animated, AnimatedSteps, Brush, Direction,
    // KeyShift, MouseButton, Pen, and also MinimumPixels and UpLeftZooms.
    void Assign(const TPersistent* Source) override;

    bool GetAllow() const { return FAllow; }
    void SetAllow(bool Value) { FAllow = Value; }
    bool GetAnimated() const { return FAnimated; }
    void SetAnimated(bool Value) { FAnimated = Value; }
    int GetAnimatedSteps() const { return FAnimatedSteps; }
    void SetAnimatedSteps(int Value) { FAnimatedSteps = Value; }
    // Created on first read.
    TVurZoomBrush* GetBrush();
    // The brush when it has been read or set, without creating it.
    TVurZoomBrush* FindBrush() const { return FBrush.get(); }
    // nullptr frees the brush; anything else is copied.
    void SetBrush(const TChartBrush* Value);
    TVurZoomDirection GetDirection() const { return FDirection; }
    void SetDirection(TVurZoomDirection Value) { FDirection = Value; }
    TShiftState GetKeyShift() const { return FKeyShift; }
    void SetKeyShift(TShiftState Value) { FKeyShift = Value; }
    int GetMinimumPixels() const { return FMinimumPixels; }
    void SetMinimumPixels(int Value) { FMinimumPixels = Value; }
    TMouseButton GetMouseButton() const { return FMouseButton; }
    void SetMouseButton(TMouseButton Value) { FMouseButton = Value; }
    // Created on first read.
    TVurZoomPen* GetPen();
    TVurZoomPen* FindPen() const { return FPen.get(); }
    // nullptr frees the pen; anything else is copied.
    void SetPen(const TChartPen* Value);
    bool GetUpLeftZooms() const { return FUpLeftZooms; }
    void SetUpLeftZooms(bool Value) { FUpLeftZooms = Value; }

private:
    bool FAllow = true;
    bool FAnimated = false;
    int FAnimatedSteps = 8;
    std::unique_ptr<TVurZoomBrush> FBrush;
    TVurZoomDirection FDirection = tzdBoth;
    TShiftState FKeyShift = 0;
    int FMinimumPixels = 16;
    TMouseButton FMouseButton = mbLeft;
    std::unique_ptr<TVurZoomPen> FPen;
    bool FUpLeftZooms = false;
};

} // namespace vur
