#include "chart/Chart/TitleWallFixture.h"
#include "framework/SystemColors.h"

namespace vur {
namespace {

// A shape drawn on the chart's canvas after a paint, over the painted picture.
struct ShapeTest : test::DressedChartFixture {
    void SetUp() override {
        DressedChartFixture::SetUp();
        Series->SetActive(false);
        Chart->GetCanvas()->SetUseBuffer(false);
        Paint();
        Shape.GetShadow()->SetSize(0);
    }
    TVurCustomShapePosition Shape{Chart};
};

TEST_F(ShapeTest, Defaults) {
    TVurCustomShape Fresh(Chart);
    EXPECT_TRUE(Fresh.GetVisible());
    EXPECT_EQ(Fresh.GetColor(), clWhite);
    EXPECT_EQ(Fresh.GetBevel(), bvNone);
    EXPECT_EQ(Fresh.GetBevelWidth(), 2);
    EXPECT_EQ(Fresh.GetShadow()->GetColor(), clBlack);
    EXPECT_EQ(Fresh.GetShadow()->GetSize(), 3);
    EXPECT_TRUE(Fresh.GetFrame()->GetVisible());
    EXPECT_EQ(Fresh.GetFrame()->GetWidth(), 1);
    EXPECT_EQ(Fresh.GetShapeStyle(), fosRectangle);
    EXPECT_FALSE(Fresh.GetTransparent());
}

TEST_F(ShapeTest, SettersRepaintOnlyOnChange) {
    Chart->GetCanvas()->SetUseBuffer(true);
    Paint();
    ASSERT_FALSE(Chart->GetCanvas()->GetDirty());
    Shape.SetColor(clWhite);
    EXPECT_FALSE(Chart->GetCanvas()->GetDirty());
    Shape.SetColor(clRed);
    EXPECT_TRUE(Chart->GetCanvas()->GetDirty());
    Paint();
    Shape.GetFrame()->SetWidth(3);
    EXPECT_TRUE(Chart->GetCanvas()->GetDirty());
    Shape.SetTransparency(150);
    EXPECT_EQ(Shape.GetTransparency(), 100);
}

TEST_F(ShapeTest, BoxIsFilledInsideItsFrame) {
    Shape.SetShapeBounds(TRect{100, 100, 140, 130});
    Shape.Draw();
    EXPECT_EQ(Pixel(100, 110), clBlack);
    EXPECT_EQ(Pixel(139, 110), clBlack);
    EXPECT_EQ(Pixel(120, 129), clBlack);
    EXPECT_EQ(Pixel(120, 115), clWhite);
    EXPECT_NE(Pixel(140, 115), clBlack);
}

TEST_F(ShapeTest, TransparentBoxDrawsNothing) {
    Shape.SetTransparent(true);
    Shape.SetShapeBounds(TRect{100, 100, 140, 130});
    const TColor Before = Pixel(120, 115);
    Shape.Draw();
    EXPECT_EQ(Pixel(100, 110), Before);
    EXPECT_EQ(Pixel(120, 115), Before);
}

TEST_F(ShapeTest, APlainBoxCastsTheShadowBesideItAndARoundOneBesideItsFrame) {
    Shape.GetShadow()->SetSize(3);
    Shape.SetShapeBounds(TRect{100, 100, 140, 130});
    const TColor Back = Pixel(120, 133);
    Shape.Draw();
    // A square box: the shadow's own smooth lines, starting right under and
    // right of the box and fading by Round(255 / 3) = 85 a line.
    EXPECT_EQ(Pixel(120, 130), clBlack);
    EXPECT_EQ(Pixel(120, 132), 0xAAAAAAu);
    EXPECT_EQ(Pixel(140, 120), clBlack);
    EXPECT_NE(Pixel(102, 130), clBlack);
    EXPECT_EQ(Pixel(120, 133), Back);
    // A round box: its outline filled in the shadow colour, moved by the
    // size plus the frame width.
    Paint();
    Shape.SetShapeStyle(fosRoundRectangle);
    Shape.Draw();
    EXPECT_EQ(Pixel(142, 120), clBlack);
    EXPECT_EQ(Pixel(120, 132), clBlack);
    EXPECT_NE(Pixel(145, 120), clBlack);
    EXPECT_NE(Pixel(102, 132), clBlack);
}

TEST_F(ShapeTest, RoundedCornersLeaveTheCornerPixel) {
    Shape.SetShapeStyle(fosRoundRectangle);
    Shape.SetShapeBounds(TRect{100, 100, 160, 140});
    const TColor Back = Pixel(100, 100);
    Shape.Draw();
    EXPECT_EQ(Pixel(100, 100), Back);
    EXPECT_EQ(Pixel(100, 120), clBlack);
}

TEST_F(ShapeTest, RaisedBevelIsLightTopLeftAndDarkBottomRight) {
    Shape.SetBevel(bvRaised);
    Shape.SetShapeBounds(TRect{100, 100, 140, 130});
    Shape.Draw();
    EXPECT_EQ(Pixel(101, 115), ColorToRGB(clBtnHighlight));
    EXPECT_EQ(Pixel(138, 115), ColorToRGB(clBtnShadow));
}

TEST_F(ShapeTest, QuarterTurnSwapsTheBoxsSides) {
    // 40 x 20 about (120, 110), turned 90 degrees: 20 x 40.
    const auto P = TVurCustomShape::RotatedCorners(TRect{100, 100, 140, 120}, 90);
    EXPECT_EQ(P[0], (TPoint{110, 130}));
    EXPECT_EQ(P[1], (TPoint{110, 90}));
    EXPECT_EQ(P[2], (TPoint{130, 90}));
    EXPECT_EQ(P[3], (TPoint{130, 130}));
    Shape.DrawRectRotated(TRect{100, 100, 140, 120}, 90, 0);
    EXPECT_EQ(Pixel(120, 95), clWhite);
    EXPECT_EQ(Pixel(120, 125), clWhite);
}

TEST_F(ShapeTest, GivingLeftOrTopFixesThePositionAndKeepsTheSize) {
    Shape.SetShapeBounds(TRect{10, 20, 50, 40});
    EXPECT_FALSE(Shape.GetCustomPosition());
    Shape.SetLeft(100);
    EXPECT_TRUE(Shape.GetCustomPosition());
    Shape.SetTop(200);
    EXPECT_EQ(Shape.GetShapeBounds(), (TRect{100, 200, 140, 220}));
}

} // namespace
} // namespace vur
