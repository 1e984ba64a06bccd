// The box behind axis labels and titles is a whole chart shape: its
// gradient, shadow and transparency land where the box's geometry says, a
// turned title keeps an upright box, and a custom item brings its own box.
#include "tests/chart/DaZezava/AxisDrawTestSupport.h"
#include "tests/chart/GradientBands.h"

namespace vur {
namespace {

using test::AxisDrawFixture;
using test::BandColor;

constexpr TColor Navy = 0x800000;
constexpr TColor Orange = 0x0080FF;

struct AxisLabelBoxTest : AxisDrawFixture {
    const TRect Plot{100, 40, 400, 300};

    void SetUp() override {
        AxisDrawFixture::SetUp();
        Bottom->SetMinMax(-0.5, 4.5);
        Bottom->SetIncrement(1);
    }
    TAxisLabelFormat* Format() const { return Bottom->GetItems()->GetFormat(); }
    // The box of the bottom label at x = 250 (value 2): centred on the tick
    // below the labels anchor, one line high, half a "W" wider each side.
    TRect LabelBox() {
        const int W = TextWidth(Bottom, Bottom->LabelValue(2));
        const int Margin = TextWidth(Bottom, "W") / 2;
        const int Left = 250 - W / 2 - Margin;
        return {Left, Bottom->GetLabelsPos(), Left + W + 2 * Margin,
                Bottom->GetLabelsPos() + FontHeight(Bottom)};
    }
    // On a white picture again.
    void DrawBottom() {
        Canvas->GetBrush()->SetStyle(bsSolid);
        Canvas->GetBrush()->SetColor(clWhite);
        Canvas->FillRect(TRect{0, 0, 500, 400});
        Arrange({Bottom}, Plot);
        Bottom->Draw(true);
    }
};

TEST_F(AxisLabelBoxTest, TransparentFormatDrawsNoBoxWhateverItsEffects) {
    Format()->GetGradient()->SetVisible(true);
    Format()->GetShadow()->SetSize(4);
    DrawBottom();
    const TRect Box = LabelBox();
    EXPECT_EQ(Pixel(Box.Left + 1, Box.Top + 1), clWhite);
    EXPECT_EQ(Pixel(Box.Right + 1, Box.Bottom + 1), clWhite);
}

// The gradient fills the box inside its frame: probed in the margin column
// left of the text, on the first and last rows inside the frame.
TEST_F(AxisLabelBoxTest, GradientFillsTheBoxInsideItsFrame) {
    struct Case {
        TGradientDirection Direction;
        bool Vertical;
    };
    for (const Case C : {Case{gdTopBottom, true}, Case{gdLeftRight, false}}) {
        Format()->SetTransparent(false);
        Format()->GetShadow()->SetSize(0);
        TVurGradient* G = Format()->GetGradient();
        G->SetStartColor(Navy);
        G->SetEndColor(Orange);
        G->SetDirection(C.Direction);
        G->SetVisible(true);
        DrawBottom();
        const TRect Box = LabelBox();
        for (const int Y : {Box.Top + 1, Box.Bottom - 2}) {
            const TColor Expected = C.Vertical ? BandColor(Navy, Orange, Box.Top, Box.Bottom, Y)
                                               : BandColor(Navy, Orange, Box.Left, Box.Right, Box.Left + 1);
            EXPECT_EQ(Pixel(Box.Left + 1, Y), Expected) << C.Direction << " row " << Y;
        }
        // The frame still goes round it.
        EXPECT_TRUE(Dark(Pixel(Box.Left, (Box.Top + Box.Bottom) / 2))) << C.Direction;
    }
}

// A flat shadow of (3, 3): a strip below from Left + 3 and a strip to the
// right from Top + 3; a smooth one starts in the shadow colour on the row
// under the box and fades on the rows after it.
TEST_F(AxisLabelBoxTest, ShadowFallsRightAndDownOfTheBox) {
    constexpr TColor Shade = 0x0000C0;
    struct Case {
        bool Smooth;
        TColor ThirdRow; // under the box, two rows down
    };
    for (const Case C : {Case{false, Shade}, Case{true, clNone}}) {
        Format()->SetTransparent(false);
        TVurShadow* S = Format()->GetShadow();
        S->SetColor(Shade);
        S->SetSize(3);
        S->SetSmooth(C.Smooth);
        DrawBottom();
        const TRect Box = LabelBox();
        const int Middle = (Box.Left + Box.Right) / 2;
        EXPECT_EQ(Pixel(Middle, Box.Bottom), Shade) << C.Smooth;
        if (C.ThirdRow != clNone)
            EXPECT_EQ(Pixel(Middle, Box.Bottom + 2), C.ThirdRow);
        else
            EXPECT_NE(Pixel(Middle, Box.Bottom + 2), Shade);
        EXPECT_EQ(Pixel(Middle, Box.Bottom + 3), clWhite) << C.Smooth;
        // The strips start shifted by the size.
        EXPECT_EQ(Pixel(Box.Left + 1, Box.Bottom), clWhite) << C.Smooth;
        EXPECT_EQ(Pixel(Box.Left + 4, Box.Bottom), Shade) << C.Smooth;
        EXPECT_EQ(Pixel(Box.Right, Box.Top + 1), clWhite) << C.Smooth;
        EXPECT_EQ(Pixel(Box.Right, Box.Top + 4), Shade) << C.Smooth;
    }
}

// Black at transparency 50 over the white picture: grey 127 or 128.
TEST_F(AxisLabelBoxTest, TransparentBoxBlendsWithWhatIsUnderIt) {
    Format()->SetTransparent(false);
    Format()->GetShadow()->SetSize(0);
    Format()->SetColor(clBlack);
    Format()->SetTransparency(50);
    DrawBottom();
    const TRect Box = LabelBox();
    const TColor Inside = Pixel(Box.Left + 1, (Box.Top + Box.Bottom) / 2);
    for (int Shift = 0; Shift < 24; Shift += 8) {
        EXPECT_GE((Inside >> Shift) & 0xFF, 127U) << std::hex << Inside;
        EXPECT_LE((Inside >> Shift) & 0xFF, 128U) << std::hex << Inside;
    }
}

// The left axis title turned 90 degrees stands in an upright box one line
// wide, left of the title anchor and centred on the axis; its shadow falls
// right and down on the screen like any box's.
TEST_F(AxisLabelBoxTest, TurnedTitleKeepsAnUprightBoxWithItsShadow) {
    constexpr TColor Shade = 0x0000C0;
    Left->SetMinMax(0, 100);
    Left->SetLabels(false);
    Left->GetTitle()->SetCaption("Axis Title");
    TAxisLabelFormat* F = Left->GetItems()->GetFormat();
    F->SetTransparent(false);
    F->GetShadow()->SetColor(Shade);
    F->GetShadow()->SetSmooth(false);
    Arrange({Left}, Plot);
    Left->Draw(true);
    const int H = FontHeight(Left);
    const int W = TextWidth(Left, "Axis Title");
    const int Margin = TextWidth(Left, "W") / 2;
    const int X = Left->GetTitlePos();
    const int C = Left->GetPixelCenter();
    const TRect Box{X - H, C - (W - W / 2 + Margin), X, C + W / 2 + Margin};
    // The frame's sides, away from the letters.
    EXPECT_TRUE(Dark(Pixel(Box.Left, Box.Top + 2)));
    EXPECT_TRUE(Dark(Pixel(Box.Right - 1, Box.Top + 2)));
    EXPECT_TRUE(Dark(Pixel(Box.Left + 2, Box.Top)));
    EXPECT_TRUE(Dark(Pixel(Box.Left + 2, Box.Bottom - 1)));
    EXPECT_EQ(Pixel(Box.Left + 2, Box.Top + 2), clWhite);
    EXPECT_EQ(Pixel(Box.Left + 2, Box.Top - 1), clWhite);
    // Letters on a clear background: most of the inside stays white.
    const TRect Inside{Box.Left + 1, Box.Top + 1, Box.Right - 1, Box.Bottom - 1};
    EXPECT_LT(CountDark(Inside) * 2, (Inside.Right - Inside.Left) * (Inside.Bottom - Inside.Top));
    // The shadow: right from Top + 3, below from Left + 3.
    EXPECT_EQ(Pixel(Box.Right + 1, Box.Top + 1), clWhite);
    EXPECT_EQ(Pixel(Box.Right + 1, Box.Top + 4), Shade);
    EXPECT_EQ(Pixel(Box.Left + 4, Box.Bottom + 1), Shade);
}

// A custom item's own format: its box alone, in its own colour.
TEST_F(AxisLabelBoxTest, CustomItemDrawsItsOwnBox) {
    constexpr TColor Fill = 0x00FFFF;
    TAxisItem* Item = Bottom->GetItems()->Add(2, "Two");
    Bottom->GetItems()->Add(3, "Three");
    Item->SetTransparent(false);
    Item->SetColor(Fill);
    Item->GetShadow()->SetSize(0);
    DrawBottom();
    const int Margin = TextWidth(Bottom, "W") / 2;
    const int W2 = TextWidth(Bottom, "Two"), W3 = TextWidth(Bottom, "Three");
    const int Row = Bottom->GetLabelsPos() + 1;
    EXPECT_EQ(Pixel(250 - W2 / 2 - Margin + 1, Row), Fill);
    EXPECT_EQ(Pixel(310 - W3 / 2 - Margin + 1, Row), clWhite);
}

} // namespace
} // namespace vur
