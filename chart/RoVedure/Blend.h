// TVurBlend: makes drawing partly transparent. It captures the pixels of an
// area before the caller draws over it; DoBlend then mixes the captured
// pixels back into the drawing by the given transparency.
#pragma once

#include "chart/RoVedure/Canvas.h"
#include "framework/DeviceSeam.h"

#include <cstdint>
#include <vector>

namespace vur {

class TVurBlend {
public:
    // Captures R: oriented, its top-left corner kept on the surface, at least
    // one pixel each way, cut at the surface's right and bottom edges. An area
    // that leaves nothing on the surface is not valid and blends nothing.
    TVurBlend(TVurCanvas& Canvas, const TRect& R);

    // Captures another area.
    void SetRectangle(const TRect& R);
    // Transparency 0 keeps the drawing, 100 restores the captured pixels.
    // When the canvas' text alignment changed since the capture, the chart
    // font is taken again and the alignment put back.
    void DoBlend(TVurTransparency Transparency);

    bool GetValid() const { return FValid; }
    const TRect& GetRect() const { return FRect; }
    // The transparency BeginBlending gave this blend, for EndBlending.
    TVurTransparency GetTransparency() const { return FTransparency; }
    void SetTransparency(TVurTransparency Value) { FTransparency = Value; }

private:
    TVurCanvas& FCanvas;
    TRect FRect;
    // The captured pixels, red, green and blue only, FRect's rows one after another.
    std::vector<std::uint32_t> FCaptured;
    unsigned FTextAlign = 0;
    TVurTransparency FTransparency = 0;
    bool FValid = false;
};

// Mixes Captured into Destination with its top-left at Origin, per pixel and
// channel, keeping Opacity percent of the drawing: with T = 100 - Opacity,
// new = drawn + T * (captured - drawn) / 100 in integers.
void VurBlendBitmaps(int Opacity, TConstPixelRows Captured, TPixelRows Destination, const TPoint& Origin);

} // namespace vur
