#include "chart/Chart/TitleWallFixture.h"

namespace vur {
namespace {

using TitleTest = test::DressedChartFixture;

TEST_F(TitleTest, DefaultsOfTopAndFootTitles) {
    EXPECT_TRUE(Chart->Title.GetTransparent());
    EXPECT_EQ(Chart->Title.GetFont()->GetColor(), 0xFF0000u);
    EXPECT_EQ(Chart->Title.GetAlignment(), taCenter);
    EXPECT_TRUE(Chart->Title.GetAdjustFrame());
    EXPECT_TRUE(Chart->Title.GetPlacedOnTop());
    EXPECT_FALSE(Chart->Foot.GetPlacedOnTop());
    EXPECT_EQ(Chart->Foot.GetFont()->GetColor(), 255u);
    EXPECT_EQ(Chart->Foot.GetFont()->GetStyle(), fsItalic);
    EXPECT_FALSE(Chart->Foot.IsCustomPositionStored());
}

TEST_F(TitleTest, CaptionIsTheFirstLineAndReplacesAllLines) {
    EXPECT_EQ(Chart->Title.GetCaption(), "");
    Chart->Title.GetText()->Add("one");
    Chart->Title.GetText()->Add("two");
    EXPECT_EQ(Chart->Title.GetCaption(), "one");
    Chart->Title.SetCaption("three");
    EXPECT_EQ(Chart->Title.GetText()->Count(), 1);
    EXPECT_EQ(Chart->Title.GetCaption(), "three");
}

TEST_F(TitleTest, TextChangeRepaintsTheChart) {
    Paint();
    ASSERT_FALSE(Chart->GetCanvas()->GetDirty());
    Chart->Title.GetText()->Add("x");
    EXPECT_TRUE(Chart->GetCanvas()->GetDirty());
}

TEST_F(TitleTest, EmptyOrHiddenTitleTakesNoRoom) {
    Paint();
    EXPECT_EQ(Chart->TitledRect, Chart->MarginRect);
    Chart->Title.SetCaption("TChart");
    Chart->Title.Hide();
    Paint();
    EXPECT_EQ(Chart->TitledRect, Chart->MarginRect);
}

TEST_F(TitleTest, MainFormTitleMovesThePlotDownByFontHeightPlusEight) {
    Chart->Title.SetCaption("TChart");
    Paint();
    const int FH = FontHeight(*Chart->Title.GetFont());
    // The margins of a 689 x 257 panel.
    ASSERT_EQ(Chart->MarginRect, (TRect{21, 11, 668, 246}));
    EXPECT_EQ(Chart->TitledRect, (TRect{21, 11 + FH + 8, 668, 246}));
    // Blue text only in the line that starts one pixel below the old top,
    // centred over the plot.
    EXPECT_EQ(Count(clBlue, TRect{0, 0, 689, 12}), 0);
    const TRect Text = Ink(clBlue, TRect{0, 0, 689, 257});
    ASSERT_GT(Text.Right, Text.Left);
    EXPECT_GE(Text.Top, 12);
    EXPECT_LE(Text.Bottom, 12 + FH);
    EXPECT_NEAR((Text.Left + Text.Right) / 2.0, (21 + 668) / 2.0, 2.0);
}

TEST_F(TitleTest, BoxFollowsTheWidestLineCentredOrSpansThePlot) {
    Chart->Title.SetCaption("TChart");
    Paint();
    TVurFont& Font = *Chart->Title.GetFont();
    const int MW = TextWidth(Font, "TChart") + TextWidth(Font, "W") + 1;
    const int Centre = (21 + 668) / 2;
    EXPECT_EQ(Chart->Title.GetShapeBounds(),
              (TRect{Centre - MW / 2, 11, Centre + MW / 2, 11 + FontHeight(Font) + 2}));

    Chart->Title.SetAlignment(taLeftJustify);
    Paint();
    EXPECT_EQ(Chart->Title.GetShapeBounds().Left, 20);
    EXPECT_EQ(Chart->Title.GetShapeBounds().Right, 20 + MW);

    Chart->Title.SetAlignment(taRightJustify);
    Paint();
    EXPECT_EQ(Chart->Title.GetShapeBounds().Left, 669 - MW);
    EXPECT_EQ(Chart->Title.GetShapeBounds().Right, 669);

    Chart->Title.SetAdjustFrame(false);
    Paint();
    EXPECT_EQ(Chart->Title.GetShapeBounds().Left, 20);
    EXPECT_EQ(Chart->Title.GetShapeBounds().Right, 669);
}

TEST_F(TitleTest, OpaqueTitleDrawsItsFrameAtTheBox) {
    Chart->Title.SetCaption("TChart");
    Chart->Title.SetTransparent(false);
    Chart->Title.GetShadow()->SetSize(0);
    Paint();
    const TRect B = Chart->Title.GetShapeBounds();
    EXPECT_EQ(Pixel(B.Left, (B.Top + B.Bottom) / 2), clBlack);
    EXPECT_EQ(Pixel(B.Right - 1, (B.Top + B.Bottom) / 2), clBlack);
    EXPECT_EQ(Pixel(B.Left + 1, B.Top + 1), clWhite);
    EXPECT_NE(Pixel(B.Right, (B.Top + B.Bottom) / 2), clBlack);
    // An opaque title with a shadow gives the plot its height too.
    const int WithoutShadow = Chart->TitledRect.Top;
    Chart->Title.GetShadow()->SetVertSize(4);
    Paint();
    EXPECT_EQ(Chart->TitledRect.Top, WithoutShadow + 4);
}

TEST_F(TitleTest, TwoLineFootStacksUpwardsFirstLineLowest) {
    Chart->Foot.GetText()->Add("W");
    Chart->Foot.GetText()->Add("WWWWWWWWWW");
    Paint();
    const int FH = FontHeight(*Chart->Foot.GetFont());
    EXPECT_EQ(Chart->TitledRect.Bottom, 246 - 2 * FH - 5);
    const TRect Lower = Ink(clRed, TRect{0, 246 - FH, 689, 246});
    const TRect Upper = Ink(clRed, TRect{0, 246 - 2 * FH, 689, 246 - FH});
    const int W = TextWidth(*Chart->Foot.GetFont(), "W");
    EXPECT_LE(Lower.Right - Lower.Left, W + 2);
    EXPECT_GE(Upper.Right - Upper.Left, 9 * W);
}

TEST_F(TitleTest, TitlesStackInOrderTitleSubTitleFootSubFoot) {
    Chart->Title.SetCaption("A");
    Chart->SubTitle.SetCaption("B");
    Chart->Foot.SetCaption("C");
    Chart->SubFoot.SetCaption("D");
    Paint();
    const int FH = FontHeight(*Chart->Title.GetFont());
    EXPECT_EQ(Chart->SubTitle.GetShapeBounds().Top, 11 + FH + 8);
    EXPECT_EQ(Chart->TitledRect.Top, 11 + 2 * (FH + 8));
    EXPECT_EQ(Chart->TitledRect.Bottom, 246 - 2 * (FH + 5));
    EXPECT_LT(Chart->SubFoot.GetShapeBounds().Bottom, Chart->Foot.GetShapeBounds().Top + 1);
}

TEST_F(TitleTest, CustomPositionKeepsThePlotAndDrawsAtThePoint) {
    Chart->Title.SetCaption("TChart");
    Chart->Title.SetLeft(100);
    Chart->Title.SetTop(150);
    EXPECT_TRUE(Chart->Title.GetCustomPosition());
    EXPECT_TRUE(Chart->Title.IsCustomPositionStored());
    Paint();
    EXPECT_EQ(Chart->TitledRect, Chart->MarginRect);
    EXPECT_EQ(Chart->Title.GetLeft(), 100);
    EXPECT_EQ(Chart->Title.GetTop(), 150);
    const TRect Text = Ink(clBlue, TRect{0, 0, 689, 257});
    EXPECT_GE(Text.Left, 100);
    EXPECT_GE(Text.Top, 150);
    EXPECT_LE(Text.Bottom, 150 + FontHeight(*Chart->Title.GetFont()));
}

TEST_F(TitleTest, ClickedInsideTheBoxOfTheLastPaint) {
    Chart->Title.SetCaption("TChart");
    Paint();
    const TRect B = Chart->Title.GetShapeBounds();
    EXPECT_TRUE(Chart->Title.Clicked((B.Left + B.Right) / 2, (B.Top + B.Bottom) / 2));
    EXPECT_TRUE(Chart->Title.Clicked(B.Left, B.Top));
    EXPECT_FALSE(Chart->Title.Clicked(B.Left - 1, B.Top));
    EXPECT_FALSE(Chart->Title.Clicked(B.Left, B.Bottom + 1));
    Chart->Title.Hide();
    EXPECT_FALSE(Chart->Title.Clicked((B.Left + B.Right) / 2, (B.Top + B.Bottom) / 2));
}

TEST_F(TitleTest, BrokenMarkupIsWrittenAsPlainText) {
    Chart->Title.SetTextFormat(ttfHtml);
    Chart->Title.SetCaption("<font weight=heavy>TChart");
    EXPECT_NO_THROW(Paint());
    EXPECT_GT(Count(clBlue, TRect{0, 0, 689, 257}), 0);
}

} // namespace
} // namespace vur
