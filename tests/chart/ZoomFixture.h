// A flat chart with one line series over 0..100 on both axes, laid out on a
// 400 x 300 plot at (50, 20) without a paint, so that every pixel of the
// plot maps to a known value: x pixel 50 + 4 X, y pixel 320 - 3 Y.
#pragma once

#include "chart/Chart/Chart.h"
#include "chart/Series/LineSeries.h"
#include "framework/Graphics.h"

#include <gtest/gtest.h>

namespace vur::test {

class ZoomFixture : public ::testing::Test {
protected:
    const TRect Plot{50, 20, 450, 320};

    ZoomFixture() {
        Series->SetParentChart(Chart);
        Chart->SetView3D(false);
        for (int X = 0; X <= 100; X += 10) Series->AddXY(X, X);
        Bitmap.SetSize(500, 340);
        Bitmap.GetCanvas()->GetHandle().GetSurface().Fill(clWhite);
        Chart->GetCanvas()->SetCanvas(Bitmap.GetCanvas());
        Layout();
    }

    // What a paint does to the axes: fresh ranges and pixel ends.
    void Layout() {
        Chart->SetChartRect(Plot);
        Chart->ReCalcWidthHeight();
        for (TChartAxis* Axis :
             {Chart->GetBottomAxis(), Chart->GetTopAxis(), Chart->GetLeftAxis(), Chart->GetRightAxis()}) {
            Axis->AdjustMaxMin();
            Axis->InternalCalcPositions();
        }
        Series->CalcFirstLastVisibleIndex();
    }

    void Drag(TMouseButton Button, int X0, int Y0, int X1, int Y1) {
        Chart->MouseDown(Button, 0, X0, Y0);
        Chart->MouseMove(0, X1, Y1);
        Chart->MouseUp(Button, 0, X1, Y1);
        Layout();
    }

    TColor Pixel(int X, int Y) const { return Bitmap.GetImage().GetPixel(X, Y); }

    TComponent Form{nullptr};
    TChart* Chart = new TChart(&Form);
    TLineSeries* Series = new TLineSeries(&Form);
    TBitmap Bitmap;
};

// The range of an axis as (minimum, maximum).
#define EXPECT_RANGE(Axis, Min, Max)                                                                         \
    do {                                                                                                     \
        EXPECT_NEAR((Axis)->GetMinimum(), (Min), 1e-9);                                                      \
        EXPECT_NEAR((Axis)->GetMaximum(), (Max), 1e-9);                                                      \
    } while (false)

} // namespace vur::test
