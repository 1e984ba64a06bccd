// Solids of the 3D canvas: faces turned away from the viewer are left out,
// sides are darker than the front, and every solid looks like itself (a
// gallery of all of them is saved as Canvas3DGallery.png beside the tests).
#include "Canvas3DFixture.h"

#include "chart/RoVedure/Gradient.h"
#include "chart/RoVedure/Projection.h"
#include "chart/RoVedure/Solid.h"

#include <functional>
#include <limits>
#include <numbers>

namespace vur {
namespace {

constexpr TColor Brick = 0x006496C8; // red 200, green 150, blue 100
constexpr TColor BrickDarker = 0x00001648;
constexpr TColor BrickDark = 0x00245688;

// The box (0..10, 0..10, 0..10) with its six faces named by the way they face.
enum Side { Front, Back, Left, Right, Top, Bottom };

void AddBox(TSolid& S) {
    S.Clear();
    int V[8];
    for (int I = 0; I < 8; ++I) V[I] = S.AddVertex(I & 1 ? 10 : 0, I & 2 ? 10 : 0, I & 4 ? 10 : 0);
    // Corner order is deliberately mixed: the solid works out the winding.
    S.AddFace(std::initializer_list<int>{V[0], V[1], V[3], V[2]}, 0); // z = 0
    S.AddFace(std::initializer_list<int>{V[4], V[5], V[7], V[6]}, 0); // z = 10
    S.AddFace(std::initializer_list<int>{V[0], V[2], V[6], V[4]}, 0); // x = 0
    S.AddFace(std::initializer_list<int>{V[1], V[5], V[7], V[3]}, 0); // x = 10
    S.AddFace(std::initializer_list<int>{V[0], V[4], V[5], V[1]}, 0); // y = 0
    S.AddFace(std::initializer_list<int>{V[2], V[3], V[7], V[6]}, 0); // y = 10
}

std::vector<int> VisibleSides(TSolid& S) {
    std::vector<int> Result;
    for (int F = 0; F < S.FaceCount(); ++F)
        if (S.FaceVisible(F)) Result.push_back(F);
    return Result;
}

TEST(Solid, ShowsTheSidesTheViewerFaces) {
    TView3DOptions Options(nullptr);
    TProjection3D P;
    TSolid S;
    AddBox(S);

    P.Start(&Options, true);
    P.Center(10, TRect{0, 0, 10, 10});
    S.Project(P, false);
    EXPECT_EQ(VisibleSides(S), (std::vector<int>{Front, Right, Top}));

    Options.SetOrthoAngle(135);
    P.Start(&Options, true);
    S.Project(P, false);
    EXPECT_EQ(VisibleSides(S), (std::vector<int>{Front, Left, Top}));

    Options.SetOrthogonal(false);
    Options.SetElevation(20); // from below
    Options.SetRotation(200); // from behind, on the right
    P.Start(&Options, true);
    P.Center(10, TRect{0, 0, 10, 10});
    S.Project(P, false);
    EXPECT_EQ(VisibleSides(S), (std::vector<int>{Back, Right, Bottom}));
}

TEST(Solid, PaintsFromTheFarthestFaceToTheNearest) {
    TView3DOptions Options(nullptr);
    TProjection3D P;
    P.Start(&Options, true);
    TSolid S;
    AddBox(S);
    S.Project(P, true);
    const std::span<const int> Order = S.DrawOrder();
    ASSERT_EQ(Order.size(), 6u);
    // Along the line of sight (into the picture, down and to the left) the
    // back, left and bottom sides lie behind the other three.
    const auto Position = [&](int Face) {
        return std::find(Order.begin(), Order.end(), Face) - Order.begin();
    };
    for (int Far : {Back, Left, Bottom})
        for (int Near : {Front, Right, Top}) EXPECT_LT(Position(Far), Position(Near)) << Far << " " << Near;
}

TEST(Solid, LightLeavesTheFrontAndDarkensWhatTurnsAway) {
    EXPECT_EQ(LitDarkness(TPoint3DF{0, 0, -1}, 128), 0);
    EXPECT_EQ(LitDarkness(TPoint3DF{0, 0, 1}, 128), 128);
    EXPECT_EQ(LitDarkness(TPoint3DF{}, 128), 0);
    EXPECT_LT(LitDarkness(TPoint3DF{-1, 0, 0}, 128), LitDarkness(TPoint3DF{1, 0, 0}, 128));
    EXPECT_LT(LitDarkness(TPoint3DF{0, -1, 0}, 128), LitDarkness(TPoint3DF{0, 1, 0}, 128));
}

using Solids3D = Canvas3DFixture;

TEST_F(Solids3D, PyramidShowsFrontAndRightAndHidesItsBase) {
    Start(true);
    FillOnly(Brick);
    Canvas.Pyramid(true, 60, 60, 140, 160, 10, 50, true);
    const TPoint Front = At(100, 150, 10);
    EXPECT_EQ(Pixel(Front.X, Front.Y - 2), Brick);
    EXPECT_EQ(Pixel(At(135, 150, 30)), BrickDarker);
    // The base under it is not painted over the front.
    EXPECT_NE(Pixel(At(70, 158, 10)), BrickDark);
    EXPECT_EQ(Pixel(At(62, 62, 10)), clWhite); // beside the apex
}

TEST_F(Solids3D, CylinderShowsItsTopButNotItsBase) {
    Start(true);
    FillOnly(Brick);
    Canvas.Cylinder(true, 60, 60, 140, 160, 10, 50, true);
    EXPECT_EQ(Pixel(At(100, 60, 30)), BrickDark);
    const TColor FrontStrip = Pixel(At(100, 110, 10));
    EXPECT_NE(FrontStrip, clWhite);
    EXPECT_NE(FrontStrip, BrickDark);
    EXPECT_NE(Pixel(At(100, 158, 10)), BrickDark);
    // Round: the corners of the bounding box stay empty.
    EXPECT_EQ(Pixel(At(61, 159, 10)), clWhite);
}

TEST_F(Solids3D, ConeNarrowsToItsTip) {
    Start(true);
    FillOnly(Brick);
    Canvas.Cone(true, 60, 60, 140, 160, 30, 30, false, 0);
    const TRect R = Ink();
    const TPoint Tip = At(100, 60, 30);
    EXPECT_NEAR(R.Top, Tip.Y, 2);
    int TopRow = 0, BottomRow = 0;
    for (int X = 0; X < Width; ++X) {
        TopRow += Pixel(X, Tip.Y + 5) == Brick;
        BottomRow += Pixel(X, At(100, 155, 30).Y) == Brick;
    }
    EXPECT_LT(TopRow, 10);
    EXPECT_GT(BottomRow, 70);
}

TEST_F(Solids3D, PieSliceCoversItsQuarterOnly) {
    Start(true);
    FillOnly(Brick);
    // Quarter from three o'clock up to twelve.
    Canvas.Pie3D(100, 120, 60, 60, 10, 20, 0, std::numbers::pi / 2, true, true, 0, nullptr);
    EXPECT_EQ(Pixel(At(120, 100, 10)), Brick);
    EXPECT_EQ(Pixel(At(80, 100, 10)), clWhite);
    EXPECT_EQ(Pixel(At(120, 140, 10)), clWhite);
    // The rim behind the middle of the arc shows, darker.
    const TColor Rim = Pixel(At(142, 77, 15));
    EXPECT_NE(Rim, clWhite);
    EXPECT_NE(Rim, Brick);
}

TEST_F(Solids3D, PieGradientFillsTheFrontFaceAndKeepsTheHole) {
    Start(true);
    FillOnly(Brick);
    TVurGradient Gradient;
    Gradient.SetStartColor(clLime);
    Gradient.SetEndColor(clLime);
    Canvas.Pie3D(100, 120, 60, 60, 10, 20, 0, std::numbers::pi / 2, true, true, 0, &Gradient);
    EXPECT_EQ(Pixel(At(120, 100, 10)), Brick); // hidden gradient: the plain face
    Gradient.SetVisible(true);
    Canvas.Pie3D(100, 120, 60, 60, 10, 20, 0, std::numbers::pi / 2, true, true, 0, &Gradient);
    EXPECT_EQ(Pixel(At(120, 100, 10)), clLime);
    EXPECT_EQ(Pixel(At(80, 100, 10)), clWhite);
    Clear();
    Canvas.Pie3D(100, 120, 60, 60, 10, 20, 0, 2 * std::numbers::pi, true, true, 50, &Gradient);
    EXPECT_EQ(Pixel(At(115, 105, 10)), clWhite);
    EXPECT_EQ(Pixel(At(145, 120, 10)), clLime);
}

TEST_F(Solids3D, DonutLeavesItsHoleOpen) {
    Start(true);
    FillOnly(Brick);
    Canvas.Pie3D(100, 120, 60, 60, 10, 20, 0, 2 * std::numbers::pi, true, true, 50, nullptr);
    EXPECT_EQ(Pixel(At(115, 105, 10)), clWhite);
    EXPECT_EQ(Pixel(At(145, 120, 10)), Brick);
    EXPECT_EQ(Pixel(At(55, 120, 10)), Brick);

    Clear();
    Start(false);
    FillOnly(Brick);
    Canvas.Donut(100, 100, 60, 40, 0, 2 * std::numbers::pi, 50);
    EXPECT_EQ(Pixel(100, 100), clWhite);
    EXPECT_EQ(Pixel(145, 100), Brick);
    EXPECT_EQ(Pixel(100, 130), Brick);
}

TEST_F(Solids3D, PieAnglesComeIntoOneTurn) {
    double Start = -std::numbers::pi / 2, End = 0;
    EXPECT_EQ(TVurCanvas3D::CalcPieAngles(Start, End), 30);
    EXPECT_NEAR(Start, 1.5 * std::numbers::pi, 1e-12);
    EXPECT_NEAR(End, 2 * std::numbers::pi, 1e-12);
    Start = 1;
    End = 100;
    TVurCanvas3D::CalcPieAngles(Start, End);
    EXPECT_NEAR(End - Start, 2 * std::numbers::pi, 1e-12);
    Start = 0;
    End = std::numeric_limits<double>::quiet_NaN();
    EXPECT_EQ(TVurCanvas3D::CalcPieAngles(Start, End), 0);
}

TEST_F(Solids3D, ArrowPointsAtItsTarget) {
    Start(false);
    FillOnly(Brick);
    Canvas.Arrow(true, TPoint{20, 100}, TPoint{200, 100}, 40, 30, 0);
    const TRect R = Ink();
    EXPECT_EQ(R.Left, 20);
    EXPECT_NEAR(R.Right, 200, 1);
    EXPECT_NEAR(R.Height(), 40, 2);
    // The shaft is half the head's width.
    int Shaft = 0;
    for (int Y = 0; Y < Height; ++Y) Shaft += Pixel(60, Y) == Brick;
    EXPECT_NEAR(Shaft, 20, 2);
    Clear();
    Canvas.Arrow(true, TPoint{50, 50}, TPoint{50, 50}, 40, 30, 0);
    EXPECT_EQ(Count(clWhite), Width * Height);
}

TEST_F(Solids3D, Gallery) {
    using Draw = std::function<void(TVurCanvas3D&)>;
    const double Pi = std::numbers::pi;
    const std::vector<Draw> Shapes = {
        [](TVurCanvas3D& C) { C.Cube(50, 150, 70, 170, 0, 50, true); },
        [](TVurCanvas3D& C) { C.Cylinder(true, 50, 60, 150, 170, 0, 50, true); },
        [](TVurCanvas3D& C) { C.Cone(true, 50, 60, 150, 170, 0, 50, true, 0); },
        [](TVurCanvas3D& C) { C.Cylinder(false, 30, 90, 170, 160, 0, 50, true); },
        [](TVurCanvas3D& C) { C.Pyramid(true, 50, 60, 150, 170, 0, 50, true); },
        [](TVurCanvas3D& C) {
            C.PyramidTrunc(TRect{50, 70, 150, 170}, 0, 50, 20, 12);
        },
        [Pi](TVurCanvas3D& C) {
            C.Pie3D(100, 115, 70, 70, 10, 35, 0.3, 0.3 + 1.4 * Pi, true, true, 0, nullptr);
        },
        [Pi](TVurCanvas3D& C) { C.Pie3D(100, 115, 70, 70, 10, 35, 0, 2 * Pi, true, true, 45, nullptr); },
        [](TVurCanvas3D& C) { C.Sphere(110, 110, 30, 55); },
        [](TVurCanvas3D& C) {
            C.Arrow(true, TPoint{30, 170}, TPoint{170, 60}, 40, 40, 30);
        },
        [](TVurCanvas3D& C) { C.RotatedEllipse(40, 70, 180, 150, 30, 30); },
        [](TVurCanvas3D& C) {
            C.GetBrush()->SetStyle(bsClear);
            C.Cube(50, 150, 70, 170, 0, 50, true);
        },
    };
    const int Columns = static_cast<int>(Shapes.size());
    TBitmap Gallery(Columns * Width, 3 * Height);
    for (int Row = 0; Row < 3; ++Row) {
        Options.SetOrthogonal(Row == 0);
        Options.SetPerspective(Row == 2 ? 40 : 0);
        Options.SetRotation(Row == 2 ? 330 : 345);
        Options.SetElevation(Row == 2 ? 340 : 345);
        for (int Column = 0; Column < Columns; ++Column) {
            Clear();
            Start(true);
            Canvas.GetBrush()->SetColor(Brick);
            Shapes[Column](Canvas);
            const TRect R = Ink();
            EXPECT_LT(R.Left, R.Right) << Row << ", " << Column;
            EXPECT_GT(R.Left, 0) << Row << ", " << Column;
            EXPECT_GT(R.Top, 0) << Row << ", " << Column;
            EXPECT_LT(R.Right, Width) << Row << ", " << Column;
            EXPECT_LT(R.Bottom, Height) << Row << ", " << Column;
            Gallery.GetCanvas()->GetHandle().BitBlt(Column * Width, Row * Height, Width, Height,
                                                    &Bitmap.GetCanvas()->GetHandle(), 0, 0, gdi::SRCCOPY);
        }
    }
    Gallery.SaveToFile("Canvas3DGallery.png");
}

} // namespace
} // namespace vur
