// A paint of a chart with fuzzed settings and data: any setting may be
// refused (a vur::Exception) and the paint may be abandoned with one, but
// nothing may crash, hang or take long, whatever the axes, 3D view, fonts,
// pens, texts and points say.
#include "FuzzInput.h"

#include "chart/Chart/Chart.h"
#include "chart/Chart/Title.h"
#include "chart/Chart/Walls.h"
#include "chart/RoVedure/View3DOptions.h"
#include "chart/Series/LineSeries.h"

#include <string>

namespace {

using namespace vur;

void SetAxis(TChartAxis& Axis, fuzz::TFuzzInput& In) {
    switch (In.Byte() % 26) {
    case 0: {
        const double Min = In.Double();
        Axis.SetMinMax(Min, In.Double());
        break;
    }
    case 1:
        Axis.SetMinimum(In.Double());
        break;
    case 2:
        Axis.SetMaximum(In.Double());
        break;
    case 3:
        Axis.SetLogarithmic(In.Bool());
        break;
    case 4:
        Axis.SetLogarithmicBase(In.Double());
        break;
    case 5:
        Axis.SetInverted(In.Bool());
        break;
    case 6:
        Axis.SetStartPosition(In.Double());
        break;
    case 7:
        Axis.SetEndPosition(In.Double());
        break;
    case 8:
        Axis.SetPositionPercent(In.Double());
        break;
    case 9:
        Axis.SetMinimumOffset(In.Int());
        break;
    case 10:
        Axis.SetMaximumOffset(In.Int());
        break;
    case 11:
        Axis.SetDesiredIncrement(In.Double());
        break;
    case 12:
        Axis.SetLabelsSeparation(In.Int());
        break;
    case 13:
        Axis.SetMinorTickCount(In.Int());
        break;
    case 14:
        Axis.SetTickLength(In.Int());
        break;
    case 15:
        Axis.SetLabelsAngle(In.Int());
        break;
    case 16:
        Axis.SetLabelsAlternate(In.Bool());
        break;
    case 17:
        Axis.SetAxisValuesFormat(In.Text(24));
        break;
    case 18:
        Axis.SetDateTimeFormat(In.Text(24));
        break;
    case 19:
        Axis.SetLabelsMultiLine(In.Bool());
        break;
    case 20:
        Axis.SetAutomatic(In.Bool());
        break;
    case 21:
        Axis.SetLabelStyle(static_cast<TAxisLabelStyle>(In.Byte() % 5));
        break;
    case 22:
        Axis.GetMinorGrid()->SetVisible(In.Bool());
        break;
    case 23:
        Axis.GetLabelsFont()->SetSize(In.Small(-100, 400));
        break;
    case 24: {
        const double Offset = In.Double();
        Axis.Scroll(Offset, In.Bool());
        break;
    }
    case 25:
        Axis.SetZPosition(In.Double());
        break;
    }
}

void SetSeries(TLineSeries& Series, fuzz::TFuzzInput& In) {
    switch (In.Byte() % 13) {
    case 0:
        Series.SetStairs(In.Bool());
        break;
    case 1:
        Series.GetLinePen()->SetWidth(In.Int());
        break;
    case 2:
        Series.GetOutLine()->SetVisible(In.Bool());
        break;
    case 3:
        Series.GetOutLine()->SetWidth(In.Int());
        break;
    case 4:
        Series.SetDepth(In.Int());
        break;
    case 5:
        Series.SetStacked(static_cast<TCustomSeriesStack>(In.Byte() % 4));
        break;
    case 6:
        Series.GetPointer()->SetVisible(In.Bool());
        break;
    case 7:
        Series.GetPointer()->SetSize(In.Int());
        break;
    case 8:
        Series.GetMarks()->SetVisible(In.Bool());
        break;
    case 9:
        Series.GetXValues()->SetDateTime(In.Bool());
        break;
    case 10:
        Series.SetColorEachPoint(In.Bool());
        break;
    case 11:
        Series.SetNull(In.Small(-1, Series.Count()));
        break;
    case 12:
        Series.SetLineHeight(In.Int());
        break;
    }
}

void SetChart(TChart& Chart, fuzz::TFuzzInput& In) {
    TView3DOptions* View = Chart.GetView3DOptions();
    switch (In.Byte() % 14) {
    case 0:
        Chart.SetView3D(In.Bool());
        break;
    case 1:
        View->SetZoom(In.Int());
        break;
    case 2:
        View->SetRotation(In.Int());
        break;
    case 3:
        View->SetElevation(In.Int());
        break;
    case 4:
        View->SetPerspective(In.Int());
        break;
    case 5:
        View->SetOrthogonal(In.Bool());
        break;
    case 6:
        View->SetFontZoom(In.Small(-100, 1000));
        break;
    case 7:
        Chart.SetMarginLeft(In.Int());
        break;
    case 8:
        Chart.SetBevelWidth(In.Small(-10, 50));
        break;
    case 9:
        Chart.GetWalls()->SetSize(In.Int());
        break;
    case 10:
        Chart.GetTitle()->SetCaption(In.Text(40));
        break;
    case 11:
        Chart.GetTitle()->SetTextFormat(In.Bool() ? ttfHtml : ttfNormal);
        break;
    case 12:
        Chart.GetTitle()->GetFont()->SetSize(In.Small(-100, 400));
        break;
    case 13:
        View->SetHorizOffset(In.Int());
        break;
    }
}

} // namespace

extern "C" int LLVMFuzzerInitialize(int*, char***) {
    // Realises the chart's fonts once, outside the time of any one input.
    TComponent Owner{nullptr};
    auto* Chart = new TChart(&Owner);
    auto* Series = new TLineSeries(&Owner);
    Series->SetParentChart(Chart);
    Series->AddXY(1, 2);
    Chart->Draw();
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* Data, std::size_t Size) {
    fuzz::TFuzzInput In(Data, Size);
    TComponent Owner{nullptr};
    auto* Chart = new TChart(&Owner);
    Chart->SetBounds(0, 0, In.Small(0, 500), In.Small(0, 400));
    const int SeriesCount = In.Small(1, 3);
    for (int S = 0; S < SeriesCount; ++S) {
        auto* Series = new TLineSeries(&Owner);
        Series->SetParentChart(Chart);
        const int Points = In.Small(0, 300);
        const bool Sequential = In.Bool();
        for (int P = 0; P < Points && !In.Empty(); ++P)
            fuzz::Refusable([&] {
                const double X = Sequential ? P : In.Double();
                Series->AddXY(X, In.Double());
            });
    }
    const int Settings = In.Small(0, 40);
    for (int I = 0; I < Settings && !In.Empty(); ++I) {
        const int Target = In.Small(0, 5);
        fuzz::Refusable([&] {
            if (Target < 4)
                SetAxis(*Chart->GetAxes()->Get(Target), In);
            else if (Target == 4)
                SetSeries(*static_cast<TLineSeries*>(Chart->GetSeries(In.Small(0, SeriesCount - 1))), In);
            else
                SetChart(*Chart, In);
        });
    }
    fuzz::Refusable([&] { Chart->Draw(); });
    // A second paint reads what the first one left behind.
    fuzz::Refusable([&] { Chart->Draw(); });
    return 0;
}
