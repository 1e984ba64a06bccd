// A flat chart with one red line series drawn straight onto a white bitmap,
// with axes whose ranges and pixel extents each test sets. A failing test
// leaves its picture next to the test program as <test name>.png.
#pragma once

#include "chart/Chart/Chart.h"
#include "chart/RoVedure/DrawSettings.h"
#include "chart/Series/LineSeries.h"
#include "framework/Graphics.h"
#include "tests/chart/PixelProbes.h"

#include <algorithm>
#include <gtest/gtest.h>
#include <string>

namespace vur::test {

// Lets a test set the depth the paint's layout would give.
class TDepthChart : public TChart {
public:
    using TChart::SetWalls3D;
    using TChart::TChart;
};

class LineSeriesFixture : public ::testing::Test {
protected:
    static constexpr int Width = 200;
    static constexpr int Height = 130;
    // With X from 0 to 9 and Y from 0 to 100: x pixel = 10 + 20 X, y pixel = 110 - Y.
    const TRect Plot{10, 10, 190, 110};

    void SetUp() override {
        ResetVurDrawSettings();
        Series->SetParentChart(Chart);
        Series->SetSeriesColor(clRed);
        Chart->SetView3D(false);
        Bitmap.SetSize(Width, Height);
        Clear();
        Chart->GetCanvas()->SetCanvas(Bitmap.GetCanvas());
    }

    void TearDown() override {
        if (!HasFailure()) return;
        std::string Name = ::testing::UnitTest::GetInstance()->current_test_info()->name();
        std::replace(Name.begin(), Name.end(), '/', '_');
        Bitmap.SaveToFile(Name + ".png");
    }

    void SetAxes(double XMin, double XMax, double YMin = 0, double YMax = 100) {
        Chart->GetBottomAxis()->SetMinMax(XMin, XMax);
        Chart->GetLeftAxis()->SetMinMax(YMin, YMax);
        Chart->SetChartRect(Plot);
        Chart->ReCalcWidthHeight();
        for (TChartAxis* Axis : {Chart->GetBottomAxis(), Chart->GetLeftAxis()}) {
            Axis->AdjustMaxMin();
            Axis->InternalCalcPositions();
        }
    }

    // What the paint does for the series, without the rest of the chart.
    void Draw() {
        Series->CalcFirstLastVisibleIndex();
        if (Series->GetFirstVisibleIndex() >= 0) Series->DrawAllValues();
    }

    void AddPoints(std::initializer_list<double> Ys) {
        double X = 0;
        for (double Y : Ys) Series->AddXY(X++, Y);
    }

    void Clear() { Bitmap.GetCanvas()->GetHandle().GetSurface().Fill(clWhite); }
    TColor Pixel(int X, int Y) const { return Bitmap.GetImage().GetPixel(X, Y); }
    int Count(TColor Color, const TRect& R) const {
        return test::CountPixels(R, [this, Color](int X, int Y) { return Pixel(X, Y) == Color; });
    }
    int Count(TColor Color) const { return Count(Color, TRect{0, 0, Width, Height}); }
    static int Differences(const gdi::Bitmap& A, const gdi::Bitmap& B) {
        int N = 0;
        for (int Y = 0; Y < Height; ++Y)
            for (int X = 0; X < Width; ++X) N += A.GetPixel(X, Y) != B.GetPixel(X, Y);
        return N;
    }

    TComponent Form{nullptr};
    TDepthChart* Chart = new TDepthChart(&Form);
    TLineSeries* Series = new TLineSeries(&Form);
    TBitmap Bitmap;
};

} // namespace vur::test
