#include "chart/Chart/TitleWallFixture.h"
#include "framework/SystemColors.h"

#include <filesystem>
#include <string>
#include <unistd.h>

namespace vur {
namespace {

constexpr TColor Corner[4] = {clRed, clBlue, 0x00FF00, clBlack};

struct BackImageTest : test::DressedChartFixture {
    void SetUp() override {
        DressedChartFixture::SetUp();
        // A 4 x 3 picture, its four corners red, blue, green and black, the rest white, from a PNG file.
        TBitmap Small(4, 3);
        TCanvas& Image = *Small.GetCanvas();
        Image.SetPixel(0, 0, Corner[0]);
        Image.SetPixel(3, 0, Corner[1]);
        Image.SetPixel(3, 2, Corner[2]);
        Image.SetPixel(0, 2, Corner[3]);
        // A name of its own: test cases and test runs go on side by side.
        const std::string Name = ::testing::UnitTest::GetInstance()->current_test_info()->name();
        File = (std::filesystem::temp_directory_path() /
                ("vur_backimage_" + Name + "_" + std::to_string(getpid()) + ".png"))
                   .string();
        Small.SaveToFile(File);
        Chart->BackImage.LoadFromFile(File);
        Series->SetActive(false);
        Chart->SetAxisVisible(false);
    }
    void TearDown() override {
        std::filesystem::remove(File);
        DressedChartFixture::TearDown();
    }
    std::string File;
};

TEST_F(BackImageTest, LoadsFromPng) {
    ASSERT_TRUE(Chart->BackImage.HasPicture());
    EXPECT_EQ(Chart->BackImage.GetWidth(), 4);
    EXPECT_EQ(Chart->BackImage.GetHeight(), 3);
    EXPECT_EQ(Chart->BackImage.GetMode(), pbmStretch);
    EXPECT_FALSE(Chart->BackImage.GetInside());
}

TEST_F(BackImageTest, StretchCoversThePanelCornerToCorner) {
    Paint();
    // Inside the one-pixel raised bevel the picture's corners reach the panel's.
    EXPECT_EQ(Pixel(1, 1), Corner[0]);
    EXPECT_EQ(Pixel(687, 1), Corner[1]);
    EXPECT_EQ(Pixel(687, 255), Corner[2]);
    EXPECT_EQ(Pixel(1, 255), Corner[3]);
    // One picture pixel is 689 / 4 by 257 / 3 panel pixels.
    EXPECT_EQ(Pixel(170, 84), Corner[0]);
    EXPECT_EQ(Pixel(175, 90), clWhite);
}

TEST_F(BackImageTest, TranspLeavesOutTheColourOfTheBottomLeftPixel) {
    Chart->SetBackImageTransp(true);
    Paint();
    // The black bottom-left cell lets the panel colour through; the rest stays.
    EXPECT_EQ(Pixel(1, 255), ColorToRGB(Chart->GetColor()));
    EXPECT_EQ(Pixel(170, 250), ColorToRGB(Chart->GetColor()));
    EXPECT_EQ(Pixel(1, 1), Corner[0]);
    EXPECT_EQ(Pixel(687, 255), Corner[2]);
    EXPECT_EQ(Pixel(175, 90), clWhite);
    Chart->SetBackImageTransp(false);
    Paint();
    EXPECT_EQ(Pixel(1, 255), Corner[3]);
}

TEST_F(BackImageTest, TileRepeatsAtNaturalSizeFromTheTopLeft) {
    Chart->BackImage.SetMode(pbmTile);
    Paint();
    for (int Y = 3; Y < 250; Y += 41)
        for (int X = 4; X < 680; X += 67) {
            const int PX = X % 4;
            const int PY = Y % 3;
            TColor Expected = clWhite;
            if (PX == 0 && PY == 0) Expected = Corner[0];
            if (PX == 3 && PY == 0) Expected = Corner[1];
            if (PX == 3 && PY == 2) Expected = Corner[2];
            if (PX == 0 && PY == 2) Expected = Corner[3];
            EXPECT_EQ(Pixel(X, Y), Expected) << X << ", " << Y;
        }
}

TEST_F(BackImageTest, CentreDrawsOnceInTheMiddleOnThePanelColour) {
    Chart->BackImage.SetMode(pbmCenter);
    Paint();
    // (689 - 4) div 2 and (257 - 3) div 2.
    EXPECT_EQ(Pixel(342, 127), Corner[0]);
    EXPECT_EQ(Pixel(345, 129), Corner[2]);
    EXPECT_EQ(Pixel(341, 127), Pixel(100, 100));
    EXPECT_EQ(Count(clRed, TRect{0, 0, 689, 257}), 1);
}

TEST_F(BackImageTest, CustomPlacesAtTheOffset) {
    Chart->BackImage.SetMode(pbmCustom);
    Chart->BackImage.SetLeft(10);
    Chart->BackImage.SetTop(20);
    Paint();
    EXPECT_EQ(Pixel(10, 20), Corner[0]);
    EXPECT_EQ(Pixel(13, 22), Corner[2]);
}

TEST_F(BackImageTest, InsideGoesWithinTheBackWallFrame) {
    Chart->BackImage.SetInside(true);
    Series->SetActive(true);
    Series->GetPen()->Hide();
    Paint();
    const TRect R = Chart->GetChartRect();
    EXPECT_EQ(Pixel(1, 1), Pixel(R.Left - 2, R.Top - 2));
    EXPECT_EQ(Pixel(R.Left + 1, R.Top + 1), Corner[0]);
    EXPECT_EQ(Pixel(R.Right - 1, R.Bottom - 1), Corner[2]);
    EXPECT_EQ(Pixel(R.Right, R.Bottom), clBlack);
}

TEST_F(BackImageTest, EmptyPictureDrawsNothing) {
    Chart->BackImage.Assign(nullptr);
    EXPECT_FALSE(Chart->BackImage.HasPicture());
    Chart->BackImage.SetMode(pbmTile);
    EXPECT_NO_THROW(Paint());
}

} // namespace
} // namespace vur
