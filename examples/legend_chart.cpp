// Markers and legends: three series with different markers and a legend
// with check boxes at the right, above a 3D chart of one series whose
// legend below lists its points with their values. Both are drawn without
// a window system and saved as one PNG.
//
//   ./build/default/examples/legend_chart legend.png
#include "chart/Chart/Chart.h"
#include "chart/Series/LineSeries.h"
#include "framework/Graphics.h"

#include <cmath>
#include <cstdio>
#include <memory>

namespace {

using namespace vur;

constexpr int Width = 689;
constexpr int Height = 300;

TLineSeries* AddSeries(TChart& Chart, const char* Title, TSeriesPointerStyle Style, double Phase) {
    // The chart destroys the series still attached to it.
    auto* Series = new TLineSeries(nullptr);
    Series->SetParentChart(&Chart);
    Series->SetTitle(Title);
    Series->GetPointer()->SetVisible(true);
    Series->GetPointer()->SetStyle(Style);
    for (int I = 0; I < 12; ++I) Series->AddXY(I, 50 + 35 * std::sin(I * 0.55 + Phase));
    return Series;
}

// Three sensors in a flat chart; the legend's check boxes switch them.
void Sensors(TChart& Chart) {
    Chart.SetBounds(0, 0, Width, Height);
    Chart.SetView3D(false);
    Chart.GetTitle()->SetCaption("Temperatures");
    AddSeries(Chart, "Inlet", psRectangle, 0);
    AddSeries(Chart, "Outlet", psCircle, 2.1);
    AddSeries(Chart, "Ambient", psTriangle, 4.2)->GetPointer()->SetSize(5);
    TChartLegend* Legend = Chart.GetLegend();
    Legend->SetCheckBoxes(true);
    Legend->GetTitle()->SetCaption("Sensors");
}

// One series in 3D with cubes; the legend below lists its months.
void Monthly(TChart& Chart) {
    Chart.SetBounds(0, 0, Width, Height);
    Chart.GetTitle()->SetCaption("Rainfall, mm");
    Chart.SetChart3DPercent(8);
    auto* Series = new TLineSeries(nullptr);
    Series->SetParentChart(&Chart);
    Series->GetPointer()->SetVisible(true);
    Series->SetValueFormat("0");
    const char* Months[] = {"Jan", "Feb", "Mar", "Apr", "May", "Jun",
                            "Jul", "Aug", "Sep", "Oct", "Nov", "Dec"};
    const double Rain[] = {78, 55, 61, 44, 52, 66, 71, 83, 59, 90, 96, 87};
    for (int I = 0; I < 12; ++I) Series->AddXY(I, Rain[I], Months[I], clDefault);
    TChartLegend* Legend = Chart.GetLegend();
    Legend->SetAlignment(laBottom);
    Legend->SetTextStyle(ltsRightValue);
    Legend->SetMaxNumRows(2);
}

} // namespace

int main(int argc, char** argv) {
    const char* Path = argc > 1 ? argv[1] : "legend.png";
    TChart Top(nullptr);
    Sensors(Top);
    TChart Bottom(nullptr);
    Monthly(Bottom);

    TBitmap Picture(Width, 2 * Height);
    const std::unique_ptr<TBitmap> Upper = Top.VurCreateBitmap(clWhite, Rect(0, 0, Width, Height));
    const std::unique_ptr<TBitmap> Lower = Bottom.VurCreateBitmap(clWhite, Rect(0, 0, Width, Height));
    Picture.GetCanvas()->Draw(0, 0, Upper.get());
    Picture.GetCanvas()->Draw(0, Height, Lower.get());
    Picture.SaveToFile(Path);
    std::printf("saved %s\n", Path);
    return 0;
}
