// TVurBlend: makes drawing partly transparent. It captures the pixels of an
// area before the caller draws over it; DoBlend then mixes the captured
// pixels back into the drawing by the given transparency.
#pragma once

#include "chart/RoVedure/Canvas.h"
#include "platform/gdi/Bitmap.h"

namespace vur {

class TVurBlend {
public:
    // Captures R (oriented and clipped to the canvas's surface).
    TVurBlend(TVurCanvas& Canvas, const TRect& R);

    // Captures another area.
    void SetRectangle(const TRect& R);
    // Transparency 0 keeps the drawing, 100 restores the captured pixels.
    void DoBlend(TVurTransparency Transparency);

    bool GetValid() const { return FValid; }
    const TRect& GetRect() const { return FRect; }

private:
    TVurCanvas& FCanvas;
    TRect FRect;
    gdi::Bitmap FCaptured;
    bool FValid = false;
};

// Mixes Captured into Destination with its top-left at Origin, per pixel and
// channel: new = drawn + Transparency * (captured - drawn) / 100.
void VurBlendBitmaps(TVurTransparency Transparency, const gdi::Bitmap& Captured, gdi::Bitmap& Destination,
                     const TPoint& Origin);

} // namespace vur
