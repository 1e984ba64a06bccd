// Builds a chart like the live plotter's, with no window system at all,
// feeds it ten samples one second apart and saves the picture as PNG.
//
//   ./build/default/examples/render_chart chart.png
#include "chart/Chart/Chart.h"
#include "chart/Series/LineSeries.h"
#include "framework/DateTime.h"
#include "framework/Graphics.h"

#include <cstdio>
#include <memory>

int main(int argc, char** argv) {
    using namespace vur;
    const char* Path = argc > 1 ? argv[1] : "chart.png";

    TChart Chart(nullptr);
    Chart.SetBounds(0, 0, 689, 257);
    Chart.SetView3D(false);
    Chart.GetLegend()->SetVisible(false);
    Chart.GetTitle()->SetCaption("TChart");
    Chart.GetBottomAxis()->SetDateTimeFormat("hh:nn:ss");

    // The chart destroys the series still attached to it.
    auto* Series = new TLineSeries(nullptr);
    Series->SetParentChart(&Chart);
    Series->GetXValues()->SetDateTime(true);

    const double Samples[] = {42, 17, 63, 88, 35, 71, 9, 54, 96, 28};
    const TDateTime Start = EncodeDate(2026, 12, 7) + EncodeTime(14, 30, 0, 0);
    for (int I = 0; I < 10; ++I) Series->AddXY(Start + I / 86400.0, Samples[I], "", clDefault);

    const std::unique_ptr<TBitmap> Picture = Chart.VurCreateBitmap(clWhite, Rect(0, 0, 689, 257));
    Picture->SaveToFile(Path);
    std::printf("saved %s\n", Path);
    return 0;
}
