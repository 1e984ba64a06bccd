// Stores a configured chart as a component stream and as its readable text
// form, reads the stream back into a new chart, gives it points and saves
// its picture as PNG.
//
//   ./build/default/examples/stored_chart chart.vfm chart.txt chart.png
#include "chart/Chart/Chart.h"
#include "chart/Series/LineSeries.h"
#include "framework/Reader.h"
#include "framework/Streams.h"
#include "framework/TextForm.h"
#include "framework/Writer.h"

#include <cstdio>
#include <fstream>

int main(int argc, char** argv) {
    using namespace vur;
    const char* StreamPath = argc > 1 ? argv[1] : "chart.vfm";
    const char* TextPath = argc > 2 ? argv[2] : "chart.txt";
    const char* PicturePath = argc > 3 ? argv[3] : "chart.png";

    {
        TChart Chart(nullptr);
        Chart.SetName("Weather");
        Chart.SetBounds(0, 0, 640, 360);
        Chart.SetView3D(false);
        Chart.GetTitle()->SetCaption("Temperature and rain");
        Chart.GetLegend()->SetVisible(false);
        Chart.GetGradient()->SetVisible(true);
        Chart.GetGradient()->SetStartColor(0xF0E0D0);
        Chart.GetGradient()->SetEndColor(clWhite);
        Chart.GetLeftAxis()->SetMinMax(0, 30);
        Chart.GetLeftAxis()->GetTitle()->SetCaption("degrees");
        Chart.GetRightAxis()->GetTitle()->SetCaption("mm");
        Chart.GetRightAxis()->SetMinMax(0, 10);
        // The chart destroys the series still attached to it; they are stored inside it.
        auto* Temperature = new TLineSeries(nullptr);
        Temperature->SetName("Temperature");
        Temperature->SetParentChart(&Chart);
        Temperature->GetLinePen()->SetWidth(2);
        auto* Rainfall = new TLineSeries(nullptr);
        Rainfall->SetName("Rainfall");
        Rainfall->SetParentChart(&Chart);
        Rainfall->SetStairs(true);
        Rainfall->SetVertAxis(aRightAxis);
        Rainfall->SetSeriesColor(clBlue);
        WriteComponentToFile(StreamPath, Chart);
    }

    TFileStream Stored(StreamPath, fmOpenRead);
    std::ofstream(TextPath) << ObjectBinaryToText(Stored);

    // The settings come back from the stream; the points are the program's to give.
    TChart Loaded(nullptr);
    ReadComponentFromFile(StreamPath, Loaded);
    const double Temperatures[] = {12, 14, 17, 21, 24, 22, 19, 15};
    const double Rain[] = {3, 0, 1, 6, 2, 0, 0, 4};
    for (int Month = 0; Month < 8; ++Month) {
        Loaded.GetSeries(0)->AddXY(Month + 1, Temperatures[Month]);
        Loaded.GetSeries(1)->AddXY(Month + 1, Rain[Month]);
    }
    Loaded.VurCreateBitmap(clWhite, Rect(0, 0, 640, 360))->SaveToFile(PicturePath);
    std::printf("stored %s and %s, read it back into %s\n", StreamPath, TextPath, PicturePath);
    return 0;
}
