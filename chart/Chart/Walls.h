// The chart's walls. So far only what the choice of series colours reads:
// the back wall's colour (silver unless changed).
#pragma once

#include "framework/Classes.h"
#include "framework/Types.h"

namespace vur {

class TCustomVurPanel;

class TChartWall : public TPersistent {
public:
    TChartWall(TCustomVurPanel* AParent, TColor ADefaultColor);

    std::string ClassName() const override { return "TChartWall"; }

    TColor GetColor() const { return FColor; }
    void SetColor(TColor Value);
    // Stored only when it differs from this wall's default.
    bool IsColorStored() const { return FColor != FDefaultColor; }
    bool GetTransparent() const { return FTransparent; }
    void SetTransparent(bool Value);

protected:
    void InitTransparent(bool Value) { FTransparent = Value; }

private:
    TCustomVurPanel* FParent;
    TColor FColor;
    TColor FDefaultColor;
    bool FTransparent = false;
};

// The wall behind the plot: silver and transparent by default.
class TChartBackWall : public TChartWall {
public:
    explicit TChartBackWall(TCustomVurPanel* AParent);
    std::string ClassName() const override { return "TChartBackWall"; }
};

} // namespace vur
