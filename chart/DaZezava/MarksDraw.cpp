// How a mark is measured, placed, drawn and hit. A mark's box is sized from
// its text in the shape's font, sits centred above its point, and keeps the
// placement the user gave it; the callout joins the two.
#include "chart/DaZezava/AxisPanel.h"
#include "chart/DaZezava/Marks.h"
#include "chart/DaZezava/Series.h"
#include "chart/HtmlText.h"
#include "chart/RoVedure/Geometry.h"
#include "chart/RoVedure/MultiLineText.h"
#include "chart/RoVedure/View3DOptions.h"
#include "chart/RoVedure/VurCanvas3D.h"
#include "platform/numeric/Rounding.h"

#include <algorithm>
#include <cmath>
#include <numbers>
#include <string_view>

namespace vur {

namespace {

// Drawing takes at most this many characters of each line.
constexpr std::size_t MaxLineLength = 255;

// Width and height of HTML-like text, or none when its markup is broken.
bool HtmlExtent(TVurCanvas& Canvas, const std::string& Text, TPoint& Extent) {
    try {
        Extent = HtmlTextExtent(Canvas, Text);
        return true;
    } catch (const HtmlParserException&) {
        return false;
    }
}

} // namespace

TVurCanvas3D* TSeriesMarks::ChartCanvas() const { return GetParentChart()->GetCanvas(); }

bool TSeriesMarks::FlatTextIn3D() const {
    return GetParentChart()->GetView3D() && !ChartCanvas()->GetSupports3DText();
}

void TSeriesMarks::SelectFont(TVurCustomShape& Shape) {
    TVurCanvas3D* Canvas = ChartCanvas();
    Canvas->AssignFont(Shape.GetFont());
    const TView3DOptions* View = GetParentChart()->GetView3DOptions();
    if (FlatTextIn3D() && View->GetZoomText() && View->GetZoom() != 100) {
        TFont* Font = Canvas->GetFont();
        Font->SetSize(std::max(1, Round(Font->GetSize() * View->GetZoom() / 100.0)));
    }
}

TSeriesMarkPosition TSeriesMarks::Measure(TVurCustomShape& Shape, const std::string& Text, int X, int Y) {
    TVurCanvas3D* Canvas = ChartCanvas();
    const int FontHeight = Canvas->GetFontHeight();
    int Width = 0;
    int Height = 0;
    TPoint Extent;
    if (Shape.GetTextFormat() == ttfHtml && HtmlExtent(*Canvas, Text, Extent)) {
        Width = Extent.X;
        Height = Extent.Y;
    } else {
        const TMultiLineSize Size = MultiLineTextSize(*Canvas, Text);
        Width = Size.Width;
        Height = Size.Lines * FontHeight;
    }
    Width += Canvas->TextWidth("W");
    if (FSymbol && FSymbol->GetVisible()) Width += FontHeight - 4;
    const TChartPen* Frame = Shape.GetFrame();
    const int Border = Frame->GetVisible() ? 2 * Frame->GetWidth() : 1;
    TSeriesMarkPosition Position;
    Position.Width = Width + Border;
    Position.Height = Height + Border;
    Position.ArrowEnd = TPoint{X, Y};
    Position.ArrowStart = Position.ArrowEnd;
    Position.MarkLeftTop = TPoint{X - Position.Width / 2, Y - Position.Height + 1};
    if (FSymbol)
        FSymbol->SetShapeBounds(TRect{Position.MarkLeftTop.X + 2, Position.MarkLeftTop.Y + 2,
                                      Position.MarkLeftTop.X + 2 + FontHeight,
                                      Position.MarkLeftTop.Y + 2 + FontHeight});
    return Position;
}

void TSeriesMarks::ApplyArrowLength(TSeriesMarkPosition& Position) {
    const int Length = GetCallout()->GetLength();
    const int Distance = FCallout->GetDistance();
    Position.MarkLeftTop.Y -= Length + Distance;
    Position.ArrowEnd.Y -= Length + Distance;
    Position.ArrowStart.Y -= Distance;
}

void TSeriesMarks::UsePosition(int ValueIndex, TSeriesMarkPosition& Position) {
    TSeriesMarkPosition& Stored = FPositions.Ensure(ValueIndex);
    if (!Stored.IsCustom) {
        Stored.Assign(Position);
        return;
    }
    const TPoint Start = Position.ArrowStart;
    Position.Assign(Stored);
    if (Position.FixArrowStart) Position.ArrowStart = Start;
}

TPoint TSeriesMarks::ConvertTo2D(const TPoint& Point, const TPoint& Target) const {
    const TPoint Projected = ChartCanvas()->Calculate3DPosition(Point, FZPosition);
    return TPoint{Target.X + Projected.X - Point.X, Target.Y + Projected.Y - Point.Y};
}

void TSeriesMarks::InternalDraw(int ValueIndex, TColor Color, TSeriesMarkPosition& Position,
                                const std::string& Text) {
    TVurCanvas3D* Canvas = ChartCanvas();
    UsePosition(ValueIndex, Position);
    if (FCallout && (FCallout->GetVisible() || FCallout->GetArrow()->GetVisible()))
        FCallout->Draw(*Canvas, Color, Position.ArrowStart, Position.ArrowEnd, FZPosition);
    TVurCustomShape& Shape = *MarkItem(ValueIndex);
    // An opaque shape selects its own brush and frame when it draws.
    if (Shape.GetTransparent()) {
        Canvas->GetBrush()->SetStyle(bsClear);
        Canvas->SetBackMode(cbmTransparent);
        Canvas->AssignVisiblePen(Shape.GetFrame());
    }
    if (FlatTextIn3D()) Position.MarkLeftTop = ConvertTo2D(Position.ArrowEnd, Position.MarkLeftTop);
    const TRect Box = Position.Bounds();
    const int Angle = FAngle % 360;
    Shape.DrawRectRotated(Box, Angle, FZPosition + 1);
    if (FSymbol && FSymbol->GetVisible()) {
        const int FontHeight = Canvas->GetFontHeight();
        FSymbol->SetColor(Color);
        FSymbol->SetTransparent(false);
        FSymbol->DrawRectRotated(
            TRect{Box.Left + 4, Box.Top + 3, Box.Left + FontHeight - 1, Box.Top + FontHeight - 2}, Angle,
            FZPosition + 1);
    }
    DrawText(Shape, Box, Text);
}

void TSeriesMarks::DrawText(TVurCustomShape& Shape, const TRect& Box, const std::string& Text) {
    TVurCanvas3D* Canvas = ChartCanvas();
    Canvas->GetBrush()->SetStyle(bsClear);
    Canvas->SetBackMode(cbmTransparent);
    Canvas->SetTextAlign(TA_CENTER);
    TRect R{Box.Left + 2, Box.Top, Box.Right + 2, Box.Bottom};
    if (FSymbol && FSymbol->GetVisible())
        R.Left += FSymbol->GetShapeBounds().Right - FSymbol->GetShapeBounds().Left + 4;
    const int CenterX = (R.Left + R.Right) / 2;
    const int CenterY = (R.Top + R.Bottom) / 2;
    const bool Text3D = Canvas->GetSupports3DText();
    if (Shape.GetTextFormat() == ttfHtml) {
        try {
            HtmlTextOut(*Canvas, CenterX, R.Top, Text);
            return;
        } catch (const HtmlParserException&) {
            // Broken markup shows as it was typed.
        }
    }
    const TChartPen* Frame = Shape.GetFrame();
    const int FrameWidth = Frame->GetVisible() ? Frame->GetWidth() : 0;
    const int Angle = FAngle % 360;
    const double Radians = Angle * std::numbers::pi / 180.0;
    // Only lines below the first need it, and most marks have one line.
    const int FontHeight = Text.find(VurLineSeparator) != std::string::npos ? Canvas->GetFontHeight() : 0;
    std::string_view Rest = Text;
    for (int Line = 0;; ++Line) {
        const std::size_t End = Rest.find(VurLineSeparator);
        const std::string Piece(Rest.substr(0, std::min(End, MaxLineLength)));
        if (Angle == 0) {
            const int Y = R.Top + Line * FontHeight + FrameWidth;
            if (Text3D)
                Canvas->TextOut3D(CenterX, Y, FZPosition, Piece);
            else
                Canvas->TextOut(CenterX, Y, Piece);
        } else {
            const int D = Line * FontHeight + CenterY - R.Bottom;
            const int X = CenterX + Round(std::sin(Radians) * D) + (Angle == 90 ? 1 : 0);
            const int Y = CenterY + Round(std::cos(Radians) * D);
            if (Text3D)
                Canvas->RotateLabel3D(X, Y, FZPosition, Piece, Angle);
            else
                Canvas->RotateLabel(X, Y, Piece, Angle);
        }
        if (End == std::string_view::npos) break;
        Rest.remove_prefix(End + 1);
    }
}

TRect TSeriesMarks::OverlapBox(const TSeriesMarkPosition& Position) {
    TRect R = Position.Bounds();
    const int FrameWidth = GetFrame()->GetVisible() ? GetFrame()->GetWidth() : 0;
    R.Right += FrameWidth;
    R.Bottom += FrameWidth;
    const TVurShadow* Shadow = GetShadow();
    if (Shadow->GetHorizSize() > 0)
        R.Right += Shadow->GetHorizSize();
    else
        R.Left += Shadow->GetHorizSize();
    if (Shadow->GetVertSize() > 0)
        R.Bottom += Shadow->GetVertSize();
    else
        R.Top += Shadow->GetVertSize();
    if (GetParentChart()->GetView3D()) {
        const TPoint Moved = ConvertTo2D(Position.ArrowEnd, TPoint{R.Left, R.Top});
        R = TRect{Moved.X, Moved.Y, Moved.X + R.Right - R.Left, Moved.Y + R.Bottom - R.Top};
    }
    return R;
}

void TSeriesMarks::AntiOverlap(int First, int ValueIndex, TSeriesMarkPosition& Position) {
    const TRect New = OverlapBox(Position);
    for (int Index = std::max(First, 0); Index < ValueIndex; ++Index) {
        const TSeriesMarkPosition* Other = FPositions.Get(Index);
        if (!Other) continue;
        const TRect Old = OverlapBox(*Other);
        const bool Intersect =
            New.Left < Old.Right && Old.Left < New.Right && New.Top < Old.Bottom && Old.Top < New.Bottom;
        if (!Intersect) continue;
        if (New.Top < Old.Top)
            Position.MarkLeftTop.Y -= New.Bottom - Old.Top;
        else
            Position.MarkLeftTop.Y += Old.Bottom - New.Top;
    }
}

int TSeriesMarks::Clicked(int X, int Y) {
    if (GetParentChart() == nullptr) return -1;
    ChartCanvas()->Calculate2DPosition(X, Y, FZPosition);
    for (int Index = 0; Index < FPositions.Count(); Index += FDrawEvery) {
        const TSeriesMarkPosition* Position = FPositions.Get(Index);
        if (Position && PointInRect(Position->Bounds(), X, Y)) return Index;
    }
    return -1;
}

int TSeriesMarks::TextWidth(int ValueIndex) {
    return MultiLineTextSize(*ChartCanvas(), FSeries->GetMarkText(ValueIndex)).Width;
}

} // namespace vur
