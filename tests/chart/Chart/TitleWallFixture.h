// A chart with titles, walls and a background picture, painted headless
// into its window picture, with pixel probes. A failing test leaves its
// picture as <test name>.png.
#pragma once

#include "chart/Chart/Chart.h"
#include "chart/Chart/Title.h"
#include "chart/Chart/Walls.h"
#include "chart/Series/LineSeries.h"
#include "chart/VurProcs/BackImage.h"
#include "tests/chart/PixelProbes.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <string>

namespace vur::test {

// The chart with short names for its titles, walls and picture, and the
// plot rectangle as the titles found and left it.
class TDressedChart : public TChart {
public:
    explicit TDressedChart(TComponent* AOwner) : TChart(AOwner) {}

    TChartTitle& Title = *GetTitle();
    TChartTitle& SubTitle = *GetSubTitle();
    TChartFootTitle& Foot = *GetFoot();
    TChartFootTitle& SubFoot = *GetSubFoot();
    TChartWalls& Walls = *GetWalls();
    TBackImage& BackImage = *GetBackImage();
    TRect MarginRect;
    TRect TitledRect;

    void DrawTitlesAndLegend(bool BeforeSeries) override {
        if (BeforeSeries) MarginRect = GetChartRect();
        TChart::DrawTitlesAndLegend(BeforeSeries);
        if (BeforeSeries) TitledRect = GetChartRect();
    }
};

class DressedChartFixture : public ::testing::Test {
protected:
    void SetUp() override {
        Chart->SetBounds(0, 0, 689, 257);
        Chart->SetView3D(false);
        // Hidden as on the main form: the titles alone take their room.
        Chart->GetLegend()->SetVisible(false);
        Series->SetParentChart(Chart);
        for (int I = 0; I < 10; ++I) Series->AddXY(I, (I * 37) % 100);
    }

    void TearDown() override {
        if (HasFailure()) Save(::testing::UnitTest::GetInstance()->current_test_info()->name());
    }

    void Paint() { Chart->Draw(); }
    void Save(const std::string& Name) const { Chart->GetWindowImage().SaveToFile(Name + ".png"); }
    TColor Pixel(int X, int Y) const { return Chart->GetWindowImage().GetImage().GetPixel(X, Y); }

    int Count(TColor Color, const TRect& R) const {
        return test::CountPixels(R, [this, Color](int X, int Y) { return Pixel(X, Y) == Color; });
    }

    // Within 64 of Color on each channel (text edges are smoothed).
    static bool Near(TColor A, TColor B) {
        for (int Shift = 0; Shift < 24; Shift += 8) {
            const int D = static_cast<int>((A >> Shift) & 0xFF) - static_cast<int>((B >> Shift) & 0xFF);
            if (D > 64 || D < -64) return false;
        }
        return true;
    }

    // The smallest rectangle holding every pixel near Color inside R; empty when none.
    TRect Ink(TColor Color, const TRect& R) const {
        return InkBox(R, [this, Color](int X, int Y) { return Near(Pixel(X, Y), Color); });
    }

    // The height and width of texts in a title's default font, measured on a
    // canvas of its own.
    static int FontHeight(TVurFont& Font) { return Measure(Font, "W", false); }
    static int TextWidth(TVurFont& Font, const std::string& Text) { return Measure(Font, Text, true); }

    TComponent Form{nullptr};
    TDressedChart* Chart = new TDressedChart(&Form);
    TLineSeries* Series = new TLineSeries(&Form);

private:
    static int Measure(TVurFont& Font, const std::string& Text, bool Width) {
        TBitmap Bitmap(10, 10);
        TVurCanvas3D Canvas;
        Canvas.SetCanvas(Bitmap.GetCanvas());
        Canvas.AssignFont(&Font);
        const int Result = Width ? Canvas.TextWidth(Text) : Canvas.TextHeight(Text);
        Canvas.ReleaseFont(&Font);
        return Result;
    }
};

} // namespace vur::test
