#include "chart/RoVedure/VurCanvas3D.h"

#include "chart/RoVedure/Clip.h"
#include "chart/RoVedure/View3DOptions.h"
#include "chart/VurProcs/Panel.h"
#include "framework/SystemColors.h"

#include <algorithm>

namespace vur {

TVurCanvas3D::TVurCanvas3D() = default;

TVurCanvas3D::~TVurCanvas3D() = default;

TColor TVurCanvas3D::GetBackColor() const { return FCanvas->GetBackColor(); }

TCanvasBackMode TVurCanvas3D::GetBackMode() const { return FCanvas->GetBackMode(); }

HDC TVurCanvas3D::GetHandle() const { return FCanvas ? &FCanvas->GetHandle() : nullptr; }

TColor TVurCanvas3D::GetPixel(int X, int Y) const { return FCanvas->GetPixel(X, Y); }

unsigned TVurCanvas3D::GetTextAlign() const { return FCanvas->GetTextAlign(); }

void TVurCanvas3D::SetBackColor(TColor Color) { FCanvas->SetBackColor(Color); }

void TVurCanvas3D::SetBackMode(TCanvasBackMode Mode) { FCanvas->SetBackMode(Mode); }

void TVurCanvas3D::SetMonochrome(bool Value) {
    if (FMonochrome == Value) return;
    FMonochrome = Value;
    FDirty = true;
    if (FView3DOptions && FView3DOptions->GetParent()) FView3DOptions->GetParent()->Invalidate();
}

void TVurCanvas3D::SetPixel(int X, int Y, TColor Color) { FCanvas->SetPixel(X, Y, Color); }

void TVurCanvas3D::SetTextAlign(unsigned Flags) { FCanvas->SetTextAlign(Flags); }

void TVurCanvas3D::Arc(int X1, int Y1, int X2, int Y2, int X3, int Y3, int X4, int Y4) {
    FCanvas->Arc(X1, Y1, X2, Y2, X3, Y3, X4, Y4);
}

void TVurCanvas3D::Draw(int X, int Y, const TGraphic* Graphic) { FCanvas->Draw(X, Y, Graphic); }

void TVurCanvas3D::Ellipse(int X1, int Y1, int X2, int Y2) { FCanvas->Ellipse(X1, Y1, X2, Y2); }

void TVurCanvas3D::FillRect(const TRect& R) { FCanvas->FillRect(R); }

void TVurCanvas3D::LineTo(int X, int Y) { FCanvas->LineTo(X, Y); }

void TVurCanvas3D::MoveTo(int X, int Y) { FCanvas->MoveTo(X, Y); }

void TVurCanvas3D::Pie(int X1, int Y1, int X2, int Y2, int X3, int Y3, int X4, int Y4) {
    FCanvas->Pie(X1, Y1, X2, Y2, X3, Y3, X4, Y4);
}

void TVurCanvas3D::Rectangle(int X0, int Y0, int X1, int Y1) { FCanvas->Rectangle(X0, Y0, X1, Y1); }

void TVurCanvas3D::RoundRect(int X1, int Y1, int X2, int Y2, int X3, int Y3) {
    FCanvas->RoundRect(X1, Y1, X2, Y2, X3, Y3);
}

void TVurCanvas3D::StretchDraw(const TRect& R, const TGraphic* Graphic) { FCanvas->StretchDraw(R, Graphic); }

void TVurCanvas3D::ClipRectangle(const TRect& R) { ClipCanvas(*FCanvas, TClipArea::Rectangle(R)); }

void TVurCanvas3D::DoHorizLine(int X0, int X1, int Y) {
    FCanvas->MoveTo(X0, Y);
    FCanvas->LineTo(X1, Y);
}

void TVurCanvas3D::DoVertLine(int X, int Y0, int Y1) {
    FCanvas->MoveTo(X, Y0);
    FCanvas->LineTo(X, Y1);
}

void TVurCanvas3D::EraseBackground(const TRect& R) { FillRect(R); }

void TVurCanvas3D::Line(int X0, int Y0, int X1, int Y1) {
    FCanvas->MoveTo(X0, Y0);
    FCanvas->LineTo(X1, Y1);
}

namespace {

std::span<const TPoint> FirstPoints(std::span<const TPoint> Points, int HighIndex) {
    const std::size_t Count = static_cast<std::size_t>(
        std::clamp<std::int64_t>(std::int64_t{HighIndex} + 1, 0, static_cast<std::int64_t>(Points.size())));
    return Points.first(Count);
}

} // namespace

void TVurCanvas3D::Polyline(std::span<const TPoint> Points, int HighIndex) {
    FCanvas->Polyline(FirstPoints(Points, HighIndex));
}

void TVurCanvas3D::Polygon(std::span<const TPoint> Points, int HighIndex) {
    FCanvas->Polygon(FirstPoints(Points, HighIndex));
}

void TVurCanvas3D::UnClipRectangle() { UnClipCanvas(*FCanvas); }

} // namespace vur
