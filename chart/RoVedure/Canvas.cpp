#include "chart/RoVedure/Canvas.h"

#include "chart/HtmlText.h"
#include "chart/RoVedure/Blend.h"
#include "chart/RoVedure/ChartBrush.h"
#include "chart/RoVedure/ChartPen.h"
#include "chart/RoVedure/Clip.h"
#include "chart/RoVedure/Colors.h"
#include "chart/RoVedure/DrawSettings.h"
#include "chart/RoVedure/VurFont.h"
#include "framework/SystemColors.h"
#include "platform/numeric/Rounding.h"

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <cstdlib>

namespace vur {

TVurCanvas::TVurCanvas() = default;

TVurCanvas::~TVurCanvas() {
    if (FFontCurrent && FFontCurrent->GetCanvas() == this) FFontCurrent->SetCanvas(nullptr);
}

void TVurCanvas::SetCanvas(TCanvas* Target) {
    FCanvas = Target;
    FPen = Target ? Target->GetPen() : nullptr;
    FBrush = Target ? Target->GetBrush() : nullptr;
    FFont = Target ? Target->GetFont() : nullptr;
    if (!Target) return;
    FPen->OnChange = nullptr;
    FBrush->OnChange = nullptr;
    FFont->OnChange = nullptr;
}

void TVurCanvas::ResetState() {
    FPen->SetColor(clBlack);
    FPen->SetWidth(1);
    FPen->SetStyle(psSolid);
    FBrush->SetBitmap(nullptr);
    FBrush->SetColor(clWhite);
    FBrush->SetStyle(bsSolid);
    FFont->SetColor(clBlack);
    FFont->SetStyle(0);
    FFont->SetCharset(1);
    FFont->SetName(GetDefaultFontName());
    FFont->SetSize(GetDefaultFontSize());
    FBlendTransparency = 0;
    ReleaseFont(FFontCurrent);
    SetBackColor(clWhite);
    SetBackMode(cbmTransparent);
    SetTextAlign(TA_LEFT | TA_TOP);
}

namespace {

// The plain pen path of both kinds of pen: Pen as it is, in Color, with the
// width rule.
void CopyPenInColor(TPen& Target, const TPen& Pen, TColor Color) {
    Target.AssignPen(Pen);
    Target.SetColor(Color);
    ApplyPenWidthRule(Target);
}

} // namespace

void TVurCanvas::AssignVisiblePenColor(const TPen* Pen, TColor Color) {
    if (const auto* ChartPen = dynamic_cast<const TChartPen*>(Pen)) {
        AssignVisiblePenColor(ChartPen, Color);
        return;
    }
    if (!Pen || !FPen) return;
    CopyPenInColor(*FPen, *Pen, GetMonochrome() ? clBlack : Color);
}

void TVurCanvas::AssignVisiblePenColor(const TChartPen* Pen, TColor Color) {
    if (!Pen || !FPen) return;
    if (GetMonochrome()) Color = clBlack;
    if (!Pen->GetVisible()) {
        FPen->SetStyle(psClear);
        return;
    }
    if (VurDrawSettings().IsWindowsNT && !GetSupportsFullRotation()) {
        VurSetVurPen(*FPen, *Pen, Color);
        return;
    }
    CopyPenInColor(*FPen, *Pen, Color);
}

void TVurCanvas::AssignVisiblePen(const TChartPen* Pen) { AssignVisiblePenColor(Pen, Pen->GetColor()); }

std::unique_ptr<TVurBlend> TVurCanvas::BeginBlending(const TRect& R, TVurTransparency Transparency) {
    FBlendTransparency = Transparency & 0x7F;
    auto Blend = std::make_unique<TVurBlend>(*this, R);
    Blend->SetTransparency(FBlendTransparency);
    return Blend;
}

// Each blend ends with its own transparency: one begun inside another (a
// transparent shadow in a transparent box) must not hand its value on.
void TVurCanvas::EndBlending(std::unique_ptr<TVurBlend> Blend) {
    if (Blend) Blend->DoBlend(Blend->GetTransparency());
}

void TVurCanvas::Frame3D(TRect& R, TColor TopColor, TColor BottomColor, int Width) {
    FPen->SetStyle(psSolid);
    FPen->SetWidth(1);
    // Edges move without wrapping, however far a wide bevel takes them.
    const auto Moved = [](int Edge, long long By) { return ClampToInt(Edge + By); };
    const TRect From{R.Left, R.Top, Moved(R.Right, -1), Moved(R.Bottom, -1)};
    const long long Turns = std::max(Width, 0);
    // Turn I draws on columns Left + I and Right - I and rows Top + I and
    // Bottom - I only. Once all four have left the surface they only move
    // further away, so later turns draw nothing: a bevel far wider than the
    // picture costs no more than one as wide as it.
    const long long Reach =
        std::max({std::int64_t{FCanvas->GetWidth()} - From.Left, std::int64_t{From.Right} + 1,
                  std::int64_t{FCanvas->GetHeight()} - From.Top, std::int64_t{From.Bottom} + 1});
    const long long Drawn = std::clamp<long long>(Reach, 0, Turns);
    for (long long I = 0; I < Drawn; ++I) {
        const int Left = Moved(From.Left, I), Top = Moved(From.Top, I);
        const int Right = Moved(From.Right, -I), Bottom = Moved(From.Bottom, -I);
        FPen->SetColor(TopColor);
        MoveTo(Left, Bottom);
        LineTo(Left, Top);
        LineTo(Right, Top);
        FPen->SetColor(BottomColor);
        LineTo(Right, Bottom);
        LineTo(Moved(Left, -1), Bottom);
    }
    R = TRect{Moved(From.Left, Turns), Moved(From.Top, Turns), Moved(From.Right, 1 - Turns),
              Moved(From.Bottom, 1 - Turns)};
}

int TVurCanvas::TextWidth(const std::string& Text) {
    int Result = FCanvas->TextWidth(Text);
    if (FFontCurrent && FFontCurrent->GetShadowObject())
        Result += std::abs(FFontCurrent->GetShadowObject()->GetHorizSize());
    return Result;
}

int TVurCanvas::TextHeight(const std::string& Text) {
    int Result = FCanvas->TextHeight(Text);
    if (FFontCurrent && FFontCurrent->GetShadowObject())
        Result += std::abs(FFontCurrent->GetShadowObject()->GetVertSize());
    return Result;
}

void TVurCanvas::ClipRectangle(const TRect& R, int RoundSize) {
    ClipCanvas(*FCanvas, TClipArea::RoundRectangle(R, RoundSize));
}

void TVurCanvas::ClipEllipse(const TRect& R, bool Inverted) {
    if (Inverted)
        XorClipArea(*FCanvas, TClipArea::Ellipse(R));
    else
        ClipCanvas(*FCanvas, TClipArea::Ellipse(R));
}

void TVurCanvas::ClipPolygon(std::span<const TPoint> Points, int NumPoints) {
    const std::size_t Count =
        std::min<std::size_t>(Points.size(), static_cast<std::size_t>(std::max(0, NumPoints)));
    ClipCanvas(*FCanvas, TClipArea::Polygon(Points.first(Count)));
}

void TVurCanvas::AssignBrush(const TChartBrush* Brush, TColor Color) {
    AssignBrushColor(Brush, Color, Brush->GetColor());
}

void TVurCanvas::AssignBrushColor(const TChartBrush* Brush, TColor Color, TColor BackColor) {
    if (GetMonochrome()) Color = clWhite;
    if (const auto* Image = dynamic_cast<const TBitmap*>(Brush->GetImageGraphic())) {
        FBrush->SetStyle(bsClear);
        FBrush->SetBitmap(Image);
        FCanvas->SetTextColor(Color);
        SetBackMode(cbmOpaque);
        SetBackColor(BackColor);
        return;
    }
    FBrush->SetBitmap(nullptr);
    if (FBrush->GetColor() != Color) FBrush->SetColor(Color);
    if (FBrush->GetStyle() != Brush->GetStyle()) FBrush->SetStyle(Brush->GetStyle());
    if (BackColor == clNone) {
        SetBackMode(cbmTransparent);
    } else {
        SetBackMode(cbmOpaque);
        SetBackColor(BackColor);
    }
}

void TVurCanvas::AssignFont(TVurFont* Font) {
    if (!Font) return;
    Font->SetPixelsPerInch(FFont->GetPixelsPerInch());
    // Realised once on the chart's own font, the device font is shared from
    // there each time the canvas takes this font back.
    Font->GetHandle();
    FFont->AssignFrom(*Font);
    if (FFontZoom != 100) FFont->SetSize(Round(FFont->GetSize() * FFontZoom * 0.01));
    if (GetMonochrome()) FFont->SetColor(clBlack);
    if (FCanvas->GetTextCharacterExtra() != Font->GetInterCharSize())
        FCanvas->SetTextCharacterExtra(Font->GetInterCharSize());
    if (FFontCurrent != Font) ReleaseFont(FFontCurrent);
    if (TVurCanvas* Other = Font->GetCanvas(); Other && Other != this) Other->ReleaseFont(Font);
    FFontCurrent = Font;
    Font->SetCanvas(this);
}

void TVurCanvas::ReleaseFont(const TVurFont* Font) {
    if (!Font || FFontCurrent != Font) return;
    if (FFontCurrent->GetCanvas() == this) FFontCurrent->SetCanvas(nullptr);
    FFontCurrent = nullptr;
}

void TVurCanvas::TextOut(int X, int Y, const std::string& Text, bool AllowHtml) {
    if (AllowHtml)
        HtmlTextOut(*this, X, Y, Text);
    else
        TextOut(X, Y, Text);
}

void TVurCanvas::InternalDark(TColor Color, int Quantity) {
    const TColor Dark = ApplyDark(Color, Quantity);
    if (FBrush->GetStyle() != bsSolid)
        SetBackColor(Dark);
    else
        FBrush->SetColor(Dark);
}

TRect TVurCanvas::TextBox(int X, int Y, const std::string& Text) {
    const int Width = TextWidth(Text);
    const int Height = TextHeight(Text);
    TRect R{X, Y, X + Width, Y + Height};
    const unsigned Horizontal = GetTextAlign() & ~TA_BOTTOM;
    if (Horizontal == TA_RIGHT) {
        R.Left = X - Width;
        R.Right = X;
    } else if (Horizontal == TA_CENTER) {
        R.Left = X - Width / 2;
        R.Right = X + Width / 2;
    }
    return R;
}

bool TVurCanvas::ConvexHull(std::vector<TPoint>& Points) {
    if (Points.size() < 3) return false;
    if (Points.size() == 3) return true;
    std::size_t PivotIndex = 0;
    for (std::size_t I = 1; I < Points.size(); ++I) {
        const TPoint& P = Points[I];
        const TPoint& Best = Points[PivotIndex];
        if (P.Y < Best.Y || (P.Y == Best.Y && P.X > Best.X)) PivotIndex = I;
    }
    const TPoint Pivot = Points[PivotIndex];
    Points[PivotIndex] = Points.back();
    Points.pop_back();
    const auto Key = [&Pivot](const TPoint& P) {
        const double Distance = std::hypot(double(Pivot.X) - P.X, double(Pivot.Y) - P.Y);
        return Distance == 0 ? 0.0 : (double(Pivot.X) - P.X) / Distance;
    };
    std::stable_sort(Points.begin(), Points.end(),
                     [&Key](const TPoint& A, const TPoint& B) { return Key(A) < Key(B); });
    std::size_t I = 1;
    while (I < Points.size()) {
        const TPoint& Prev = Points[I - 1];
        const TPoint& P = Points[I];
        const TPoint& Next = I + 1 < Points.size() ? Points[I + 1] : Pivot;
        const std::int64_t Turn =
            std::int64_t{Prev.X - P.X} * (Next.Y - P.Y) - std::int64_t{Next.X - P.X} * (Prev.Y - P.Y);
        if (Turn < 0) {
            ++I;
        } else {
            Points.erase(Points.begin() + static_cast<std::ptrdiff_t>(I));
            if (I > 1) --I;
        }
    }
    Points.push_back(Pivot);
    return true;
}

} // namespace vur
