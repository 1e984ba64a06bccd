// The panel's background picture: a picture with the way it is placed
// (stretched, tiled, centred or at an offset) and whether it fills the whole
// panel or only the area inside the back wall.
#pragma once

#include "framework/Graphics.h"

#include <cstdint>

namespace vur {

class TCustomVurPanel;

enum TVurBackImageMode : std::uint8_t { pbmStretch, pbmTile, pbmCenter, pbmCustom };

class TBackImage : public TPicture {
public:
    TBackImage() = default;

    std::string ClassName() const override { return "TBackImage"; }
    // The picture; from another TBackImage also its placement.
    void Assign(const TPersistent* Source) override;

    TVurBackImageMode GetMode() const { return FMode; }
    void SetMode(TVurBackImageMode Value) { SetProperty(FMode, Value); }
    // Inside the back wall instead of the whole panel.
    bool GetInside() const { return FInside; }
    void SetInside(bool Value) { SetProperty(FInside, Value); }
    // The offset of pbmCustom from the area's top-left corner.
    int GetLeft() const { return FLeft; }
    void SetLeft(int Value) { SetProperty(FLeft, Value); }
    int GetTop() const { return FTop; }
    void SetTop(int Value) { SetProperty(FTop, Value); }
    // The chart's BackImageTransp: the picture is drawn without the colour
    // of its bottom-left pixel.
    bool GetTransparent() const { return FTransparent; }
    void SetTransparent(bool Value) { SetProperty(FTransparent, Value); }

    // A picture is loaded (an empty one draws nothing).
    bool HasPicture() const { return GetGraphic() && !GetGraphic()->Empty(); }
    // Draws the picture into Rect (chart space at depth Z in a 3D view) on
    // Panel's canvas, clipped to Rect except when stretched.
    void Draw(TCustomVurPanel& Panel, const TRect& Rect, int Z) const;

private:
    template <typename T>
    void SetProperty(T& Variable, T Value) {
        if (Variable == Value) return;
        Variable = Value;
        if (OnChange) OnChange(this);
    }

    TVurBackImageMode FMode = pbmStretch;
    bool FInside = false;
    int FLeft = 0;
    int FTop = 0;
    bool FTransparent = false;
};

} // namespace vur
