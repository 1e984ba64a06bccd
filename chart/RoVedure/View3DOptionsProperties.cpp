// What the 3D view options store.
#include "chart/ChartClasses.h"
#include "chart/RoVedure/View3DOptions.h"
#include "framework/Published.h"

namespace vur {

void DeclareView3DOptionsProperties() {
    using T = TView3DOptions;
    TDeclare<T>("TView3DOptions", "TPersistent")
        .Int("Elevation", &T::GetElevation, &T::SetElevation)
        .Default(345)
        .Int("FontZoom", &T::GetFontZoom, &T::SetFontZoom)
        .Default(100)
        .Int("HorizOffset", &T::GetHorizOffset, &T::SetHorizOffset)
        .Default(0)
        .Int("OrthoAngle", &T::GetOrthoAngle, &T::SetOrthoAngle)
        .Default(45)
        .Bool("Orthogonal", &T::GetOrthogonal, &T::SetOrthogonal)
        .Default(true)
        .Int("Perspective", &T::GetPerspective, &T::SetPerspective)
        .Default(15)
        .Int("Rotation", &T::GetRotation, &T::SetRotation)
        .Default(345)
        .Int("Tilt", &T::GetTilt, &T::SetTilt)
        .Default(0)
        .Int("VertOffset", &T::GetVertOffset, &T::SetVertOffset)
        .Default(0)
        .Int("Zoom", &T::GetZoom, &T::SetZoom)
        .Default(100)
        .Bool("ZoomText", &T::GetZoomText, &T::SetZoomText)
        .Default(true);
}

} // namespace vur
