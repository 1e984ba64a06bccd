// A flat chart whose left and bottom axes draw on a white picture, with
// pixel probes. A failing test leaves its picture as <test name>.png.
#pragma once

#include "chart/DaZezava/AxisTestSupport.h"

#include <algorithm>
#include <initializer_list>
#include <string>

namespace vur::test {

constexpr TColor Grey = 0x808080;

struct AxisDrawFixture : AxisFixture {
    TVurCanvas3D* Canvas = nullptr;
    TChartAxis* Left = nullptr;
    TChartAxis* Bottom = nullptr;

    // The series holds (I, 11 I) for I = 0 .. 9.
    void SetUp() override {
        AxisFixture::SetUp();
        Chart->SetView3D(false);
        Bitmap.SetSize(500, 400);
        Canvas = Chart->GetCanvas();
        Canvas->SetCanvas(Bitmap.GetCanvas());
        Canvas->GetBrush()->SetStyle(bsSolid);
        Canvas->GetBrush()->SetColor(clWhite);
        Canvas->FillRect(TRect{0, 0, 500, 400});
        Left = Chart->GetLeftAxis();
        Bottom = Chart->GetBottomAxis();
        for (int I = 0; I < 10; ++I) Series->AddXY(I, I * 11);
    }
    // The panel's layout: each axis takes its bands off R in turn; the rest
    // becomes the chart rectangle.
    TRect Arrange(std::initializer_list<TChartAxis*> Axes, TRect R) {
        Layout(R);
        for (TChartAxis* Axis : Axes) Axis->CalcRect(R, true);
        Layout(R);
        return R;
    }
    void TearDown() override {
        if (HasFailure())
            Bitmap.SaveToFile(std::string(::testing::UnitTest::GetInstance()->current_test_info()->name()) +
                              ".png");
    }

    TColor Pixel(int X, int Y) const { return Bitmap.GetImage().GetPixel(X, Y); }
    static bool Dark(TColor C) {
        return (C & 0xFF) < 0x60 && ((C >> 8) & 0xFF) < 0x60 && ((C >> 16) & 0xFF) < 0x60;
    }

    int Count(const TRect& R, bool (*Test)(TColor)) const {
        int N = 0;
        for (int Y = R.Top; Y < R.Bottom; ++Y)
            for (int X = R.Left; X < R.Right; ++X) N += Test(Pixel(X, Y)) ? 1 : 0;
        return N;
    }
    int CountGrey(const TRect& R) const {
        return Count(R, [](TColor C) { return C == Grey; });
    }
    int CountDark(const TRect& R) const { return Count(R, Dark); }

    // The smallest rectangle holding every dark pixel of R; empty when none.
    TRect Ink(const TRect& R) const {
        TRect Result{R.Right, R.Bottom, R.Left, R.Top};
        for (int Y = R.Top; Y < R.Bottom; ++Y)
            for (int X = R.Left; X < R.Right; ++X)
                if (Dark(Pixel(X, Y))) {
                    Result.Left = std::min(Result.Left, X);
                    Result.Top = std::min(Result.Top, Y);
                    Result.Right = std::max(Result.Right, X + 1);
                    Result.Bottom = std::max(Result.Bottom, Y + 1);
                }
        return Result;
    }
};

} // namespace vur::test
