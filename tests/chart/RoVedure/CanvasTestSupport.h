// A chart canvas drawing on a white bitmap, with pixel probes. A failing test
// leaves its picture next to the test program as <test name>.png.
#pragma once

#include "chart/RoVedure/Clip.h"
#include "chart/RoVedure/DrawSettings.h"
#include "chart/RoVedure/VurCanvas3D.h"
#include "framework/Graphics.h"
#include "tests/chart/PixelProbes.h"

#include <gtest/gtest.h>

#include <string>

namespace vur {

class CanvasFixture : public ::testing::Test {
protected:
    static constexpr int Width = 120;
    static constexpr int Height = 80;

    void SetUp() override {
        ResetVurDrawSettings();
        Bitmap.SetSize(Width, Height);
        Canvas.SetCanvas(Bitmap.GetCanvas());
        Canvas.ResetState();
    }

    void TearDown() override {
        if (HasFailure()) Save(::testing::UnitTest::GetInstance()->current_test_info()->name());
    }

    void Save(const std::string& Name) const { Bitmap.SaveToFile(Name + ".png"); }

    TColor Pixel(int X, int Y) const { return Bitmap.GetImage().GetPixel(X, Y); }

    int Count(TColor Color, const TRect& R) const {
        return test::CountPixels(R, [this, Color](int X, int Y) { return Pixel(X, Y) == Color; });
    }

    int Count(TColor Color) const { return Count(Color, TRect{0, 0, Width, Height}); }

    // The smallest rectangle holding every pixel that is not white; empty when none.
    TRect Ink() const {
        return test::InkBox(TRect{0, 0, Width, Height},
                            [this](int X, int Y) { return Pixel(X, Y) != clWhite; });
    }

    void Clear() { Bitmap.GetCanvas()->GetHandle().GetSurface().Fill(clWhite); }

    TBitmap Bitmap;
    TVurCanvas3D Canvas;
};

} // namespace vur
