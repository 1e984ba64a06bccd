// TView3DOptions: the view parameters of a 3D chart (rotation, elevation,
// tilt, foreshortening, zoom, offsets, orthogonal mode). Owned by the chart
// panel, which every real change repaints; the panel also listens for
// scrolling and zooming through the two callbacks.
#pragma once

#include "framework/Classes.h"

#include <functional>

namespace vur {

class TCustomVurPanel;

using TVurView3DScrolled = std::function<void(bool IsHoriz)>;
using TVurView3DChangedZoom = std::function<void(int NewZoom)>;

class TView3DOptions : public TPersistent {
public:
    // AParent may be null: the options then only store their values.
    explicit TView3DOptions(TCustomVurPanel* AParent);

    std::string ClassName() const override { return "TView3DOptions"; }
    // Copies every property; no callback, no repaint.
    void Assign(const TPersistent* Source) override;

    TCustomVurPanel* GetParent() const { return FParent; }

    int GetElevation() const { return FElevation; }
    void SetElevation(int Value);
    int GetFontZoom() const { return FFontZoom; }
    void SetFontZoom(int Value);
    int GetHorizOffset() const { return FHorizOffset; }
    void SetHorizOffset(int Value);
    int GetOrthoAngle() const { return FOrthoAngle; }
    void SetOrthoAngle(int Value);
    bool GetOrthogonal() const { return FOrthogonal; }
    void SetOrthogonal(bool Value);
    int GetPerspective() const { return FPerspective; }
    void SetPerspective(int Value);
    int GetRotation() const { return FRotation; }
    void SetRotation(int Value);
    int GetTilt() const { return FTilt; }
    void SetTilt(int Value);
    int GetVertOffset() const { return FVertOffset; }
    void SetVertOffset(int Value);
    int GetZoom() const { return FZoom; }
    void SetZoom(int Value);
    bool GetZoomText() const { return FZoomText; }
    void SetZoomText(bool Value);

    // The depth slope of the orthogonal view: 1 in full 3D, else the tangent
    // of the orthogonal angle folded into 0..90 degrees.
    double CalcOrthoRatio() const;

    // Set by the panel; not stored with the chart.
    TVurView3DScrolled OnScrolled;
    TVurView3DChangedZoom OnChangedZoom;

private:
    void SetInteger(int& Variable, int Value);
    void SetBoolean(bool& Variable, bool Value);
    void Repaint();

    TCustomVurPanel* FParent;
    int FElevation = 345;
    int FFontZoom = 100;
    int FHorizOffset = 0;
    int FOrthoAngle = 45;
    bool FOrthogonal = true;
    int FPerspective = 15;
    int FRotation = 345;
    int FTilt = 0;
    int FVertOffset = 0;
    int FZoom = 100;
    bool FZoomText = true;
};

// The slope of depth for an orthogonal angle in degrees, folded into
// 0..90; an angle whose cosine is below 0.01 gives 1, never a near-infinite
// tangent. Shared by the options and the projection so both agree.
double OrthoSlope(int OrthoAngle);

} // namespace vur
