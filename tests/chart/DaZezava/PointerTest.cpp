// Series markers: each style's outline from the stated box (a marker of
// half sizes 4 at (50, 50) lies in 46..54 both ways), the pen and brush a
// marker takes from its point's colour, gradients and transparency, the 3D
// primitive each style asks of the canvas, and the legend symbol's sizes.
#include "chart/DaZezava/Pointer.h"
#include "chart/Series/LineSeries.h"
#include "chart/VurConst.h"
#include "framework/Exceptions.h"
#include "tests/chart/RoVedure/Canvas3DFixture.h"
#include "tests/chart/Series/LineSeriesFixture.h"

#include <gtest/gtest.h>

#include <sstream>
#include <string>
#include <vector>

namespace vur {
namespace {

constexpr TColor Fill = clRed;

class PointerTest : public Canvas3DFixture {
protected:
    // One marker of Style at (50, 50), half sizes 4, in the fill colour.
    void DrawMarker(TSeriesPointerStyle Style, int Half = 4) {
        Start(false);
        Pointer.PrepareCanvas(&Canvas, Fill);
        Pointer.DrawPointer(&Canvas, false, 50, 50, Half, Half, Fill, Style);
    }
    bool Inked(int X, int Y) const { return Pixel(X, Y) != clWhite; }

    TSeriesPointer Pointer{nullptr};
};

struct TOutlineCase {
    TSeriesPointerStyle Style;
    // The smallest box holding the ink; {0, 0, 0, 0} for none.
    TRect InkBox;
    // Pixels count, or -1 when the shape's fill makes it not worth stating.
    int Pixels;
    std::vector<TPoint> Outline;
    std::vector<TPoint> Outside;
};

TEST_F(PointerTest, FlatStylesDrawTheirStatedOutlines) {
    const TRect Box{46, 46, 55, 55};
    const std::vector<TOutlineCase> Cases = {
        {psRectangle, Box, 81, {{46, 46}, {54, 46}, {54, 54}, {46, 54}}, {}},
        // The ellipse's box leaves out its right and bottom edges.
        {psCircle, TRect{46, 46, 54, 54}, -1, {{46, 50}, {50, 46}}, {{46, 46}, {53, 53}}},
        {psTriangle, Box, -1, {{50, 46}, {46, 54}, {54, 54}}, {{46, 46}, {54, 46}}},
        {psDownTriangle, Box, -1, {{50, 54}, {46, 46}, {54, 46}}, {{46, 54}, {54, 54}}},
        {psLeftTriangle, Box, -1, {{46, 50}, {54, 46}, {54, 54}}, {{46, 46}, {46, 54}}},
        {psRightTriangle, Box, -1, {{54, 50}, {46, 46}, {46, 54}}, {{54, 46}, {54, 54}}},
        {psCross, Box, 17, {{50, 46}, {50, 54}, {46, 50}, {54, 50}}, {{47, 47}, {53, 53}}},
        {psDiagCross, Box, 17, {{46, 46}, {54, 54}, {54, 46}, {46, 54}}, {{50, 46}, {46, 50}}},
        {psStar, Box, 33, {{46, 46}, {50, 46}, {54, 46}, {46, 50}, {54, 54}}, {{48, 46}, {46, 48}}},
        {psDiamond, Box, -1, {{46, 50}, {50, 46}, {54, 50}, {50, 54}}, {{46, 46}, {54, 54}, {47, 47}}},
        {psSmallDot, TRect{50, 50, 51, 51}, 1, {{50, 50}}, {}},
        {psNothing, TRect{0, 0, 0, 0}, 0, {}, {{50, 50}}},
    };
    for (const TOutlineCase& C : Cases) {
        SCOPED_TRACE(static_cast<int>(C.Style));
        Clear();
        DrawMarker(C.Style);
        const int Pixels = Count(clBlack) + Count(Fill);
        if (C.Pixels >= 0) {
            EXPECT_EQ(Pixels, C.Pixels);
        }
        if (C.Pixels != 0) {
            EXPECT_EQ(Ink(), C.InkBox);
        }
        for (const TPoint& P : C.Outline) EXPECT_TRUE(Inked(P.X, P.Y)) << P.X << "," << P.Y;
        for (const TPoint& P : C.Outside) EXPECT_FALSE(Inked(P.X, P.Y)) << P.X << "," << P.Y;
    }
}

TEST_F(PointerTest, FilledStylesTakeTheColourInsideAndThePenOutside) {
    for (const TSeriesPointerStyle Style : {psRectangle, psCircle, psTriangle, psDiamond}) {
        SCOPED_TRACE(static_cast<int>(Style));
        Clear();
        DrawMarker(Style, 6);
        EXPECT_EQ(Pixel(50, 51), Fill);
        EXPECT_GT(Count(clBlack), 0);
    }
    // The dot is the brush colour, not the pen's.
    Clear();
    DrawMarker(psSmallDot);
    EXPECT_EQ(Pixel(50, 50), Fill);
}

struct TColourCase {
    const char* Name;
    void (*Setup)(TSeriesPointer&);
    TColor Edge;
    TColor Inside;
};

TEST_F(PointerTest, PenAndBrushFollowThePointColourWhenAutomatic) {
    const std::vector<TColourCase> Cases = {
        {"defaults: black outline, point colour inside", [](TSeriesPointer&) {}, clBlack, Fill},
        {"automatic pen", [](TSeriesPointer& P) { P.GetPen()->SetColor(clDefault); }, Fill, Fill},
        {"own pen colour", [](TSeriesPointer& P) { P.GetPen()->SetColor(clBlue); }, clBlue, Fill},
        {"hidden pen", [](TSeriesPointer& P) { P.GetPen()->Hide(); }, Fill, Fill},
        {"own brush colour", [](TSeriesPointer& P) { P.GetBrush()->SetColor(clLime); }, clBlack, clLime},
    };
    for (const TColourCase& C : Cases) {
        SCOPED_TRACE(C.Name);
        TSeriesPointer Fresh(nullptr);
        Pointer.Assign(&Fresh);
        C.Setup(Pointer);
        Clear();
        DrawMarker(psRectangle);
        EXPECT_EQ(Pixel(46, 46), C.Edge);
        EXPECT_EQ(Pixel(50, 50), C.Inside);
    }
}

TEST_F(PointerTest, AnAutomaticHatchIsBlackOverThePointColour) {
    Pointer.GetBrush()->SetStyle(bsCross);
    DrawMarker(psRectangle, 10);
    const TRect Inside{41, 41, 60, 60};
    const int Black = test::CountPixels(Inside, [this](int X, int Y) { return Pixel(X, Y) == clBlack; });
    const int Red = test::CountPixels(Inside, [this](int X, int Y) { return Pixel(X, Y) == Fill; });
    EXPECT_GT(Black, 20);
    EXPECT_GT(Red, 200);
}

TEST_F(PointerTest, GradientFillsTheMarkerEndingInThePointColour) {
    TVurGradient* Gradient = Pointer.GetGradient();
    Gradient->SetVisible(true);
    Gradient->SetStartColor(clWhite);
    Gradient->SetDirection(gdTopBottom);
    DrawMarker(psRectangle, 10);
    EXPECT_EQ(Gradient->GetEndColor(), Fill);
    // gdTopBottom: the end colour at the top (over the outline there), the
    // start colour at the bottom.
    EXPECT_EQ(Pixel(50, 40), Fill);
    EXPECT_NE(Pixel(50, 58), Fill);
    EXPECT_NE(Pixel(50, 58), clWhite);
    // The area is inset by the pen's width on the right and at the bottom:
    // the outline there stays.
    EXPECT_EQ(Pixel(60, 50), clBlack);
    EXPECT_EQ(Pixel(50, 60), clBlack);

    // A circle's gradient stays inside the circle.
    Clear();
    DrawMarker(psCircle, 10);
    EXPECT_EQ(Pixel(41, 41), clWhite);
    EXPECT_EQ(Pixel(58, 41), clWhite);
    const TColor Middle = Pixel(50, 50);
    EXPECT_TRUE(Middle != clWhite && Middle != Fill && Middle != clBlack) << Middle;
}

TEST_F(PointerTest, TransparencyBlendsTheMarkerWithWhatLiesUnder) {
    Pointer.SetTransparency(50);
    Pointer.GetPen()->Hide();
    Start(false);
    Pointer.PrepareCanvas(&Canvas, clBlack);
    Pointer.DrawPointer(&Canvas, false, 50, 50, 4, 4, clBlack, psRectangle);
    // Half of white over black.
    EXPECT_EQ(Pixel(50, 50), 0x7F7F7Fu);
    EXPECT_EQ(Pixel(40, 40), clWhite);
}

TEST_F(PointerTest, SizesOfZeroOrLessAreRefusedAndKept) {
    Pointer.SetHorizSize(3);
    Pointer.SetVertSize(5);
    const std::vector<void (*)(TSeriesPointer&)> Setters = {
        [](TSeriesPointer& P) { P.SetHorizSize(0); },
        [](TSeriesPointer& P) { P.SetVertSize(-1); },
        [](TSeriesPointer& P) { P.SetSize(0); },
    };
    for (const auto& Set : Setters) {
        try {
            Set(Pointer);
            ADD_FAILURE() << "no exception";
        } catch (const ChartException& E) {
            EXPECT_STREQ(E.what(), "Pointer size must be greater than zero");
        }
        EXPECT_EQ(Pointer.GetHorizSize(), 3);
        EXPECT_EQ(Pointer.GetVertSize(), 5);
    }
}

// A legend symbol leaves room for a line through it: a third of the box,
// else half of it and one more.
TEST_F(PointerTest, LegendSymbolShrinksTheMarkerToItsBox) {
    struct TCase {
        TRect Rect;
        bool WithLine;
        TRect Ink;
    };
    const std::vector<TCase> Cases = {
        {TRect{10, 10, 19, 19}, true, TRect{11, 11, 18, 18}},
        {TRect{10, 10, 19, 19}, false, TRect{10, 10, 19, 19}},
        {TRect{10, 10, 40, 40}, true, TRect{21, 21, 30, 30}},
        {TRect{10, 10, 14, 30}, false, TRect{9, 16, 16, 25}},
    };
    for (const TCase& C : Cases) {
        Clear();
        Start(false);
        Pointer.DrawLegendShape(&Canvas, Fill, C.Rect, C.WithLine, psRectangle);
        EXPECT_EQ(Ink(), C.Ink);
    }
}

// Records the 3D primitives a marker asks for, drawing nothing.
class TPrimitiveCanvas : public TVurCanvas3D {
public:
    bool FullRotation = false;
    std::ostringstream Calls;

    bool GetSupportsFullRotation() const override { return FullRotation; }
    void Cube(int Left, int Right, int Top, int Bottom, int Z0, int Z1, bool Dark) override {
        Calls << "Cube " << Left << ' ' << Right << ' ' << Top << ' ' << Bottom << ' ' << Z0 << ' ' << Z1
              << ' ' << Dark << ';';
    }
    void Pyramid(bool Vertical, int Left, int Top, int Right, int Bottom, int Z0, int Z1,
                 bool Dark) override {
        Calls << "Pyramid " << Vertical << ' ' << Left << ' ' << Top << ' ' << Right << ' ' << Bottom << ' '
              << Z0 << ' ' << Z1 << ' ' << Dark << ';';
    }
    void Sphere(int X, int Y, int Z, double Radius) override {
        Calls << "Sphere " << X << ' ' << Y << ' ' << Z << ' ' << Radius << ';';
    }
    void EllipseWithZ(int X1, int Y1, int X2, int Y2, int Z) override {
        Calls << "Ellipse " << X1 << ' ' << Y1 << ' ' << X2 << ' ' << Y2 << ' ' << Z << ';';
    }
    void RectangleWithZ(const TRect& R, int Z) override {
        Calls << "Rectangle " << R.Left << ' ' << R.Top << ' ' << R.Right << ' ' << R.Bottom << ' ' << Z
              << ';';
    }
    void LineWithZ(int X0, int Y0, int X1, int Y1, int Z) override {
        Calls << "Line " << X0 << ' ' << Y0 << ' ' << X1 << ' ' << Y1 << ' ' << Z << ';';
    }
    void TriangleWithZ(const TPoint& P1, const TPoint& P2, const TPoint& P3, int Z) override {
        Calls << "Triangle";
        for (const TPoint& P : {P1, P2, P3}) Calls << ' ' << P.X << ',' << P.Y;
        Calls << ' ' << Z << ';';
    }
    void PolygonWithZ(std::span<const TPoint> Points, int HighIndex, int Z) override {
        Calls << "Polygon";
        for (int I = 0; I <= HighIndex; ++I) Calls << ' ' << Points[I].X << ',' << Points[I].Y;
        Calls << ' ' << Z << ';';
    }
    void SetPixel3D(int X, int Y, int Z, TColor) override {
        Calls << "Pixel " << X << ' ' << Y << ' ' << Z << ';';
    }
};

class Pointer3DTest : public test::LineSeriesFixture {
protected:
    void SetUp() override {
        LineSeriesFixture::SetUp();
        // The series' slot spans depths 20 to 40.
        Chart->SetView3D(true);
        Chart->SetWalls3D(40, 40, 20, 20);
        Series->SetSeriesDepthSlot(1);
        Series->CalcDepthPositions();
    }
    std::string Primitives(TSeriesPointerStyle Style, bool Draw3D, bool FullRotation) {
        TPrimitiveCanvas Canvas;
        Canvas.SetCanvas(Bitmap.GetCanvas());
        Canvas.FullRotation = FullRotation;
        TSeriesPointer* Pointer = Series->GetPointer();
        Pointer->SetDraw3D(Draw3D);
        Pointer->DrawPointer(&Canvas, true, 50, 50, 4, 4, clRed, Style);
        return Canvas.Calls.str();
    }
};

TEST_F(Pointer3DTest, EachStyleAsksForItsSolidOrItsShapeAtTheSeriesDepth) {
    struct TCase {
        TSeriesPointerStyle Style;
        bool Draw3D;
        bool FullRotation;
        const char* Calls;
    };
    const std::vector<TCase> Cases = {
        {psRectangle, true, false, "Cube 46 54 46 54 20 40 1;"},
        {psRectangle, false, false, "Rectangle 46 46 55 55 20;"},
        {psCircle, true, false, "Ellipse 46 46 54 54 20;"},
        {psCircle, true, true, "Sphere 50 50 30 4;"},
        {psCircle, false, true, "Ellipse 46 46 54 54 20;"},
        {psTriangle, true, false, "Pyramid 1 46 46 54 54 20 40 1;"},
        {psDownTriangle, true, false, "Pyramid 1 46 54 54 46 20 40 1;"},
        {psTriangle, false, false, "Triangle 50,46 46,54 54,54 20;"},
        {psDownTriangle, false, false, "Triangle 50,54 46,46 54,46 20;"},
        {psLeftTriangle, true, false, "Triangle 46,50 54,46 54,54 20;"},
        {psRightTriangle, true, false, "Triangle 54,50 46,46 46,54 20;"},
        {psCross, true, false, "Line 50 46 50 55 20;Line 46 50 55 50 20;"},
        {psDiagCross, true, false, "Line 46 46 55 55 20;Line 54 46 45 55 20;"},
        {psStar, true, false,
         "Line 50 46 50 55 20;Line 46 50 55 50 20;Line 46 46 55 55 20;Line 54 46 45 55 20;"},
        {psDiamond, true, false, "Polygon 46,50 50,46 54,50 50,54 20;"},
        {psSmallDot, true, false, "Pixel 50 50 30;"},
        {psNothing, true, false, ""},
    };
    for (const TCase& C : Cases) {
        SCOPED_TRACE(static_cast<int>(C.Style));
        EXPECT_EQ(Primitives(C.Style, C.Draw3D, C.FullRotation), C.Calls);
    }
    Series->GetPointer()->SetDark3D(false);
    EXPECT_EQ(Primitives(psRectangle, true, false), "Cube 46 54 46 54 20 40 0;");
}

} // namespace
} // namespace vur
