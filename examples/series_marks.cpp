// A line chart with value marks on every third point: callouts with arrow
// heads, one mark moved by hand that stays where it was put, and one mark
// in the small mark-up language. Saves the picture as PNG.
//
//   ./build/default/examples/series_marks marks.png
#include "chart/Chart/Chart.h"
#include "chart/Series/LineSeries.h"
#include "framework/Graphics.h"

#include <cstdio>
#include <memory>

int main(int argc, char** argv) {
    using namespace vur;
    const char* Path = argc > 1 ? argv[1] : "marks.png";

    TChart Chart(nullptr);
    Chart.SetBounds(0, 0, 689, 320);
    Chart.SetView3D(false);
    Chart.GetTitle()->SetCaption("Series marks");
    Chart.GetLegend()->SetVisible(false);

    // The chart destroys the series still attached to it.
    auto* Series = new TLineSeries(nullptr);
    Series->SetParentChart(&Chart);
    const double Samples[] = {42, 17, 63, 88, 35, 71, 9, 54, 96, 28, 47, 80, 61};
    for (int I = 0; I < 13; ++I) Series->AddXY(I, Samples[I]);
    Series->SetXLabel(3, "peak");

    TSeriesMarks* Marks = Series->GetMarks();
    Marks->SetVisible(true);
    Marks->SetDrawEvery(3);
    Marks->SetStyle(smsLabel);
    TMarksCallout* Callout = Marks->GetCallout();
    Callout->SetLength(20);
    Callout->GetArrow()->SetColor(clGray);
    Callout->SetArrowHead(ahSolid);
    Callout->SetArrowHeadSize(8);

    // Point 9 gets its own box: mark-up text on a light green fill.
    TMarksItem* Item = Marks->Items().Get(9);
    Item->SetColor(static_cast<TColor>(0xC0FFC0));
    Item->SetTextFormat(ttfHtml);
    Item->Text = {"<b>28</b> <i>low</i>"};

    // A first paint places every mark; then the mark of point 6 moves up and
    // to the right of its point and keeps that place in every later paint.
    Chart.VurCreateBitmap(clWhite, Rect(0, 0, 689, 320));
    TSeriesMarkPosition Moved = *Marks->Positions().Get(6);
    Moved.MarkLeftTop.X += 45;
    Moved.MarkLeftTop.Y -= 30;
    Moved.ArrowEnd = TPoint{Moved.MarkLeftTop.X, Moved.MarkLeftTop.Y + Moved.Height / 2};
    Marks->Positions().Put(6, Moved);

    const std::unique_ptr<TBitmap> Picture = Chart.VurCreateBitmap(clWhite, Rect(0, 0, 689, 320));
    Picture->SaveToFile(Path);
    std::printf("saved %s\n", Path);
    return 0;
}
