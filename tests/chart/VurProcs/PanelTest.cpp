// The panel's frame of a paint: the plot rectangle from margins and frame,
// its repair, the 3D depth, the bevels, border and shadow in pixels, the
// off-screen buffer handed to the window and the erase-background rule.
#include "chart/RoVedure/DrawSettings.h"
#include "chart/RoVedure/MultiLineText.h"
#include "chart/VurConst.h"
#include "framework/Exceptions.h"
#include "framework/SystemColors.h"
#include "tests/chart/PaintTestSupport.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <string>

namespace vur::test {
namespace {

std::string ToString(const TRect& R) {
    return std::to_string(R.Left) + "," + std::to_string(R.Top) + "," + std::to_string(R.Right) + "," +
           std::to_string(R.Bottom);
}

struct PanelFixture : ::testing::Test {
    TPaintLog Log;
    TMainFormChart Main{Log};
    TLoggingChart& Chart = *Main.Chart;
    TRect BeforeTitles;

    PanelFixture() {
        Chart.OnBeforeDrawChart = [this](TPersistent*) { BeforeTitles = Chart.GetChartRect(); };
    }
    // A full paint into a bitmap of the chart's size.
    void Paint() { Chart.VurCreateBitmap(clWhite, TRect{0, 0, Chart.GetWidth(), Chart.GetHeight()}); }
    TColor Pixel(int X, int Y) { return Chart.GetWindowImage().GetImage().GetPixel(X, Y); }
};

TEST_F(PanelFixture, MainFormPlotStartsInsideThePercentMarginsAndTheBevel) {
    Paint();
    EXPECT_EQ(ToString(BeforeTitles), "21,11,668,246");
}

TEST_F(PanelFixture, PixelMarginsAreTakenAsTheyAre) {
    Chart.SetMarginUnits(muPixels);
    Paint();
    EXPECT_EQ(ToString(BeforeTitles), "4,5,685,252");
}

TEST_F(PanelFixture, EveryPieceOfTheFrameNarrowsThePlot) {
    Chart.SetMarginUnits(muPixels);
    Chart.SetBorderWidth(2);
    Chart.SetBevelInner(bvLowered);
    Chart.SetBevelWidth(3);
    Chart.GetBorder()->SetVisible(true);
    Chart.GetBorder()->SetWidth(2);
    Paint();
    // Frame: band 2 + two bevels of 3 + border pen 2 = 10.
    EXPECT_EQ(ToString(BeforeTitles), "13,14,676,243");
    Chart.SetBevelOuter(bvNone);
    Chart.SetBevelInner(bvNone);
    Paint();
    EXPECT_EQ(ToString(BeforeTitles), "7,8,682,249");
}

TEST_F(PanelFixture, Chart3DPercentAcceptsOneToHundredOnly) {
    for (const int Bad : {0, 101, -5}) {
        try {
            Chart.SetChart3DPercent(Bad);
            ADD_FAILURE() << Bad << " was accepted";
        } catch (const Exception& E) {
            EXPECT_EQ(E.Message(), "3D effect percent must be between 1 and 100");
        }
        EXPECT_EQ(Chart.GetChart3DPercent(), 15);
    }
    Chart.SetChart3DPercent(1);
    EXPECT_EQ(Chart.GetChart3DPercent(), 1);
    Chart.SetChart3DPercent(100);
    EXPECT_EQ(Chart.GetChart3DPercent(), 100);
}

TEST_F(PanelFixture, SqueezedPlotIsRepairedNeverInverted) {
    Chart.SetMarginUnits(muPixels);
    // 689 wide, frame 1: Left = 1 + 343 = 344 = Right = 689 - 1 - 344.
    Chart.SetMarginLeft(343);
    Chart.SetMarginRight(344);
    Paint();
    EXPECT_EQ(Chart.GetChartRect().Left, 344);
    EXPECT_EQ(Chart.GetChartRect().Right, 344 + 689);
    // Inverted: the width becomes 1.
    Chart.SetMarginLeft(400);
    Chart.SetMarginRight(400);
    Chart.SetMarginTop(200);
    Chart.SetMarginBottom(200);
    Paint();
    EXPECT_EQ(Chart.GetChartRect().Left, 401);
    EXPECT_EQ(Chart.GetChartWidth(), 1);
    EXPECT_EQ(Chart.GetChartRect().Top, 201);
    EXPECT_EQ(Chart.GetChartHeight(), 1);
    // Outside the bounds: pulled back to them.
    Chart.SetMarginLeft(-30);
    Chart.SetMarginTop(-30);
    Paint();
    EXPECT_EQ(Chart.GetChartRect().Left, 0);
    EXPECT_EQ(Chart.GetChartRect().Top, 0);
}

TEST_F(PanelFixture, CentreIsTheMidpointRoundedDown) {
    Chart.SetMarginUnits(muPixels);
    Chart.SetMarginLeft(-13);
    Paint();
    // (0 + 685) div 2 and (5 + 252) div 2.
    EXPECT_EQ(Chart.GetChartXCenter(), 342);
    EXPECT_EQ(Chart.GetChartYCenter(), 128);
}

TEST_F(PanelFixture, AxisThatWouldLeaveNoPlotIsIgnored) {
    Chart.Room = 20;
    Paint();
    // Every plane axis is shown on an empty chart; the bottom and left ones take room here.
    EXPECT_EQ(Chart.LaidOut, (std::vector<int>{0, 1, 2, 3}));
    EXPECT_EQ(ToString(Chart.GetChartRect()), "41,11,668,226");
    Chart.Room = 1000;
    Paint();
    EXPECT_EQ(ToString(Chart.GetChartRect()), "21,11,668,246");
}

TEST_F(PanelFixture, FlatChartHasNoDepth) {
    Paint();
    EXPECT_EQ(Chart.GetWidth3D(), 0);
    EXPECT_EQ(Chart.GetHeight3D(), 0);
    EXPECT_EQ(Chart.GetSeriesWidth3D(), 0);
    EXPECT_EQ(Chart.GetMaxZOrder(), 0);
}

TEST_F(PanelFixture, OrthogonalDepthTakesRoomBesideAndAboveThePlot) {
    auto* Series = new TLoggingSeries(Main.Form, Log, "S");
    Series->SetParentChart(&Chart);
    Chart.SetView3D(true);
    Paint();
    // Plot width 647; 15 % x 0.001 x 647 = 9.7 -> 10 for one slot, at 45 degrees as high as deep.
    EXPECT_EQ(Chart.GetSeriesWidth3D(), 10);
    EXPECT_EQ(Chart.GetSeriesHeight3D(), 10);
    EXPECT_EQ(Chart.GetWidth3D(), 10);
    EXPECT_EQ(ToString(Chart.GetChartRect()), "21,21,658,246");
    // Depth to the left beyond 90 degrees, and the visible left wall's thickness + 1.
    Chart.GetView3DOptions()->SetOrthoAngle(135);
    Chart.GetLeftWall()->SetSize(4);
    Paint();
    EXPECT_EQ(ToString(Chart.GetChartRect()), "36,21,668,246");
    // Two automatic slots double the depth.
    auto* Other = new TLoggingSeries(Main.Form, Log, "T");
    Other->SetParentChart(&Chart);
    Paint();
    EXPECT_EQ(Chart.GetMaxZOrder(), 1);
    EXPECT_EQ(Chart.GetWidth3D(), 2 * Chart.GetSeriesWidth3D());
}

TEST_F(PanelFixture, DefaultFrameIsARaisedBevel) {
    Chart.Draw();
    const int W = 689;
    const int H = 257;
    EXPECT_EQ(Pixel(0, 0), ColorToRGB(clBtnHighlight));
    EXPECT_EQ(Pixel(W - 2, 0), ColorToRGB(clBtnHighlight));
    EXPECT_EQ(Pixel(W - 1, H - 1), ColorToRGB(clBtnShadow));
    EXPECT_EQ(Pixel(W - 1, 1), ColorToRGB(clBtnShadow));
    EXPECT_EQ(Pixel(1, 1), ColorToRGB(clBtnFace));
    Chart.SetBevelOuter(bvLowered);
    Chart.Draw();
    EXPECT_EQ(Pixel(0, 0), ColorToRGB(clBtnShadow));
    EXPECT_EQ(Pixel(W - 1, H - 1), ColorToRGB(clBtnHighlight));
}

TEST_F(PanelFixture, BorderPenThenBevelThenBandInPanelColour) {
    Chart.GetBorder()->SetVisible(true);
    Chart.GetBorder()->SetColor(clBlack);
    Chart.SetBorderWidth(2);
    Chart.SetBevelInner(bvLowered);
    Chart.SetColor(clYellow);
    Chart.Draw();
    EXPECT_EQ(Pixel(0, 0), clBlack);
    EXPECT_EQ(Pixel(688, 256), clBlack);
    EXPECT_EQ(Pixel(1, 1), ColorToRGB(clBtnHighlight));
    EXPECT_EQ(Pixel(2, 2), clYellow);
    EXPECT_EQ(Pixel(3, 3), clYellow);
    // The inner lowered bevel: shadow at its top left, highlight at its bottom right.
    EXPECT_EQ(Pixel(4, 4), ColorToRGB(clBtnShadow));
    EXPECT_EQ(Pixel(684, 252), ColorToRGB(clBtnHighlight));
    EXPECT_EQ(Pixel(5, 5), clYellow);
}

TEST_F(PanelFixture, FlatShadowStripsRightAndBelow) {
    Chart.GetShadow()->SetSmooth(false);
    Chart.GetShadow()->SetSize(3);
    Chart.GetShadow()->SetColor(clBlack);
    Chart.SetColor(clWhite);
    Main.Form->SetColor(clRed);
    Chart.Draw();
    // The panel itself ends 3 pixels early, on the parent's colour.
    EXPECT_EQ(Pixel(685, 253), ColorToRGB(clBtnShadow));
    EXPECT_EQ(Pixel(688, 256), clBlack);
    EXPECT_EQ(Pixel(686, 3), clBlack);
    EXPECT_EQ(Pixel(686, 2), clRed);
    EXPECT_EQ(Pixel(2, 255), clRed);
    EXPECT_EQ(Pixel(3, 255), clBlack);
}

TEST_F(PanelFixture, TransparentColourLeavesTheBackgroundAlone) {
    Chart.SetColor(clNone);
    Chart.SetBevelOuter(bvNone);
    const auto Picture = Chart.VurCreateBitmap(clAqua, TRect{0, 0, 689, 257});
    EXPECT_EQ(Picture->GetImage().GetPixel(300, 100), clAqua);
}

TEST_F(PanelFixture, RenderedBitmapHasTheRequestedSize) {
    const auto Picture = Chart.VurCreateBitmap(clWhite, TRect{0, 0, 300, 200});
    EXPECT_EQ(Picture->GetWidth(), 300);
    EXPECT_EQ(Picture->GetHeight(), 200);
    EXPECT_EQ(Picture->GetImage().GetPixel(150, 100), ColorToRGB(clBtnFace));
    Picture->SaveToFile("PanelRender.png");
    // Rendering leaves the window's buffering on.
    EXPECT_TRUE(Chart.GetCanvas()->GetUseBuffer());
}

TEST_F(PanelFixture, ClippingFollowsTheOutputKind) {
    EXPECT_TRUE(Chart.CanClip());
    Chart.SetPrinting(true);
    EXPECT_TRUE(Chart.CanClip());
    VurDrawSettings().VurClipWhenPrinting = false;
    EXPECT_FALSE(Chart.CanClip());
    VurDrawSettings().VurClipWhenPrinting = true;
    Chart.SetPrinting(false);
    Chart.SetMetafiling(true);
    VurDrawSettings().VurClipWhenMetafiling = false;
    EXPECT_FALSE(Chart.CanClip());
    VurDrawSettings().VurClipWhenMetafiling = true;
    EXPECT_TRUE(Chart.CanClip());
}

TEST_F(PanelFixture, MultiLineTextIsAsWideAsItsWidestLine) {
    Paint();
    TVurCanvas3D* Canvas = Chart.GetCanvas();
    int Lines = -1;
    EXPECT_EQ(Chart.MultiLineTextWidth("", Lines), 0);
    EXPECT_EQ(Lines, 0);
    const int Wide = Canvas->TextWidth("Wednesday");
    EXPECT_EQ(Chart.MultiLineTextWidth("Mon\rWednesday\rFri", Lines), Wide);
    EXPECT_EQ(Lines, 3);
    EXPECT_EQ(Chart.MultiLineTextWidth("Wednesday\r", Lines), Wide);
    EXPECT_EQ(Lines, 1);
    // Counting alone agrees with measuring, separators at either end included.
    for (const std::string Text :
         {"", "Mon", "Mon\rWednesday\rFri", "Wednesday\r", "\rMon", "\r", "\r\r", "A\r\rB"}) {
        Chart.MultiLineTextWidth(Text, Lines);
        EXPECT_EQ(MultiLineTextLines(Text), Lines) << Text;
    }
}

// ---- the window side

TEST_F(PanelFixture, PaintRequestShowsTheChartInTheWindow) {
    Main.Show();
    const auto& W = Main.Window();
    ASSERT_EQ(W.PictureWidth, 689);
    ASSERT_EQ(W.PictureHeight, 257);
    EXPECT_EQ(Chart.Draws, 1);
    const gdi::Bitmap& Image = Chart.GetWindowImage().GetImage();
    EXPECT_TRUE(std::equal(W.Picture.begin(), W.Picture.end(), Image.Row(0)));
    EXPECT_EQ(W.Picture[0], ColorToPixel(clBtnHighlight));
}

TEST_F(PanelFixture, RepaintWithoutAChangeCopiesTheBufferAndDrawsNothing) {
    Main.Show();
    ASSERT_EQ(Chart.Draws, 1);
    const std::vector<std::uint32_t> First = Main.Window().Picture;
    // The window is uncovered: the system asks for a paint with nothing changed.
    Chart.GetControlCanvas()->GetHandle().GetSurface().Fill(clBlack);
    Main.WS.InvalidateRect(Chart.GetHandle());
    Main.Pump();
    EXPECT_EQ(Chart.Draws, 1);
    EXPECT_EQ(Main.Window().Picture, First);
    // A real change draws again.
    Chart.SetColor(clYellow);
    Main.Pump();
    EXPECT_EQ(Chart.Draws, 2);
    EXPECT_EQ(Main.Window().Picture[689 * 100 + 300], ColorToPixel(clYellow));
}

TEST_F(PanelFixture, EraseBackgroundIsAnsweredWithoutErasing) {
    Main.Show();
    const std::vector<std::uint32_t> Shown = Main.Window().Picture;
    EXPECT_EQ(Main.WS.EraseBackground(Chart.GetHandle()), 1);
    EXPECT_EQ(Main.Window().EraseCount, 0);
    EXPECT_EQ(Main.Window().Picture, Shown);
    VurDrawSettings().VurEraseBack = true;
    EXPECT_EQ(Main.WS.EraseBackground(Chart.GetHandle()), 0);
    VurDrawSettings().VurEraseBack = false;
    EXPECT_EQ(Main.Window().EraseCount, 1);
    EXPECT_NE(Main.Window().Picture, Shown);
}

TEST_F(PanelFixture, PrintingPanelIgnoresPaintRequests) {
    Chart.SetPrinting(true);
    Main.Show();
    EXPECT_EQ(Chart.Draws, 0);
}

} // namespace
} // namespace vur::test
