// The live plotter's chart dressed up: a gradient panel with round corners
// and a soft shadow, a gradient back wall, and a title whose letters carry a
// gradient, in a half-transparent box that casts a shadow, and time labels
// in gradient boxes with shadows of their own. Saved as PNG.
//
//   ./build/default/examples/gradient_chart gradients.png
#include "chart/Chart/Chart.h"
#include "chart/Series/LineSeries.h"
#include "framework/DateTime.h"
#include "framework/Graphics.h"

#include <cstdio>
#include <memory>

int main(int argc, char** argv) {
    using namespace vur;
    const char* Path = argc > 1 ? argv[1] : "gradients.png";

    TChart Chart(nullptr);
    Chart.SetBounds(0, 0, 689, 257);
    Chart.SetView3D(false);
    Chart.GetLegend()->SetVisible(false);
    Chart.GetBottomAxis()->SetDateTimeFormat("hh:nn:ss");

    // Colours are 0xBBGGRR. A top-to-bottom gradient shows its end colour
    // at the top edge and its start colour at the bottom one.
    TVurGradient* Panel = Chart.GetGradient();
    Panel->SetEndColor(0xD8B890);
    Panel->SetStartColor(0xFFFFFF);
    Panel->SetVisible(true);
    // Outside the round corners and around the shadow the panel's colour
    // shows: white, as the page the picture goes on.
    Chart.SetColor(clWhite);
    Chart.SetBorderRound(24);
    Chart.GetShadow()->SetSize(4);

    TChartBackWall* Wall = Chart.GetBackWall();
    Wall->SetTransparent(false);
    TVurGradient* WallFill = Wall->GetGradient();
    WallFill->SetStartColor(0xFFFFFF);
    WallFill->SetEndColor(0xFAEEE2);
    WallFill->SetVisible(true);

    TChartTitle* Title = Chart.GetTitle();
    Title->SetCaption("Live samples");
    Title->SetTransparent(false);
    Title->SetTransparency(35);
    Title->GetShadow()->SetSize(4);
    Title->GetShadow()->SetColor(0x806040);
    TVurFont* Font = Title->GetFont();
    Font->SetSize(14);
    Font->SetStyle(fsBold);
    TVurFontGradient* Letters = Font->GetGradient();
    Letters->SetStartColor(0x0000B0);
    Letters->SetEndColor(0x00A8FF);
    Letters->SetVisible(true);

    // The bottom axis labels stand in boxes of their own: any chart shape's
    // fill, frame, gradient and shadow.
    TAxisLabelFormat* Labels = Chart.GetBottomAxis()->GetItems()->GetFormat();
    Labels->SetTransparent(false);
    Labels->GetFrame()->SetColor(0xB09070);
    Labels->GetGradient()->SetStartColor(0xFFFFFF);
    Labels->GetGradient()->SetEndColor(0xF0E0D0);
    Labels->GetGradient()->SetVisible(true);
    Labels->GetShadow()->SetSize(2);
    Labels->GetShadow()->SetColor(0xC0A080);

    // The chart destroys the series still attached to it.
    auto* Series = new TLineSeries(nullptr);
    Series->SetParentChart(&Chart);
    Series->GetXValues()->SetDateTime(true);
    Series->SetSeriesColor(0xA04010);
    Series->GetLinePen()->SetWidth(2);

    const double Samples[] = {42, 17, 63, 88, 35, 71, 9, 54, 96, 28};
    const TDateTime Start = EncodeDate(2026, 12, 7) + EncodeTime(14, 30, 0, 0);
    for (int I = 0; I < 10; ++I) Series->AddXY(Start + I / 86400.0, Samples[I], "", clDefault);

    const std::unique_ptr<TBitmap> Picture = Chart.VurCreateBitmap(clWhite, Rect(0, 0, 689, 257));
    Picture->SaveToFile(Path);
    std::printf("saved %s\n", Path);
    return 0;
}
