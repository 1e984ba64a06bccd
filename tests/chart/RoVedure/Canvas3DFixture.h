// A 3D chart canvas drawing straight on a white bitmap (no buffer), with a
// view to set up per test and pixel probes. A failing test leaves its
// picture next to the test program as <test name>.png.
#pragma once

#include "chart/RoVedure/DrawSettings.h"
#include "chart/RoVedure/View3DOptions.h"
#include "chart/RoVedure/VurCanvas3D.h"
#include "framework/Graphics.h"
#include "tests/chart/PixelProbes.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

namespace vur {

// Remembers the corners of every four-cornered face it paints.
class TFaceRecordingCanvas : public TVurCanvas3D {
public:
    void PolygonFour() override {
        Faces.push_back(GetFourPoints());
        TVurCanvas3D::PolygonFour();
    }
    std::vector<TFourPoints> Faces;
};

class Canvas3DFixture : public ::testing::Test {
protected:
    static constexpr int Width = 240;
    static constexpr int Height = 200;
    static constexpr int Depth = 60;
    // Centre (120, 100), depth centre 30.
    const TRect ChartRect{20, 20, 220, 180};

    void SetUp() override {
        ResetVurDrawSettings();
        Bitmap.SetSize(Width, Height);
        Canvas.SetUseBuffer(false);
    }

    void TearDown() override {
        if (HasFailure()) Bitmap.SaveToFile(std::string(Name()) + ".png");
    }

    static const char* Name() { return ::testing::UnitTest::GetInstance()->current_test_info()->name(); }

    // Starts a paint: 2D, orthogonal (the default view) or full 3D.
    void Start(bool Is3D) {
        Canvas.InitWindow(Bitmap.GetCanvas(), &Options, clWhite, Is3D, TRect{0, 0, Width, Height});
        Canvas.ResetState();
        Canvas.Projection(Depth, TRect{0, 0, Width, Height}, ChartRect);
    }

    void FullView(int Rotation = 345, int Elevation = 345) {
        Options.SetOrthogonal(false);
        Options.SetPerspective(0);
        Options.SetRotation(Rotation);
        Options.SetElevation(Elevation);
    }

    // A solid brush of Color and no outline.
    void FillOnly(TColor Color) {
        Canvas.GetBrush()->SetColor(Color);
        Canvas.GetBrush()->SetStyle(bsSolid);
        Canvas.GetPen()->SetStyle(psClear);
    }

    TPoint At(int X, int Y, int Z) const { return Canvas.Calculate3DPosition(TPoint3D{X, Y, Z}); }
    TColor Pixel(int X, int Y) const { return Bitmap.GetImage().GetPixel(X, Y); }
    TColor Pixel(const TPoint& P) const { return Pixel(P.X, P.Y); }
    void Clear() { Bitmap.GetCanvas()->GetHandle().GetSurface().Fill(clWhite); }

    int Count(TColor Color) const {
        return test::CountPixels(TRect{0, 0, Width, Height},
                                 [this, Color](int X, int Y) { return Pixel(X, Y) == Color; });
    }

    // The smallest rectangle holding every pixel that is not white.
    TRect Ink() const {
        return test::InkBox(TRect{0, 0, Width, Height},
                            [this](int X, int Y) { return Pixel(X, Y) != clWhite; });
    }

    TBitmap Bitmap;
    TView3DOptions Options{nullptr};
    TFaceRecordingCanvas Canvas;
};

// The middle of four corners.
inline TPoint Middle(const TFourPoints& Q) {
    return TPoint{(Q[0].X + Q[1].X + Q[2].X + Q[3].X) / 4, (Q[0].Y + Q[1].Y + Q[2].Y + Q[3].Y) / 4};
}

} // namespace vur
