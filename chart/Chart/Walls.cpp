#include "chart/Chart/Walls.h"

#include "chart/DaZezava/AxisPanel.h"
#include "chart/RoVedure/Blend.h"
#include "chart/RoVedure/Geometry.h"
#include "chart/VurProcs/BackImage.h"
#include "framework/ScopedValue.h"

namespace vur {

namespace {

constexpr TColor LightYellow = 0x80FFFF;

// Hides parts of an axis' 3D grid for the length of a scope.
auto HiddenGrid(TChartAxis& Axis, bool Back, bool Side) {
    struct TGrid {
        bool Back, Side;
    };
    return TScopedValue(TGrid{Axis.GetHideBackGrid(), Axis.GetHideSideGrid()}, TGrid{Back, Side},
                        [&Axis](const TGrid& Grid) {
                            Axis.SetHideBackGrid(Grid.Back);
                            Axis.SetHideSideGrid(Grid.Side);
                        });
}

} // namespace

// ---- TCustomChartWall

TCustomChartWall::TCustomChartWall(TCustomVurPanel* AParent, TColor ADefaultColor)
    : TVurCustomShape(AParent), FDefaultColor(ADefaultColor) {
    InitColor(ADefaultColor);
}

void TCustomChartWall::Assign(const TPersistent* Source) {
    if (const auto* Wall = dynamic_cast<const TCustomChartWall*>(Source)) {
        SetDark3D(Wall->FDark3D);
        SetSize(Wall->FSize);
        SetAutoHide(Wall->FAutoHide);
    }
    TVurCustomShape::Assign(Source);
}

bool TCustomChartWall::ShouldDraw() const {
    const auto* Chart = dynamic_cast<const TCustomAxisPanel*>(GetParent());
    return Chart && Chart->GetView3DWalls() && GetVisible() && !FAutoHide;
}

std::unique_ptr<TVurBlend> TCustomChartWall::TryDrawWall(const TFourPoints& Corners) const {
    TVurCanvas3D* C = Canvas();
    if (GetTransparent() || !C) return nullptr;
    std::unique_ptr<TVurBlend> Blend;
    if (GetTransparency() > 0) Blend = C->BeginBlending(RectFromPolygon(Corners, 4), GetTransparency());
    if (const TVurGradient* Gradient = FindGradient(); Gradient && Gradient->GetVisible()) {
        // Seen straight on (the back wall in an orthogonal view) the corners
        // make a rectangle, which needs no clip.
        const bool Upright = Corners[0].Y == Corners[1].Y && Corners[1].X == Corners[2].X &&
                             Corners[2].Y == Corners[3].Y && Corners[3].X == Corners[0].X;
        if (Upright)
            Gradient->Draw(*C, TRect{Corners[0].X, Corners[0].Y, Corners[2].X, Corners[2].Y});
        else
            Gradient->Draw(*C, Corners);
        C->GetBrush()->SetStyle(bsClear);
    }
    return Blend;
}

bool TCustomChartWall::DarkSides() const {
    return FDark3D && GetBrush()->GetStyle() != bsClear && !GetBrush()->GetImageGraphic();
}

TChartBackWall::TChartBackWall(TCustomVurPanel* AParent) : TChartWall(AParent, clSilver) {
    InitTransparent(true);
}

TChartRightWall::TChartRightWall(TCustomVurPanel* AParent) : TChartWall(AParent, clSilver) {
    InitVisible(false);
}

// ---- TChartWalls

TChartWalls::TChartWalls(TCustomAxisPanel* AChart)
    : FChart(AChart), FBack(std::make_unique<TChartBackWall>(AChart)),
      FLeft(std::make_unique<TChartWall>(AChart, LightYellow)),
      FBottom(std::make_unique<TChartWall>(AChart, clWhite)),
      FRight(std::make_unique<TChartRightWall>(AChart)) {}

TChartWalls::~TChartWalls() = default;

bool TChartWalls::GetVisible() const { return Chart().GetView3DWalls(); }

void TChartWalls::SetVisible(bool Value) { Chart().SetView3DWalls(Value); }

void TChartWalls::SetSize(int Value) {
    FBack->SetSize(Value);
    FLeft->SetSize(Value);
    FBottom->SetSize(Value);
    FRight->SetSize(Value);
}

void TChartWalls::ReadBackColor(TColor Value, bool MakeSolid) {
    FBack->SetColor(Value);
    if (MakeSolid) FBack->GetBrush()->SetStyle(bsSolid);
}

int TChartWalls::CalcWallSize(const TChartAxis* Axis) const {
    if (!Chart().GetView3D() || !Chart().GetView3DWalls()) return 0;
    const TCustomChartWall* Wall = FBack.get();
    if (Axis == Chart().GetLeftAxis())
        Wall = FLeft.get();
    else if (Axis == Chart().GetBottomAxis())
        Wall = FBottom.get();
    else if (Axis == Chart().GetRightAxis())
        Wall = FRight.get();
    return Wall->GetVisible() ? Wall->GetSize() : 0;
}

void TChartWalls::PrepareWallCanvas(const TCustomChartWall& Wall) const {
    TVurCanvas3D* C = Chart().GetCanvas();
    C->AssignVisiblePen(Wall.GetPen());
    if (Wall.GetTransparent()) {
        C->GetBrush()->SetStyle(bsClear);
        return;
    }
    const TChartBrush* Brush = Wall.GetBrush();
    TColor Color = Wall.GetColor();
    // A hatch in the wall's own colour would vanish: draw it in black (or white on black).
    const bool Hatch = Brush->GetStyle() != bsSolid && Brush->GetStyle() != bsClear;
    if (Hatch && Brush->GetColor() == Color) Color = Brush->GetColor() == clBlack ? clWhite : clBlack;
    C->AssignBrush(Brush, Color);
}

bool TChartWalls::DrawWallFirst(int X) const {
    const TRect& R = Chart().GetChartRect();
    const int Bottom = R.Bottom + CalcWallSize(Chart().GetBottomAxis());
    const TVurCanvas3D* C = Chart().GetCanvas();
    return VurCull(C->Calculate3DPosition(TPoint3D{X, R.Top, 0}),
                   C->Calculate3DPosition(TPoint3D{X, Bottom, 0}),
                   C->Calculate3DPosition(TPoint3D{X, Bottom, FBack->GetSize() + Chart().GetWidth3D()}));
}

bool TChartWalls::DrawLeftWallFirst() const { return DrawWallFirst(Chart().GetChartRect().Left); }

bool TChartWalls::DrawRightWallAfter() const { return !DrawWallFirst(Chart().GetChartRect().Right); }

void TChartWalls::DrawWalls(const TBackImage* BackImage) {
    TCustomAxisPanel& Panel = Chart();
    if (!Panel.ActiveSeriesUseAxis()) return;
    const bool Walls = Panel.GetView3DWalls();
    if (!Panel.GetView3D()) {
        if (Walls && FBack->GetVisible()) DrawFlatBackWall(BackImage);
        return;
    }
    if (Walls && FRight->GetVisible() && !DrawRightWallAfter()) DrawRightWall();
    if (Walls && FBack->GetVisible() && !Panel.DrawBackWallAfter(Panel.GetWidth3D())) DrawBackWall(BackImage);
    if (!Walls) return;
    if (FLeft->GetVisible() && !DrawLeftWallFirst()) DrawLeftWall();
    if (FBottom->GetVisible()) DrawBottomWall();
    if (Panel.DrawBackWallAfter(0))
        for (TChartAxis* Axis : {Panel.GetTopAxis(), Panel.GetBottomAxis()})
            if (Axis->GetVisibleInPaint()) Axis->Draw(true);
}

void TChartWalls::DrawWallsAfter(const TBackImage* BackImage) {
    TCustomAxisPanel& Panel = Chart();
    if (!Panel.ActiveSeriesUseAxis() || !Panel.GetView3D()) return;
    // Axes drawn again over a wall in front leave out the grid parts that lie
    // behind the series, which would otherwise cover them.
    if (FRight->ShouldDraw() && DrawRightWallAfter()) {
        DrawRightWall();
        if (TChartAxis* Right = Panel.GetRightAxis(); Right->GetVisibleInPaint()) {
            const auto Hide = HiddenGrid(*Right, true, false);
            Right->Draw(true);
        }
    }
    if (FLeft->ShouldDraw() && DrawLeftWallFirst()) {
        DrawLeftWall();
        if (Panel.GetLeftAxis()->GetVisibleInPaint()) Panel.GetLeftAxis()->Draw(true);
    }
    if (FBack->ShouldDraw() && Panel.DrawBackWallAfter(Panel.GetWidth3D())) {
        for (TChartAxis* Axis : {Panel.GetTopAxis(), Panel.GetBottomAxis()}) {
            if (!Axis->GetVisibleInPaint()) continue;
            const auto Hide = HiddenGrid(*Axis, false, true);
            Axis->DrawGrids(static_cast<int>(Axis->GetTickPositions().size()));
        }
        DrawBackWall(BackImage);
    }
}

void TChartWalls::DrawFlatBackWall(const TBackImage* BackImage) {
    TVurCanvas3D* C = Chart().GetCanvas();
    const TRect& Plot = Chart().GetChartRect();
    PrepareWallCanvas(*FBack);
    const TRect R{Plot.Left, Plot.Top, Plot.Right + 1, Plot.Bottom + 1};
    std::unique_ptr<TVurBlend> Blend;
    if (FBack->GetTransparency() > 0) Blend = C->BeginBlending(R, FBack->GetTransparency());
    if (const TVurGradient* Gradient = FBack->FindGradient();
        Gradient && Gradient->GetVisible() && !FBack->GetTransparent()) {
        Gradient->Draw(*C, R);
        C->GetBrush()->SetStyle(bsClear);
    }
    C->Rectangle(R);
    if (BackImage && BackImage->GetInside()) {
        // Inside the frame, which keeps its four lines.
        const TRect Inner =
            FBack->GetPen()->GetVisible() ? TRect{Plot.Left + 1, Plot.Top + 1, Plot.Right, Plot.Bottom} : R;
        BackImage->Draw(Chart(), Inner, 0);
    }
    if (Blend) C->EndBlending(std::move(Blend));
}

void TChartWalls::DrawBackWall(const TBackImage* BackImage) {
    TCustomAxisPanel& Panel = Chart();
    TVurCanvas3D* C = Panel.GetCanvas();
    const TRect& Plot = Panel.GetChartRect();
    const int Depth = Panel.GetWidth3D();
    PrepareWallCanvas(*FBack);
    std::unique_ptr<TVurBlend> Blend = FBack->TryDrawWall(C->FourPointsFromRect(Plot, Depth));
    const int Size = FBack->GetSize();
    if (Size < 1) {
        C->RectangleWithZ(Plot, Depth);
    } else {
        const int Far = Depth < 0 ? Depth - Size : Depth + Size;
        C->Cube(Plot.Left - CalcWallSize(Panel.GetLeftAxis()), Plot.Right, Plot.Top,
                Plot.Bottom + CalcWallSize(Panel.GetBottomAxis()), Depth, Far, FBack->DarkSides());
    }
    if (BackImage && BackImage->GetInside()) {
        TRect R = Plot;
        if (FBack->GetPen()->GetVisible()) R = TRect{R.Left + 1, R.Top + 1, R.Right + 1, R.Bottom + 1};
        BackImage->Draw(Panel, R, Depth);
    }
    if (Blend) C->EndBlending(std::move(Blend));
}

void TChartWalls::DrawSideWall(const TCustomChartWall& Wall, int X, int Depth, int Outwards, int ExtraDepth) {
    TVurCanvas3D* C = Chart().GetCanvas();
    const TRect& Plot = Chart().GetChartRect();
    const int Bottom = Plot.Bottom + CalcWallSize(Chart().GetBottomAxis());
    PrepareWallCanvas(Wall);
    std::unique_ptr<TVurBlend> Blend = Wall.TryDrawWall({C->Calculate3DPosition(TPoint3D{X, Plot.Top, 0}),
                                                         C->Calculate3DPosition(TPoint3D{X, Plot.Top, Depth}),
                                                         C->Calculate3DPosition(TPoint3D{X, Bottom, Depth}),
                                                         C->Calculate3DPosition(TPoint3D{X, Bottom, 0})});
    const int Size = Wall.GetSize();
    if (Size <= 0) {
        static_cast<TCanvas3D*>(C)->RectangleZ(X, Plot.Top, Bottom, 0, Depth);
    } else if (Outwards < 0) {
        C->Cube(X - Size, X, Plot.Top, Bottom, 0, Depth, Wall.DarkSides());
    } else {
        C->Cube(X, X + Size, Plot.Top, Bottom, 0, Depth + ExtraDepth, Wall.DarkSides());
    }
    if (Blend) C->EndBlending(std::move(Blend));
}

void TChartWalls::DrawLeftWall() {
    DrawSideWall(*FLeft, Chart().GetChartRect().Left, Chart().GetWidth3D(), -1, 0);
}

void TChartWalls::DrawRightWall() {
    const int Extra = FBack->GetVisible() ? FBack->GetSize() : 0;
    DrawSideWall(*FRight, Chart().GetChartRect().Right, Chart().GetWidth3D() + 1, 1, Extra);
}

void TChartWalls::DrawBottomWall() {
    TCustomAxisPanel& Panel = Chart();
    TVurCanvas3D* C = Panel.GetCanvas();
    const TRect& Plot = Panel.GetChartRect();
    const int Depth = Panel.GetWidth3D();
    int Left = Plot.Left;
    if (FLeft->GetVisible() && FLeft->GetAutoHide() && DrawLeftWallFirst())
        Left -= CalcWallSize(Panel.GetLeftAxis());
    const int Y = Plot.Bottom + (C->GetSupportsFullRotation() ? 1 : 0);
    PrepareWallCanvas(*FBottom);
    std::unique_ptr<TVurBlend> Blend = FBottom->TryDrawWall(
        {C->Calculate3DPosition(TPoint3D{Left, Y, 0}), C->Calculate3DPosition(TPoint3D{Plot.Right, Y, 0}),
         C->Calculate3DPosition(TPoint3D{Plot.Right, Y, Depth}),
         C->Calculate3DPosition(TPoint3D{Left, Y, Depth})});
    const int Size = FBottom->GetSize();
    if (Size <= 0)
        static_cast<TCanvas3D*>(C)->RectangleY(Left, Y, Plot.Right, 0, Depth);
    else
        C->Cube(Left, Plot.Right, Y, Y + Size, 0, Depth, FBottom->DarkSides());
    if (Blend) C->EndBlending(std::move(Blend));
}

} // namespace vur
