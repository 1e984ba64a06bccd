#include "CanvasTestSupport.h"

#include "chart/RoVedure/ChartBrush.h"
#include "chart/RoVedure/ChartPen.h"
#include "chart/RoVedure/VurFont.h"

#include <climits>

namespace vur {
namespace {

using PenTransferTest = CanvasFixture;

TEST_F(PenTransferTest, HiddenPenHidesEveryLineUntilAnotherPenComes) {
    TChartPen Visible;
    Visible.SetColor(clBlue);
    Canvas.AssignVisiblePen(&Visible);
    TChartPen Hidden;
    Hidden.SetColor(clRed);
    Hidden.SetWidth(3);
    Hidden.Hide();
    Canvas.AssignVisiblePen(&Hidden);
    Canvas.Line(10, 10, 100, 10);
    Canvas.Line(10, 20, 100, 60);
    EXPECT_EQ(Count(clRed) + Count(clBlue), 0);
    // Only the style changed on the canvas; colour and width stay.
    EXPECT_EQ(Canvas.GetPen()->GetColor(), clBlue);
    EXPECT_EQ(Canvas.GetPen()->GetWidth(), 1);
    EXPECT_EQ(Hidden.GetColor(), clRed);
    EXPECT_EQ(Hidden.GetWidth(), 3);
    Canvas.AssignVisiblePen(&Visible);
    Canvas.Line(10, 30, 100, 30);
    EXPECT_EQ(Count(clBlue), 90);
}

TEST_F(PenTransferTest, MonochromeMakesPensAndFontsBlackAndBrushesWhite) {
    Canvas.SetMonochrome(true);
    EXPECT_TRUE(Canvas.GetDirty());
    TChartPen Pen;
    Pen.SetColor(clRed);
    Canvas.AssignVisiblePen(&Pen);
    Canvas.Line(0, 5, 50, 5);
    EXPECT_EQ(Count(clBlack), 50);
    EXPECT_EQ(Count(clRed), 0);

    TChartBrush Brush;
    Brush.SetColor(clRed);
    Canvas.GetBrush()->SetColor(clLime);
    Canvas.AssignBrush(&Brush, clRed);
    EXPECT_EQ(Canvas.GetBrush()->GetColor(), clWhite);

    TVurFont Font;
    Font.SetColor(clRed);
    Canvas.AssignFont(&Font);
    EXPECT_EQ(Canvas.GetFont()->GetColor(), clBlack);
    EXPECT_EQ(Font.GetColor(), clRed);
}

TEST_F(PenTransferTest, PlainPenGetsTheColourAndTheWidthRule) {
    TPen Plain;
    Plain.SetStyle(psDash);
    Canvas.AssignVisiblePenColor(&Plain, clGreen);
    EXPECT_EQ(Canvas.GetPen()->GetColor(), clGreen);
    EXPECT_EQ(Canvas.GetPen()->GetWidth(), 1);
    VurDrawSettings().VurCheckPenWidth = true;
    Canvas.AssignVisiblePenColor(&Plain, clGreen);
    EXPECT_EQ(Canvas.GetPen()->GetWidth(), 0);
    TChartPen Dashed;
    Dashed.SetStyle(psDash);
    Canvas.AssignVisiblePen(&Dashed);
    EXPECT_EQ(Canvas.GetPen()->GetWidth(), 0);
}

TEST_F(PenTransferTest, SmallDotsSetEveryOtherPixelOrOneInSmallSpacePlusOne) {
    TChartPen Pen;
    Pen.SetColor(clBlue);
    Pen.SetSmallDots(true);
    Canvas.AssignVisiblePen(&Pen);
    Canvas.Line(10, 10, 40, 10);
    for (int X = 10; X < 40; ++X) EXPECT_EQ(Pixel(X, 10), (X - 10) % 2 == 0 ? clBlue : clWhite) << X;

    Pen.SetSmallSpace(2);
    Canvas.AssignVisiblePen(&Pen);
    Canvas.Line(10, 20, 40, 20);
    for (int X = 10; X < 40; ++X) EXPECT_EQ(Pixel(X, 20), (X - 10) % 3 == 0 ? clBlue : clWhite) << X;
}

TEST_F(PenTransferTest, WidePensFollowTheEndStyle) {
    TChartPen Pen;
    Pen.SetColor(clBlack);
    Pen.SetWidth(6);
    const int Ys[] = {15, 40, 65};
    const TPenEndStyle Styles[] = {esFlat, esSquare, esRound};
    for (int I = 0; I < 3; ++I) {
        Pen.SetEndStyle(Styles[I]);
        Canvas.AssignVisiblePen(&Pen);
        Canvas.Line(30, Ys[I], 90, Ys[I]);
    }
    // Six pixels high across the segment in every style.
    EXPECT_EQ(Count(clBlack, TRect{60, 10, 61, 20}), 6);
    // Flat ends stop at the end points; square ones go half the width beyond.
    EXPECT_EQ(Pixel(28, 15), clWhite);
    EXPECT_EQ(Pixel(31, 15), clBlack);
    EXPECT_EQ(Pixel(28, 40), clBlack);
    EXPECT_EQ(Pixel(28, 38), clBlack);
    // Round ends cover the tip but not the corner of the square.
    EXPECT_EQ(Pixel(28, 65), clBlack);
    EXPECT_EQ(Pixel(27, 62), clWhite);
    EXPECT_EQ(Pixel(27, 37), clBlack);
}

TEST_F(PenTransferTest, Frame3DBevelsInsideTheRectangle) {
    TRect R{0, 0, 10, 10};
    Canvas.Frame3D(R, clWhite - 1, clBlack, 2);
    EXPECT_EQ(R, (TRect{2, 2, 8, 8}));
    const TColor Top = clWhite - 1;
    EXPECT_EQ(Pixel(0, 0), Top);
    EXPECT_EQ(Pixel(0, 8), Top);
    EXPECT_EQ(Pixel(8, 0), Top);
    EXPECT_EQ(Pixel(1, 1), Top);
    EXPECT_EQ(Pixel(9, 9), clBlack);
    EXPECT_EQ(Pixel(9, 1), clBlack);
    EXPECT_EQ(Pixel(0, 9), clBlack);
    EXPECT_EQ(Pixel(8, 8), clBlack);
    EXPECT_EQ(Pixel(2, 2), clWhite);
    EXPECT_EQ(Pixel(10, 10), clWhite);
}

// A bevel wider than the picture: the same pixels and rectangle as that many
// one-pixel bevels in a row (each shrinks the rectangle by one), and the
// widest one leaves its edges at the ends of int instead of wrapping.
TEST_F(PenTransferTest, Frame3DWiderThanThePictureIsItsTurnsOneByOne) {
    const TRect Start{10, 20, 70, 50};
    TRect R = Start;
    Canvas.Frame3D(R, clRed, clBlue, 300);
    const gdi::Bitmap Wide = Bitmap.GetImage();

    Clear();
    TRect Stepped = Start;
    for (int I = 0; I < 300; ++I) Canvas.Frame3D(Stepped, clRed, clBlue, 1);
    EXPECT_EQ(R, Stepped);
    EXPECT_EQ(R, (TRect{310, 320, -230, -250}));
    EXPECT_TRUE(Bitmap.GetImage() == Wide);

    Clear();
    R = Start;
    Canvas.Frame3D(R, clRed, clBlue, INT_MAX);
    EXPECT_TRUE(Bitmap.GetImage() == Wide);
    EXPECT_EQ(R, (TRect{INT_MAX, INT_MAX, 70 - INT_MAX, 50 - INT_MAX}));
}

using BrushTransferTest = CanvasFixture;

TEST_F(BrushTransferTest, HatchGapsFollowTheBackColour) {
    TChartBrush Brush;
    Brush.SetStyle(bsVertical);
    Canvas.GetPen()->SetStyle(psClear);
    Canvas.AssignBrushColor(&Brush, clRed, clNone);
    EXPECT_EQ(Canvas.GetBackMode(), cbmTransparent);
    Canvas.FillRect(TRect{0, 0, 16, 8});
    EXPECT_EQ(Count(clRed, TRect{0, 0, 16, 1}), 2);
    EXPECT_EQ(Count(clWhite, TRect{0, 0, 16, 1}), 14);

    Canvas.AssignBrushColor(&Brush, clRed, clYellow);
    EXPECT_EQ(Canvas.GetBackMode(), cbmOpaque);
    Canvas.FillRect(TRect{20, 0, 36, 8});
    EXPECT_EQ(Count(clRed, TRect{20, 0, 36, 1}), 2);
    EXPECT_EQ(Count(clYellow, TRect{20, 0, 36, 1}), 14);
}

TEST_F(BrushTransferTest, BrushPictureBecomesAPatternInTheGivenColours) {
    TChartBrush Brush;
    TBitmap* Pattern = Brush.GetImage()->GetBitmap();
    Pattern->SetSize(2, 1);
    Pattern->GetCanvas()->SetPixel(0, 0, clBlack);
    Pattern->SetMonochrome(true);
    Canvas.AssignBrushColor(&Brush, clBlue, clYellow);
    Canvas.FillRect(TRect{0, 0, 8, 2});
    EXPECT_EQ(Count(clBlue, TRect{0, 0, 8, 2}), 8);
    EXPECT_EQ(Count(clYellow, TRect{0, 0, 8, 2}), 8);
    // Without the picture the brush is plain again.
    Brush.SetImage(nullptr);
    Canvas.AssignBrushColor(&Brush, clBlue, clNone);
    EXPECT_FALSE(Canvas.GetBrush()->HasBitmap());
}

TEST_F(BrushTransferTest, InternalDarkShadesTheFillOrTheHatchBackground) {
    Canvas.GetBrush()->SetStyle(bsSolid);
    Canvas.InternalDark(0xC8C8C8, 64);
    EXPECT_EQ(Canvas.GetBrush()->GetColor(), 0x888888u);
    Canvas.GetBrush()->SetStyle(bsCross);
    Canvas.InternalDark(0xC8C8C8, 128);
    EXPECT_EQ(Canvas.GetBackColor(), 0x484848u);
}

using ClipTest = CanvasFixture;

TEST_F(ClipTest, ClipsDoNotStack) {
    Canvas.GetPen()->SetStyle(psClear);
    Canvas.GetBrush()->SetColor(clRed);
    Canvas.ClipRectangle(TRect{0, 0, 60, 40});
    Canvas.ClipRectangle(TRect{20, 20, 100, 60});
    Canvas.FillRect(TRect{0, 0, Width, Height});
    EXPECT_EQ(Ink(), (TRect{20, 20, 60, 40}));

    Clear();
    Canvas.UnClipRectangle(); // back to the first clip
    Canvas.FillRect(TRect{0, 0, Width, Height});
    EXPECT_EQ(Ink(), (TRect{0, 0, 60, 40}));

    Clear();
    Canvas.UnClipRectangle(); // nothing remembered: no clip at all
    Canvas.FillRect(TRect{0, 0, Width, Height});
    EXPECT_EQ(Count(clRed), Width * Height);
}

// Interleaved clips on two canvases: each unclip gives its own canvas back
// the area that canvas had, not the one the other canvas remembered.
TEST_F(ClipTest, EachCanvasRemembersItsOwnArea) {
    TBitmap Other(Width, Height);
    TCanvas& Second = *Other.GetCanvas();
    Second.GetBrush()->SetColor(clRed);
    ClipCanvas(Second, TClipArea::Rectangle(TRect{0, 0, 30, 30}));
    Canvas.GetPen()->SetStyle(psClear);
    Canvas.GetBrush()->SetColor(clRed);
    Canvas.ClipRectangle(TRect{10, 10, 50, 50});
    ClipCanvas(Second, TClipArea::Rectangle(TRect{5, 5, 100, 100}));

    Canvas.UnClipRectangle();
    Canvas.FillRect(TRect{0, 0, Width, Height});
    EXPECT_EQ(Count(clRed), Width * Height);

    UnClipCanvas(Second);
    Second.FillRect(TRect{0, 0, Width, Height});
    EXPECT_EQ(test::InkBox(TRect{0, 0, Width, Height},
                           [&](int X, int Y) { return Other.GetImage().GetPixel(X, Y) == clRed; }),
              (TRect{0, 0, 30, 30}));
}

TEST_F(ClipTest, InvertedEllipseTogglesAHoleWithoutBeingRemembered) {
    Canvas.GetPen()->SetStyle(psClear);
    Canvas.GetBrush()->SetColor(clBlue);
    Canvas.ClipRectangle(TRect{0, 0, 100, 60});
    Canvas.ClipEllipse(TRect{20, 10, 60, 50}, true);
    Canvas.FillRect(TRect{0, 0, Width, Height});
    EXPECT_EQ(Pixel(40, 30), clWhite);
    EXPECT_EQ(Pixel(5, 5), clBlue);
    EXPECT_EQ(Pixel(110, 5), clWhite);
    Clear();
    Canvas.UnClipRectangle();
    Canvas.FillRect(TRect{0, 0, Width, Height});
    EXPECT_EQ(Pixel(40, 30), clBlue);
    EXPECT_EQ(Pixel(110, 5), clBlue);
}

TEST_F(ClipTest, EllipseRoundRectAndPolygonShapes) {
    Canvas.GetPen()->SetStyle(psClear);
    Canvas.GetBrush()->SetColor(clGreen);
    ClipEllipse(Canvas, TRect{0, 0, 40, 40});
    Canvas.FillRect(TRect{0, 0, Width, Height});
    EXPECT_EQ(Pixel(20, 20), clGreen);
    EXPECT_EQ(Pixel(1, 1), clWhite);
    Canvas.UnClipRectangle();
    Clear();
    const TPoint Triangle[] = {{0, 0}, {60, 0}, {0, 60}};
    ClipPolygon(Canvas, Triangle, 3);
    Canvas.FillRect(TRect{0, 0, Width, Height});
    EXPECT_EQ(Pixel(10, 10), clGreen);
    EXPECT_EQ(Pixel(50, 50), clWhite);
    Canvas.UnClipRectangle();
    Clear();
    ClipRoundRectangle(Canvas, TRect{0, 0, 50, 50}, 20);
    Canvas.FillRect(TRect{0, 0, Width, Height});
    EXPECT_EQ(Pixel(25, 1), clGreen);
    EXPECT_EQ(Pixel(0, 0), clWhite);
}

} // namespace
} // namespace vur
