// Drawing an axis: its title, its labels (TAxisLabelWalk), the axis line,
// outer and inner ticks, grid lines across the plot, and the minor ticks and
// grid between the labels; and the CustomDraw calls that repeat all of it at
// anchors user code gives.
#include "chart/DaZezava/Axis.h"

#include "chart/DaZezava/AxisLabelWalk.h"
#include "chart/DaZezava/AxisPanel.h"
#include "framework/ScopedValue.h"
#include "platform/numeric/Rounding.h"

namespace vur {

// ---------------------------------------------------------------- Draw

void TChartAxis::Draw(bool CalcPosAxis) {
    FAxisIsDateTime = IsDateTime();
    const TRect& ChartRect = FParentChart->GetChartRect();
    if (CalcPosAxis) FAxisLinePos = ApplyPosition(GetRectangleEdge(ChartRect), ChartRect);
    TVurCanvas3D* Canvas = FParentChart->GetCanvas();
    if (FTitle->GetVisible() && !FTitle->GetCaption().empty()) {
        if (FIsDepthAxis)
            DrawTitle(FTitlePos, DepthAxisPos());
        else if (FHorizontal)
            DrawTitle(FPixelCenter, FTitlePos);
        else
            DrawTitle(FTitlePos, FPixelCenter);
    }
    FTickPositions.clear();
    {
        TAxisLabelWalk Walk(*this);
        const TScopedValue Current(FLabelWalk, &Walk);
        Canvas->AssignFont(GetLabelsFont());
        Canvas->SetBackMode(cbmTransparent);
        Walk.Walk();
    }

    Canvas->GetBrush()->SetStyle(bsClear);
    Canvas->SetBackMode(cbmTransparent);
    if (FAxisPen->GetVisible()) {
        Canvas->AssignVisiblePen(FAxisPen.get());
        DrawAxisLine();
    }
    if (FTicks->GetVisible() && FTickLength != 0) {
        Canvas->AssignVisiblePen(FTicks.get());
        for (const int Position : FTickPositions) DrawTick(Position, 1, FTickLength);
    }
    DrawGrids(static_cast<int>(FTickPositions.size()));
    if (FTicksInner->GetVisible() && FTickInnerLength != 0) {
        Canvas->AssignVisiblePen(FTicksInner.get());
        for (const int Position : FTickPositions) DrawTick(Position, -1, -FTickInnerLength);
    }
    if (FTickPositions.empty()) return;
    if (FMinorTicks->GetVisible()) {
        Canvas->AssignVisiblePen(FMinorTicks.get());
        DrawMinor(false);
    }
    if (FMinorGrid->GetVisible()) {
        Canvas->GetBrush()->SetStyle(bsClear);
        Canvas->AssignVisiblePen(FMinorGrid.get());
        DrawMinor(true);
    }
}

void TChartAxis::AddTick(int Position) { FTickPositions.push_back(Position); }

// ---------------------------------------------------------------- line and ticks

void TChartAxis::DrawAxisLine() {
    TVurCanvas3D* Canvas = FParentChart->GetCanvas();
    const int Z = FDepthPixelPos;
    if (FIsDepthAxis) {
        Canvas->ZLine3D(FAxisLinePos, DepthAxisLineY(), FPixelStart, FPixelEnd);
        return;
    }
    const int Wall = WallSize(this);
    if (FHorizontal) {
        if (FOtherSide)
            Canvas->HorizLine3D(FPixelStart, FPixelEnd, FAxisLinePos, Z);
        else
            Canvas->HorizLine3D(FPixelStart - WallSize(FParentChart->GetLeftAxis()),
                                FPixelEnd + WallSize(FParentChart->GetRightAxis()), FAxisLinePos + Wall, Z);
        return;
    }
    const int X = FOtherSide ? FAxisLinePos + Wall : FAxisLinePos - Wall;
    Canvas->VertLine3D(X, FPixelStart, FPixelEnd + WallSize(FParentChart->GetBottomAxis()), Z);
}

void TChartAxis::DrawTick(int Pos, int Offset, int Length) {
    TVurCanvas3D* Canvas = FParentChart->GetCanvas();
    const int Z = FDepthPixelPos;
    if (FIsDepthAxis) {
        // Across the line at its own height, outwards on either side.
        const int Y = DepthAxisLineY();
        const int X = FOtherSide ? FAxisLinePos + Offset : FAxisLinePos - Offset;
        Canvas->LineWithZ(X, Y, FOtherSide ? X + Length : X - Length, Y, Pos);
        return;
    }
    const int Wall = WallSize(this);
    if (FHorizontal) {
        const int From = FOtherSide ? FAxisLinePos - Offset : FAxisLinePos + Offset + Wall;
        Canvas->VertLine3D(Pos, From, FOtherSide ? From - Length : From + Length, Z);
    } else {
        const int From = FOtherSide ? FAxisLinePos + Offset + Wall : FAxisLinePos - Offset - Wall;
        Canvas->HorizLine3D(From, FOtherSide ? From + Length : From - Length, Pos, Z);
    }
}

int TChartAxis::DepthAxisLineY() const {
    // The texts' height, on the other side below the bottom wall as well;
    // DepthPixelPos moves both into the chart.
    const int Y = DepthAxisPos();
    return FOtherSide ? Y + WallSize(FParentChart->GetBottomAxis()) : Y;
}

// ---------------------------------------------------------------- grid

void TChartAxis::DrawGrids(int TickCount) {
    if (!FGrid->GetVisible()) return;
    TVurCanvas3D* Canvas = FParentChart->GetCanvas();
    Canvas->SetBackMode(cbmTransparent);
    Canvas->GetBrush()->SetStyle(bsClear);
    const TColor Color = FGrid->GetColor();
    Canvas->AssignVisiblePenColor(FGrid.get(), Color == clDefault ? TColor{0x808080} : Color);
    const int Count = std::min(TickCount, static_cast<int>(FTickPositions.size()));
    if (FGrid->GetCentered()) {
        for (int Index = 1; Index < Count; ++Index)
            DrawGridLine(Round((static_cast<double>(FTickPositions[static_cast<std::size_t>(Index)]) +
                                FTickPositions[static_cast<std::size_t>(Index - 1)]) *
                               0.5));
    } else {
        for (int Index = 0; Index < Count; ++Index)
            DrawGridLine(FTickPositions[static_cast<std::size_t>(Index)]);
    }
}

void TChartAxis::DrawGridLine(int Pos) {
    if (!(FPixelStart < Pos && Pos < FPixelEnd)) return;
    TVurCanvas3D* Canvas = FParentChart->GetCanvas();
    const TRect& R = FParentChart->GetChartRect();
    if (!FParentChart->GetView3D()) {
        if (FHorizontal)
            Canvas->DoVertLine(Pos, R.Top + 1, R.Bottom);
        else
            Canvas->DoHorizLine(R.Left + 1, R.Right, Pos);
        return;
    }
    const int Depth = FParentChart->GetWidth3D();
    if (FIsDepthAxis) {
        Canvas->HorizLine3D(R.Left, R.Right, R.Bottom, Pos);
        Canvas->VertLine3D(R.Left, R.Top, R.Bottom, Pos);
        return;
    }
    const bool Behind = FParentChart->GetAxisBehind();
    if (!Behind || !FHideBackGrid) {
        const int BackZ = Behind ? Depth : 0;
        if (FHorizontal)
            Canvas->VertLine3D(Pos, R.Top + 1, R.Bottom, BackZ);
        else
            Canvas->HorizLine3D(R.Left + 1, R.Right, Pos, BackZ);
    }
    if (!Behind || FHideSideGrid) return;
    const int SideZ = Round(Depth * FGrid->GetZPosition() * 0.01);
    if (SideZ == Depth) return;
    if (FHorizontal)
        Canvas->ZLine3D(Pos, FAxisLinePos, SideZ, Depth);
    else
        Canvas->ZLine3D(FAxisLinePos, Pos, SideZ, Depth);
}

// ---------------------------------------------------------------- minor ticks and grid

void TChartAxis::DrawMinorAt(int Pos, bool AsGrid) {
    if (!(FPixelStart < Pos && Pos < FPixelEnd)) return;
    if (AsGrid)
        DrawGridLine(Pos);
    else
        DrawTick(Pos, 1, FMinorTickLength);
}

void TChartAxis::DrawMinorRun(int From, double Step, int Count, bool AsGrid) {
    if (std::fabs(Step) >= 1) {
        for (int J = 1; J <= Count; ++J) DrawMinorAt(From - Round(Step * J), AsGrid);
        return;
    }
    // Less than a pixel apart, the ticks fall on every pixel from the first
    // to the last, most of them many times: each is drawn once.
    const int First = From - Round(Step);
    const int Last = From - Round(Step * Count);
    const int Direction = Last >= First ? 1 : -1;
    for (int Position = First;; Position += Direction) {
        DrawMinorAt(Position, AsGrid);
        if (Position == Last) break;
    }
}

void TChartAxis::DrawMinor(bool AsGrid) {
    const int Count = FMinorTickCount;
    if (Count <= 0) return;
    const std::vector<int>& T = FTickPositions;
    const std::size_t N = T.size();
    if (FLogarithmic) {
        const double Base = FLogarithmicBase;
        // No more ticks per step of the base than the axis has pixels; a tick
        // on the pixel of the one before it is not drawn again.
        const int Ticks = std::min(Count, std::max(1, std::abs(FPixelSize)));
        const auto FromValue = [&](double Value) {
            const double Step = (Value * Base - Value) / (Ticks + 1);
            int Previous = FPixelStart;
            for (int D = 1; D <= Ticks; ++D) {
                Value += Step;
                if (!(Value >= FRangeMinimum && Value <= FRangeMaximum)) continue;
                const int Position = CalcPosValue(Value);
                if (Position != Previous) DrawMinorAt(Position, AsGrid);
                Previous = Position;
            }
        };
        FromValue(CalcPosPoint(T.front()) / Base);
        for (const int Position : T) FromValue(CalcPosPoint(Position));
        FromValue(CalcPosPoint(T.back()) * Base);
        return;
    }
    if (N > 1) {
        const double Step = (static_cast<double>(T[1]) - T[0]) / (Count + 1);
        DrawMinorRun(T[0], Step, Count, AsGrid);
        DrawMinorRun(T[N - 1], -Step, Count, AsGrid);
    }
    for (std::size_t I = 1; I < N; ++I)
        DrawMinorRun(T[I], (static_cast<double>(T[I]) - T[I - 1]) / (Count + 1), Count, AsGrid);
}

// ---------------------------------------------------------------- CustomDraw

void TChartAxis::CustomDrawAt(int APosLabels, int APosTitle, int APosAxis, bool GridVisible) {
    FLabelsPos = APosLabels;
    FTitlePos = APosTitle;
    FAxisLinePos = APosAxis;
    const TScopedValue Grid(FGrid->GetVisible(), GridVisible,
                            [this](bool Visible) { FGrid->SetVisible(Visible); });
    Draw(false);
}

void TChartAxis::CustomDraw(int APosLabels, int APosTitle, int APosAxis, bool GridVisible) {
    InternalCalcPositions();
    CustomDrawAt(APosLabels, APosTitle, APosAxis, GridVisible);
}

void TChartAxis::CustomDrawStartEnd(int APosLabels, int APosTitle, int APosAxis, bool GridVisible,
                                    int AStartPos, int AEndPos) {
    FPixelStart = AStartPos;
    FPixelEnd = AEndPos;
    RecalcSizeCenter();
    CustomDrawAt(APosLabels, APosTitle, APosAxis, GridVisible);
}

void TChartAxis::CustomDrawMinMax(int APosLabels, int APosTitle, int APosAxis, bool GridVisible,
                                  double AMinimum, double AMaximum, double AIncrement) {
    struct TRange {
        double Minimum, Maximum, Increment;
        bool Automatic, AutomaticMinimum, AutomaticMaximum;
    };
    const TScopedValue Range(
        TRange{FMinimum, FMaximum, FDesiredIncrement, FAutomatic, FAutomaticMinimum, FAutomaticMaximum},
        TRange{std::min(AMinimum, AMaximum), std::max(AMinimum, AMaximum), AIncrement < 0 ? 0 : AIncrement,
               false, false, false},
        [this](const TRange& R) {
            FMinimum = R.Minimum;
            FMaximum = R.Maximum;
            FDesiredIncrement = R.Increment;
            FAutomatic = R.Automatic;
            FAutomaticMinimum = R.AutomaticMinimum;
            FAutomaticMaximum = R.AutomaticMaximum;
            AdjustMaxMin();
        });
    CustomDrawAt(APosLabels, APosTitle, APosAxis, GridVisible);
}

void TChartAxis::CustomDrawMinMaxStartEnd(int APosLabels, int APosTitle, int APosAxis, bool GridVisible,
                                          double AMinimum, double AMaximum, double AIncrement, int AStartPos,
                                          int AEndPos) {
    FPixelStart = AStartPos;
    FPixelEnd = AEndPos;
    RecalcSizeCenter();
    CustomDrawMinMax(APosLabels, APosTitle, APosAxis, GridVisible, AMinimum, AMaximum, AIncrement);
}

} // namespace vur
