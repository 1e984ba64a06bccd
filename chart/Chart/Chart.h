// TCustomChart and TChart: the chart component. It owns the titles and the
// walls and draws them at their places in a paint, sizes the 3D depth of a
// paint, decides which palette colours are free
// (against the other series, the panel and the back wall) and remembers the
// palette last applied.
#pragma once

#include "chart/Chart/Title.h"
#include "chart/Chart/Walls.h"
#include "chart/DaZezava/AxisPanel.h"

#include <memory>

namespace vur {

class TCustomChart : public TCustomAxisPanel {
public:
    explicit TCustomChart(TComponent* AOwner);
    ~TCustomChart() override;

    std::string ClassName() const override { return "TCustomChart"; }

    // False when another series has the colour, or, with CheckBackground,
    // when the panel or the back wall has it.
    bool IsFreeSeriesColor(TColor Color, bool CheckBackground, const TChartSeries* Series) const override;

    TChartTitle* GetTitle() const { return FTitle.get(); }
    TChartTitle* GetSubTitle() const { return FSubTitle.get(); }
    TChartFootTitle* GetFoot() const { return FFoot.get(); }
    TChartFootTitle* GetSubFoot() const { return FSubFoot.get(); }
    TChartWalls* GetWalls() const { return FWalls.get(); }
    TChartBackWall* GetBackWall() const { return FWalls->GetBack(); }
    TChartWall* GetLeftWall() const { return FWalls->GetLeft(); }
    TChartWall* GetBottomWall() const { return FWalls->GetBottom(); }
    TChartRightWall* GetRightWall() const { return FWalls->GetRight(); }

    // The back wall's colour when it is opaque, else the panel's.
    TColor GetBackColor() const override;
    // The depth of the chart and of one slot; an orthogonal 3D view makes
    // room for the depth beside and above the plot.
    void CalcWallsRect() override;
    // The thickness of the wall beside Axis in a 3D view with walls.
    int CalcWallSize(const TChartAxis* Axis) const override;
    // Before the series the titles in their places (they shrink ChartRect);
    // after them the titles with a custom position and the walls in front.
    void DrawTitlesAndLegend(bool BeforeSeries) override;
    void DrawWalls() override;

    // The palette last applied (0: the default palette); stored as
    // "ColorPaletteIndex" when above 0.
    int GetColorPaletteIndex() const { return FColorPaletteIndex; }
    void SetColorPaletteIndex(int Value) { FColorPaletteIndex = Value; }
    // The stored "ColorPaletteIndex": records it and applies palettes from 1 on.
    void ReadColorPaletteIndex(int Value);

private:
    std::unique_ptr<TChartTitle> FTitle;
    std::unique_ptr<TChartTitle> FSubTitle;
    std::unique_ptr<TChartFootTitle> FFoot;
    std::unique_ptr<TChartFootTitle> FSubFoot;
    std::unique_ptr<TChartWalls> FWalls;
    int FColorPaletteIndex = 0;
};

class TChart : public TCustomChart {
public:
    using TCustomChart::TCustomChart;
    std::string ClassName() const override { return "TChart"; }
};

} // namespace vur
