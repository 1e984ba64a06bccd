// The flat primitives of the 3D canvas and its culled cube, drawn through
// the three projection modes and checked against the corners and colours the
// design gives.
#include "Canvas3DFixture.h"

namespace vur {
namespace {

constexpr TColor Brick = 0x006496C8; // red 200, green 150, blue 100

using Cube3D = Canvas3DFixture;

TFourPoints Quad(const TPoint& A, const TPoint& B, const TPoint& C, const TPoint& D) { return {A, B, C, D}; }

TEST_F(Cube3D, DrawsOnlyTheFacesTurnedToTheViewer) {
    const int L = 60, R = 140, T = 60, B = 140, Z0 = 10, Z1 = 50;
    struct View {
        bool Orthogonal;
        int OrthoAngle, Rotation, Elevation;
        bool Back, Left, Bottom;
    };
    for (View V :
         {View{true, 45, 345, 345, false, false, false}, View{true, 135, 345, 345, false, true, false},
          View{false, 45, 345, 15, false, false, true}, View{false, 45, 15, 345, false, true, false},
          View{false, 45, 165, 345, true, true, false}}) {
        Options.SetOrthogonal(V.Orthogonal);
        Options.SetOrthoAngle(V.OrthoAngle);
        Options.SetPerspective(0);
        Options.SetRotation(V.Rotation);
        Options.SetElevation(V.Elevation);
        Start(true);
        Canvas.Faces.clear();
        Canvas.Cube(L, R, T, B, Z0, Z1, true);
        const int Z = V.Back ? Z1 : Z0;
        const int X = V.Left ? L : R;
        const int Y = V.Bottom ? B : T;
        ASSERT_EQ(Canvas.Faces.size(), 3u) << V.Rotation << " " << V.Elevation;
        EXPECT_EQ(Canvas.Faces[0], Quad(At(L, T, Z), At(R, T, Z), At(R, B, Z), At(L, B, Z)));
        EXPECT_EQ(Canvas.Faces[1], Quad(At(X, T, Z0), At(X, T, Z1), At(X, B, Z1), At(X, B, Z0)));
        if (V.Bottom)
            EXPECT_EQ(Canvas.Faces[2], Quad(At(L, Y, Z0), At(L, Y, Z1), At(R, Y, Z1), At(R, Y, Z0)));
        else
            EXPECT_EQ(Canvas.Faces[2], Quad(At(L, Y, Z0), At(R, Y, Z0), At(R, Y, Z1), At(L, Y, Z1)));
    }
}

TEST_F(Cube3D, ClearBrushDrawsAllFiveVisitedFaces) {
    Start(true);
    Canvas.GetBrush()->SetStyle(bsClear);
    Canvas.Cube(60, 140, 60, 140, 10, 50, true);
    ASSERT_EQ(Canvas.Faces.size(), 5u);
    EXPECT_EQ(Canvas.Faces[0], Quad(At(60, 60, 10), At(140, 60, 10), At(140, 140, 10), At(60, 140, 10)));
    // The hidden left and bottom sides are outlined too.
    EXPECT_EQ(Canvas.Faces[2], Quad(At(60, 60, 10), At(60, 60, 50), At(60, 140, 50), At(60, 140, 10)));
    EXPECT_EQ(Canvas.Faces[4], Quad(At(60, 140, 10), At(60, 140, 50), At(140, 140, 50), At(140, 140, 10)));
}

TEST_F(Cube3D, SidesAreDarkerThanTheFront) {
    Start(true);
    FillOnly(Brick);
    Canvas.Cube(60, 140, 60, 140, 10, 50, true);
    ASSERT_EQ(Canvas.Faces.size(), 3u);
    EXPECT_EQ(Pixel(Middle(Canvas.Faces[0])), Brick);
    EXPECT_EQ(Pixel(Middle(Canvas.Faces[1])), 0x00001648u); // each channel less 128, floored
    EXPECT_EQ(Pixel(Middle(Canvas.Faces[2])), 0x00245688u); // each channel less 64
    // Nothing of the hidden left side covers the front.
    const TPoint FrontLeft = At(62, 100, 10);
    EXPECT_EQ(Pixel(FrontLeft), Brick);
    // The caller's brush is back for the next shape.
    EXPECT_EQ(Canvas.GetBrush()->GetColor(), Brick);

    Clear();
    Canvas.Faces.clear();
    Canvas.Cube(60, 140, 60, 140, 10, 50, false);
    EXPECT_EQ(Pixel(Middle(Canvas.Faces[1])), Brick);
    EXPECT_EQ(Pixel(Middle(Canvas.Faces[2])), Brick);
}

TEST_F(Cube3D, FlatCubeIsItsFront) {
    Start(false);
    FillOnly(Brick);
    Canvas.Cube(60, 140, 60, 140, 10, 50, true);
    ASSERT_EQ(Canvas.Faces.size(), 1u);
    EXPECT_EQ(Canvas.Faces[0], Quad({60, 60}, {140, 60}, {140, 140}, {60, 140}));
}

using ClipCube3D = Canvas3DFixture;

TEST_F(ClipCube3D, FlatClipIsInsetOnTheLeftAndTopAndRaisedAtTheBottom) {
    Start(false);
    Canvas.ClipCube(TRect{40, 50, 100, 120}, 0, 10);
    FillOnly(clRed);
    Canvas.FillRect(TRect{0, 0, Width, Height});
    Canvas.UnClipRectangle();
    EXPECT_EQ(Ink(), (TRect{41, 51, 100, 119}));
    EXPECT_EQ(Count(clRed), 59 * 68);
}

TEST_F(ClipCube3D, ProjectedClipIsTheOutlineOfTheBox) {
    Start(true);
    Canvas.ClipCube(TRect{40, 50, 100, 120}, 0, 40);
    FillOnly(clRed);
    Canvas.FillRect(TRect{0, 0, Width, Height});
    Canvas.UnClipRectangle();
    // Front face (40, 50)-(100, 120), back face moved 40 right and 40 up.
    EXPECT_EQ(Pixel(70, 85), clRed);
    EXPECT_EQ(Pixel(130, 30), clRed);
    EXPECT_EQ(Pixel(110, 100), clRed);
    EXPECT_EQ(Pixel(45, 20), clWhite);
    EXPECT_EQ(Pixel(135, 115), clWhite);
    EXPECT_EQ(Ink(), (TRect{40, 10, 140, 120}));
}

using Flat3D = Canvas3DFixture;

TEST_F(Flat3D, DepthChangesNothingIn2D) {
    gdi::Bitmap Pictures[3];
    const auto Draw = [&](int Z) {
        Start(false);
        Canvas.GetBrush()->SetColor(Brick);
        Canvas.LineWithZ(10, 10, 90, 40, Z);
        Canvas.HorizLine3D(10, 200, 50, Z);
        Canvas.VertLine3D(220, 5, 190, Z);
        Canvas.RectangleWithZ(TRect{20, 60, 80, 110}, Z);
        Canvas.PlaneWithZ({100, 60}, {150, 70}, {140, 120}, {95, 100}, Z);
        const TPoint Star[5] = {{160, 130}, {200, 190}, {130, 150}, {190, 150}, {120, 190}};
        Canvas.PolygonWithZ(Star, 4, Z);
        Canvas.EllipseWithZ(20, 130, 90, 190, Z);
    };
    Draw(0);
    Pictures[0] = Bitmap.GetImage();
    Clear();
    Draw(45);
    Pictures[1] = Bitmap.GetImage();
    EXPECT_TRUE(Pictures[0] == Pictures[1]);

    // The same shapes straight through the 2D operations.
    Clear();
    Start(false);
    Canvas.GetBrush()->SetColor(Brick);
    Canvas.Line(10, 10, 90, 40);
    Canvas.Line(10, 50, 200, 50);
    Canvas.Line(220, 5, 220, 190);
    const TPoint Box[4] = {{20, 60}, {80, 60}, {80, 110}, {20, 110}};
    Canvas.Polygon(Box, 3);
    const TPoint Four[4] = {{100, 60}, {150, 70}, {140, 120}, {95, 100}};
    Canvas.Polygon(Four, 3);
    const TPoint Star[5] = {{160, 130}, {200, 190}, {130, 150}, {190, 150}, {120, 190}};
    Canvas.Polygon(Star, 4);
    Canvas.Ellipse(20, 130, 91, 191);
    Pictures[2] = Bitmap.GetImage();
    EXPECT_TRUE(Pictures[0] == Pictures[2]);
}

TEST_F(Flat3D, SphereIsARoundedRadiusCircle) {
    Start(false);
    Canvas.Sphere(100, 100, 30, 10.5); // radius rounds to the even 10
    const gdi::Bitmap Sphere = Bitmap.GetImage();
    Clear();
    Canvas.Ellipse(90, 90, 111, 111);
    EXPECT_TRUE(Sphere == Bitmap.GetImage());
}

using Planes3D = Canvas3DFixture;

TEST_F(Planes3D, FourCorneredPrimitivesFollowTheirCornerOrder) {
    Start(true);
    Canvas.RectangleY(30, 40, 90, 5, 25);
    Canvas.RectangleZ(30, 40, 90, 5, 25);
    Canvas.Plane3D({30, 40}, {90, 70}, 5, 25);
    Canvas.RectangleWithZ(TRect{30, 40, 90, 70}, 12);
    ASSERT_EQ(Canvas.Faces.size(), 4u);
    EXPECT_EQ(Canvas.Faces[0], Quad(At(30, 40, 5), At(90, 40, 5), At(90, 40, 25), At(30, 40, 25)));
    EXPECT_EQ(Canvas.Faces[1], Quad(At(30, 40, 5), At(30, 40, 25), At(30, 90, 25), At(30, 90, 5)));
    EXPECT_EQ(Canvas.Faces[2], Quad(At(30, 40, 5), At(90, 70, 5), At(90, 70, 25), At(30, 40, 25)));
    EXPECT_EQ(Canvas.Faces[3], Quad(At(30, 40, 12), At(90, 40, 12), At(90, 70, 12), At(30, 70, 12)));
    // Orthogonal: depth moves right and up by the same amount.
    EXPECT_EQ(At(30, 40, 25), (TPoint{55, 15}));

    TFourPoints Points = {TPoint{30, 40}, TPoint{90, 40}, TPoint{90, 70}, TPoint{30, 70}};
    Canvas.PlaneFour3D(Points, 5, 25);
    EXPECT_EQ(Points, Quad(At(30, 40, 5), At(90, 40, 5), At(90, 70, 25), At(30, 70, 25)));
}

TEST_F(Planes3D, PixelsAndLinesLandOnTheProjectedPoints) {
    Start(true);
    Canvas.SetPixel3D(100, 100, 20, clRed);
    EXPECT_EQ(Pixel(120, 80), clRed);
    EXPECT_EQ(Canvas.GetPixel3D(100, 100, 20), clRed);
    EXPECT_EQ(Count(clRed), 1);

    // A wide pen draws a dot in its own colour instead.
    Canvas.GetPen()->SetColor(clBlue);
    Canvas.GetPen()->SetWidth(5);
    Canvas.SetPixel3D(60, 150, 10, clRed);
    EXPECT_EQ(Count(clRed), 1);
    EXPECT_EQ(Pixel(70, 140), clBlue);

    Canvas.GetPen()->SetWidth(1);
    Canvas.GetPen()->SetColor(clBlack);
    Canvas.ZLine3D(30, 180, 0, 20);
    EXPECT_EQ(Pixel(30, 180), clBlack);
    EXPECT_EQ(Pixel(40, 170), clBlack);
    EXPECT_EQ(Pixel(50, 160), clWhite); // a line leaves out its end point
}

TEST_F(Planes3D, TriangleTakesItsFirstColourUnlessTheBrushIsClear) {
    Start(true);
    FillOnly(Brick);
    Canvas.Triangle3D({TPoint3D{40, 100, 0}, TPoint3D{100, 100, 0}, TPoint3D{70, 40, 0}},
                      {clLime, clRed, clBlue});
    EXPECT_EQ(Pixel(70, 90), clLime);
    Canvas.GetBrush()->SetStyle(bsClear);
    Canvas.Triangle3D({TPoint3D{140, 100, 0}, TPoint3D{200, 100, 0}, TPoint3D{170, 40, 0}},
                      {clRed, clRed, clRed});
    EXPECT_EQ(Canvas.GetBrush()->GetColor(), clLime);
    EXPECT_EQ(Pixel(170, 90), clWhite);
}

TEST_F(Planes3D, FrontPlaneDrawsFlatInsideA3DView) {
    FullView();
    Start(true);
    Canvas.FrontPlaneBegin();
    Canvas.LineWithZ(30, 30, 90, 30, 40);
    Canvas.FrontPlaneEnd();
    EXPECT_EQ(Pixel(50, 30), clBlack);
    EXPECT_NE(At(50, 30, 40), (TPoint{50, 30}));
}

using Ellipse3D = Canvas3DFixture;

TEST_F(Ellipse3D, OrthogonalEllipseFillsTheProjectedBox) {
    Start(true);
    Canvas.GetBrush()->SetColor(clRed);
    Canvas.EllipseWithZ(50, 60, 110, 130, 20);
    const gdi::Bitmap Projected = Bitmap.GetImage();
    Clear();
    Canvas.Ellipse(70, 40, 130, 110);
    EXPECT_TRUE(Projected == Bitmap.GetImage());
}

TEST_F(Ellipse3D, FullViewCircleIsForeshortened) {
    FullView(0, 0);
    Start(true);
    FillOnly(clRed);
    // Radius 50 around the projection centre, at the centre's depth.
    Canvas.EllipseWithZ(70, 50, 170, 150, 30);
    EXPECT_NEAR(Count(clRed), 3.14159 * 50 * 50, 0.03 * 3.14159 * 50 * 50);

    FullView(345, 345);
    Start(true);
    Clear();
    FillOnly(clRed);
    Canvas.EllipseWithZ(70, 50, 170, 150, 30);
    // Both axes shrink by cos 15 degrees: 100 becomes about 97.
    int Across = 0, Down = 0;
    for (int X = 0; X < Width; ++X) Across += Pixel(X, 100) == clRed;
    for (int Y = 0; Y < Height; ++Y) Down += Pixel(120, Y) == clRed;
    EXPECT_NEAR(Across, 97, 2);
    EXPECT_NEAR(Down, 97, 2);
}

TEST_F(Ellipse3D, ClearBrushLeavesOnlyTheOutline) {
    FullView();
    Start(true);
    Canvas.GetBrush()->SetStyle(bsClear);
    Canvas.EllipseWithZ(70, 50, 170, 150, 30);
    EXPECT_EQ(Pixel(120, 100), clWhite);
    EXPECT_NEAR(Count(clBlack), 3.14159 * 97, 40);
    EXPECT_EQ(Count(clBlack) + Count(clWhite), Width * Height);
}

using Text3D = Canvas3DFixture;

TEST_F(Text3D, ZoomScalesTextUnlessZoomTextIsOff) {
    const auto InkHeight = [&](int Zoom, bool ZoomText) {
        Options.SetZoom(Zoom);
        Options.SetZoomText(ZoomText);
        Start(true);
        Clear();
        Canvas.GetFont()->SetSize(10);
        Canvas.TextOut3D(110, 100, 0, "Hxg");
        EXPECT_EQ(Canvas.GetFont()->GetSize(), 10);
        return Ink().Height();
    };
    const int Normal = InkHeight(100, true);
    ASSERT_GT(Normal, 5);
    EXPECT_NEAR(InkHeight(200, true), 2 * Normal, 3);
    EXPECT_EQ(InkHeight(200, false), Normal);
}

} // namespace
} // namespace vur
