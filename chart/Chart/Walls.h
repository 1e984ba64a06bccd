// The chart's walls: back, left, bottom and right of the plot. Each is a
// shape (pen, brush, colour) that draws a flat plane or, with a Size, a box;
// TChartWalls owns the four and draws them at their places in a paint: in a
// flat chart only the back wall, as a frame around the plot; in 3D the
// walls behind the series first and the ones facing the viewer after them.
#pragma once

#include "chart/RoVedure/Geometry.h"
#include "chart/VurProcs/Shape.h"

#include <memory>

namespace vur {

class TBackImage;
class TChartAxis;
class TCustomAxisPanel;
class TVurBlend;

class TCustomChartWall : public TVurCustomShape {
public:
    TCustomChartWall(TCustomVurPanel* AParent, TColor ADefaultColor);

    std::string ClassName() const override { return "TCustomChartWall"; }
    void Assign(const TPersistent* Source) override;

    // The outline: the shape's frame.
    TChartPen* GetPen() const { return GetFrame(); }
    // Stored only when it differs from this wall's default.
    bool IsColorStored() const { return GetColor() != FDefaultColor; }
    bool GetDark3D() const { return FDark3D; }
    void SetDark3D(bool Value) { SetProperty(FDark3D, Value); }
    // Thickness in pixels; 0 is a flat plane.
    int GetSize() const { return FSize; }
    void SetSize(int Value) { SetProperty(FSize, BoundSetting(Value)); }
    // Left out of the pass that draws the walls in front of the series.
    bool GetAutoHide() const { return FAutoHide; }
    void SetAutoHide(bool Value) { SetProperty(FAutoHide, Value); }

    // Whether the in-front pass draws it: walls on, visible, not AutoHide.
    bool ShouldDraw() const;
    // The fill work before an opaque wall's outline: starts blending over the
    // projected corners when the wall has a transparency (the caller ends
    // it), and fills them with a visible gradient, clearing the brush.
    std::unique_ptr<TVurBlend> TryDrawWall(const TFourPoints& Corners) const;
    // The box sides come out darker.
    bool DarkSides() const;

private:
    TColor FDefaultColor;
    bool FDark3D = true;
    int FSize = 0;
    bool FAutoHide = false;
};

class TChartWall : public TCustomChartWall {
public:
    using TCustomChartWall::TCustomChartWall;
    std::string ClassName() const override { return "TChartWall"; }
};

// The wall behind the plot: silver and transparent by default.
class TChartBackWall : public TChartWall {
public:
    explicit TChartBackWall(TCustomVurPanel* AParent);
    std::string ClassName() const override { return "TChartBackWall"; }
};

// The wall right of the plot: silver and hidden by default.
class TChartRightWall : public TChartWall {
public:
    explicit TChartRightWall(TCustomVurPanel* AParent);
    std::string ClassName() const override { return "TChartRightWall"; }
};

class TChartWalls {
public:
    explicit TChartWalls(TCustomAxisPanel* AChart);
    ~TChartWalls();
    TChartWalls(const TChartWalls&) = delete;
    TChartWalls& operator=(const TChartWalls&) = delete;

    TChartBackWall* GetBack() const { return FBack.get(); }
    TChartWall* GetLeft() const { return FLeft.get(); }
    TChartWall* GetBottom() const { return FBottom.get(); }
    TChartRightWall* GetRight() const { return FRight.get(); }

    // The chart's View3DWalls.
    bool GetVisible() const;
    void SetVisible(bool Value);
    // The back wall's; setting it sizes all four.
    int GetSize() const { return FBack->GetSize(); }
    void SetSize(int Value);

    // The older stored "BackColor": the back wall's colour; MakeSolid (a
    // chart already in a window and not loading) also makes its brush solid.
    void ReadBackColor(TColor Value, bool MakeSolid);

    // The thickness of the wall beside Axis in a 3D view with walls.
    int CalcWallSize(const TChartAxis* Axis) const;
    // Pen and fill of Wall on the chart's canvas.
    void PrepareWallCanvas(const TCustomChartWall& Wall) const;
    // Whether the plane at X faces away from the viewer, so that a wall
    // there is hidden by the series and drawn before them.
    bool DrawWallFirst(int X) const;
    bool DrawLeftWallFirst() const;
    bool DrawRightWallAfter() const;

    // The walls behind the series (the pipeline's walls step). BackImage,
    // when it is drawn inside the walls, goes on the back wall.
    void DrawWalls(const TBackImage* BackImage);
    // The walls in front of the series, after them (3D only).
    void DrawWallsAfter(const TBackImage* BackImage);

    void DrawBackWall(const TBackImage* BackImage);
    void DrawLeftWall();
    void DrawRightWall();
    void DrawBottomWall();

private:
    TCustomAxisPanel& Chart() const { return *FChart; }
    // A wall's plane at X from the plot's top to below the bottom wall, from
    // depth 0 to Depth; a box Size thick beside it (to the left when
    // Outwards is negative).
    void DrawSideWall(const TCustomChartWall& Wall, int X, int Depth, int Outwards, int ExtraDepth);
    void DrawFlatBackWall(const TBackImage* BackImage);

    TCustomAxisPanel* FChart;
    std::unique_ptr<TChartBackWall> FBack;
    std::unique_ptr<TChartWall> FLeft;
    std::unique_ptr<TChartWall> FBottom;
    std::unique_ptr<TChartRightWall> FRight;
};

} // namespace vur
