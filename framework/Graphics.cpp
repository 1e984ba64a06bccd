#include "framework/Graphics.h"

#include "framework/Exceptions.h"
#include "framework/SystemColors.h"
#include "platform/gdi/Error.h"
#include "platform/gdi/RasterOp.h"

#include "platform/numeric/Rounding.h"

#include <algorithm>
#include <cmath>
#include <cstdlib>

namespace vur {

int MulDiv(int Number, int Numerator, int Denominator) {
    if (Denominator == 0) return -1;
    const std::int64_t Product = std::int64_t{Number} * Numerator;
    const std::int64_t Half = std::llabs(Denominator) / 2;
    const bool Negative = (Product < 0) != (Denominator < 0);
    const std::int64_t Magnitude = (std::llabs(Product) + Half) / std::llabs(Denominator);
    const std::int64_t Result = Negative ? -Magnitude : Magnitude;
    if (Result > INT32_MAX || Result < INT32_MIN) return -1;
    return static_cast<int>(Result);
}

void TGraphicsObject::Changed() {
    ++FVersion;
    if (OnChange) OnChange(this);
}

int PenModeToRop2(TPenMode Mode) {
    static constexpr int Rop2[] = {
        gdi::R2_BLACK,       gdi::R2_WHITE,      gdi::R2_NOP,         gdi::R2_NOT,
        gdi::R2_COPYPEN,     gdi::R2_NOTCOPYPEN, gdi::R2_MERGEPENNOT, gdi::R2_MASKPENNOT,
        gdi::R2_MERGENOTPEN, gdi::R2_MASKNOTPEN, gdi::R2_MERGEPEN,    gdi::R2_NOTMERGEPEN,
        gdi::R2_MASKPEN,     gdi::R2_NOTMASKPEN, gdi::R2_XORPEN,      gdi::R2_NOTXORPEN};
    return Mode <= pmNotXor ? Rop2[Mode] : gdi::R2_COPYPEN;
}

// TPen

void TPen::Assign(const TPersistent* Source) {
    if (const auto* Pen = dynamic_cast<const TPen*>(Source)) {
        AssignPen(*Pen);
        return;
    }
    TPersistent::Assign(Source);
}

void TPen::AssignPen(const TPen& Pen) {
    if (&Pen == this) return;
    const bool Differs = FColor != Pen.FColor || FWidth != Pen.FWidth || FStyle != Pen.FStyle ||
                         FMode != Pen.FMode || FCustomHandle || Pen.FCustomHandle;
    FColor = Pen.FColor;
    FWidth = Pen.FWidth;
    FStyle = Pen.FStyle;
    FMode = Pen.FMode;
    FHandle = Pen.FHandle;
    FCustomHandle = Pen.FCustomHandle;
    if (Differs) Changed();
}

void TPen::PropertyChanged() {
    FHandle.reset();
    FCustomHandle = false;
    Changed();
}

void TPen::SetColor(TColor Value) {
    // On a pen adopted from a handle any property write rebuilds it from the properties.
    if (FColor == Value && !FCustomHandle) return;
    FColor = Value;
    PropertyChanged();
}

void TPen::SetWidth(int Value) {
    if (FWidth == Value && !FCustomHandle) return;
    FWidth = Value;
    PropertyChanged();
}

void TPen::SetStyle(TPenStyle Value) {
    if (FStyle == Value && !FCustomHandle) return;
    FStyle = Value;
    PropertyChanged();
}

void TPen::SetMode(TPenMode Value) {
    if (FMode == Value) return;
    FMode = Value;
    // The mode is a device attribute, not part of the pen: the handle stays.
    Changed();
}

namespace {

unsigned DevicePenStyle(TPenStyle Style) {
    static constexpr unsigned Styles[] = {gdi::PS_SOLID,      gdi::PS_DASH,       gdi::PS_DOT,
                                          gdi::PS_DASHDOT,    gdi::PS_DASHDOTDOT, gdi::PS_NULL,
                                          gdi::PS_INSIDEFRAME};
    return Style <= psInsideFrame ? Styles[Style] : gdi::PS_SOLID;
}

} // namespace

const gdi::Pen& TPen::GetHandle() const {
    if (!FHandle) FHandle = gdi::CreatePen(DevicePenStyle(FStyle), FWidth, ColorToRGB(FColor));
    return *FHandle;
}

HPEN CreateGeometricPen(TPenStyle Style, int Width, TColor Color, TPenEndStyle Ends) {
    static constexpr unsigned EndsAndJoins[] = {gdi::PS_ENDCAP_ROUND | gdi::PS_JOIN_ROUND,
                                                gdi::PS_ENDCAP_SQUARE | gdi::PS_JOIN_BEVEL,
                                                gdi::PS_ENDCAP_FLAT | gdi::PS_JOIN_MITER};
    gdi::LOGBRUSH Brush;
    Brush.lbStyle = gdi::BS_SOLID;
    Brush.lbColor = ColorToRGB(Color);
    const unsigned DeviceStyle =
        gdi::PS_GEOMETRIC | DevicePenStyle(Style) | EndsAndJoins[Ends <= esFlat ? Ends : esRound];
    return gdi::ExtCreatePen(DeviceStyle, static_cast<unsigned>(std::max(Width, 0)), Brush, 0, nullptr);
}

HPEN CreateDottedPen(TColor Color, int Space) {
    gdi::LOGBRUSH Brush;
    Brush.lbStyle = gdi::BS_SOLID;
    Brush.lbColor = ColorToRGB(Color);
    if (Space <= 0) return gdi::ExtCreatePen(gdi::PS_COSMETIC | gdi::PS_ALTERNATE, 1, Brush, 0, nullptr);
    // Walked pixel by pixel, so a dot every Space + 1 pixels on any slope.
    const unsigned Pattern[2] = {1, static_cast<unsigned>(Space)};
    return gdi::ExtCreatePen(gdi::PS_COSMETIC | gdi::PS_USERSTYLE, 1, Brush, 2, Pattern);
}

void TPen::SetHandle(const gdi::Pen& Value) {
    if (FCustomHandle && *FHandle == Value) return;
    FHandle = Value;
    FCustomHandle = true;
    FColor = Value.GetColor();
    FWidth = Value.GetWidth();
    Changed();
}

// TBrush

void TBrush::Assign(const TPersistent* Source) {
    if (const auto* Brush = dynamic_cast<const TBrush*>(Source)) {
        if (Brush == this) return;
        FColor = Brush->FColor;
        FStyle = Brush->FStyle;
        FPattern = Brush->FPattern;
        FHandle = Brush->FHandle;
        Changed();
        return;
    }
    TPersistent::Assign(Source);
}

void TBrush::PropertyChanged() {
    FHandle.reset();
    Changed();
}

void TBrush::SetColor(TColor Value) {
    if (FColor == Value) return;
    FColor = Value;
    PropertyChanged();
}

void TBrush::SetStyle(TBrushStyle Value) {
    if (FStyle == Value) return;
    FStyle = Value;
    PropertyChanged();
}

void TBrush::SetBitmap(const TBitmap* Value) {
    if (!Value && !FPattern) return;
    FPattern = Value ? std::make_shared<const gdi::Bitmap>(Value->GetImage()) : nullptr;
    PropertyChanged();
}

const gdi::Brush& TBrush::GetHandle() const {
    if (!FHandle) {
        if (FPattern)
            FHandle = gdi::CreatePatternBrush(*FPattern);
        else if (FStyle == bsSolid)
            FHandle = gdi::CreateSolidBrush(ColorToRGB(FColor));
        else if (FStyle == bsClear)
            FHandle = gdi::GetStockBrush(gdi::NULL_BRUSH);
        else
            FHandle = gdi::CreateHatchBrush(FStyle - bsHorizontal + gdi::HS_HORIZONTAL, ColorToRGB(FColor));
    }
    return *FHandle;
}

// TFont

TFont::TFont() {
    FLogFont.FaceName = "Arial";
    FLogFont.Height = -MulDiv(8, FPixelsPerInch, 72);
    FLogFont.Weight = gdi::FW_NORMAL;
}

void TFont::Assign(const TPersistent* Source) {
    if (const auto* Font = dynamic_cast<const TFont*>(Source)) {
        AssignFrom(*Font);
        return;
    }
    TPersistent::Assign(Source);
}

void TFont::AssignFrom(const TFont& Font) {
    if (&Font == this) return;
    if (Font.FPixelsPerInch != FPixelsPerInch) {
        FLogFont = Font.FLogFont;
        FLogFont.Height = -MulDiv(Font.GetSize(), FPixelsPerInch, 72);
        FColor = Font.FColor;
        FHandle.reset();
        Changed();
        return;
    }
    // The same description keeps the device font this one already has (or
    // takes the source's), so a canvas handed the same font for every label
    // neither realises nor selects it again.
    const bool SameFont = FLogFont == Font.FLogFont;
    if (SameFont) {
        if (!FHandle) FHandle = Font.FHandle;
    } else {
        FLogFont = Font.FLogFont;
        FHandle = Font.FHandle;
    }
    if (SameFont && FColor == Font.FColor) return;
    FColor = Font.FColor;
    Changed();
}

void TFont::PropertyChanged() {
    FHandle.reset();
    Changed();
}

void TFont::SetName(const std::string& Value) {
    if (FLogFont.FaceName == Value) return;
    FLogFont.FaceName = Value;
    PropertyChanged();
}

int TFont::GetSize() const { return -MulDiv(FLogFont.Height, 72, FPixelsPerInch); }

void TFont::SetSize(int Value) { SetHeight(-MulDiv(Value, FPixelsPerInch, 72)); }

void TFont::SetHeight(int Value) {
    if (FLogFont.Height == Value) return;
    FLogFont.Height = Value;
    PropertyChanged();
}

void TFont::SetColor(TColor Value) {
    if (FColor == Value) return;
    FColor = Value;
    // The colour is the device's text colour, not part of the font.
    Changed();
}

TFontStyles TFont::GetStyle() const {
    TFontStyles Result = 0;
    if (FLogFont.Weight >= gdi::FW_BOLD) Result |= fsBold;
    if (FLogFont.Italic) Result |= fsItalic;
    if (FLogFont.Underline) Result |= fsUnderline;
    if (FLogFont.StrikeOut) Result |= fsStrikeOut;
    return Result;
}

void TFont::SetStyle(TFontStyles Value) {
    if (GetStyle() == Value) return;
    FLogFont.Weight = (Value & fsBold) ? gdi::FW_BOLD : gdi::FW_NORMAL;
    FLogFont.Italic = (Value & fsItalic) != 0;
    FLogFont.Underline = (Value & fsUnderline) != 0;
    FLogFont.StrikeOut = (Value & fsStrikeOut) != 0;
    PropertyChanged();
}

void TFont::SetCharset(TFontCharset Value) {
    if (FLogFont.CharSet == Value) return;
    FLogFont.CharSet = Value;
    PropertyChanged();
}

void TFont::SetOrientation(int Value) {
    if (FLogFont.Escapement == Value && FLogFont.Orientation == Value) return;
    FLogFont.Escapement = Value;
    FLogFont.Orientation = Value;
    FLogFont.OutPrecision = Value != 0 ? gdi::OUT_TT_ONLY_PRECIS : gdi::OUT_DEFAULT_PRECIS;
    PropertyChanged();
}

void TFont::SetQuality(std::uint8_t Value) {
    if (FLogFont.Quality == Value) return;
    FLogFont.Quality = Value;
    PropertyChanged();
}

const gdi::Font& TFont::GetHandle() const {
    if (!FHandle) FHandle.emplace(FLogFont);
    return *FHandle;
}

void TFont::SetHandle(const gdi::Font& Value) {
    FLogFont = Value.GetLogFont();
    FHandle = Value;
    Changed();
}

// TCanvas

TCanvas::TCanvas(gdi::Bitmap& Surface)
    : FDC(Surface), FPen(std::make_unique<TPen>()), FBrush(std::make_unique<TBrush>()),
      FFont(std::make_unique<TFont>()) {}

TCanvas::~TCanvas() = default;

void TCanvas::SelectPen() {
    if (FPen->HasCustomHandle()) {
        FDC.SelectObject(FPen->GetHandle());
        FBuiltPenSelected.reset();
        return;
    }
    const unsigned Style = DevicePenStyle(FPen->GetStyle());
    const int Width = FPen->GetWidth();
    const gdi::COLORREF Color = ColorToRGB(FPen->GetColor());
    std::size_t Slot = 0;
    while (Slot < FBuiltPens.size() &&
           !(FBuiltPens[Slot] && FBuiltPens[Slot]->Style == Style && FBuiltPens[Slot]->Width == Width &&
             FBuiltPens[Slot]->Color == Color))
        ++Slot;
    if (Slot == FBuiltPens.size()) {
        Slot = FNextBuiltPen;
        FNextBuiltPen = (FNextBuiltPen + 1) % FBuiltPens.size();
        FBuiltPens[Slot] = TBuiltPen{Style, Width, Color, gdi::CreatePen(Style, Width, Color)};
    } else if (FBuiltPenSelected == Slot) {
        return;
    }
    FDC.SelectObject(FBuiltPens[Slot]->Handle);
    FBuiltPenSelected = Slot;
}

void TCanvas::RequiredState() {
    if (FPenSelected != FPen->GetVersion()) {
        SelectPen();
        FDC.SetROP2(PenModeToRop2(FPen->GetMode()));
        FPenSelected = FPen->GetVersion();
    }
    if (FBrushSelected != FBrush->GetVersion()) {
        FDC.SelectObject(FBrush->GetHandle());
        FBrushSelected = FBrush->GetVersion();
    }
    if (FFontSelected != FFont->GetVersion()) {
        FDC.SelectObject(FFont->GetHandle());
        FFontSelected = FFont->GetVersion();
    }
}

TPoint TCanvas::GetPenPos() const {
    gdi::POINT P;
    FDC.GetCurrentPositionEx(&P);
    return TPoint{P.x, P.y};
}

void TCanvas::MoveTo(int X, int Y) { FDC.MoveToEx(X, Y, nullptr); }

void TCanvas::LineTo(int X, int Y) {
    RequiredState();
    FDC.LineTo(X, Y);
}

void TCanvas::Polyline(std::span<const TPoint> Points) {
    RequiredState();
    FPoints.clear();
    for (const TPoint& P : Points) FPoints.push_back(gdi::POINT{P.X, P.Y});
    FDC.Polyline(FPoints.data(), static_cast<int>(FPoints.size()));
}

void TCanvas::Polygon(std::span<const TPoint> Points) {
    RequiredState();
    FPoints.clear();
    for (const TPoint& P : Points) FPoints.push_back(gdi::POINT{P.X, P.Y});
    FDC.Polygon(FPoints.data(), static_cast<int>(FPoints.size()));
}

void TCanvas::Rectangle(int X1, int Y1, int X2, int Y2) {
    RequiredState();
    FDC.Rectangle(X1, Y1, X2, Y2);
}

void TCanvas::RoundRect(int X1, int Y1, int X2, int Y2, int X3, int Y3) {
    RequiredState();
    FDC.RoundRect(X1, Y1, X2, Y2, X3, Y3);
}

void TCanvas::Ellipse(int X1, int Y1, int X2, int Y2) {
    RequiredState();
    FDC.Ellipse(X1, Y1, X2, Y2);
}

void TCanvas::Arc(int X1, int Y1, int X2, int Y2, int X3, int Y3, int X4, int Y4) {
    RequiredState();
    FDC.Arc(X1, Y1, X2, Y2, X3, Y3, X4, Y4);
}

void TCanvas::Pie(int X1, int Y1, int X2, int Y2, int X3, int Y3, int X4, int Y4) {
    RequiredState();
    FDC.Pie(X1, Y1, X2, Y2, X3, Y3, X4, Y4);
}

// The fill takes its brush directly: nothing needs selecting.
void TCanvas::FillRect(const TRect& R) {
    FDC.FillRect(gdi::RECT{R.Left, R.Top, R.Right, R.Bottom}, FBrush->GetHandle());
}

void TCanvas::FillPolygon(std::span<const TPoint> Points) {
    RequiredState();
    FPoints.clear();
    for (const TPoint& P : Points) FPoints.push_back(gdi::POINT{P.X, P.Y});
    const gdi::Pen Previous = FDC.SelectObject(gdi::CreatePen(gdi::PS_NULL, 0, 0));
    FDC.Polygon(FPoints.data(), static_cast<int>(FPoints.size()));
    FDC.SelectObject(Previous);
}

TColor TCanvas::GetPixel(int X, int Y) const { return FDC.GetPixel(X, Y); }

void TCanvas::SetPixel(int X, int Y, TColor Color) { FDC.SetPixel(X, Y, ColorToRGB(Color)); }

void TCanvas::TextOut(int X, int Y, std::string_view Text) {
    RequiredState();
    FDC.SetTextColor(ColorToRGB(FFont->GetColor()));
    FDC.TextOut(X, Y, Text);
}

void TCanvas::TextOut(int X, int Y, std::string_view Text, TColor Color) {
    RequiredState();
    SetTextColor(Color);
    FDC.TextOut(X, Y, Text);
}

TTextMetric TCanvas::GetTextMetrics() {
    RequiredState();
    gdi::TEXTMETRIC M;
    FDC.GetTextMetrics(&M);
    return TTextMetric{M.tmHeight, M.tmAscent, M.tmDescent};
}

void TCanvas::SetBackColor(TColor Color) { FDC.SetBkColor(ColorToRGB(Color) & 0xFFFFFF); }

void TCanvas::SetTextColor(TColor Color) { FDC.SetTextColor(ColorToRGB(Color) & 0xFFFFFF); }

void TCanvas::BeginPath() {
    RequiredState();
    FDC.BeginPath();
}

void TCanvas::EndPath() { FDC.EndPath(); }

bool TCanvas::WidenPath() {
    RequiredState();
    return FDC.WidenPath();
}

bool TCanvas::WidenPath(const HPEN& With) {
    RequiredState();
    const gdi::Pen Previous = FDC.SelectObject(With);
    const bool Widened = FDC.WidenPath();
    FDC.SelectObject(Previous);
    return Widened;
}

void TCanvas::StrokePath() {
    RequiredState();
    FDC.StrokePath();
}

void TCanvas::StrokeAndFillPath() {
    RequiredState();
    FDC.StrokeAndFillPath();
}

TRect TCanvas::GetPathBounds() const {
    double Left = 0, Top = 0, Right = 0, Bottom = 0;
    bool Any = false;
    for (const gdi::Path::Figure& F : FDC.GetPath().Figures())
        for (const gdi::PointF& P : F.Points) {
            Left = Any ? std::min(Left, P.X) : P.X;
            Top = Any ? std::min(Top, P.Y) : P.Y;
            Right = Any ? std::max(Right, P.X) : P.X;
            Bottom = Any ? std::max(Bottom, P.Y) : P.Y;
            Any = true;
        }
    if (!Any) return TRect{};
    return TRect{Trunc(std::floor(Left)), Trunc(std::floor(Top)), Trunc(std::ceil(Right)) + 1,
                 Trunc(std::ceil(Bottom)) + 1};
}

TPoint TCanvas::TextExtent(std::string_view Text) {
    RequiredState();
    gdi::SIZE Size;
    FDC.GetTextExtentPoint32(Text, &Size);
    return TPoint{Size.cx, Size.cy};
}

void TCanvas::Draw(int X, int Y, const TGraphic* Graphic) {
    if (!Graphic || Graphic->Empty()) return;
    Graphic->Draw(*this, TRect{X, Y, X + Graphic->GetWidth(), Y + Graphic->GetHeight()});
}

void TCanvas::StretchDraw(const TRect& R, const TGraphic* Graphic) {
    if (!Graphic || Graphic->Empty()) return;
    Graphic->Draw(*this, R);
}

void TCanvas::CopyRect(const TRect& Dest, const TCanvas& Source, const TRect& Src) {
    FDC.StretchBlt(Dest.Left, Dest.Top, Dest.Width(), Dest.Height(), &Source.FDC, Src.Left, Src.Top,
                   Src.Width(), Src.Height(), gdi::SRCCOPY);
}

// TBitmap

TBitmap::TBitmap(int Width, int Height) { SetSize(Width, Height); }

TBitmap::~TBitmap() = default;

void TBitmap::Assign(const TPersistent* Source) {
    if (const auto* Bitmap = dynamic_cast<const TBitmap*>(Source)) {
        if (Bitmap == this) return;
        FImage = Bitmap->FImage;
        Changed();
        return;
    }
    TPersistent::Assign(Source);
}

void TBitmap::SetSize(int Width, int Height) {
    if (Width == FImage.Width() && Height == FImage.Height()) return;
    try {
        FImage.SetSize(Width, Height);
    } catch (const gdi::EGdiError& E) {
        throw EOutOfResources(E.what());
    }
    FImage.Fill(clWhite);
    Changed();
}

void TBitmap::SetMonochrome(bool Value) {
    if (FImage.GetMonochrome() == Value) return;
    FImage.SetMonochrome(Value);
    Changed();
}

TCanvas* TBitmap::GetCanvas() {
    if (!FCanvas) FCanvas = std::make_unique<TCanvas>(FImage);
    return FCanvas.get();
}

void TGraphic::SetTransparent(bool Value) {
    if (FTransparent == Value) return;
    FTransparent = Value;
    Changed();
}

void TBitmap::Draw(TCanvas& Canvas, const TRect& Dest) const {
    if (Empty()) return;
    if (!FSourceDC) FSourceDC = std::make_unique<gdi::DC>(const_cast<gdi::Bitmap&>(FImage));
    if (GetTransparent()) {
        Canvas.GetHandle().TransparentBlt(Dest.Left, Dest.Top, Dest.Width(), Dest.Height(), *FSourceDC, 0, 0,
                                          FImage.Width(), FImage.Height(),
                                          FImage.GetPixel(0, FImage.Height() - 1));
        return;
    }
    Canvas.GetHandle().StretchBlt(Dest.Left, Dest.Top, Dest.Width(), Dest.Height(), FSourceDC.get(), 0, 0,
                                  FImage.Width(), FImage.Height(), gdi::SRCCOPY);
}

void TBitmap::LoadFromFile(const std::string& FileName) {
    try {
        FImage = gdi::Bitmap::LoadPng(FileName);
    } catch (const gdi::EGdiError& E) {
        throw EInvalidGraphic(E.what());
    }
    Changed();
}

void TBitmap::SaveToFile(const std::string& FileName) const {
    try {
        FImage.SavePng(FileName);
    } catch (const gdi::EGdiError& E) {
        throw EInvalidGraphic(E.what());
    }
}

// TPicture

TPicture::~TPicture() = default;

void TPicture::Changed() {
    if (OnChange) OnChange(this);
}

TBitmap* TPicture::AdoptBitmap(std::unique_ptr<TBitmap> Bitmap) {
    Bitmap->OnChange = [this](TPersistent*) { Changed(); };
    FGraphic = std::move(Bitmap);
    Changed();
    return static_cast<TBitmap*>(FGraphic.get());
}

void TPicture::Assign(const TPersistent* Source) {
    if (Source == this) return;
    if (!Source) {
        if (!FGraphic) return;
        FGraphic.reset();
        Changed();
        return;
    }
    const TPersistent* From = Source;
    if (const auto* Picture = dynamic_cast<const TPicture*>(Source)) From = Picture->FGraphic.get();
    if (!From) {
        Assign(nullptr);
        return;
    }
    if (const auto* Bitmap = dynamic_cast<const TBitmap*>(From)) {
        auto Copy = std::make_unique<TBitmap>();
        Copy->Assign(Bitmap);
        AdoptBitmap(std::move(Copy));
        return;
    }
    TPersistent::Assign(Source);
}

TBitmap* TPicture::GetBitmap() {
    if (auto* Bitmap = dynamic_cast<TBitmap*>(FGraphic.get())) return Bitmap;
    return AdoptBitmap(std::make_unique<TBitmap>());
}

void TPicture::LoadFromFile(const std::string& FileName) {
    auto Bitmap = std::make_unique<TBitmap>();
    Bitmap->LoadFromFile(FileName);
    AdoptBitmap(std::move(Bitmap));
}

void TPicture::SaveToFile(const std::string& FileName) const {
    if (FGraphic) FGraphic->SaveToFile(FileName);
}

} // namespace vur
