#include "chart/Chart/TitleWallFixture.h"

#include <initializer_list>

namespace vur {
namespace {

struct WallTest : test::DressedChartFixture {
    void SetUp() override {
        DressedChartFixture::SetUp();
        // The frame alone: no axes over its lines.
        Chart->SetAxisVisible(false);
    }
    // Every pixel of the segment is Color, or the series' red where the line crosses.
    bool FrameLine(TColor Color, int X0, int Y0, int X1, int Y1, int& Hits) const {
        Hits = 0;
        for (int Y = Y0; Y <= Y1; ++Y)
            for (int X = X0; X <= X1; ++X) {
                const TColor P = Pixel(X, Y);
                if (P == Color)
                    ++Hits;
                else if (P != clRed)
                    return false;
            }
        return true;
    }
};

TEST_F(WallTest, DefaultsOfTheFourWalls) {
    EXPECT_EQ(Chart->Walls.GetBack()->GetColor(), clSilver);
    EXPECT_TRUE(Chart->Walls.GetBack()->GetTransparent());
    EXPECT_EQ(Chart->Walls.GetLeft()->GetColor(), 0x80FFFFu);
    EXPECT_EQ(Chart->Walls.GetBottom()->GetColor(), clWhite);
    EXPECT_EQ(Chart->Walls.GetRight()->GetColor(), clSilver);
    EXPECT_FALSE(Chart->Walls.GetRight()->GetVisible());
    EXPECT_FALSE(Chart->Walls.GetLeft()->GetTransparent());
    EXPECT_TRUE(Chart->Walls.GetLeft()->GetDark3D());
    EXPECT_FALSE(Chart->Walls.GetLeft()->IsColorStored());
    Chart->Walls.GetLeft()->SetColor(clSilver);
    EXPECT_TRUE(Chart->Walls.GetLeft()->IsColorStored());
}

TEST_F(WallTest, VisibleIsTheChartsWallSwitchAndSizeSetsAllFour) {
    Chart->Walls.SetVisible(false);
    EXPECT_FALSE(Chart->GetView3DWalls());
    Chart->Walls.SetSize(7);
    for (const TCustomChartWall* W :
         std::initializer_list<const TCustomChartWall*>{Chart->Walls.GetBack(), Chart->Walls.GetLeft(),
                                                        Chart->Walls.GetBottom(), Chart->Walls.GetRight()})
        EXPECT_EQ(W->GetSize(), 7);
}

TEST_F(WallTest, FlatBackWallIsAOnePixelBlackFrameOnChartRect) {
    Paint();
    const TRect R = Chart->GetChartRect();
    int Hits = 0;
    EXPECT_TRUE(FrameLine(clBlack, R.Right, R.Top, R.Right, R.Bottom, Hits));
    EXPECT_GT(Hits, R.Bottom - R.Top - 3);
    EXPECT_TRUE(FrameLine(clBlack, R.Left, R.Bottom, R.Right, R.Bottom, Hits));
    EXPECT_GT(Hits, R.Right - R.Left - 3);
    EXPECT_TRUE(FrameLine(clBlack, R.Left, R.Top, R.Right, R.Top, Hits));
    EXPECT_TRUE(FrameLine(clBlack, R.Left, R.Top, R.Left, R.Bottom, Hits));
    // Nothing beyond the frame, nothing of it inside.
    EXPECT_EQ(Count(clBlack, TRect{R.Right + 1, R.Top, R.Right + 2, R.Bottom + 2}), 0);
    EXPECT_EQ(Count(clBlack, TRect{R.Left, R.Bottom + 1, R.Right + 2, R.Bottom + 2}), 0);
    EXPECT_EQ(Count(clBlack, TRect{R.Left + 1, R.Top + 1, R.Right, R.Bottom}), 0);
}

TEST_F(WallTest, NoFrameWithoutWallsOrWithoutASeriesOnAxes) {
    Chart->SetView3DWalls(false);
    Paint();
    const TRect R = Chart->GetChartRect();
    EXPECT_EQ(Count(clBlack, TRect{R.Left, R.Top, R.Right + 1, R.Bottom + 1}), 0);
    Chart->SetView3DWalls(true);
    Series->SetActive(false);
    Paint();
    EXPECT_EQ(Count(clBlack, TRect{R.Left, R.Top, R.Right + 1, R.Bottom + 1}), 0);
}

TEST_F(WallTest, OpaqueBackWallFillsSilverOnePixelBeyondRightAndBottom) {
    Chart->Walls.GetBack()->SetTransparent(false);
    // Without a series on the axes there are no walls; a hidden line keeps them.
    Series->GetPen()->Hide();
    Paint();
    const TRect R = Chart->GetChartRect();
    // The box covers columns Left..Right and rows Top..Bottom: silver inside
    // its black frame, nothing of it beyond.
    const int Inside = (R.Right - R.Left - 1) * (R.Bottom - R.Top - 1);
    EXPECT_EQ(Count(clSilver, TRect{R.Left + 1, R.Top + 1, R.Right, R.Bottom}), Inside);
    EXPECT_EQ(Pixel(R.Right, (R.Top + R.Bottom) / 2), clBlack);
    EXPECT_EQ(Pixel((R.Left + R.Right) / 2, R.Bottom), clBlack);
    EXPECT_EQ(Count(clSilver, TRect{R.Right + 1, R.Top, R.Right + 2, R.Bottom + 2}), 0);
    EXPECT_EQ(Count(clSilver, TRect{R.Left, R.Bottom + 1, R.Right + 2, R.Bottom + 2}), 0);
    // The panel then takes the back wall's colour for the palette rule.
    EXPECT_EQ(Chart->GetBackColor(), clSilver);
}

TEST_F(WallTest, HatchInTheWallsOwnColourTurnsBlack) {
    TChartBackWall* Back = Chart->Walls.GetBack();
    Back->SetTransparent(false);
    Back->GetBrush()->SetStyle(bsCross);
    Back->GetBrush()->SetColor(clSilver);
    Series->GetPen()->Hide();
    Paint();
    const TRect R = Chart->GetChartRect();
    EXPECT_GT(Count(clBlack, TRect{R.Left + 1, R.Top + 1, R.Right, R.Bottom}), 0);
}

TEST_F(WallTest, StoredBackColorSetsTheBackWall) {
    TChartBackWall* Back = Chart->Walls.GetBack();
    Back->GetBrush()->SetStyle(bsClear);
    Chart->Walls.ReadBackColor(clRed, false);
    EXPECT_EQ(Back->GetColor(), clRed);
    EXPECT_TRUE(Back->IsColorStored());
    EXPECT_EQ(Back->GetBrush()->GetStyle(), bsClear);
    Chart->Walls.ReadBackColor(clBlue, true);
    EXPECT_EQ(Back->GetBrush()->GetStyle(), bsSolid);
}

TEST_F(WallTest, WallSizeCountsOnlyIn3DWithWalls) {
    Chart->Walls.GetLeft()->SetSize(6);
    Chart->Walls.GetBottom()->SetSize(4);
    EXPECT_EQ(Chart->Walls.CalcWallSize(Chart->GetLeftAxis()), 0);
    Chart->SetView3D(true);
    EXPECT_EQ(Chart->Walls.CalcWallSize(Chart->GetLeftAxis()), 6);
    EXPECT_EQ(Chart->Walls.CalcWallSize(Chart->GetBottomAxis()), 4);
    EXPECT_EQ(Chart->Walls.CalcWallSize(Chart->GetTopAxis()), 0);
    Chart->Walls.GetLeft()->Hide();
    EXPECT_EQ(Chart->Walls.CalcWallSize(Chart->GetLeftAxis()), 0);
    Chart->SetView3DWalls(false);
    EXPECT_EQ(Chart->Walls.CalcWallSize(Chart->GetBottomAxis()), 0);
}

TEST_F(WallTest, ShouldDrawNeedsWallsVisibleAndNoAutoHide) {
    TChartWall* Left = Chart->Walls.GetLeft();
    EXPECT_TRUE(Left->ShouldDraw());
    Left->SetAutoHide(true);
    EXPECT_FALSE(Left->ShouldDraw());
    Left->SetAutoHide(false);
    Chart->SetView3DWalls(false);
    EXPECT_FALSE(Left->ShouldDraw());
}

TEST_F(WallTest, ThreeDWallsShowTheirColours) {
    Chart->SetView3D(true);
    Chart->SetAxisVisible(true);
    Paint();
    const TRect All{0, 0, 689, 257};
    // The default view looks at the front: the left and bottom walls are seen
    // from inside the plot, the hidden right wall not at all.
    EXPECT_GT(Count(0x80FFFF, All), 100);
    EXPECT_FALSE(Chart->Walls.DrawLeftWallFirst());
    EXPECT_TRUE(Chart->Walls.DrawRightWallAfter());
    Chart->Walls.SetSize(5);
    Paint();
    // A sized wall is a box with darker sides.
    EXPECT_GT(Count(0x80FFFF, All), 100);
}

} // namespace
} // namespace vur
