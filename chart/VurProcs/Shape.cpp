#include "chart/VurProcs/Shape.h"

#include "chart/RoVedure/Blend.h"
#include "chart/RoVedure/Geometry.h"
#include "platform/numeric/Rounding.h"

#include <algorithm>
#include <cmath>
#include <numbers>

namespace vur {

// ---- TVurCustomShapeBrushPen

TVurCustomShapeBrushPen::TVurCustomShapeBrushPen(TCustomVurPanel* AParent)
    : FParent(AParent), FFrame(std::make_unique<TChartPen>(ChangeCallback())) {}

TVurCustomShapeBrushPen::~TVurCustomShapeBrushPen() = default;

TChartBrushClass TVurCustomShapeBrushPen::GetBrushClass() const {
    return [](TNotifyEvent OnChange) { return std::make_unique<TChartBrush>(std::move(OnChange)); };
}

TChartBrush* TVurCustomShapeBrushPen::GetBrush() const {
    if (!FBrush) {
        FBrush = GetBrushClass()(ChangeCallback());
        // A box is filled unless told otherwise; the brush colour stays
        // automatic so that the shape's Color fills it.
        FBrush->SetStyle(bsSolid);
    }
    return FBrush.get();
}

void TVurCustomShapeBrushPen::Assign(const TPersistent* Source) {
    const auto* Shape = dynamic_cast<const TVurCustomShapeBrushPen*>(Source);
    if (!Shape) {
        TPersistent::Assign(Source);
        return;
    }
    GetBrush()->Assign(Shape->GetBrush());
    FFrame->Assign(Shape->FFrame.get());
    SetVisible(Shape->FVisible);
}

void TVurCustomShapeBrushPen::Repaint() const {
    if (FParent) FParent->Invalidate();
}

// ---- TVurCustomShape

TVurCustomShape::TVurCustomShape(TCustomVurPanel* AParent)
    : TVurCustomShapeBrushPen(AParent), FFont(std::make_unique<TVurFont>(ChangeCallback())) {}

TVurCustomShape::~TVurCustomShape() = default;

void TVurCustomShape::Assign(const TPersistent* Source) {
    if (const auto* Shape = dynamic_cast<const TVurCustomShape*>(Source)) {
        SetBevel(Shape->FBevel);
        SetBevelWidth(Shape->FBevelWidth);
        SetColor(Shape->FColor);
        FFont->Assign(Shape->FFont.get());
        SetGradient(Shape->FindGradient());
        GetShadow()->Assign(Shape->GetShadow());
        SetShapeStyle(Shape->FShapeStyle);
        SetTextFormat(Shape->FTextFormat);
        SetTransparency(Shape->FTransparency);
        SetTransparent(Shape->FTransparent);
    }
    TVurCustomShapeBrushPen::Assign(Source);
}

TVurGradientClass TVurCustomShape::GetGradientClass() const {
    return [](TNotifyEvent OnChange) { return std::make_unique<TVurGradient>(std::move(OnChange)); };
}

TVurGradient* TVurCustomShape::GetGradient() const {
    if (!FGradient) FGradient = GetGradientClass()(ChangeCallback());
    return FGradient.get();
}

void TVurCustomShape::SetGradient(const TCustomVurGradient* Value) {
    if (!Value) {
        if (!FGradient) return;
        FGradient.reset();
        Repaint();
        return;
    }
    GetGradient()->Assign(Value);
}

void TVurCustomShape::InitShadow(TVurShadow& Shadow) const { Shadow.InitDefaults(clBlack, 3); }

TVurShadow* TVurCustomShape::GetShadow() const {
    if (!FShadow) {
        FShadow = std::make_unique<TVurShadow>(ChangeCallback());
        InitShadow(*FShadow);
    }
    return FShadow.get();
}

void TVurCustomShape::SetTransparency(TVurTransparency Value) {
    SetProperty(FTransparency, std::clamp(Value, 0, 100));
}

int TVurCustomShape::FrameWidthForLayout() const {
    if (FBevel != bvNone) return FBevelWidth;
    const TChartPen* Frame = GetFrame();
    return Frame->GetVisible() && Frame->GetColor() != clDefault ? Frame->GetWidth() : 0;
}

std::array<TPoint, 4> TVurCustomShape::RotatedCorners(const TRect& Rect, double Angle) {
    const double Radians = Angle * std::numbers::pi / 180.0;
    const double Cos = std::cos(Radians);
    const double Sin = std::sin(Radians);
    const double CX = (Rect.Left + Rect.Right) * 0.5;
    const double CY = (Rect.Top + Rect.Bottom) * 0.5;
    // Screen y grows downwards: a counter-clockwise turn lifts the right side.
    const auto Turn = [&](int X, int Y) {
        const double DX = X - CX;
        const double DY = Y - CY;
        return TPoint{Round(CX + DX * Cos + DY * Sin), Round(CY - DX * Sin + DY * Cos)};
    };
    return {Turn(Rect.Left, Rect.Top), Turn(Rect.Right, Rect.Top), Turn(Rect.Right, Rect.Bottom),
            Turn(Rect.Left, Rect.Bottom)};
}

void TVurCustomShape::DrawRectRotated(const TRect& Rect, double Angle, int Z) {
    TVurCanvas3D* C = Canvas();
    if (FTransparent || !C) return;
    const bool Rotated = Angle != 0;
    const std::array<TPoint, 4> Corners = Rotated ? RotatedCorners(Rect, Angle) : std::array<TPoint, 4>{};
    std::unique_ptr<TVurBlend> Blend;
    if (FTransparency > 0)
        Blend = C->BeginBlending(Rotated ? RectFromPolygon(Corners, 4) : Rect, FTransparency);
    if (GetShadow()->GetSize() != 0 && GetBrush()->GetStyle() != bsClear) DrawShadow(Rect, Angle, Z, Corners);
    if (FGradient && FGradient->GetVisible()) {
        if (Rotated)
            FGradient->Draw(*C, Corners);
        else
            FGradient->Draw(*C, Rect, FShapeStyle == fosRoundRectangle ? ShapeRoundSize : 0);
        C->GetBrush()->SetStyle(bsClear);
    } else {
        C->AssignBrush(GetBrush(), FColor);
    }
    C->AssignVisiblePen(GetFrame());
    if (Rotated)
        C->Polygon(Corners, 3);
    else if (C->GetSupportsFullRotation())
        C->RectangleWithZ(Rect, Z);
    else if (FShapeStyle == fosRoundRectangle)
        C->RoundRect(Rect, ShapeRoundSize, ShapeRoundSize);
    else
        C->Rectangle(Rect);
    if (!Rotated) DrawBevel(Rect);
    if (Blend) C->EndBlending(std::move(Blend));
}

void TVurCustomShape::DrawShadow(const TRect& Rect, double Angle, int Z,
                                 const std::array<TPoint, 4>& Corners) {
    TVurCanvas3D* C = Canvas();
    if (Angle == 0 && FShapeStyle == fosRectangle) {
        // A plain box: the shadow's own drawing, smooth or flat.
        if (C->GetSupportsFullRotation()) {
            FShadow->Draw(*C, Rect, Z);
        } else {
            C->FrontPlaneBegin();
            FShadow->Draw(*C, Rect);
            C->FrontPlaneEnd();
        }
        return;
    }
    // Round or turned boxes: the outline filled in the shadow colour, moved
    // by the sizes; beside the frame, not under it.
    int DX = FShadow->GetHorizSize();
    int DY = FShadow->GetVertSize();
    if ((DX > 0 || DY > 0) && GetFrame()->GetVisible()) {
        DX += GetFrame()->GetWidth();
        DY += GetFrame()->GetWidth();
    }
    std::unique_ptr<TVurBlend> Blend;
    const TRect Shifted{Rect.Left + DX, Rect.Top + DY, Rect.Right + DX, Rect.Bottom + DY};
    std::array<TPoint, 4> Moved = Corners;
    for (TPoint& P : Moved) P = TPoint{P.X + DX, P.Y + DY};
    if (FShadow->GetTransparency() > 0)
        Blend =
            C->BeginBlending(Angle != 0 ? RectFromPolygon(Moved, 4) : Shifted, FShadow->GetTransparency());
    C->GetPen()->SetStyle(psClear);
    C->GetBrush()->SetBitmap(nullptr);
    C->GetBrush()->SetStyle(bsSolid);
    C->GetBrush()->SetColor(FShadow->GetColor());
    if (Angle != 0)
        C->Polygon(Moved, 3);
    else
        C->RoundRect(Shifted, ShapeRoundSize, ShapeRoundSize);
    if (Blend) C->EndBlending(std::move(Blend));
}

void TVurCustomShape::DrawBevel(TRect Rect) {
    if (FBevel == bvNone) return;
    Canvas()->Frame3D(Rect, FBevel == bvLowered ? clBtnShadow : clBtnHighlight,
                      FBevel == bvRaised ? clBtnShadow : clBtnHighlight, FBevelWidth);
}

// ---- TVurCustomShapePosition

void TVurCustomShapePosition::Assign(const TPersistent* Source) {
    if (const auto* Shape = dynamic_cast<const TVurCustomShapePosition*>(Source)) {
        SetCustomPosition(Shape->FCustomPosition);
        if (Shape->FCustomPosition) SetShapeBounds(Shape->GetShapeBounds());
    }
    TVurCustomShape::Assign(Source);
}

void TVurCustomShapePosition::SetLeft(int Value) {
    TRect R = GetShapeBounds();
    R.Right += Value - R.Left;
    R.Left = Value;
    SetShapeBounds(R);
    FCustomPosition = true;
    Repaint();
}

void TVurCustomShapePosition::SetTop(int Value) {
    TRect R = GetShapeBounds();
    R.Bottom += Value - R.Top;
    R.Top = Value;
    SetShapeBounds(R);
    FCustomPosition = true;
    Repaint();
}

} // namespace vur
