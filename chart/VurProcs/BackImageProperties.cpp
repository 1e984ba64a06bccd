// What the panel's background picture stores besides the picture: the
// offset of a picture placed by hand (the chart stores its mode, place and
// transparency under names of its own).
#include "chart/ChartClasses.h"
#include "chart/VurProcs/BackImage.h"
#include "framework/Published.h"

namespace vur {

void DeclareBackImageProperties() {
    TDeclare<TBackImage>("TBackImage", "TPicture")
        .Int("Left", &TBackImage::GetLeft, &TBackImage::SetLeft)
        .Default(0)
        .Int("Top", &TBackImage::GetTop, &TBackImage::SetTop)
        .Default(0);
}

} // namespace vur
