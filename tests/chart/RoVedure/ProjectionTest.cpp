// The projection of chart-space points to pixels in its three modes, checked
// against worked values and geometry, and its inverse.
#include "chart/RoVedure/Projection.h"
#include "chart/RoVedure/View3DOptions.h"

#include <gtest/gtest.h>

#include <cmath>
#include <cstdlib>
#include <limits>

namespace vur {
namespace {

// A 400 x 300 chart rectangle: centre (200, 150); depth 100: centre z 50.
const TRect ChartRect{0, 0, 400, 300};
constexpr int Depth = 100;

// Full 3D without foreshortening.
struct TFullView : TView3DOptions {
    TFullView() : TView3DOptions(nullptr) {
        SetOrthogonal(false);
        SetPerspective(0);
    }
};

TPoint Project(const TProjection3D& P, int X, int Y, int Z) {
    return P.Calculate3DPosition(TPoint3D{X, Y, Z});
}

TProjection3D Started(const TView3DOptions& Options, bool Is3D = true) {
    TProjection3D P;
    P.Start(&Options, Is3D);
    P.Center(Depth, ChartRect);
    return P;
}

TEST(Projection, CentreIsTheMiddleOfTheChartAtHalfTheDepth) {
    TFullView Options;
    TProjection3D P;
    P.Start(&Options, true);
    P.Center(7, TRect{-5, -5, 0, 0});
    // Integer halves truncate towards zero; half the depth rounds to even.
    EXPECT_EQ(P.GetXCenter(), -2);
    EXPECT_EQ(P.GetYCenter(), -2);
    EXPECT_EQ(P.GetZCenter(), 4);
    P.Center(5, ChartRect);
    EXPECT_EQ(P.GetZCenter(), 2);
}

TEST(Projection, FullViewLandsOnTheWorkedValues) {
    TFullView Options;
    const TProjection3D P = Started(Options);
    const int xc = P.GetXCenter(), yc = P.GetYCenter(), zc = P.GetZCenter();
    const int xo = P.GetXCenterOffset(), yo = P.GetYCenterOffset();
    EXPECT_EQ(Project(P, xc + 100, yc, zc), (TPoint{xo + 97, yo + 7}));
    EXPECT_EQ(Project(P, xc, yc - 50, zc), (TPoint{xo, yo - 48}));
    EXPECT_EQ(Project(P, xc, yc, zc), (TPoint{xo, yo}));
}

TEST(Projection, ForeshorteningKeepsTheWorkedPointAndShrinksTheFarSide) {
    TFullView Options;
    Options.SetPerspective(15);
    const TProjection3D P = Started(Options);
    ASSERT_TRUE(P.GetHasPersp());
    EXPECT_DOUBLE_EQ(P.GetPerspFactor(), 15.0 / 150 / 400);
    const int xc = P.GetXCenter(), yc = P.GetYCenter(), zc = P.GetZCenter();
    const int xo = P.GetXCenterOffset(), yo = P.GetYCenterOffset();
    EXPECT_EQ(Project(P, xc + 100, yc, zc), (TPoint{xo + 97, yo + 7}));

    // Seen straight on, a segment at the back looks shorter than the same
    // segment at the front.
    Options.SetRotation(0);
    Options.SetElevation(0);
    const TProjection3D Straight = Started(Options);
    const int Front = Project(Straight, xc + 100, yc, 0).X - xo;
    const int Back = Project(Straight, xc + 100, yc, 2 * zc).X - xo;
    EXPECT_EQ(Project(Straight, xc + 100, yc, zc).X - xo, 100);
    EXPECT_GT(Front, 100);
    EXPECT_LT(Back, 100);
}

TEST(Projection, NarrowChartCountsAsOnePixelWideForForeshortening) {
    TFullView Options;
    Options.SetPerspective(15);
    TProjection3D P;
    P.Start(&Options, true);
    P.Center(Depth, TRect{50, 0, 50, 100});
    EXPECT_DOUBLE_EQ(P.GetPerspFactor(), 0.1);
    P.Center(Depth, TRect{50, 0, 20, 100});
    EXPECT_DOUBLE_EQ(P.GetPerspFactor(), 0.1);
}

TEST(Projection, OrthogonalShiftsDepthDiagonally) {
    TView3DOptions Options(nullptr);
    const TProjection3D P = Started(Options);
    for (int Z : {0, 1, 17, 100})
        for (int X : {-30, 0, 200, 389})
            EXPECT_EQ(Project(P, X, 77, Z), (TPoint{X + Z, 77 - Z})) << X << ", " << Z;
}

TEST(Projection, OrthoAngleAbove90TurnsDepthToTheLeft) {
    TView3DOptions Options(nullptr);
    Options.SetOrthoAngle(135);
    const TProjection3D P = Started(Options);
    EXPECT_EQ(P.GetOrthoX(), -1);
    EXPECT_EQ(Project(P, 120, 80, 30), (TPoint{90, 50}));
    Options.SetOrthoAngle(60);
    const TProjection3D Steep = Started(Options);
    // tan 60 = 1.732: depth 10 rises 17 pixels.
    EXPECT_EQ(Project(Steep, 120, 80, 10), (TPoint{130, 63}));
}

TEST(Projection, OrthoAngle90UsesSlopeOne) {
    TView3DOptions Options(nullptr);
    Options.SetOrthoAngle(90);
    const TProjection3D P = Started(Options);
    EXPECT_EQ(P.GetOrthoY(), 1);
    EXPECT_EQ(Project(P, 120, 80, 30), (TPoint{150, 50}));
}

TEST(Projection, Zoom50HalvesEveryDistanceFromTheCentre) {
    for (bool Orthogonal : {true, false}) {
        TFullView Options;
        Options.SetOrthogonal(Orthogonal);
        const TProjection3D Normal = Started(Options);
        Options.SetZoom(50);
        const TProjection3D Half = Started(Options);
        const TPoint O{Half.GetXCenterOffset(), Half.GetYCenterOffset()};
        if (Orthogonal) {
            EXPECT_EQ(Project(Half, 300, 210, 0), (TPoint{O.X + 50, O.Y + 30}));
        }
        for (int X : {0, 64, 300})
            for (int Z : {0, 40, 100}) {
                const TPoint Full = Project(Normal, X, 40, Z);
                const TPoint Halved = Project(Half, X, 40, Z);
                EXPECT_LE(std::abs(2 * (Halved.X - O.X) - (Full.X - O.X)), 1) << X << ", " << Z;
                EXPECT_LE(std::abs(2 * (Halved.Y - O.Y) - (Full.Y - O.Y)), 1) << X << ", " << Z;
            }
    }
}

TEST(Projection, HorizOffsetMovesEverythingRightAndReportsAHorizontalScroll) {
    TView3DOptions Options(nullptr);
    bool Horizontal = false;
    Options.OnScrolled = [&](bool IsHoriz) { Horizontal = IsHoriz; };
    Options.SetHorizOffset(10);
    EXPECT_TRUE(Horizontal);
    for (bool Orthogonal : {true, false}) {
        Options.SetOrthogonal(Orthogonal);
        const TProjection3D Moved = Started(Options);
        TFullView Plain;
        Plain.SetOrthogonal(Orthogonal);
        Plain.SetPerspective(15);
        const TProjection3D Reference = Started(Plain);
        for (TPoint3D Q : {TPoint3D{0, 0, 0}, TPoint3D{250, 40, 70}, TPoint3D{399, 299, 100}}) {
            const TPoint A = Project(Moved, Q.X, Q.Y, Q.Z);
            const TPoint B = Project(Reference, Q.X, Q.Y, Q.Z);
            EXPECT_EQ(A, (TPoint{B.X + 10, B.Y}));
        }
    }
}

TEST(Projection, FlatChartIgnoresDepthAndView) {
    TFullView Options;
    Options.SetZoom(250);
    Options.SetHorizOffset(33);
    Options.SetTilt(40);
    const TProjection3D P = Started(Options, false);
    for (TPoint3D Q : {TPoint3D{-7, 3, 0}, TPoint3D{250, 40, 70}, TPoint3D{399, 299, -100}}) {
        EXPECT_EQ(Project(P, Q.X, Q.Y, Q.Z), (TPoint{Q.X, Q.Y}));
        int X = Q.X, Y = Q.Y;
        P.Calculate2DPosition(X, Y, Q.Z);
        EXPECT_EQ((TPoint{X, Y}), (TPoint{Q.X, Q.Y}));
        TPoint Untouched{-1, -2};
        P.Calculate3DPosition(Untouched, Q.X + 0.5, Q.Y, Q.Z);
        EXPECT_EQ(Untouched, (TPoint{-1, -2}));
    }
    TProjection3D NoOptions;
    NoOptions.Start(nullptr, true);
    NoOptions.Center(Depth, ChartRect);
    // 3D without view parameters: no rotation, no zoom.
    EXPECT_EQ(Project(NoOptions, 10, 20, 90), (TPoint{10, 20}));
}

TEST(Projection, HalfPixelsRoundToTheEvenNeighbour) {
    TView3DOptions Options(nullptr);
    Options.SetZoom(50);
    TProjection3D P;
    P.Start(&Options, true);
    P.Center(0, TRect{0, 0, 0, 0});
    EXPECT_EQ(Project(P, 5, 0, 0).X, 2);
    EXPECT_EQ(Project(P, 7, 0, 0).X, 4);
    EXPECT_EQ(Project(P, -25, 0, 0).X, -12);
    EXPECT_EQ(Project(P, 0, -5, 0).Y, -2);
    TPoint Q;
    P.Calculate3DPosition(Q, 2.5, 3.5, 0);
    EXPECT_EQ(Q, (TPoint{1, 2}));
}

TEST(Projection, FractionalFormAgreesWithTheIntegerForm) {
    for (int Tilt : {0, 25}) {
        for (bool Orthogonal : {true, false}) {
            TFullView Options;
            Options.SetOrthogonal(Orthogonal);
            Options.SetTilt(Tilt);
            Options.SetPerspective(15);
            const TProjection3D P = Started(Options);
            for (int X = -50; X <= 450; X += 37)
                for (int Z = 0; Z <= 100; Z += 25) {
                    TPoint Q;
                    P.Calculate3DPosition(Q, X, 120, Z);
                    EXPECT_EQ(Q, Project(P, X, 120, Z));
                }
        }
    }
}

TEST(Projection, FrontPlaneNestsAndLeavesOrthogonalAlone) {
    TFullView Options;
    TProjection3D P = Started(Options);
    const TPoint Projected = Project(P, 300, 100, 80);
    ASSERT_NE(Projected, (TPoint{300, 100}));
    P.FrontPlaneBegin();
    P.FrontPlaneBegin();
    P.FrontPlaneEnd();
    EXPECT_EQ(Project(P, 300, 100, 80), (TPoint{300, 100}));
    P.FrontPlaneEnd();
    EXPECT_EQ(Project(P, 300, 100, 80), Projected);
    // An unmatched end changes nothing; the next pair still works.
    P.FrontPlaneEnd();
    P.FrontPlaneBegin();
    EXPECT_EQ(Project(P, 300, 100, 80), (TPoint{300, 100}));
    P.FrontPlaneEnd();
    EXPECT_EQ(Project(P, 300, 100, 80), Projected);

    TView3DOptions Ortho(nullptr);
    TProjection3D O = Started(Ortho);
    O.FrontPlaneBegin();
    EXPECT_EQ(Project(O, 300, 100, 80), (TPoint{380, 20}));
    O.FrontPlaneEnd();
}

TEST(Projection, InverseUndoesOrthogonalExactly) {
    for (int Angle : {45, 135, 60, 90}) {
        TView3DOptions Options(nullptr);
        Options.SetOrthoAngle(Angle);
        Options.SetHorizOffset(-13);
        Options.SetVertOffset(21);
        const TProjection3D P = Started(Options);
        for (int X = -40; X <= 440; X += 23)
            for (int Y = -20; Y <= 320; Y += 29)
                for (int Z : {0, 10, 55, 100}) {
                    TPoint S = Project(P, X, Y, Z);
                    P.Calculate2DPosition(S.X, S.Y, Z);
                    EXPECT_EQ(S, (TPoint{X, Y})) << Angle << ": " << X << ", " << Y << ", " << Z;
                }
    }
}

// Rounding the screen position loses up to half a pixel, which the inverse
// may stretch a little past half a pixel: a round trip is within one pixel,
// whatever the view, and most often exact.
TEST(Projection, InverseUndoesTheFullViewWithinAPixel) {
    struct View {
        int Rotation, Elevation, Tilt, Zoom;
    };
    for (View V : {View{345, 345, 0, 100}, View{330, 350, 0, 100}, View{20, 300, 15, 100},
                   View{120, 340, 0, 150}, View{200, 10, 350, 80}}) {
        TFullView Options;
        Options.SetRotation(V.Rotation);
        Options.SetElevation(V.Elevation);
        Options.SetTilt(V.Tilt);
        Options.SetZoom(V.Zoom);
        Options.SetHorizOffset(9);
        const TProjection3D P = Started(Options);
        int Exact = 0, Total = 0;
        for (int X = -40; X <= 440; X += 23)
            for (int Y = -20; Y <= 320; Y += 29)
                for (int Z : {0, 10, 55, 100}) {
                    TPoint S = Project(P, X, Y, Z);
                    P.Calculate2DPosition(S.X, S.Y, Z);
                    EXPECT_LE(std::abs(S.X - X), 1) << V.Rotation << ": " << X << ", " << Y << ", " << Z;
                    EXPECT_LE(std::abs(S.Y - Y), 1) << V.Rotation << ": " << X << ", " << Y << ", " << Z;
                    Exact += S == TPoint{X, Y};
                    ++Total;
                }
        EXPECT_GE(Exact, Total / 2) << V.Rotation;
    }
}

TEST(Projection, InverseStaysDefinedForDegenerateViews) {
    TFullView Options;
    Options.SetElevation(90); // seen from above: y has no effect on the screen
    TProjection3D P = Started(Options);
    // The guarded denominators keep the result finite; the sanitizer build
    // would report an undefined conversion.
    int X = 10, Y = 20;
    P.Calculate2DPosition(X, Y, 30);
    const TPoint Back = Project(P, X, Y, 30);
    EXPECT_LE(std::abs(Back.X - 10), 1);

    Options.SetZoom(0);
    P = Started(Options);
    X = 123;
    Y = 45;
    P.Calculate2DPosition(X, Y, 30);
    EXPECT_EQ((TPoint{X, Y}), (TPoint{123, 45}));
}

} // namespace
} // namespace vur
