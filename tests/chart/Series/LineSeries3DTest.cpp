// The line in 3D: each segment is a plane through the series' depth slot,
// steep pieces darker. Probes sit in the middle of each plane, projected
// through the chart's own canvas.
#include "LineSeriesFixture.h"

#include "chart/RoVedure/Colors.h"
#include "chart/RoVedure/View3DOptions.h"

namespace vur::test {
namespace {

class LineSeries3D : public LineSeriesFixture {
protected:
    static constexpr int Depth = 20;

    void SetUp() override {
        LineSeriesFixture::SetUp();
        Chart->SetView3D(true);
        TVurCanvas3D* Canvas = Chart->GetCanvas();
        Canvas->SetUseBuffer(false);
        Canvas->InitWindow(Bitmap.GetCanvas(), Chart->GetView3DOptions(), clWhite, true,
                           TRect{0, 0, Width, Height});
        Canvas->ResetState();
        Canvas->Projection(Depth, TRect{0, 0, Width, Height}, Plot);
        // The slot is as deep as it is high on screen: steeper than 1 is dark.
        Chart->SetWalls3D(Depth, Depth, Depth, Depth);
        Series->CalcDepthPositions();
        Series->GetLinePen()->Hide();
    }

    TColor At(int X, int Y, int Z) const {
        const TPoint P = Chart->GetCanvas()->Calculate3DPosition(TPoint3D{X, Y, Z});
        return Pixel(P.X, P.Y);
    }
};

TEST_F(LineSeries3D, SegmentsArePlanesAndSteepOnesAreDarker) {
    // (10, 60) - (30, 60) flat, then (30, 60) - (50, 30): slope 1.5.
    AddPoints({50, 50, 80});
    SetAxes(0, 9);
    Draw();
    EXPECT_EQ(Series->GetDark3DRatio(), 1.0);
    EXPECT_EQ(At(20, 60, Depth / 2), clRed);
    EXPECT_EQ(At(40, 45, Depth / 2), ApplyDark(clRed, 64));
}

TEST_F(LineSeries3D, WithoutDark3DSteepSegmentsKeepTheColour) {
    AddPoints({50, 50, 80});
    Series->SetDark3D(false);
    SetAxes(0, 9);
    Draw();
    EXPECT_EQ(At(40, 45, Depth / 2), clRed);
}

TEST_F(LineSeries3D, StairsAreAFlatThenADarkVerticalPlane) {
    AddPoints({50, 80});
    Series->SetStairs(true);
    SetAxes(0, 9);
    Draw();
    // Near the front: further back the vertical plane, drawn second, covers the flat one.
    EXPECT_EQ(At(14, 60, 4), clRed);
    EXPECT_EQ(At(30, 45, Depth / 2), ApplyDark(clRed, 64));
}

TEST_F(LineSeries3D, ARibbonShowsItsFrontFaceLineHeightHigh) {
    AddPoints({50, 50});
    Series->SetLineHeight(6);
    SetAxes(0, 9);
    Draw();
    // The front face spans rows 60 to 66 at the front.
    EXPECT_EQ(At(20, 63, 0), clRed);
    EXPECT_EQ(At(20, 70, 0), clWhite);
}

} // namespace
} // namespace vur::test
