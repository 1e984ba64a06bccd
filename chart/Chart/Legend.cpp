// The legend's properties, what its items are and say, and its clicks.
#include "chart/Chart/Legend.h"

#include "chart/Chart/Chart.h"
#include "chart/RoVedure/Geometry.h"
#include "chart/VurConst.h"
#include "framework/Exceptions.h"
#include "platform/numeric/Rounding.h"

#include <algorithm>

namespace vur {

// ---- TLegendSymbol

TLegendSymbol::TLegendSymbol(TCustomChartLegend* ALegend)
    : FLegend(ALegend), FPen(std::make_unique<TChartPen>([this](TPersistent*) { Changed(); })),
      FGradient(std::make_unique<TVurGradient>([this](TPersistent*) { Changed(); })) {}

TLegendSymbol::~TLegendSymbol() = default;

void TLegendSymbol::Assign(const TPersistent* Source) {
    const auto* Other = dynamic_cast<const TLegendSymbol*>(Source);
    if (Other == nullptr) {
        TPersistent::Assign(Source);
        return;
    }
    FPen->Assign(Other->FPen.get());
    FGradient->Assign(Other->FGradient.get());
    FWidth = Other->FWidth;
    FWidthUnits = Other->FWidthUnits;
    FPosition = Other->FPosition;
    FSquared = Other->FSquared;
    FContinuous = Other->FContinuous;
    FVisible = Other->FVisible;
    FDefaultPen = Other->FDefaultPen;
    Changed();
}

void TLegendSymbol::Changed() const {
    if (FLegend != nullptr) FLegend->Repaint();
}

int TLegendSymbol::CalcWidth(int A, int ItemHeight) const {
    if (!FVisible) return 0;
    if (FSquared) return ItemHeight - LegendSymbolTrimTop - LegendSymbolTrimBottom;
    if (FWidthUnits == lcsPixels) return FWidth;
    return Round(A * FWidth / 100.0);
}

// ---- TLegendTitle

TLegendTitle::TLegendTitle(TCustomVurPanel* AParent)
    : TVurCustomShape(AParent), FText(std::make_unique<TStringList>()) {
    FText->OnChange = ChangeCallback();
    InitTransparent(true);
    GetFont()->InitStyle(fsBold);
    GetShadow()->InitDefaults(clSilver, 2);
}

TLegendTitle::~TLegendTitle() = default;

void TLegendTitle::Assign(const TPersistent* Source) {
    if (const auto* Title = dynamic_cast<const TLegendTitle*>(Source)) {
        FText->Assign(Title->FText.get());
        SetTextAlignment(Title->FTextAlignment);
    }
    TVurCustomShape::Assign(Source);
}

void TLegendTitle::SetCaption(const std::string& Value) {
    FText->BeginUpdate();
    FText->Clear();
    FText->Add(Value);
    FText->EndUpdate();
}

namespace {

int VisibleFrameWidth(const TChartPen* Frame) { return Frame->GetVisible() ? Frame->GetWidth() : 0; }

// An opaque title box keeps a pixel of room above and below its lines.
constexpr int TitleTextMargin = 1;

} // namespace

int TLegendTitle::CalcHeight() const {
    int Height = FText->Count() * Canvas()->GetFontHeight();
    if (!GetTransparent()) Height += 2 * TitleTextMargin + 2 * VisibleFrameWidth(GetFrame());
    return Height;
}

int TLegendTitle::CalcTotalWidth() const {
    TVurCanvas3D* C = Canvas();
    int Widest = 0;
    for (int I = 0; I < FText->Count(); ++I) Widest = std::max(Widest, C->TextWidth(FText->Get(I)));
    int Width = Widest + C->TextWidth("W");
    if (!GetTransparent()) Width += 2 * VisibleFrameWidth(GetFrame()) + GetShadow()->GetHorizSize();
    return Width;
}

void TLegendTitle::DrawIn(const TRect& LegendRect) {
    TVurCanvas3D* C = Canvas();
    C->AssignFont(GetFont());
    const int Top = LegendRect.Top + LegendBoxInset;
    TRect R{LegendRect.Left + LegendBoxInset, Top, LegendRect.Right - LegendBoxInset, Top + CalcHeight()};
    if (!GetTransparent()) {
        const int HorizSize = GetShadow()->GetHorizSize();
        if (HorizSize > 0)
            R.Right -= HorizSize;
        else
            R.Left -= HorizSize;
        if (GetShadow()->GetVertSize() < 0) R.Top -= GetShadow()->GetVertSize();
    }
    SetShapeBounds(R);
    Draw();
    // The box may have changed the canvas' font.
    C->AssignFont(GetFont());
    C->SetBackMode(cbmTransparent);
    C->SetTextAlign(TA_LEFT | TA_TOP);
    const int FontHeight = C->GetFontHeight();
    const int HalfW = C->TextWidth("W") / 2;
    if (GetTextFormat() == ttfHtml) {
        std::string All = FText->Count() > 0 ? FText->Get(0) : std::string();
        for (int I = 1; I < FText->Count(); ++I) All += "\r\n" + FText->Get(I);
        C->TextOut(R.Left + HalfW, R.Top + TitleTextMargin, All, true);
        return;
    }
    for (int I = 0; I < FText->Count(); ++I) {
        const std::string& Line = FText->Get(I);
        int X = R.Left + HalfW;
        if (FTextAlignment == taRightJustify)
            X = R.Right - C->TextWidth(Line) - HalfW;
        else if (FTextAlignment == taCenter)
            X = (R.Left + R.Right - C->TextWidth(Line)) / 2;
        C->TextOut(X, R.Top + TitleTextMargin + I * FontHeight, Line);
    }
}

// ---- TChartLegendGradient

TChartLegendGradient::TChartLegendGradient(TNotifyEvent AOnChange) {
    SetStartColor(clSilver);
    SetEndColor(clWhite);
    SetDirection(gdRightLeft);
    // Set after the defaults: they are no change to repaint for.
    OnChange = std::move(AOnChange);
}

// ---- TCustomChartLegend

TCustomChartLegend::TCustomChartLegend(TCustomVurPanel* AParent)
    : TVurCustomShapePosition(AParent), FDividingLines(std::make_unique<TChartHiddenPen>(ChangeCallback())),
      FSymbol(std::make_unique<TLegendSymbol>(this)), FTitle(std::make_unique<TLegendTitle>(AParent)) {
    if (AParent != nullptr) AParent->Listeners().Add(this);
}

TCustomChartLegend::~TCustomChartLegend() {
    if (GetParent() != nullptr) GetParent()->Listeners().Remove(this);
}

void TCustomChartLegend::Assign(const TPersistent* Source) {
    if (const auto* Other = dynamic_cast<const TCustomChartLegend*>(Source)) {
        FDividingLines->Assign(Other->FDividingLines.get());
        FSymbol->Assign(Other->FSymbol.get());
        FTitle->Assign(Other->FTitle.get());
        SetAlignment(Other->FAlignment);
        SetLegendStyle(Other->FLegendStyle);
        SetTextStyle(Other->FTextStyle);
        SetTopPos(Other->FTopPos);
        SetMaxNumRows(Other->FMaxNumRows);
        SetResizeChart(Other->FResizeChart);
        SetHorizMargin(Other->FHorizMargin);
        SetVertMargin(Other->FVertMargin);
        SetVertSpacing(Other->FVertSpacing);
        SetFirstValue(Other->FFirstValue);
        SetInverted(Other->FInverted);
        SetCurrentPage(Other->FCurrentPage);
        SetFontSeriesColor(Other->FFontSeriesColor);
        SetCheckBoxes(Other->FCheckBoxes);
        SetCheckBoxesStyle(Other->FCheckBoxesStyle);
    }
    TVurCustomShapePosition::Assign(Source);
}

void TCustomChartLegend::SetFirstValue(int Value) {
    if (Value < 0) throw LegendException(VurMsg_LegendFirstValue);
    SetProperty(FFirstValue, Value);
}

void TCustomChartLegend::VurEvent(const TVurEvent& Event) {
    const auto* SeriesEvent = dynamic_cast<const TVurSeriesEvent*>(&Event);
    if (SeriesEvent != nullptr && SeriesEvent->Event == seRemove && SeriesEvent->Series == FSeries)
        FSeries = nullptr;
}

TVurGradientClass TCustomChartLegend::GetGradientClass() const {
    return [](TNotifyEvent OnChange) -> std::unique_ptr<TVurGradient> {
        return std::make_unique<TChartLegendGradient>(std::move(OnChange));
    };
}

TCustomChart* TCustomChartLegend::Chart() const { return dynamic_cast<TCustomChart*>(GetParent()); }

bool TCustomChartLegend::ShouldDraw() const {
    const TCustomChart* C = Chart();
    if (!GetVisible() || C == nullptr) return false;
    if (FCheckBoxes) return true;
    for (int I = 0; I < C->SeriesCount(); ++I)
        if (C->GetSeries(I)->GetActive()) return true;
    return false;
}

TLegendStyle TCustomChartLegend::CalcLegendStyle() const {
    if (FLegendStyle != lsAuto) return FLegendStyle;
    if (FCheckBoxes) return lsSeries;
    const TCustomChart* C = Chart();
    int Active = 0;
    for (int I = 0; C != nullptr && I < C->SeriesCount(); ++I)
        if (C->GetSeries(I)->GetActive()) ++Active;
    return Active < 2 ? lsValues : lsSeries;
}

TChartSeries* TCustomChartLegend::GetLegendSeries() const {
    if (FSeries != nullptr) return FSeries;
    const TCustomChart* C = Chart();
    for (int I = 0; C != nullptr && I < C->SeriesCount(); ++I)
        if (C->GetSeries(I)->GetActive()) return C->GetSeries(I);
    return nullptr;
}

TChartSeries* TCustomChartLegend::SeriesOfItem(int Index) const {
    const TCustomChart* C = Chart();
    for (int I = 0; C != nullptr && I < C->SeriesCount(); ++I) {
        TChartSeries* Series = C->GetSeries(I);
        if (!Series->GetShowInLegend() || (!Series->GetActive() && !FCheckBoxes)) continue;
        if (Index-- == 0) return Series;
    }
    return nullptr;
}

namespace {

// A series' name in a legend: its title, else its component name.
std::string SeriesTitleLegend(const TChartSeries* Series) {
    return Series->GetTitle().empty() ? Series->GetName() : Series->GetTitle();
}

} // namespace

std::string TCustomChartLegend::FormattedLegend(int Index) const {
    TCustomChart* C = Chart();
    if (C == nullptr) return {};
    std::string Text;
    if (FLayout.Style == lsValues) {
        if (TChartSeries* Series = GetLegendSeries()) Text = C->FormattedValueLegend(Series, Index);
    } else if (const TChartSeries* Series = SeriesOfItem(Index)) {
        if (FLayout.Style == lsSeries)
            Text = SeriesTitleLegend(Series);
        else if (Series->Count() > 0)
            Text = Series->LegendString(Series->Count() - 1, FTextStyle);
    }
    if (C->OnGetLegendText) C->OnGetLegendText(C, FLayout.Style, Index, Text);
    return Text;
}

bool TCustomChartLegend::ContainsPoint(int X, int Y) const {
    return FLayout.NumRows > 0 && FLayout.NumCols > 0 && ShouldDraw() && PointInRect(GetShapeBounds(), X, Y);
}

int TCustomChartLegend::Clicked(int X, int Y) const {
    const TLegendLayout& L = FLayout;
    if (!ContainsPoint(X, Y)) return -1;
    int Row = -1;
    for (int R = 0; R < L.NumRows && Row == -1; ++R) {
        const int Top = L.FirstItemTop + LegendRowMargin + R * L.ItemHeight;
        if (Y >= Top && Y <= Top + L.ItemHeight) Row = R;
    }
    if (Row == -1) return -1;
    if (FInverted) Row = L.NumRows - 1 - Row;
    if (GetVertical()) return Row + L.FirstValue <= L.LastValue ? Row + L.FirstValue : -1;
    const TRect& B = GetShapeBounds();
    const int Slice = std::max(1, (B.Right - B.Left) / L.NumCols);
    const int Column = std::clamp((X - B.Left - 1) / Slice, 0, L.NumCols - 1);
    const int Item = FInverted ? (Row + 1) * L.NumCols - Column - 1 : Row * L.NumCols + Column;
    return Item < L.TotalItems ? Item + L.FirstValue : -1;
}

bool TCustomChartLegend::DoMouseDown(int X, int Y) {
    if (!HasCheckBoxes()) return false;
    const int Item = Clicked(X, Y);
    TChartSeries* Series = Item >= 0 ? SeriesOfItem(Item) : nullptr;
    if (Series == nullptr) return false;
    if (FCheckBoxesStyle == cbsCheck) {
        Series->SetActive(!Series->GetActive());
        return true;
    }
    for (int I = 0; TChartSeries* Other = SeriesOfItem(I); ++I)
        if (Other != Series) Other->SetActive(false);
    Series->SetActive(true);
    return true;
}

} // namespace vur
