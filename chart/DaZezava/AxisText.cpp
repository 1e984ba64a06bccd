// The texts of an axis: the label text of a value, and one label or title
// drawn at its anchor. Drawing a text takes five steps: the alignment its
// side and angle give, the opposite alignment of vertical axes, the step back
// to the first line, the opaque box, and the lines themselves (through the
// axis' OnDrawLabel, with a raised exponent where asked for).
#include "chart/DaZezava/Axis.h"

#include "chart/DaZezava/AxisLabelWalk.h"
#include "chart/DaZezava/AxisPanel.h"
#include "chart/RoVedure/Geometry.h"
#include "chart/RoVedure/MultiLineText.h"
#include "format/DateTimePattern.h"
#include "format/NumberPattern.h"
#include "format/ReplaceChar.h"
#include "platform/numeric/Rounding.h"

#include <array>
#include <cmath>
#include <numbers>

namespace vur {

namespace {

enum TAxisSide : std::uint8_t { asBottom, asTop, asLeft, asRight };

constexpr unsigned DefaultTextAlign = TA_LEFT | TA_TOP;

// A text as an axis draws it: the angle (0..359), its lines and their
// height, and its width where the 45 degree turn or the box needs it.
struct TTextBlock {
    int Angle = 0;
    int Lines = 0;
    int Height = 0;
    int Width = 0;
};

// The point the lines are drawn from and their alignment there.
struct TTextAnchor {
    int X = 0;
    int Y = 0;
    unsigned Align = TA_LEFT;
};

TAxisSide SideOf(const TChartAxis& Axis) {
    if (Axis.GetHorizontal()) return Axis.GetOtherSide() ? asTop : asBottom;
    return Axis.GetOtherSide() ? asRight : asLeft;
}

// The line step of the block: back up the page for the upside-down angles.
int LineStep(const TTextBlock& Block) {
    return Block.Angle == 180 || Block.Angle == 270 ? -Block.Height : Block.Height;
}

bool Across(const TTextBlock& Block) { return Block.Angle == 90 || Block.Angle == 270; }

// The alignment that keeps the text off the axis on its side; texts turned
// across the axis move by half a line to centre on the anchor.
TTextAnchor AlignToSide(int X, int Y, const TTextBlock& Block, TAxisSide Side, TVurCanvas3D& Canvas) {
    const int HalfH = Block.Height / 2;
    const bool AlongX = Side == asBottom || Side == asTop;
    unsigned Align = TA_LEFT;
    switch (Block.Angle) {
    case 0:
        if (AlongX) {
            Align = TA_CENTER | (Side == asBottom ? TA_TOP : TA_BOTTOM);
        } else {
            Align = Side == asLeft ? TA_RIGHT : TA_LEFT;
            Y -= HalfH;
        }
        break;
    case 90:
        if (AlongX) {
            Align = Side == asBottom ? TA_RIGHT : TA_LEFT;
            X -= HalfH;
        } else {
            Align = TA_CENTER | (Side == asLeft ? TA_BOTTOM : TA_TOP);
        }
        break;
    case 180:
        if (AlongX) {
            Align = TA_CENTER | (Side == asBottom ? TA_BOTTOM : TA_TOP);
        } else {
            Align = Side == asLeft ? TA_LEFT : TA_RIGHT;
            Y += HalfH;
        }
        break;
    case 270:
        if (AlongX) {
            Align = Side == asBottom ? TA_LEFT : TA_RIGHT;
            X += HalfH;
        } else {
            Align = TA_CENTER | (Side == asLeft ? TA_TOP : TA_BOTTOM);
        }
        break;
    case 45:
        if (Side == asBottom) {
            // The end of the turned text comes under the anchor.
            const int Shift = Round(Block.Width * std::cos(std::numbers::pi / 4));
            X -= Shift;
            Y += Shift;
        } else if (Side == asTop) {
            // Above the axis it moves back by the width of a tall and a deep glyph.
            const int Shift = Canvas.TextWidth("Wj");
            X -= Shift;
            Y -= Shift;
        }
        break;
    default:
        break;
    }
    return {X, Y, Align};
}

// Labels of a vertical axis aligned to the far side of their band.
void AlignOpposite(TChartAxis& Axis, TVurCanvas3D& Canvas, TTextAnchor& At, TAxisSide Side) {
    // Measuring the band changes the canvas font; the label keeps its own.
    TVurFont* Current = Canvas.GetCurrentFont();
    const int Band = Axis.SizeLabels();
    if (Current != nullptr) Canvas.AssignFont(Current);
    At.Align = Side == asLeft ? TA_LEFT : TA_RIGHT;
    At.X = Side == asLeft ? At.X - Band : At.X + Band;
}

// One line back from the first line, or the whole block back where it would
// grow into the axis; each line then steps forward before it is drawn.
void StepBack(TTextAnchor& At, const TTextBlock& Block, bool Horizontal, TAxisSide Side) {
    const int L = LineStep(Block);
    const int A = Block.Angle;
    const auto Whole = [&] { return Round(static_cast<double>(L) * Block.Lines); };
    const auto Centred = [&] { return Round(L * 0.5 * (Block.Lines + 1)); };
    if (Horizontal) {
        if (Across(Block))
            At.X -= Centred();
        else if ((A == 0 && Side == asTop) || (A == 180 && Side == asBottom))
            At.Y -= Whole();
        else
            At.Y -= L;
    } else if (A == 90) {
        At.X -= Side == asRight ? L : Whole();
    } else if (A == 270) {
        At.X -= Side == asRight ? Whole() : L;
    } else {
        At.Y -= Centred();
    }
}

// The box behind the block, turned with it about the anchor, half a "W"
// wider on each side, projected to the axis' depth; the format draws it as
// any chart shape.
void DrawTextBox(TVurCanvas3D& Canvas, TAxisLabelFormat& Format, TTextAnchor At, const TTextBlock& Block,
                 int Z) {
    // The first line's anchor.
    if (Across(Block))
        At.X += LineStep(Block);
    else
        At.Y += LineStep(Block);
    const int Margin = Canvas.TextWidth("W") / 2;
    const int Width = Block.Width;
    const int Height = Block.Height * Block.Lines;
    int Left = 0;
    const unsigned Horizontal = At.Align & TA_CENTER;
    if (Horizontal == TA_RIGHT)
        Left = -Width;
    else if (Horizontal == TA_CENTER)
        Left = -Width / 2;
    // Bottom-aligned text ends at the anchor's row.
    const int Top = (At.Align & TA_BASELINE) == TA_BOTTOM ? -Block.Height : 0;
    const TRect Box{Left - Margin, Top, Left + Width + Margin, Top + Height};
    const double Radians = Block.Angle * std::numbers::pi / 180;
    const double Cos = std::cos(Radians);
    const double Sin = std::sin(Radians);
    const auto Turn = [&](double X, double Y) {
        TPoint P{At.X + Round(X * Cos + Y * Sin), At.Y + Round(-X * Sin + Y * Cos)};
        Canvas.Calculate3DPosition(P.X, P.Y, Z);
        return P;
    };
    if (Block.Angle % 90 == 0) {
        // A quarter turn keeps the box upright: a plain box, so its shadow
        // still falls right and down.
        const std::array<TPoint, 4> Corners{Turn(Box.Left, Box.Top), Turn(Box.Right, Box.Top),
                                            Turn(Box.Right, Box.Bottom), Turn(Box.Left, Box.Bottom)};
        Format.DrawRectRotated(PolygonBounds(Corners), 0, 0);
    } else {
        // The same box turned about its own centre, which the turn about the
        // anchor moved.
        const TPoint Centre = Turn((Box.Left + Box.Right) * 0.5, (Box.Top + Box.Bottom) * 0.5);
        const int HalfWidth = (Box.Right - Box.Left) / 2;
        const int HalfHeight = Height / 2;
        Format.DrawRectRotated(TRect{Centre.X - HalfWidth, Centre.Y - HalfHeight,
                                     Centre.X - HalfWidth + Box.Right - Box.Left,
                                     Centre.Y - HalfHeight + Height},
                               Block.Angle, 0);
    }
    // The box's brush may have made the text background opaque.
    Canvas.GetBrush()->SetStyle(bsClear);
    Canvas.SetBackMode(cbmTransparent);
}

// One line at angle 0 with its exponent (after an "E" or "e") raised in a
// font a quarter smaller.
void DrawExponentLine(TVurCanvas3D& Canvas, const TTextAnchor& At, std::size_t Mark, const std::string& Line,
                      int Z, int FontHeight) {
    const std::string Mantissa = Line.substr(0, Mark);
    const std::string Exponent = Line.substr(Mark + 1);
    TFont* Font = Canvas.GetFont();
    const int Size = Font->GetSize();
    const int SmallSize = Size - Size / 4;
    const int MantissaWidth = Canvas.TextWidth(Mantissa);
    Font->SetSize(SmallSize);
    const int ExponentWidth = Canvas.TextWidth(Exponent);
    Font->SetSize(Size);
    // Any alignment draws both parts left-aligned from where the whole text starts.
    const unsigned Horizontal = At.Align & TA_CENTER;
    int Left = At.X;
    if (Horizontal == TA_RIGHT)
        Left = At.X - MantissaWidth - ExponentWidth;
    else if (Horizontal == TA_CENTER)
        Left = At.X - (MantissaWidth + ExponentWidth) / 2;
    Canvas.SetTextAlign(TA_LEFT | (At.Align & TA_BASELINE));
    Canvas.TextOut3D(Left, At.Y, Z, Mantissa);
    Font->SetSize(SmallSize);
    Canvas.TextOut3D(Left + MantissaWidth, At.Y - ((FontHeight - 1) / 2 - 2), Z, Exponent);
    Font->SetSize(Size);
    Canvas.SetTextAlign(At.Align);
}

// The lines of the block, each a line step on from the one before; the
// axis' OnDrawLabel may move, change or cancel the text first.
void DrawTextLines(TChartAxis& Axis, TVurCanvas3D& Canvas, TTextAnchor At, TTextBlock Block,
                   const std::string& Text, bool Exponent) {
    int Z = Axis.GetDepthPixelPos();
    bool DrawLabel = true;
    std::string Shown = Text;
    if (Axis.OnDrawLabel) {
        Axis.OnDrawLabel(&Axis, At.X, At.Y, Z, Shown, DrawLabel);
        if (!DrawLabel) return;
        Block.Lines = MultiLineTextLines(Shown);
    }
    const int L = LineStep(Block);
    std::size_t Start = 0;
    for (int Line = 0; Line < Block.Lines && Start < Shown.size(); ++Line) {
        std::size_t End = Shown.find(VurLineSeparator, Start);
        if (End == std::string::npos) End = Shown.size();
        const std::string Part = Shown.substr(Start, End - Start);
        Start = End + 1;
        if (Across(Block))
            At.X += L;
        else
            At.Y += L;
        if (Block.Angle != 0) {
            Canvas.RotateLabel3D(At.X, At.Y, Z, Part, Block.Angle);
            continue;
        }
        const std::size_t Mark = Exponent ? Part.find_first_of("Ee") : std::string::npos;
        if (Mark == std::string::npos)
            Canvas.TextOut3D(At.X, At.Y, Z, Part);
        else
            DrawExponentLine(Canvas, At, Mark, Part, Z, Block.Height);
    }
}

// A label or title text at (X, Y) at Angle; Box draws an opaque box behind it.
void DrawAxisText(TChartAxis& Axis, int X, int Y, int Angle, const std::string& Text, TAxisLabelFormat& Box,
                  bool Exponent) {
    TVurCanvas3D& Canvas = *Axis.GetParentChart()->GetCanvas();
    TTextBlock Block;
    Block.Angle = Angle % 360;
    if (Block.Angle < 0) Block.Angle += 360;
    Block.Height = Canvas.GetFontHeight();
    Block.Lines = MultiLineTextLines(Text);
    const TAxisSide Side = SideOf(Axis);
    // Only a label turned 45 degrees under the axis and an opaque box need the
    // width; the usual label is not measured here.
    if ((Block.Angle == 45 && Side == asBottom) || !Box.GetTransparent())
        Block.Width = Axis.GetParentChart()->MultiLineTextWidth(Text, Block.Lines);
    TTextAnchor At = AlignToSide(X, Y, Block, Side, Canvas);
    if (Axis.GetLabelsAlign() == alOpposite && Block.Angle == 0 && !Axis.GetHorizontal())
        AlignOpposite(Axis, Canvas, At, Side);
    StepBack(At, Block, Axis.GetHorizontal(), Side);
    if (!Box.GetTransparent()) DrawTextBox(Canvas, Box, At, Block, Axis.GetDepthPixelPos());
    Canvas.SetTextAlign(At.Align);
    DrawTextLines(Axis, Canvas, At, Block, Text, Exponent);
    Canvas.SetTextAlign(DefaultTextAlign);
}

} // namespace

int TChartAxis::LabelTextSize(const std::string& Text, bool AlongLines) const {
    TVurCanvas3D* Canvas = FParentChart->GetCanvas();
    const TMultiLineSize Size = MultiLineTextSize(*Canvas, Text);
    return AlongLines ? Size.Width : Canvas->GetFontHeight() * Size.Lines;
}

std::string TChartAxis::DepthSlotText(const TChartSeries* Series) {
    return Series->GetTitle().empty() ? Series->GetName() : Series->GetTitle();
}

std::string TChartAxis::LabelValue(double Value) {
    std::string Text;
    if (!FAxisIsDateTime) {
        Text = FKeptNumberPattern.Get(FAxisValuesFormat).Format(Value);
    } else if (Value >= 0) {
        Text = FKeptDateTimePattern
                   .Get(FDateTimeFormat.empty() ? DateTimeDefaultFormat(FRangeSpan) : FDateTimeFormat)
                   .Format(Value);
    }
    if (FParentChart->OnGetAxisLabel) FParentChart->OnGetAxisLabel(this, nullptr, -1, Text);
    if (FLabelsMultiLine) Text = ReplaceChar(Text, ' ', VurLineSeparator);
    return Text;
}

void TChartAxis::DrawLabelAt(int Position, const std::string& Text, TAxisItem* Item) {
    if (FTickOnLabelsOnly) AddTick(Position);
    TVurCanvas3D* Canvas = FParentChart->GetCanvas();
    Canvas->AssignFont(Item != nullptr ? Item->GetFont() : GetLabelsFont());
    Canvas->GetBrush()->SetStyle(bsClear);
    if (FIsDepthAxis) {
        Canvas->SetTextAlign(DepthAxisAlign());
        int X = FLabelsPos;
        // Half a "W" and two pixels clear of the axis line.
        if (!FOtherSide) X -= Canvas->TextWidth("W") / 2 + 2;
        Canvas->TextOut3D(X, DepthAxisPos(), Position, Text);
        Canvas->SetTextAlign(DefaultTextAlign);
        return;
    }
    // Outside a Draw every label goes to the first row.
    const int Cross = FLabelWalk != nullptr ? FLabelWalk->NextLabelPos() : FLabelsPos;
    if (FHorizontal)
        DrawAxisLabel(Position, Cross, FLabelsAngle, Text, Item);
    else
        DrawAxisLabel(Cross, Position, FLabelsAngle, Text, Item);
}

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
    // A title is never split into a raised exponent.
    DrawAxisText(*this, X, Y, FTitle->GetAngle(), FTitle->GetCaption(), *FItems->GetFormat(), false);
}

void TChartAxis::DrawAxisLabel(int X, int Y, int Angle, const std::string& Text, TAxisLabelFormat* Format) {
    DrawAxisText(*this, X, Y, Angle, Text, Format != nullptr ? *Format : *FItems->GetFormat(),
                 FLabelsExponent);
}

} // namespace vur
