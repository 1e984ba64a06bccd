#include "chart/RoVedure/ChartBrush.h"
#include "chart/RoVedure/ChartPen.h"
#include "chart/RoVedure/DrawSettings.h"
#include "chart/RoVedure/VurFont.h"

#include <gtest/gtest.h>

namespace vur {
namespace {

TEST(ChartPenTest, KindsCarryTheirOwnDefaultsForStoring) {
    TChartPen Pen;
    EXPECT_TRUE(Pen.GetVisible());
    EXPECT_EQ(Pen.GetEndStyle(), esRound);
    EXPECT_FALSE(Pen.IsVisibleStored());

    TChartHiddenPen Hidden;
    EXPECT_FALSE(Hidden.GetVisible());
    EXPECT_FALSE(Hidden.IsVisibleStored());
    Hidden.Show();
    EXPECT_TRUE(Hidden.IsVisibleStored());

    TDottedGrayPen Dotted;
    EXPECT_EQ(Dotted.GetColor(), 0x808080u);
    EXPECT_EQ(Dotted.GetStyle(), psDot);
    EXPECT_FALSE(Dotted.IsColorStored());
    EXPECT_FALSE(Dotted.IsStyleStored());
    Dotted.SetStyle(psSolid);
    EXPECT_TRUE(Dotted.IsStyleStored());

    EXPECT_EQ(TDarkGrayPen().GetColor(), 0x808080u);
    EXPECT_EQ(TDarkGrayPen().GetStyle(), psSolid);
    EXPECT_EQ(TWhitePen().GetColor(), 0xFFFFFFu);
    EXPECT_FALSE(TWhitePen().IsColorStored());
}

TEST(ChartPenTest, EveryRealChangeCallsTheOwnerOnce) {
    int Changes = 0;
    TChartPen Pen([&](TPersistent*) { ++Changes; });
    Pen.SetVisible(true);
    Pen.SetSmallDots(false);
    Pen.SetEndStyle(esRound);
    EXPECT_EQ(Changes, 0);
    Pen.SetSmallDots(true);
    Pen.SetSmallSpace(2);
    Pen.SetEndStyle(esFlat);
    Pen.Hide();
    Pen.SetColor(clRed);
    EXPECT_EQ(Changes, 5);
    EXPECT_TRUE(Pen.IsSmallDotsStored());
    EXPECT_TRUE(Pen.IsEndStyleStored());
}

TEST(ChartPenTest, AssignCopiesTheChartAttributesAndTheBasePen) {
    TChartPen Source;
    Source.SetSmallDots(true);
    Source.SetSmallSpace(3);
    Source.SetEndStyle(esSquare);
    Source.Hide();
    Source.SetWidth(4);
    Source.SetColor(clBlue);
    int Changes = 0;
    TChartPen Dest([&](TPersistent*) { ++Changes; });
    Dest.Assign(&Source);
    EXPECT_EQ(Changes, 1);
    EXPECT_TRUE(Dest.GetSmallDots());
    EXPECT_EQ(Dest.GetSmallSpace(), 3);
    EXPECT_EQ(Dest.GetEndStyle(), esSquare);
    EXPECT_FALSE(Dest.GetVisible());
    EXPECT_EQ(Dest.GetWidth(), 4);
    EXPECT_EQ(Dest.GetColor(), clBlue);
    Dest.Assign(&Source);
    EXPECT_EQ(Changes, 1);
}

TEST(ChartBrushTest, ImageIsCreatedOnReadOwnedAndReportsChanges) {
    int Changes = 0;
    TChartBrush Brush([&](TPersistent*) { ++Changes; });
    EXPECT_EQ(Brush.GetColor(), clDefault);
    EXPECT_EQ(Brush.GetStyle(), bsSolid);
    EXPECT_EQ(Brush.GetImageGraphic(), nullptr);
    Brush.GetImage()->GetBitmap()->SetSize(4, 4);
    EXPECT_GE(Changes, 1);
    EXPECT_NE(Brush.GetImageGraphic(), nullptr);

    TChartBrush Copy;
    Copy.Assign(&Brush);
    EXPECT_NE(Copy.GetImageGraphic(), nullptr);
    EXPECT_NE(Copy.GetImageGraphic(), Brush.GetImageGraphic());

    Changes = 0;
    Brush.Clear();
    EXPECT_EQ(Brush.GetStyle(), bsClear);
    EXPECT_EQ(Brush.GetImageGraphic(), nullptr);
    EXPECT_EQ(Changes, 2);
    EXPECT_TRUE(Brush.IsStyleStored());
}

TEST(VurFontTest, DefaultsComeFromTheProcessSettings) {
    ResetVurDrawSettings();
    TVurFont Font;
    EXPECT_EQ(Font.GetName(), "Arial");
    EXPECT_EQ(Font.GetSize(), 8);
    EXPECT_EQ(Font.GetColor(), clBlack);
    EXPECT_EQ(Font.GetCharset(), 1);
    EXPECT_FALSE(Font.IsNameStored());
    EXPECT_FALSE(Font.IsHeightStored());
    EXPECT_FALSE(Font.IsColorStored());
    VurDrawSettings().DefaultFontSize = 10;
    EXPECT_EQ(TVurFont().GetSize(), 10);
    ResetVurDrawSettings();
}

TEST(VurFontTest, OwnDefaultsDecideWhatIsStored) {
    TVurFont Font;
    Font.InitStyle(fsBold);
    Font.InitColor(clNavy);
    EXPECT_FALSE(Font.IsStyleStored());
    EXPECT_FALSE(Font.IsColorStored());
    Font.SetStyle(0);
    EXPECT_TRUE(Font.IsStyleStored());
}

TEST(VurFontTest, OutlineShadowAndGradientAreLazyOwnedAndCopied) {
    int Changes = 0;
    TVurFont Font([&](TPersistent*) { ++Changes; });
    EXPECT_EQ(Font.GetOutLineObject(), nullptr);
    EXPECT_EQ(Font.GetShadowObject(), nullptr);
    EXPECT_EQ(Font.GetGradientObject(), nullptr);
    EXPECT_FALSE(Font.GetOutLine()->GetVisible());
    EXPECT_FALSE(Font.GetGradient()->GetVisible());
    Font.GetShadow()->SetSize(3);
    Font.GetOutLine()->Show();
    Font.SetInterCharSize(2);
    Font.GetGradient()->SetOutline(true);
    EXPECT_EQ(Changes, 4);

    TVurFont Copy;
    Copy.Assign(&Font);
    ASSERT_NE(Copy.GetShadowObject(), nullptr);
    EXPECT_EQ(Copy.GetShadowObject()->GetHorizSize(), 3);
    EXPECT_TRUE(Copy.GetOutLineObject()->GetVisible());
    EXPECT_EQ(Copy.GetInterCharSize(), 2);
    ASSERT_NE(Copy.GetGradientObject(), nullptr);
    EXPECT_TRUE(Copy.GetGradientObject()->GetOutline());

    Font.SetShadow(nullptr);
    Font.SetGradient(nullptr);
    EXPECT_EQ(Font.GetShadowObject(), nullptr);
    EXPECT_EQ(Font.GetGradientObject(), nullptr);
    EXPECT_EQ(Changes, 6);
}

TEST(ShadowTest, SizeReadsTheLargerAndWritesBoth) {
    TVurShadow Shadow;
    EXPECT_EQ(Shadow.GetColor(), clSilver);
    Shadow.SetHorizSize(2);
    Shadow.SetVertSize(5);
    EXPECT_EQ(Shadow.GetSize(), 5);
    Shadow.SetSize(1);
    EXPECT_EQ(Shadow.GetHorizSize(), 1);
    EXPECT_EQ(Shadow.GetVertSize(), 1);
    Shadow.SetTransparency(150);
    EXPECT_EQ(Shadow.GetTransparency(), 100);
    TVurShadow Owned({}, clBlack, 3);
    EXPECT_FALSE(Owned.IsColorStored());
    EXPECT_FALSE(Owned.IsHorizSizeStored());
}

} // namespace
} // namespace vur
