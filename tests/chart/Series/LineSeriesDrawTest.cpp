// Pixel probes of the flat line drawing. Expected pixels come from the axis
// geometry of the fixture (x = 10 + 20 X, y = 110 - Y) and the device's line
// rule: a line sets one pixel per step of its longer extent, end excluded.
#include "LineSeriesFixture.h"

#include <cmath>
#include <cstdint>
#include <vector>

namespace vur::test {
namespace {

using LineSeriesDraw = LineSeriesFixture;

// A zig-zag between 20 and 80: segment i runs from (10 + 20 i, 90 or 30)
// to the next, through (20 + 20 i, 60).
constexpr std::initializer_list<double> ZigZag = {20, 80, 20, 80, 20, 80, 20, 80, 20, 80};

TEST_F(LineSeriesDraw, TenPointsDrawNineSegmentsInTheSeriesColour) {
    AddPoints(ZigZag);
    SetAxes(0, 9);
    Draw();
    for (int Segment = 0; Segment < 9; ++Segment) EXPECT_EQ(Pixel(20 + 20 * Segment, 60), clRed) << Segment;
    EXPECT_EQ(Count(clRed, TRect{0, 0, 10, Height}), 0);
    EXPECT_EQ(Count(clRed, TRect{191, 0, Width, Height}), 0);
    EXPECT_EQ(Count(clRed, TRect{0, 0, Width, 30}), 0);
    EXPECT_EQ(Count(clRed, TRect{0, 91, Width, Height}), 0);
}

// A ramp (0, 10, ... 90): each segment runs 20 columns and 10 rows, so every
// column from 10 to 189 holds exactly one pixel of the line.
TEST_F(LineSeriesDraw, ARampIsOnePixelPerColumnAndEndsBeforeItsLastPoint) {
    AddPoints({0, 10, 20, 30, 40, 50, 60, 70, 80, 90});
    SetAxes(0, 9);
    Draw();
    for (int X = 10; X < 190; ++X) ASSERT_EQ(Count(clRed, TRect{X, 0, X + 1, Height}), 1) << X;
    EXPECT_EQ(Count(clRed), 180);
    for (int Segment = 0; Segment < 9; ++Segment)
        EXPECT_EQ(Pixel(20 + 20 * Segment, 105 - 10 * Segment), clRed) << Segment;
}

TEST_F(LineSeriesDraw, ASinglePointDrawsNothing) {
    Series->AddXY(4, 50);
    SetAxes(0, 9);
    Draw();
    EXPECT_EQ(Count(clWhite), Width * Height);
}

TEST_F(LineSeriesDraw, ZoomedPastTheFirstPointsTheLineStartsOnTheEdgeAtTheCrossingHeight) {
    AddPoints({0, 10, 20, 30, 40, 50, 60, 70, 80, 90});
    // X 2.5 on the left edge: point 3 is the first inside, at (20, 80); the
    // segment from point 2 (Y 20) crosses the edge at Y 25, row 85.
    SetAxes(2.5, 11.5);
    Draw();
    EXPECT_EQ(Series->GetFirstVisibleIndex(), 3);
    EXPECT_EQ(Pixel(10, 85), clRed);
    EXPECT_EQ(Pixel(10, 90), clWhite);
    EXPECT_EQ(Count(clRed, TRect{0, 0, 10, Height}), 0);
}

TEST_F(LineSeriesDraw, OnALogarithmicAxisTheEdgeHeightIsInterpolatedInLogarithms) {
    Series->AddXY(0, 10);
    Series->AddXY(1, 1000);
    Series->AddXY(2, 1000);
    Chart->GetLeftAxis()->SetLogarithmic(true);
    // X 0.5 on the edge: halfway in logarithms between 10 and 1000 is 100,
    // the middle of 1..10000, row 60.
    SetAxes(0.5, 9.5, 1, 10000);
    Draw();
    EXPECT_EQ(Pixel(10, 60), clRed);
    EXPECT_EQ(Count(clRed, TRect{10, 0, 11, 58}), 0);
}

TEST_F(LineSeriesDraw, ANullCutsBothNeighbouringSegments) {
    AddPoints({0, 10, 20, 30, 40, 50, 60, 70, 80, 90});
    Series->SetNull(5);
    SetAxes(0, 9);
    Draw();
    // Segments 4 (columns 90..109) and 5 (110..129) are gone, the rest stay.
    for (int X = 10; X < 190; ++X)
        ASSERT_EQ(Count(clRed, TRect{X, 0, X + 1, Height}), X >= 90 && X < 130 ? 0 : 1) << X;
}

// A value that is not a number is a gap like a null, in the line pass and in
// the wider outline pass, whichever way the block of points is drawn.
TEST_F(LineSeriesDraw, AValueThatIsNotFiniteCutsBothNeighbouringSegments) {
    for (const double Odd : {std::nan(""), HUGE_VAL, -HUGE_VAL})
        for (const bool Outline : {false, true}) {
            SCOPED_TRACE(testing::Message() << Odd << (Outline ? " with outline" : ""));
            Series->Clear();
            AddPoints({0, 10, 20, 30, 40, Odd, 60, 70, 80, 90});
            Series->GetOutLine()->SetVisible(Outline);
            SetAxes(0, 9);
            Clear();
            Draw();
            // Segments 4 (columns 90..109) and 5 (110..129) are gone; the
            // outline may reach a pixel or two past the ends of the others.
            EXPECT_EQ(Count(clRed, TRect{92, 0, 128, Height}), 0);
            EXPECT_EQ(Count(clBlack, TRect{92, 0, 128, Height}), 0);
            EXPECT_EQ(Pixel(50, 90), clRed);
            EXPECT_EQ(Pixel(150, 40), clRed);
        }
}

TEST_F(LineSeriesDraw, ANullBeforeTheEdgeDrawsNoEdgeSegment) {
    AddPoints({0, 10, 20, 30, 40});
    Series->SetNull(2);
    SetAxes(2.5, 11.5);
    Draw();
    EXPECT_EQ(Count(clRed, TRect{0, 0, 20, Height}), 0);
    EXPECT_EQ(Pixel(30, 75), clRed);
}

TEST_F(LineSeriesDraw, StairsGoAcrossThenUp) {
    AddPoints({20, 80});
    Series->SetStairs(true);
    SetAxes(0, 9);
    Draw();
    EXPECT_EQ(Pixel(20, 90), clRed);
    EXPECT_EQ(Pixel(30, 60), clRed);
    EXPECT_EQ(Pixel(10, 60), clWhite);
    EXPECT_EQ(Count(clRed), 20 + 60);
}

TEST_F(LineSeriesDraw, InvertedStairsGoUpThenAcross) {
    AddPoints({20, 80});
    Series->SetStairs(true);
    Series->SetInvertedStairs(true);
    SetAxes(0, 9);
    Draw();
    EXPECT_EQ(Pixel(10, 60), clRed);
    EXPECT_EQ(Pixel(20, 30), clRed);
    EXPECT_EQ(Pixel(20, 90), clWhite);
    EXPECT_EQ(Count(clRed), 60 + 20);
}

TEST_F(LineSeriesDraw, StairsIntoThePlotStartOnTheEdgeAtTheEarlierHeight) {
    AddPoints({0, 10, 20, 30, 40});
    Series->SetStairs(true);
    SetAxes(2.5, 11.5);
    Draw();
    EXPECT_EQ(Pixel(10, 90), clRed);
    EXPECT_EQ(Pixel(20, 85), clRed);
}

TEST_F(LineSeriesDraw, TheOutlineIsDrawnFourPixelsWideThenTheLineOnePixel) {
    AddPoints({50, 50, 50, 50, 50, 50, 50, 50, 50, 50});
    Series->GetOutLine()->SetColor(clBlue);
    Series->GetOutLine()->Show();
    SetAxes(0, 9);
    Draw();
    int Blue = 0;
    for (int Y = 50; Y < 70; ++Y) Blue += Pixel(100, Y) == clBlue;
    EXPECT_EQ(Blue, 3);
    EXPECT_EQ(Pixel(100, 60), clRed);
    EXPECT_EQ(Count(clRed), 180);
    // Neither pen changed, and the next paint draws the same.
    EXPECT_EQ(Series->GetLinePen()->GetWidth(), 1);
    EXPECT_EQ(Series->GetOutLine()->GetWidth(), 1);
}

TEST_F(LineSeriesDraw, TheShadowIsACopyOffsetUnderTheLine) {
    AddPoints({50, 50, 50});
    Series->GetShadow()->SetHorizSize(3);
    Series->GetShadow()->SetVertSize(2);
    Series->GetShadow()->SetColor(clGreen);
    SetAxes(0, 9);
    const int StartBefore = Chart->GetBottomAxis()->GetPixelStart();
    Draw();
    EXPECT_EQ(Pixel(30, 60), clRed);
    EXPECT_EQ(Pixel(30, 62), clGreen);
    EXPECT_EQ(Pixel(12, 62), clWhite);
    EXPECT_EQ(Pixel(13, 62), clGreen);
    EXPECT_EQ(Chart->GetBottomAxis()->GetPixelStart(), StartBefore);
    EXPECT_EQ(Series->GetSeriesColor(), clRed);
}

TEST_F(LineSeriesDraw, WithColorEachPointEachSegmentTakesTheColourOfThePointItEndsAt) {
    AddPoints({20, 80, 20});
    Series->SetValueColor(1, clGreen);
    Series->SetValueColor(2, clBlue);
    Series->SetColorEachPoint(true);
    SetAxes(0, 9);
    Draw();
    EXPECT_EQ(Pixel(20, 60), clGreen);
    EXPECT_EQ(Pixel(40, 60), clBlue);

    Clear();
    Series->SetColorEachLine(false);
    Draw();
    EXPECT_EQ(Pixel(20, 60), clRed);
    EXPECT_EQ(Pixel(40, 60), clRed);
}

TEST_F(LineSeriesDraw, AnInvertedAxisDrawsBackwardsFromTheRightEdge) {
    AddPoints({0, 10, 20, 30, 40, 50, 60, 70, 80, 90});
    Chart->GetBottomAxis()->SetInverted(true);
    // X 2.5 now on the right edge, 190: x pixel = 190 - 20 (X - 2.5).
    SetAxes(2.5, 11.5);
    EXPECT_FALSE(Series->DrawValuesForward());
    Draw();
    // Point 3 at (180, 80), point 4 at (160, 70); the segment from point 2
    // reaches the edge at Y 25, row 85, and like every segment drawn
    // backwards leaves out its end there. At x 189 it passes halfway
    // between rows 84 and 85 and takes the upper one.
    EXPECT_EQ(Pixel(170, 75), clRed);
    EXPECT_EQ(Pixel(180, 80), clRed);
    EXPECT_EQ(Pixel(189, 84), clRed);
    EXPECT_EQ(Count(clRed, TRect{190, 0, Width, Height}), 0);
    EXPECT_EQ(Count(clRed), 6 * 20 + 10);
}

// The mirror of the zoomed line on a plain axis, clipped to the plot as the
// paint clips it: with X 2.5 to 7.5 the x pixel is 190 - 36 (X - 2.5), so
// point 3 is at (172, 80) and point 7 at (28, 40). The segment from point 2
// (Y 20) meets the right edge at Y 25, row 85; the one from point 8 (Y 80,
// x -8) meets the left edge at Y 75, row 35.
TEST_F(LineSeriesDraw, OnAnInvertedAxisTheLineReachesBothEdgesAtTheCrossingHeights) {
    AddPoints({0, 10, 20, 30, 40, 50, 60, 70, 80, 90});
    Chart->GetBottomAxis()->SetInverted(true);
    SetAxes(2.5, 7.5);
    Chart->GetCanvas()->ClipRectangle(TRect{Plot.Left, Plot.Top, Plot.Right, Plot.Bottom + 1});
    Draw();
    Chart->GetCanvas()->UnClipRectangle();
    EXPECT_EQ(Series->GetFirstVisibleIndex(), 3);
    EXPECT_EQ(Pixel(10, 35), clRed);
    EXPECT_EQ(Pixel(189, 85), clRed);
    EXPECT_EQ(Pixel(189, 90), clWhite);
    // One pixel per column from point 3 to the right edge, none beyond.
    EXPECT_EQ(Count(clRed, TRect{173, 0, 190, Height}), 17);
    EXPECT_EQ(Count(clRed, TRect{190, 0, Width, Height}), 0);
    EXPECT_EQ(Count(clRed, TRect{0, 0, 10, Height}), 0);

    // A null beyond the right edge leaves that side open: the segment from
    // point 4 (136, 70) ends just before point 3.
    Clear();
    Series->SetNull(2);
    Draw();
    EXPECT_EQ(Pixel(171, 80), clRed);
    EXPECT_EQ(Count(clRed, TRect{172, 0, Width, Height}), 0);
}

TEST_F(LineSeriesDraw, AHiddenLinePenDrawsNoLine) {
    AddPoints(ZigZag);
    Series->GetLinePen()->Hide();
    SetAxes(0, 9);
    Draw();
    EXPECT_EQ(Count(clWhite), Width * Height);
}

// Records the markers the line asks for.
class TMarkerSeries : public TLineSeries {
public:
    using TLineSeries::TLineSeries;
    void DrawPointer(int ValueIndex, int X, int Y, TColor Color) override {
        Markers.push_back({ValueIndex, X, Y, Color});
    }
    struct Marker {
        int Index, X, Y;
        TColor Color;
        bool operator==(const Marker&) const = default;
    };
    std::vector<Marker> Markers;
};

TEST_F(LineSeriesDraw, MarkersFollowTheSegmentLeavingTheirPointAndSkipNulls) {
    auto* Marked = new TMarkerSeries(&Form);
    Marked->SetParentChart(Chart);
    Marked->SetSeriesColor(clRed);
    Marked->AddXY(0, 20);
    Marked->AddXY(1, 80);
    Marked->AddXY(2, 20);
    Marked->AddNullXY(3, 80);
    Marked->AddXY(4, 20);
    SetAxes(0, 9);
    Marked->CalcFirstLastVisibleIndex();
    Marked->DrawAllValues();
    EXPECT_TRUE(Marked->Markers.empty());

    Marked->GetPointer()->Show();
    Marked->DrawAllValues();
    using M = TMarkerSeries::Marker;
    const std::vector<M> Expected{
        {0, 10, 90, clRed}, {1, 30, 30, clRed}, {2, 50, 90, clRed}, {4, 90, 90, clRed}};
    EXPECT_EQ(Marked->Markers, Expected);

    // With a shadow the pointer is hidden for the shadow pass.
    Marked->Markers.clear();
    Marked->GetShadow()->SetSize(2);
    Marked->DrawAllValues();
    EXPECT_EQ(Marked->Markers, Expected);
}

TEST_F(LineSeriesDraw, ASinglePointShowsOnlyItsMarker) {
    auto* Marked = new TMarkerSeries(&Form);
    Marked->SetParentChart(Chart);
    Marked->AddXY(4, 50);
    Marked->GetPointer()->Show();
    SetAxes(0, 9);
    Marked->CalcFirstLastVisibleIndex();
    Marked->DrawAllValues();
    ASSERT_EQ(Marked->Markers.size(), 1u);
    EXPECT_EQ(Marked->Markers[0].X, 90);
    EXPECT_EQ(Marked->Markers[0].Y, 60);
    EXPECT_EQ(Count(clWhite), Width * Height);
}

// Dense data puts many segments into one column; whatever the drawing
// leaves out there, the picture is the one of a plain line call per segment.
// Noisy data, and steps of a few rows that repeat, so that columns often end
// on their lowest or highest row; drawn forwards and (inverted) backwards.
TEST_F(LineSeriesDraw, DenseDataDrawsThePixelsOfOneLineCallPerSegment) {
    for (const bool Steps : {false, true})
        for (const bool Inverted : {false, true}) {
            SCOPED_TRACE(testing::Message() << "steps " << Steps << " inverted " << Inverted);
            Series->Clear();
            std::uint32_t Seed = 7;
            for (int I = 0; I < 5000; ++I) {
                Seed = Seed * 1664525u + 1013904223u;
                const double Noise = static_cast<double>(Seed >> 24) / 16.0 - 8;
                Series->AddXY(I, Steps ? 40 + static_cast<int>(Seed >> 29)
                                       : 50 + 30 * std::sin(I / 300.0) + Noise);
            }
            Series->SetNull(2500);
            Chart->GetBottomAxis()->SetInverted(Inverted);
            SetAxes(0, 4999);
            Clear();
            Draw();
            const gdi::Bitmap Drawn = Bitmap.GetImage();

            Clear();
            TCanvas* Plain = Bitmap.GetCanvas();
            Plain->GetPen()->SetColor(clRed);
            for (int I = 1; I < Series->Count(); ++I) {
                if (Series->IsNull(I) || Series->IsNull(I - 1)) continue;
                Plain->MoveTo(Series->CalcXPos(I - 1), Series->CalcYPos(I - 1));
                Plain->LineTo(Series->CalcXPos(I), Series->CalcYPos(I));
            }
            EXPECT_EQ(Differences(Drawn, Bitmap.GetImage()), 0);
            EXPECT_GT(Count(clRed), Steps ? 500 : 1000);
        }
}

// Point colours that change every few points inside one column: each
// segment must still come out in the colour of the point it ends at, drawn
// over the ones before it.
TEST_F(LineSeriesDraw, DenseDataInChangingPointColoursDrawsEachSegmentInItsEndPointsColour) {
    std::uint32_t Seed = 11;
    for (int I = 0; I < 3000; ++I) {
        Seed = Seed * 1664525u + 1013904223u;
        Series->AddXY(I, 50 + 30 * std::cos(I / 200.0) + static_cast<double>(Seed >> 24) / 12.0 - 10);
        Series->SetValueColor(I, I / 7 % 2 ? clBlue : clRed);
    }
    Series->SetColorEachPoint(true);
    SetAxes(0, 2999);
    Draw();
    const gdi::Bitmap Drawn = Bitmap.GetImage();

    Clear();
    TCanvas* Plain = Bitmap.GetCanvas();
    for (int I = 1; I < Series->Count(); ++I) {
        Plain->GetPen()->SetColor(Series->GetValueColor(I));
        Plain->MoveTo(Series->CalcXPos(I - 1), Series->CalcYPos(I - 1));
        Plain->LineTo(Series->CalcXPos(I), Series->CalcYPos(I));
    }
    EXPECT_EQ(Differences(Drawn, Bitmap.GetImage()), 0);
    EXPECT_GT(Count(clBlue), 500);
    EXPECT_GT(Count(clRed), 500);
}

} // namespace
} // namespace vur::test
