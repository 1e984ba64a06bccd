#include "CanvasTestSupport.h"

#include "chart/RoVedure/VurFont.h"

#include <memory>

namespace vur {
namespace {

using TextTest = CanvasFixture;

TEST_F(TextTest, WidthAndHeightAddTheShadowSizes) {
    TVurFont Font;
    Canvas.AssignFont(&Font);
    const int BaseHeight = Canvas.TextHeight("");
    EXPECT_EQ(Canvas.TextWidth(""), 0); // shadow never read: nothing added
    Font.GetShadow()->SetHorizSize(3);
    Font.GetShadow()->SetVertSize(2);
    EXPECT_EQ(Canvas.TextWidth(""), 3);
    EXPECT_EQ(Canvas.TextHeight(""), BaseHeight + 2);
    Font.GetShadow()->SetHorizSize(-3);
    Font.GetShadow()->SetVertSize(0);
    EXPECT_EQ(Canvas.TextWidth(""), 3);
    EXPECT_EQ(Canvas.TextHeight(""), BaseHeight);
    EXPECT_EQ(Canvas.GetFontHeight(), Canvas.TextHeight("W"));
}

TEST_F(TextTest, AlignmentPlacesTheTextAroundTheReferencePoint) {
    TVurFont Font;
    Font.SetSize(12);
    Canvas.AssignFont(&Font);
    const int TextW = Canvas.TextWidth("HHH");
    Canvas.SetTextAlign(TA_RIGHT);
    Canvas.TextOut(60, 5, "HHH");
    TRect R = Ink();
    EXPECT_LE(R.Right, 61);
    EXPECT_GE(R.Left, 60 - TextW - 1);
    EXPECT_GE(R.Top, 5);
    Clear();
    Canvas.SetTextAlign(TA_CENTER | TA_BOTTOM);
    Canvas.TextOut(60, 40, "HHH");
    R = Ink();
    EXPECT_LT(R.Left, 60);
    EXPECT_GT(R.Right, 60);
    EXPECT_LE(R.Bottom, 41);
    EXPECT_NEAR((R.Left + R.Right) / 2.0, 60, 2);
}

TEST_F(TextTest, ShadowIsDrawnFirstAndNegativeSizesMoveTheText) {
    TVurFont Font;
    Font.SetSize(14);
    Font.SetColor(clRed);
    Font.GetShadow()->SetColor(clBlue);
    Font.GetShadow()->SetHorizSize(4);
    Font.GetShadow()->SetVertSize(4);
    Canvas.AssignFont(&Font);
    Canvas.TextOut(10, 10, "I");
    const TRect Red = [&] {
        TRect R{Width, Height, 0, 0};
        for (int Y = 0; Y < Height; ++Y)
            for (int X = 0; X < Width; ++X)
                if (Pixel(X, Y) == clRed)
                    R = TRect{std::min(R.Left, X), std::min(R.Top, Y), std::max(R.Right, X + 1),
                              std::max(R.Bottom, Y + 1)};
        return R;
    }();
    // The blue shadow shows beside and below the text, shifted by (4, 4).
    EXPECT_GT(Count(clBlue), 0);
    EXPECT_EQ(Pixel(Red.Right + 3, Red.Bottom + 3), clBlue);
    EXPECT_EQ(Pixel(Red.Left, Red.Top), clRed);

    Clear();
    Font.GetShadow()->SetHorizSize(-4);
    Font.GetShadow()->SetVertSize(0);
    Canvas.TextOut(10, 40, "I");
    // The shadow stays at x = 10, the text moves to 14: blue shows left of red.
    int FirstBlue = Width, FirstRed = Width;
    for (int X = 0; X < Width; ++X)
        for (int Y = 40; Y < Height; ++Y) {
            if (Pixel(X, Y) == clBlue) FirstBlue = std::min(FirstBlue, X);
            if (Pixel(X, Y) == clRed) FirstRed = std::min(FirstRed, X);
        }
    EXPECT_EQ(FirstRed - FirstBlue, 4);
}

TEST_F(TextTest, TransparentShadowIsBlendedWithWhatWasUnder) {
    TVurFont Font;
    Font.SetSize(20);
    Font.SetColor(clWhite);
    Font.GetShadow()->SetColor(clBlack);
    Font.GetShadow()->SetSize(30);
    Font.GetShadow()->SetTransparency(50);
    Canvas.AssignFont(&Font);
    Canvas.SetBackMode(cbmTransparent);
    Canvas.TextOut(5, 5, "I");
    // Where the shadow's ink was full black, half of the white shows: 127.
    EXPECT_GT(Count(0x7F7F7F), 5);
    EXPECT_EQ(Count(clBlack), 0);
}

TEST_F(TextTest, OutlineStrokesTheGlyphsAroundTheFill) {
    TVurFont Font;
    Font.SetSize(36);
    Font.SetStyle(fsBold);
    Font.SetColor(clYellow);
    Font.GetOutLine()->SetColor(clBlue);
    Font.GetOutLine()->Show();
    Canvas.AssignFont(&Font);
    Canvas.TextOut(10, 5, "O");
    EXPECT_GT(Count(clBlue), 40);
    EXPECT_GT(Count(clYellow), 20);
    // Hidden outline: plain text only.
    Clear();
    Font.GetOutLine()->Hide();
    Canvas.TextOut(10, 5, "O");
    EXPECT_EQ(Count(clBlue), 0);
}

TEST_F(TextTest, FontZoomAndSpacingReachTheTarget) {
    TVurFont Font;
    Font.SetSize(10);
    Font.SetInterCharSize(3);
    Canvas.SetFontZoom(200);
    Canvas.AssignFont(&Font);
    EXPECT_EQ(Canvas.GetFont()->GetSize(), 20);
    EXPECT_EQ(Canvas.GetHandle()->GetTextCharacterExtra(), 3);
    EXPECT_EQ(Font.GetSize(), 10);
    EXPECT_EQ(Canvas.GetCurrentFont(), &Font);
}

TEST_F(TextTest, AFontGoingAwayIsForgottenByTheCanvas) {
    auto Font = std::make_unique<TVurFont>();
    Font->GetShadow()->SetHorizSize(5);
    Canvas.AssignFont(Font.get());
    EXPECT_EQ(Canvas.TextWidth(""), 5);
    Font.reset();
    EXPECT_EQ(Canvas.GetCurrentFont(), nullptr);
    EXPECT_EQ(Canvas.TextWidth(""), 0);

    // A font moved to a second canvas is let go by the first.
    TVurFont Shared;
    TVurCanvas3D Other;
    TBitmap OtherBitmap(10, 10);
    Other.SetCanvas(OtherBitmap.GetCanvas());
    Canvas.AssignFont(&Shared);
    Other.AssignFont(&Shared);
    EXPECT_EQ(Canvas.GetCurrentFont(), nullptr);
    EXPECT_EQ(Other.GetCurrentFont(), &Shared);
}

// Records the escapement of the font each text is drawn with.
class TRecordingCanvas : public TVurCanvas3D {
public:
    using TVurCanvas3D::TextOut;
    void TextOut(int X, int Y, const std::string& Text) override {
        Escapements.push_back(GetFont()->GetHandle().GetLogFont().Escapement);
        TVurCanvas3D::TextOut(X, Y, Text);
    }
    std::vector<int> Escapements;
};

TEST_F(TextTest, RotateLabelReducesWholeTurnsAboveThreeHundredSixty) {
    TRecordingCanvas Recorder;
    Recorder.SetCanvas(Bitmap.GetCanvas());
    Recorder.ResetState();
    TVurFont Font;
    Font.SetSize(16);
    Recorder.AssignFont(&Font);
    Recorder.RotateLabel(60, 70, "HHHH", 450);
    Recorder.RotateLabel(10, 10, "H", 360);
    Recorder.RotateLabel(10, 10, "H", 400);
    Recorder.RotateLabel(10, 10, "H", -30);
    EXPECT_EQ(Recorder.Escapements, (std::vector<int>{900, 3600, 400, -300}));
    // The font is back to horizontal afterwards and the brush is clear.
    EXPECT_EQ(Recorder.GetFont()->GetHandle().GetLogFont().Escapement, 0);
    EXPECT_EQ(Recorder.GetBrush()->GetStyle(), bsClear);

    Clear();
    Recorder.RotateLabel(60, 70, "HHHH", 450);
    const TRect R = Ink();
    EXPECT_GT(R.Height(), 2 * R.Width()); // 90 degrees: the text runs upwards
    EXPECT_LE(R.Bottom, 71);
}

} // namespace
} // namespace vur
