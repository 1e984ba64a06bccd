// The chart's elements drawing their gradients, shadows and transparency:
// the panel, the titles' boxes, the walls in 2D and 3D, and the shape
// hooks that let a kind of shape bring its own brush, gradient and shadow.
#include "chart/Chart/TitleWallFixture.h"
#include "framework/SystemColors.h"
#include "tests/chart/GradientBands.h"

namespace vur {
namespace {

constexpr TColor Navy = 0x800000;
constexpr TColor Orange = 0x0080FF;

struct GradientOwnersTest : test::DressedChartFixture {
    void SetUp() override {
        DressedChartFixture::SetUp();
        Chart->SetAxisVisible(false);
        Chart->Title.SetCaption("Gradients");
    }
    void PanelGradient() {
        TVurGradient* G = Chart->GetGradient();
        G->SetStartColor(Navy);
        G->SetEndColor(Orange);
        G->SetVisible(true);
    }
};

TEST_F(GradientOwnersTest, PanelGradientFillsInsideTheBevelsAndRoundCornersKeepTheColour) {
    EXPECT_EQ(Chart->FindGradient(), nullptr);
    EXPECT_FALSE(Chart->GetGradient()->GetVisible());
    PanelGradient();
    Paint();
    // The whole panel (0, 0)-(689, 257) is the fill; the bevel covers its edge.
    for (const int Y : {1, 60, 128, 200, 255})
        EXPECT_EQ(Pixel(5, Y), test::BandColor(Navy, Orange, 0, 257, Y)) << Y;
    Chart->SetBorderRound(30);
    Paint();
    EXPECT_EQ(Pixel(2, 2), ColorToRGB(Chart->GetColor()));
    EXPECT_EQ(Pixel(686, 254), ColorToRGB(Chart->GetColor()));
    EXPECT_EQ(Pixel(5, 128), test::BandColor(Navy, Orange, 0, 257, 128));
    // Freed by setting none: the plain colour again.
    Chart->SetGradient(nullptr);
    Chart->SetBorderRound(0);
    Paint();
    EXPECT_EQ(Pixel(5, 128), ColorToRGB(Chart->GetColor()));
}

TEST_F(GradientOwnersTest, TransparentTitleBoxIsTheStatedMixOfItsFillAndThePanelUnderIt) {
    PanelGradient();
    Chart->Title.GetShadow()->SetSize(0);
    Paint();
    const TRect Box = Chart->Title.GetShapeBounds();
    // Left of the text, inside the frame.
    const int X = Box.Left + 2, Y = (Box.Top + Box.Bottom) / 2;
    const TColor Under = Pixel(X, Y);
    Chart->Title.SetTransparent(false);
    Chart->Title.SetTransparency(40);
    Paint();
    ASSERT_EQ(Chart->Title.GetShapeBounds(), Box);
    TColor Expected = 0;
    for (int Shift = 0; Shift < 24; Shift += 8) {
        const int U = static_cast<int>((Under >> Shift) & 0xFF);
        Expected |= static_cast<TColor>(255 + 40 * (U - 255) / 100) << Shift;
    }
    EXPECT_EQ(Pixel(X, Y), Expected);
    EXPECT_NE(Pixel(X, Y), Under);
}

TEST_F(GradientOwnersTest, TitleBoxGradientAndShadow) {
    Chart->Title.SetTransparent(false);
    TVurGradient* G = Chart->Title.GetGradient();
    G->SetStartColor(Navy);
    G->SetEndColor(Orange);
    G->SetVisible(true);
    Paint();
    const TRect Box = Chart->Title.GetShapeBounds();
    // The box's left column inside the frame takes the fill's rows.
    EXPECT_EQ(Pixel(Box.Left + 1, Box.Top + 2),
              test::BandColor(Navy, Orange, Box.Top, Box.Bottom, Box.Top + 2));
    EXPECT_EQ(Pixel(Box.Left + 1, Box.Bottom - 2),
              test::BandColor(Navy, Orange, Box.Top, Box.Bottom, Box.Bottom - 2));
    // The default shadow: black, 3, smooth, right under the box.
    EXPECT_EQ(Pixel(Box.Left + 10, Box.Bottom), clBlack);
    EXPECT_EQ(Pixel(Box.Right, Box.Top + 5), clBlack);
    // A round box: the gradient stays inside the round corners.
    Chart->Title.SetShapeStyle(fosRoundRectangle);
    Paint();
    const TColor Corner = Pixel(Box.Left, Box.Top);
    EXPECT_NE(Corner, test::BandColor(Navy, Orange, Box.Top, Box.Bottom, Box.Top));
    EXPECT_EQ(Pixel(Box.Left + 1, (Box.Top + Box.Bottom) / 2),
              test::BandColor(Navy, Orange, Box.Top, Box.Bottom, (Box.Top + Box.Bottom) / 2));
}

TEST_F(GradientOwnersTest, OpaqueBackWallGradientFillsInsideTheFrame) {
    TChartBackWall* Back = Chart->GetBackWall();
    Back->GetGradient()->SetStartColor(Navy);
    Back->GetGradient()->SetEndColor(Orange);
    Back->GetGradient()->SetVisible(true);
    // A transparent wall shows no gradient.
    Paint();
    const TRect R = Chart->GetChartRect();
    const int Y = (R.Top + R.Bottom) / 2;
    EXPECT_EQ(
        Count(test::BandColor(Navy, Orange, R.Top, R.Bottom + 1, Y), TRect{R.Left + 1, Y, R.Right, Y + 1}),
        0);
    Back->SetTransparent(false);
    Paint();
    const TRect P = Chart->GetChartRect();
    // Each row of the plot (the series line aside) is the band the fill over
    // (Left, Top)-(Right + 1, Bottom + 1) gives it; the frame stays black.
    for (const int Row : {P.Top + 1, (P.Top + P.Bottom) / 2, P.Bottom - 1})
        EXPECT_GT(Count(test::BandColor(Navy, Orange, P.Top, P.Bottom + 1, Row),
                        TRect{P.Left + 1, Row, P.Right, Row + 1}),
                  P.Right - P.Left - 10)
            << Row;
    EXPECT_EQ(Pixel(P.Left, Y), clBlack);
    // The chart's Frame is the back wall's pen.
    EXPECT_EQ(Chart->GetFrame(), Back->GetPen());
    Chart->GetFrame()->SetColor(clLime);
    Paint();
    EXPECT_EQ(Pixel(P.Left, Y), clLime);
}

TEST_F(GradientOwnersTest, WallsIn3DFillTheirProjectedCornersWithTheGradient) {
    Chart->SetView3D(true);
    Chart->GetView3DOptions()->SetOrthogonal(false);
    Chart->GetView3DOptions()->SetRotation(330);
    Chart->GetView3DOptions()->SetElevation(340);
    TChartWall* Left = Chart->GetLeftWall();
    Left->GetGradient()->SetStartColor(Navy);
    Left->GetGradient()->SetEndColor(Navy);
    Paint();
    const int Plain = Count(Navy, TRect{0, 0, 689, 257});
    Left->GetGradient()->SetVisible(true);
    Paint();
    const int Filled = Count(Navy, TRect{0, 0, 689, 257});
    EXPECT_EQ(Plain, 0);
    EXPECT_GT(Filled, 500);
    // Nothing of it outside the wall's projected corners.
    const TRect Plot = Chart->GetChartRect();
    const TVurCanvas3D* C = Chart->GetCanvas();
    const TFourPoints Corners{C->Calculate3DPosition(TPoint3D{Plot.Left, Plot.Top, 0}),
                              C->Calculate3DPosition(TPoint3D{Plot.Left, Plot.Top, Chart->GetWidth3D()}),
                              C->Calculate3DPosition(TPoint3D{Plot.Left, Plot.Bottom, Chart->GetWidth3D()}),
                              C->Calculate3DPosition(TPoint3D{Plot.Left, Plot.Bottom, 0})};
    const TRect Bounds = RectFromPolygon(Corners, 4);
    EXPECT_EQ(Count(Navy, Bounds), Filled);
}

// A kind of shape with its own gradient, shadow and brush.
class TMarkedGradient : public TVurGradient {
public:
    explicit TMarkedGradient(TNotifyEvent OnChange) : TVurGradient(std::move(OnChange)) {
        SetDirection(gdRightLeft);
    }
};

class TMarkedBrush : public TChartBrush {
public:
    using TChartBrush::TChartBrush;
};

class TMarkedShape : public TVurCustomShape {
public:
    using TVurCustomShape::TVurCustomShape;

protected:
    TChartBrushClass GetBrushClass() const override {
        return [](TNotifyEvent OnChange) -> std::unique_ptr<TChartBrush> {
            return std::make_unique<TMarkedBrush>(std::move(OnChange));
        };
    }
    TVurGradientClass GetGradientClass() const override {
        return [](TNotifyEvent OnChange) -> std::unique_ptr<TVurGradient> {
            return std::make_unique<TMarkedGradient>(std::move(OnChange));
        };
    }
    void InitShadow(TVurShadow& Shadow) const override { Shadow.InitDefaults(0x808080, 1); }
};

TEST_F(GradientOwnersTest, KindsOfShapeBringTheirOwnBrushGradientAndShadow) {
    TMarkedShape Shape(Chart);
    EXPECT_NE(dynamic_cast<TMarkedBrush*>(Shape.GetBrush()), nullptr);
    EXPECT_EQ(Shape.GetBrush()->GetStyle(), bsSolid);
    EXPECT_EQ(Shape.FindGradient(), nullptr);
    EXPECT_NE(dynamic_cast<TMarkedGradient*>(Shape.GetGradient()), nullptr);
    EXPECT_EQ(Shape.GetGradient()->GetDirection(), gdRightLeft);
    EXPECT_EQ(Shape.GetShadow()->GetColor(), 0x808080u);
    EXPECT_EQ(Shape.GetShadow()->GetSize(), 1);
    EXPECT_FALSE(Shape.GetShadow()->IsColorStored());
    EXPECT_FALSE(Shape.GetShadow()->IsHorizSizeStored());
    // Assign brings the gradient across, and none frees it.
    TVurCustomShape Plain(Chart);
    Plain.Assign(&Shape);
    ASSERT_NE(Plain.FindGradient(), nullptr);
    EXPECT_EQ(Plain.FindGradient()->GetDirection(), gdRightLeft);
    Plain.SetGradient(nullptr);
    EXPECT_EQ(Plain.FindGradient(), nullptr);
}

} // namespace
} // namespace vur
