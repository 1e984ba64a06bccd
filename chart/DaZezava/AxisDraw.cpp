// Drawing an axis: its title, its labels aligned for the side and angle, the
// axis line, outer and inner ticks, grid lines across the plot, and the minor
// ticks and grid between the labels; and the CustomDraw calls that repeat all
// of it at anchors user code gives.
#include "chart/DaZezava/Axis.h"

#include "chart/DaZezava/AxisPanel.h"
#include "chart/RoVedure/MultiLineText.h"
#include "framework/ScopedValue.h"
#include "platform/numeric/Rounding.h"

#include <array>
#include <cmath>
#include <numbers>

namespace vur {

namespace {

enum TAxisSide : std::uint8_t { asBottom, asTop, asLeft, asRight };

constexpr unsigned DefaultTextAlign = TA_LEFT | TA_TOP;

} // namespace

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
    FLabelCount = 0;
    FAlternateRow = 0;
    if (FLabelsAlternate) {
        Canvas->AssignFont(GetLabelsFont());
        FAlternateRow = FHorizontal ? Canvas->GetFontHeight() : MaxLabelsWidth();
    }
    Canvas->AssignFont(GetLabelsFont());
    Canvas->SetBackMode(cbmTransparent);
    DrawLabels();

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

void TChartAxis::DrawLabelAt(int Position, const std::string& Text, TAxisItem* Item) {
    if (FTickOnLabelsOnly) AddTick(Position);
    TVurCanvas3D* Canvas = FParentChart->GetCanvas();
    Canvas->AssignFont(Item != nullptr ? Item->GetFont() : GetLabelsFont());
    Canvas->GetBrush()->SetStyle(bsClear);
    if (FIsDepthAxis) {
        Canvas->SetTextAlign(DepthAxisAlign());
        int X = FLabelsPos;
        if (!FOtherSide) X -= Canvas->TextWidth("W") / 2 + 2;
        Canvas->TextOut3D(X, DepthAxisPos(), Position, Text);
        Canvas->SetTextAlign(DefaultTextAlign);
        return;
    }
    int Cross = FLabelsPos;
    if (FLabelsAlternate && (FLabelCount % 2 == (FHorizontal ? 1 : 0)))
        Cross = InflateAxisPos(Cross, FAlternateRow);
    ++FLabelCount;
    if (FHorizontal)
        DrawAxisLabel(Position, Cross, FLabelsAngle, Text, Item);
    else
        DrawAxisLabel(Cross, Position, FLabelsAngle, Text, Item);
}

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

// ---------------------------------------------------------------- texts

void TChartAxis::DrawTitle(int X, int Y) {
    TVurCanvas3D* Canvas = FParentChart->GetCanvas();
    Canvas->AssignFont(FTitle->GetFont());
    Canvas->SetBackMode(cbmTransparent);
    if (FIsDepthAxis) {
        Canvas->SetTextAlign(DepthAxisAlign());
        Canvas->TextOut3D(X, Y, FParentChart->GetWidth3D() / 2, FTitle->GetCaption());
        Canvas->SetTextAlign(DefaultTextAlign);
        return;
    }
    const TScopedValue NoExponent(FExponentOff, true);
    DrawAxisLabel(X, Y, FTitle->GetAngle(), FTitle->GetCaption());
}

void TChartAxis::DrawAxisLabel(int X, int Y, int Angle, const std::string& Text, TAxisLabelFormat* Format) {
    TVurCanvas3D* Canvas = FParentChart->GetCanvas();
    const int H = Canvas->GetFontHeight();
    const int HalfH = H / 2;
    int A = Angle % 360;
    if (A < 0) A += 360;
    const TAxisSide Side = FHorizontal ? (FOtherSide ? asTop : asBottom) : (FOtherSide ? asRight : asLeft);
    TAxisLabelFormat* Box = Format != nullptr ? Format : FItems->GetFormat();
    // Only a label turned 45 degrees under the axis and an opaque box need the
    // width; the usual label is not measured here.
    int Lines = MultiLineTextLines(Text);
    const int Width = (A == 45 && Side == asBottom) || !Box->GetTransparent()
                          ? FParentChart->MultiLineTextWidth(Text, Lines)
                          : 0;

    unsigned Align = TA_LEFT;
    switch (A) {
    case 0:
        if (Side == asBottom)
            Align = TA_CENTER | TA_TOP;
        else if (Side == asTop)
            Align = TA_CENTER | TA_BOTTOM;
        else {
            Align = Side == asLeft ? TA_RIGHT : TA_LEFT;
            Y -= HalfH;
        }
        break;
    case 90:
        if (Side == asBottom || Side == asTop) {
            Align = Side == asBottom ? TA_RIGHT : TA_LEFT;
            X -= HalfH;
        } else {
            Align = TA_CENTER | (Side == asLeft ? TA_BOTTOM : TA_TOP);
        }
        break;
    case 180:
        if (Side == asBottom)
            Align = TA_CENTER | TA_BOTTOM;
        else if (Side == asTop)
            Align = TA_CENTER | TA_TOP;
        else {
            Align = Side == asLeft ? TA_LEFT : TA_RIGHT;
            Y += HalfH;
        }
        break;
    case 270:
        if (Side == asBottom || Side == asTop) {
            Align = Side == asBottom ? TA_LEFT : TA_RIGHT;
            X += HalfH;
        } else {
            Align = TA_CENTER | (Side == asLeft ? TA_TOP : TA_BOTTOM);
        }
        break;
    case 45:
        if (Side == asBottom) {
            const int Shift = Round(Width * std::cos(std::numbers::pi / 4));
            X -= Shift;
            Y += Shift;
        } else if (Side == asTop) {
            const int Shift = Canvas->TextWidth("Wj");
            X -= Shift;
            Y -= Shift;
        }
        break;
    default:
        break;
    }
    if (FLabelsAlign == alOpposite && A == 0 && !FHorizontal) {
        // Measuring the band changes the canvas font; the label keeps its own.
        TVurFont* Current = Canvas->GetCurrentFont();
        const int Band = SizeLabels();
        if (Current != nullptr) Canvas->AssignFont(Current);
        Align = Side == asLeft ? TA_LEFT : TA_RIGHT;
        X = Side == asLeft ? X - Band : X + Band;
    }

    // Step back one line (or the whole block where it would grow into the axis).
    const int L = (A == 180 || A == 270) ? -H : H;
    const bool Across = A == 90 || A == 270;
    if (FHorizontal) {
        if (Across)
            X -= Round(L * 0.5 * (Lines + 1));
        else if ((A == 0 && Side == asTop) || (A == 180 && Side == asBottom))
            Y -= Round(static_cast<double>(L) * Lines);
        else
            Y -= L;
    } else if (A == 90) {
        X -= Side == asRight ? L : Round(static_cast<double>(L) * Lines);
    } else if (A == 270) {
        X -= Side == asRight ? Round(static_cast<double>(L) * Lines) : L;
    } else {
        Y -= Round(L * 0.5 * (Lines + 1));
    }

    if (!Box->GetTransparent()) DrawLabelBox(X, Y, A, Align, Lines, Width, H);

    Canvas->SetTextAlign(Align);
    int Z = FDepthPixelPos;
    bool DrawLabel = true;
    std::string Shown = Text;
    if (OnDrawLabel) {
        OnDrawLabel(this, X, Y, Z, Shown, DrawLabel);
        if (DrawLabel) Lines = MultiLineTextLines(Shown);
    }
    if (DrawLabel) {
        std::size_t Start = 0;
        for (int Line = 0; Line < Lines && Start < Shown.size(); ++Line) {
            std::size_t End = Shown.find(VurLineSeparator, Start);
            if (End == std::string::npos) End = Shown.size();
            const std::string Part = Shown.substr(Start, End - Start);
            Start = End + 1;
            if (A == 0) {
                Y += L;
                DrawLabelLine(X, Y, Part, Z, Align, H);
                continue;
            }
            if (Across)
                X += L;
            else
                Y += L;
            Canvas->RotateLabel3D(X, Y, Z, Part, A);
        }
    }
    Canvas->SetTextAlign(DefaultTextAlign);
}

void TChartAxis::DrawLabelLine(int X, int Y, const std::string& Line, int Z, unsigned Align, int FontHeight) {
    TVurCanvas3D* Canvas = FParentChart->GetCanvas();
    const std::size_t Mark =
        (FLabelsExponent && !FExponentOff) ? Line.find_first_of("Ee") : std::string::npos;
    if (Mark == std::string::npos) {
        Canvas->TextOut3D(X, Y, Z, Line);
        return;
    }
    const std::string Mantissa = Line.substr(0, Mark);
    const std::string Exponent = Line.substr(Mark + 1);
    TFont* Font = Canvas->GetFont();
    const int Size = Font->GetSize();
    const int SmallSize = Size - Size / 4;
    const int MantissaWidth = Canvas->TextWidth(Mantissa);
    Font->SetSize(SmallSize);
    const int ExponentWidth = Canvas->TextWidth(Exponent);
    Font->SetSize(Size);
    // Any alignment draws both parts left-aligned from where the whole text starts.
    const unsigned Horizontal = Align & TA_CENTER;
    int Left = X;
    if (Horizontal == TA_RIGHT)
        Left = X - MantissaWidth - ExponentWidth;
    else if (Horizontal == TA_CENTER)
        Left = X - (MantissaWidth + ExponentWidth) / 2;
    Canvas->SetTextAlign(TA_LEFT | (Align & TA_BASELINE));
    Canvas->TextOut3D(Left, Y, Z, Mantissa);
    Font->SetSize(SmallSize);
    Canvas->TextOut3D(Left + MantissaWidth, Y - ((FontHeight - 1) / 2 - 2), Z, Exponent);
    Font->SetSize(Size);
    Canvas->SetTextAlign(Align);
}

void TChartAxis::DrawLabelBox(int X, int Y, int Angle, unsigned Align, int Lines, int Width, int Height) {
    TVurCanvas3D* Canvas = FParentChart->GetCanvas();
    const int L = (Angle == 180 || Angle == 270) ? -Height : Height;
    // The first line's anchor.
    if (Angle == 90 || Angle == 270)
        X += L;
    else
        Y += L;
    const int Margin = Canvas->TextWidth("W") / 2;
    int Left = 0;
    const unsigned Horizontal = Align & TA_CENTER;
    if (Horizontal == TA_RIGHT)
        Left = -Width;
    else if (Horizontal == TA_CENTER)
        Left = -Width / 2;
    // Bottom-aligned text ends at the anchor's row.
    const int Top = (Align & TA_BASELINE) == TA_BOTTOM ? -Height : 0;
    const std::array<TPoint, 4> Frame{TPoint{Left - Margin, Top}, TPoint{Left + Width + Margin, Top},
                                      TPoint{Left + Width + Margin, Top + Height * Lines},
                                      TPoint{Left - Margin, Top + Height * Lines}};
    const double Radians = Angle * std::numbers::pi / 180;
    const double Cos = std::cos(Radians);
    const double Sin = std::sin(Radians);
    std::array<TPoint, 4> Corners{};
    for (std::size_t I = 0; I < Frame.size(); ++I)
        Corners[I] = TPoint{X + Round(Frame[I].X * Cos + Frame[I].Y * Sin),
                            Y + Round(-Frame[I].X * Sin + Frame[I].Y * Cos)};
    Canvas->GetBrush()->SetStyle(bsSolid);
    Canvas->GetBrush()->SetColor(clWhite);
    TPen* Pen = Canvas->GetPen();
    Pen->SetStyle(psSolid);
    Pen->SetWidth(1);
    Pen->SetColor(clBlack);
    Canvas->PolygonWithZ(Corners, 3, FDepthPixelPos);
    Canvas->GetBrush()->SetStyle(bsClear);
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
