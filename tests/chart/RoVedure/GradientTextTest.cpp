// Gradient text: the glyphs clip a gradient drawn over the text box; with
// the gradient's Outline only the widened outline does.
#include "CanvasTestSupport.h"

#include "chart/RoVedure/VurFont.h"

namespace vur {
namespace {

class GradientTextTest : public CanvasFixture {
protected:
    void SetUp() override {
        CanvasFixture::SetUp();
        Font.SetSize(36);
        Font.SetStyle(fsBold);
        Font.SetColor(clBlack);
        Font.GetGradient()->SetStartColor(0x0000FF);
        Font.GetGradient()->SetEndColor(0xFF0000);
        Font.GetGradient()->SetVisible(true);
    }

    // The same gradient over the text box on a plain bitmap: the colour
    // each pixel of the box should take.
    gdi::Bitmap Reference(const TRect& Box) {
        TBitmap Plain(Width, Height);
        TVurCanvas3D PlainCanvas;
        PlainCanvas.SetCanvas(Plain.GetCanvas());
        Font.GetGradient()->Draw(PlainCanvas, Box);
        return Plain.GetImage();
    }

    TVurFont Font;
};

TEST_F(GradientTextTest, TheGlyphsInsideTakeTheGradientOfTheTextBox) {
    Canvas.AssignFont(&Font);
    const TRect Box{10, 5, 10 + Canvas.TextWidth("I"), 5 + Canvas.TextHeight("I")};
    Canvas.TextOut(10, 5, "I");
    const gdi::Bitmap Expected = Reference(Box);
    int Inked = 0;
    for (int Y = 0; Y < Height; ++Y)
        for (int X = 0; X < Width; ++X) {
            if (Pixel(X, Y) == clWhite) continue;
            ++Inked;
            ASSERT_EQ(Pixel(X, Y), Expected.GetPixel(X, Y)) << X << "," << Y;
        }
    // A bold 36-point "I" is a solid bar: many pixels, none in the font colour.
    EXPECT_GT(Inked, 200);
    EXPECT_EQ(Count(clBlack), 0);
    // The bar's middle is filled.
    const TRect Ink = this->Ink();
    EXPECT_NE(Pixel((Ink.Left + Ink.Right) / 2, (Ink.Top + Ink.Bottom) / 2), clWhite);
}

TEST_F(GradientTextTest, WithOutlineOnlyTheWidenedOutlineTakesIt) {
    Font.GetGradient()->SetOutline(true);
    Canvas.AssignFont(&Font);
    const TRect Box{10, 5, 10 + Canvas.TextWidth("I"), 5 + Canvas.TextHeight("I")};
    Canvas.TextOut(10, 5, "I");
    const TRect Ink = this->Ink();
    ASSERT_GT(Ink.Right - Ink.Left, 6);
    // The bar's middle stays empty; its edges carry the gradient's colours.
    EXPECT_EQ(Pixel((Ink.Left + Ink.Right) / 2, (Ink.Top + Ink.Bottom) / 2), clWhite);
    const gdi::Bitmap Expected = Reference(Box);
    const int Y = (Ink.Top + Ink.Bottom) / 2;
    EXPECT_EQ(Pixel(Ink.Left, Y), Expected.GetPixel(Ink.Left, Y));
    EXPECT_EQ(Count(clBlack), 0);
    // A wider outline pen gives a wider outline.
    Clear();
    Font.GetOutLine()->SetWidth(3);
    Canvas.AssignFont(&Font);
    Canvas.TextOut(10, 5, "I");
    const int Wide = Count(clWhite);
    Clear();
    Font.GetOutLine()->SetWidth(1);
    Canvas.AssignFont(&Font);
    Canvas.TextOut(10, 5, "I");
    EXPECT_GT(Count(clWhite), Wide);
}

TEST_F(GradientTextTest, AVisibleOutlineIsStrokedOverTheGradient) {
    Font.GetOutLine()->SetColor(clLime);
    Font.GetOutLine()->Show();
    Canvas.AssignFont(&Font);
    Canvas.TextOut(10, 5, "I");
    const TRect Ink = this->Ink();
    const int Y = (Ink.Top + Ink.Bottom) / 2;
    EXPECT_EQ(Pixel(Ink.Left, Y), clLime);
    const TColor Middle = Pixel((Ink.Left + Ink.Right) / 2, Y);
    EXPECT_NE(Middle, clWhite);
    EXPECT_NE(Middle, clLime);
    EXPECT_NE(Middle, clBlack);
}

} // namespace
} // namespace vur
