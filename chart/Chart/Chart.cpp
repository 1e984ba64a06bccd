#include "chart/Chart/Chart.h"

#include "chart/Chart/Palettes.h"
#include "chart/ChartClasses.h"
#include "platform/numeric/Rounding.h"

#include <algorithm>
#include <cstdlib>
#include <initializer_list>

namespace vur {

TCustomChart::TCustomChart(TComponent* AOwner) : TCustomAxisPanel(AOwner) {
    RegisterChartClasses();
    const bool Saved = GetAutoRepaint();
    SetAutoRepaint(false);
    FTitle = std::make_unique<TChartTitle>(this);
    FSubTitle = std::make_unique<TChartTitle>(this);
    FFoot = std::make_unique<TChartFootTitle>(this);
    FSubFoot = std::make_unique<TChartFootTitle>(this);
    FLegend = std::make_unique<TChartLegend>(this);
    FWalls = std::make_unique<TChartWalls>(this);
    FOriginalCursor = GetCursor();
    SetAutoRepaint(Saved);
}

TCustomChart::~TCustomChart() = default;

bool TCustomChart::IsFreeSeriesColor(TColor Color, bool CheckBackground, const TChartSeries* Series) const {
    for (int Index = 0; Index < SeriesCount(); ++Index) {
        const TChartSeries* Other = GetSeries(Index);
        if (Other != Series && Other->GetSeriesColor() == Color) return false;
    }
    return !CheckBackground || (Color != GetColor() && Color != GetBackWall()->GetColor());
}

void TCustomChart::ReadColorPaletteIndex(int Value) {
    FColorPaletteIndex = Value;
    if (Value >= 1) ColorPalettes().ApplyPalette(this, Value);
}

TColor TCustomChart::GetBackColor() const {
    return GetBackWall()->GetTransparent() ? GetColor() : GetBackWall()->GetColor();
}

int TCustomChart::CalcWallSize(const TChartAxis* Axis) const { return FWalls->CalcWallSize(Axis); }

void TCustomChart::DrawTitles(bool BeforeSeries) {
    for (TChartTitle* Title :
         std::initializer_list<TChartTitle*>{FTitle.get(), FSubTitle.get(), FFoot.get(), FSubFoot.get()})
        if (Title->GetCustomPosition() != BeforeSeries) Title->DrawTitle();
}

void TCustomChart::DrawTitlesAndLegend(bool BeforeSeries) {
    TVurCanvas3D* Canvas = GetCanvas();
    Canvas->FrontPlaneBegin();
    const bool Legend = FLegend->ShouldDraw();
    const bool Placed = FLegend->GetCustomPosition();
    if (!BeforeSeries) {
        if (Placed && Legend) FLegend->DrawLegend();
        DrawTitles(false);
    } else if (Placed || !Legend) {
        DrawTitles(true);
    } else if (FLegend->GetVertical()) {
        // A legend beside the plot reaches above and below the titles.
        FLegend->DrawLegend();
        DrawTitles(true);
    } else {
        DrawTitles(true);
        FLegend->DrawLegend();
    }
    Canvas->FrontPlaneEnd();
    if (!BeforeSeries) FWalls->DrawWallsAfter(GetBackImage());
}

const TChartPen* TCustomChart::GetLegendSymbolPen() const {
    const TLegendSymbol* Symbol = FLegend->GetSymbol();
    return Symbol->GetDefaultPen() ? nullptr : Symbol->GetPen();
}

TColor TCustomChart::GetLegendBackColor() const {
    return FLegend->GetColor() == clDefault ? GetColor() : FLegend->GetColor();
}

void TCustomChart::DrawLegendShape(const TRect& Rect) { FLegend->DrawPlainSymbol(Rect); }

std::string TCustomChart::FormattedValueLegend(TChartSeries* Series, int ValueIndex) const {
    return Series->LegendString(ValueIndex, FLegend->GetTextStyle());
}

void TCustomChart::DrawWalls() { FWalls->DrawWalls(GetBackImage()); }

void TCustomChart::CalcWallsRect() {
    const TView3DOptions* Options = GetView3DOptions();
    if (!GetView3D()) {
        SetWalls3D(0, 0, 0, 0);
    } else {
        const double P = GetChart3DPercent() * 0.001;
        int SeriesWidth3D = Round(GetChartWidth() * (Options->GetOrthogonal() ? P : 2 * P));
        const double Ratio = Options->CalcOrthoRatio();
        if (Ratio > 1) SeriesWidth3D = Round(SeriesWidth3D / Ratio);
        const int SeriesHeight3D = Round(SeriesWidth3D * Ratio);
        const int Slots = GetApplyZOrder() ? std::max(1, GetMaxZOrder() + 1) : 1;
        SetWalls3D(Slots * SeriesWidth3D, Slots * SeriesHeight3D, SeriesWidth3D, SeriesHeight3D);
    }
    if (GetView3D() && Options->GetOrthogonal()) {
        const int Back = ActiveSeriesUseAxis() ? GetBackWall()->GetSize() : 0;
        TRect R = GetChartRect();
        if (Options->GetOrthoAngle() <= 90) {
            R.Right -= std::abs(GetWidth3D()) + Back;
            if (GetRightWall()->GetVisible()) R.Right -= GetRightWall()->GetSize() + 1;
        } else {
            R.Left += std::abs(GetWidth3D()) + Back;
            if (GetLeftWall()->GetVisible()) R.Left += GetLeftWall()->GetSize() + 1;
        }
        R.Top += Back + std::abs(GetHeight3D());
        SetChartRect(R);
    }
    ReCalcWidthHeight();
}

} // namespace vur
