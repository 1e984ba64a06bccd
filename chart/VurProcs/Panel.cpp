#include "chart/VurProcs/Panel.h"

#include "chart/RoVedure/DrawSettings.h"
#include "framework/ScopedValue.h"
#include "framework/SystemColors.h"

#include <algorithm>

namespace vur {

TCustomVurPanel::TCustomVurPanel(TComponent* AOwner)
    : TCustomPanelNoCaption(AOwner), FCanvas(std::make_unique<TVurCanvas3D>()),
      FView3DOptions(std::make_unique<TView3DOptions>(this)),
      FBorder(std::make_unique<TChartHiddenPen>([this](TPersistent* Sender) { CanvasChanged(Sender); })),
      FShadow(std::make_unique<TVurShadow>([this](TPersistent* Sender) { CanvasChanged(Sender); })) {
    FBorder->InitEndStyle(esFlat);
    // Text is measured between paints too; the window's picture serves then.
    FCanvas->SetCanvas(GetControlCanvas());
    SetBounds(GetLeft(), GetTop(), 400, 250);
    // Last: nothing set up above may request a paint.
    FAutoRepaint = true;
}

TCustomVurPanel::~TCustomVurPanel() = default;

void TCustomVurPanel::Invalidate() {
    if (!FAutoRepaint) return;
    FCanvas->Invalidate();
    TCustomPanelNoCaption::Invalidate();
}

void TCustomVurPanel::CanvasChanged(TPersistent*) { Invalidate(); }

void TCustomVurPanel::SetView3D(bool Value) {
    if (FView3D == Value) return;
    FView3D = Value;
    Invalidate();
    TVurView3DEvent Event;
    FListeners.Broadcast(this, Event);
}

void TCustomVurPanel::SetMarginUnits(TVurUnits Value) {
    if (FMarginUnits == Value) return;
    FMarginUnits = Value;
    Invalidate();
}

void TCustomVurPanel::SetBevelInner(TBevelCut Value) {
    if (FBevelInner == Value) return;
    FBevelInner = Value;
    Invalidate();
}

void TCustomVurPanel::SetBevelOuter(TBevelCut Value) {
    if (FBevelOuter == Value) return;
    FBevelOuter = Value;
    Invalidate();
}

void TCustomVurPanel::SetBooleanProperty(bool& Variable, bool Value) {
    if (Variable == Value) return;
    Variable = Value;
    Invalidate();
}

void TCustomVurPanel::SetIntegerProperty(int& Variable, int Value) {
    if (Variable == Value) return;
    Variable = Value;
    Invalidate();
}

void TCustomVurPanel::SetColorProperty(TColor& Variable, TColor Value) {
    if (Variable == Value) return;
    Variable = Value;
    Invalidate();
}

void TCustomVurPanel::SetDoubleProperty(double& Variable, double Value) {
    if (Variable == Value) return;
    Variable = Value;
    Invalidate();
}

void TCustomVurPanel::SetStringProperty(std::string& Variable, const std::string& Value) {
    if (Variable == Value) return;
    Variable = Value;
    Invalidate();
}

// ---- painting

void TCustomVurPanel::Paint() {
    if (FPrinting) return;
    if (!FCanvas->ReDrawBitmap()) Draw();
}

TRect TCustomVurPanel::SizeWindowImage() {
    const TRect R = GetRectangle();
    FWindowImage.SetSize(std::max(0, R.Right), std::max(0, R.Bottom));
    return R;
}

void TCustomVurPanel::Draw() {
    const TRect R = SizeWindowImage();
    Draw(GetControlCanvas(), R);
}

void TCustomVurPanel::PaintWindow() {
    SizeWindowImage();
    Paint();
    ShowBitmap(FWindowImage);
}

// The buffer covers the whole window, so erasing first would only flicker.
bool TCustomVurPanel::EraseBackground() { return !VurDrawSettings().VurEraseBack; }

TRect TCustomVurPanel::GetRectangle() const {
    if (GetParent() != nullptr && GetParent()->HandleAllocated()) return GetClientRect();
    return TRect{0, 0, GetWidth(), GetHeight()};
}

void TCustomVurPanel::Draw(TCanvas* UserCanvas, const TRect& UserRect) {
    FChartBounds = FCanvas->InitWindow(UserCanvas, FView3DOptions.get(), GetColor(), FView3D, UserRect);
    FChartRect = CalcMarginRect(FChartBounds);
    ReCalcWidthHeight();
    InternalDraw(FChartBounds);
    FCanvas->ShowImage(UserCanvas, GetControlCanvas(), UserRect);
}

void TCustomVurPanel::NonBufferDraw(TCanvas* UserCanvas, const TRect& UserRect) {
    const TScopedValue Unbuffered(FCanvas->GetUseBuffer(), false,
                                  [this](bool On) { FCanvas->SetUseBuffer(On); });
    Draw(UserCanvas, UserRect);
}

std::unique_ptr<TBitmap> TCustomVurPanel::VurCreateBitmap(TColor BackColor, const TRect& R) {
    auto Result = std::make_unique<TBitmap>(std::max(0, R.Width()), std::max(0, R.Height()));
    // A new bitmap is white already.
    if (BackColor != clWhite) {
        TCanvas* Canvas = Result->GetCanvas();
        Canvas->GetBrush()->SetStyle(bsSolid);
        Canvas->GetBrush()->SetColor(BackColor);
        Canvas->FillRect(TRect{0, 0, Result->GetWidth(), Result->GetHeight()});
    }
    NonBufferDraw(Result->GetCanvas(), TRect{0, 0, Result->GetWidth(), Result->GetHeight()});
    return Result;
}

bool TCustomVurPanel::CanClip() const {
    if (FCanvas->GetSupportsFullRotation()) return false;
    if (FPrinting) return VurDrawSettings().VurClipWhenPrinting;
    if (FMetafiling) return VurDrawSettings().VurClipWhenMetafiling;
    return true;
}

int TCustomVurPanel::FrameWidth() const {
    int F = FBorderWidth;
    if (FBevelInner != bvNone) F += FBevelWidth;
    if (FBevelOuter != bvNone) F += FBevelWidth;
    if (FBorder->GetVisible()) F += FBorder->GetWidth();
    return F;
}

TRect TCustomVurPanel::CalcMarginRect(const TRect& Bounds) const {
    const int F = FrameWidth();
    const auto Pixels = [&](int Index, int Size) {
        const int M = FMargins[static_cast<std::size_t>(Index)];
        if (FMarginUnits == muPixels) return M;
        return static_cast<int>(static_cast<long long>(M) * Size / 100);
    };
    const int W = Bounds.Width();
    const int H = Bounds.Height();
    return TRect{Bounds.Left + F + Pixels(0, W), Bounds.Top + F + Pixels(1, H),
                 Bounds.Right - F - Pixels(2, W), Bounds.Bottom - F - Pixels(3, H)};
}

void TCustomVurPanel::ReCalcWidthHeight() {
    TRect& R = FChartRect;
    R.Left = std::max(R.Left, FChartBounds.Left);
    R.Top = std::max(R.Top, FChartBounds.Top);
    if (R.Right < R.Left)
        R.Right = R.Left + 1;
    else if (R.Right == R.Left)
        R.Right = R.Left + GetWidth();
    if (R.Bottom < R.Top)
        R.Bottom = R.Top + 1;
    else if (R.Bottom == R.Top)
        R.Bottom = R.Top + GetHeight();
    FChartWidth = R.Right - R.Left;
    FChartHeight = R.Bottom - R.Top;
    FChartXCenter = (R.Left + R.Right) / 2;
    FChartYCenter = (R.Top + R.Bottom) / 2;
}

void TCustomVurPanel::SetWalls3D(int Width3D, int Height3D, int SeriesWidth3D, int SeriesHeight3D) {
    FWidth3D = Width3D;
    FHeight3D = Height3D;
    FSeriesWidth3D = SeriesWidth3D;
    FSeriesHeight3D = SeriesHeight3D;
}

void TCustomVurPanel::DrawBevel(TRect& R, TBevelCut Cut) {
    if (Cut == bvNone) return;
    if (FBorderRound > 0) {
        FCanvas->GetPen()->SetColor(Cut == bvLowered ? clBtnShadow : clBtnHighlight);
        FCanvas->RoundRect(R, FBorderRound, FBorderRound);
        R = TRect{R.Left + FBevelWidth, R.Top + FBevelWidth, R.Right - FBevelWidth, R.Bottom - FBevelWidth};
        return;
    }
    FCanvas->Frame3D(R, Cut == bvLowered ? clBtnShadow : clBtnHighlight,
                     Cut == bvRaised ? clBtnShadow : clBtnHighlight, FBevelWidth);
}

void TCustomVurPanel::DrawPanelBevels(const TRect& Rect) {
    TRect R = Rect;
    FCanvas->GetBrush()->SetStyle(bsClear);
    if (FBorder->GetVisible()) {
        FCanvas->AssignVisiblePen(FBorder.get());
        const bool SmallDots = FBorder->GetSmallDots();
        int N = 0;
        if (SmallDots) {
            N = 1;
        } else if (const int W = FBorder->GetWidth() - 1; W > 0) {
            const int H = W / 2;
            R.Left += H + W % 2;
            R.Top += H + W % 2;
            R.Right -= H - H % 2;
            R.Bottom -= H - H % 2;
            N = H - H % 2;
        }
        if (FBorderRound > 0) {
            --R.Right;
            --R.Bottom;
            FCanvas->RoundRect(R, FBorderRound, FBorderRound);
        } else {
            FCanvas->Rectangle(R);
            if (!SmallDots) ++N;
        }
        R = TRect{R.Left + N, R.Top + N, R.Right - N, R.Bottom - N};
    }
    if (FPrinting && !VurDrawSettings().PrintVurPanel) return;
    TPen* Pen = FCanvas->GetPen();
    Pen->SetStyle(psSolid);
    Pen->SetWidth(1);
    Pen->SetMode(pmCopy);
    DrawBevel(R, FBevelOuter);
    if (FBorderWidth > 0) FCanvas->Frame3D(R, GetColor(), GetColor(), FBorderWidth);
    DrawBevel(R, FBevelInner);
}

// ---- TCustomVurPanelExtended

TCustomVurPanelExtended::TCustomVurPanelExtended(TComponent* AOwner)
    : TCustomVurPanel(AOwner), FBackImage(std::make_unique<TBackImage>()) {
    FBackImage->OnChange = [this](TPersistent* Sender) { CanvasChanged(Sender); };
}

TVurGradient* TCustomVurPanelExtended::GetGradient() {
    if (!FGradient)
        FGradient = std::make_unique<TVurGradient>([this](TPersistent* Sender) { CanvasChanged(Sender); });
    return FGradient.get();
}

void TCustomVurPanelExtended::SetGradient(const TCustomVurGradient* Value) {
    if (!Value) {
        if (!FGradient) return;
        FGradient.reset();
        Invalidate();
        return;
    }
    GetGradient()->Assign(Value);
}

void TCustomVurPanelExtended::FillPanelRect(const TRect& Rect) {
    TVurCanvas3D* Canvas = GetCanvas();
    const bool Gradient = FGradient && FGradient->GetVisible();
    const bool Plain = (!GetPrinting() || VurDrawSettings().PrintVurPanel) && GetColor() != clNone;
    if (!Gradient && !Plain) return;
    Canvas->FrontPlaneBegin();
    // With round corners the gradient leaves the corners: they keep the
    // panel colour, as a plain panel shows them.
    if (Plain && (!Gradient || GetBorderRound() > 0)) {
        Canvas->GetBrush()->SetStyle(bsSolid);
        Canvas->GetBrush()->SetColor(GetColor());
        Canvas->EraseBackground(Rect);
    }
    if (Gradient) FGradient->Draw(*Canvas, Rect, GetBorderRound());
    Canvas->FrontPlaneEnd();
}

void TCustomVurPanelExtended::PanelPaint(const TRect& Rect) {
    TVurCanvas3D* Canvas = GetCanvas();
    TRect R = Rect;
    Canvas->FrontPlaneBegin();
    if (TVurShadow* Shadow = GetShadow(); Shadow->GetSize() > 0) {
        Canvas->GetBrush()->SetStyle(bsSolid);
        Canvas->GetBrush()->SetColor(GetParent() != nullptr ? GetParent()->GetColor() : GetColor());
        Canvas->EraseBackground(R);
        R.Right -= Shadow->GetHorizSize();
        R.Bottom -= Shadow->GetVertSize();
        Shadow->Draw(*Canvas, R);
    }
    FillPanelRect(R);
    if (FBackImage->HasPicture() && !FBackImage->GetInside()) FBackImage->Draw(*this, R, 0);
    DrawPanelBevels(R);
    Canvas->FrontPlaneEnd();
}

} // namespace vur
