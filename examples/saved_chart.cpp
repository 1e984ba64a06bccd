// Saves a chart with its settings, series and points to a file, in the
// binary stream form and in the readable text form, loads each file into a
// new chart and draws both as PNG: the two pictures are the same.
//
//   ./build/default/examples/saved_chart chart.vcf chart.txt chart.png
#include "chart/Chart/Chart.h"
#include "chart/Chart/ChartFile.h"
#include "chart/Series/LineSeries.h"

#include <cstdio>
#include <cstring>
#include <memory>

namespace {
bool SamePixels(const vur::TBitmap& A, const vur::TBitmap& B) {
    const vur::gdi::Bitmap& X = A.GetImage();
    const vur::gdi::Bitmap& Y = B.GetImage();
    if (X.Width() != Y.Width() || X.Height() != Y.Height()) return false;
    for (int Row = 0; Row < X.Height(); ++Row)
        if (std::memcmp(X.Row(Row), Y.Row(Row),
                        sizeof(std::uint32_t) * static_cast<std::size_t>(X.Width())) != 0)
            return false;
    return true;
}
} // namespace

int main(int argc, char** argv) {
    using namespace vur;
    const char* BinaryPath = argc > 1 ? argv[1] : "chart.vcf";
    const char* TextPath = argc > 2 ? argv[2] : "chart.txt";
    const char* PicturePath = argc > 3 ? argv[3] : "chart.png";
    const TRect Bounds = Rect(0, 0, 640, 360);

    {
        TChart Chart(nullptr);
        Chart.SetView3D(false);
        Chart.GetTitle()->SetCaption("Daily visitors");
        // The chart destroys the series still attached to it; they are stored inside it.
        auto* Visitors = new TLineSeries(nullptr);
        Visitors->SetName("Visitors");
        Visitors->SetParentChart(&Chart);
        const double Counts[] = {120, 135, 98, 160, 170, 210, 190, 150, 140, 180, 220, 260, 240, 230};
        for (int Day = 0; Day < 14; ++Day) Visitors->AddXY(Day + 1, Counts[Day]);
        Visitors->SetXLabel(11, "launch");
        auto* Returning = new TLineSeries(nullptr);
        Returning->SetName("Returning");
        Returning->SetParentChart(&Chart);
        Returning->GetLinePen()->SetWidth(2);
        const double Back[] = {40, 52, 45, 70, 66, 90, 95, 80, 72, 88, 120, 150, 141, 139};
        for (int Day = 0; Day < 14; ++Day) Returning->AddXY(Day + 1, Back[Day]);
        SaveChartToFile(Chart, BinaryPath, cffBinary);
        SaveChartToFile(Chart, TextPath, cffText);
    }

    TChart FromBinary(nullptr);
    LoadChartFromFile(FromBinary, BinaryPath);
    TChart FromText(nullptr);
    LoadChartFromFile(FromText, TextPath);
    const auto Picture = FromBinary.VurCreateBitmap(clWhite, Bounds);
    Picture->SaveToFile(PicturePath);
    const bool Same = SamePixels(*FromText.VurCreateBitmap(clWhite, Bounds), *Picture);
    std::printf("saved %s and %s, loaded both; %s drawn, the text form's picture is %s\n", BinaryPath,
                TextPath, PicturePath, Same ? "the same" : "different");
    return Same ? 0 : 1;
}
