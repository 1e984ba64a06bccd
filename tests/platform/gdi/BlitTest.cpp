// Bit-block transfers, scaling, alpha blending and PNG files.
#include "platform/gdi/DC.h"
#include "platform/gdi/Error.h"

#include <gtest/gtest.h>

#include <cstdio>

namespace vur::gdi {
namespace {

TEST(BlitTest, AlphaBlendWithConstantAlphaMixesEachChannel) {
    Bitmap Dst(4, 4), Src(4, 4);
    Dst.Fill(RGB(0, 100, 255));
    Src.Fill(RGB(255, 0, 10));
    DC D(Dst), S(Src);
    BLENDFUNCTION Blend;
    Blend.SourceConstantAlpha = 128;
    ASSERT_TRUE(D.AlphaBlend(0, 0, 2, 2, S, 0, 0, 2, 2, Blend));
    // (src a + dst (255 - a) + 127) / 255: red (255*128 + 127)/255 = 128,
    // green (100*127 + 127)/255 = 50, blue (10*128 + 255*127 + 127)/255 = 132.
    EXPECT_EQ(Dst.GetPixel(1, 1), RGB(128, 50, 132));
    EXPECT_EQ(Dst.GetPixel(2, 2), RGB(0, 100, 255));
    Blend.SourceConstantAlpha = 255;
    D.AlphaBlend(2, 2, 2, 2, S, 0, 0, 2, 2, Blend);
    EXPECT_EQ(Dst.GetPixel(3, 3), RGB(255, 0, 10));
    Blend.SourceConstantAlpha = 0;
    D.AlphaBlend(0, 2, 2, 2, S, 0, 0, 2, 2, Blend);
    EXPECT_EQ(Dst.GetPixel(0, 3), RGB(0, 100, 255));
    // A source rectangle outside the source fails and draws nothing.
    EXPECT_FALSE(D.AlphaBlend(0, 0, 2, 2, S, 3, 3, 2, 2, Blend));
}

TEST(BlitTest, BitBltCopiesThroughTheClipAndSkipsMissingSource) {
    Bitmap Dst(10, 10), Src(4, 4);
    Dst.Fill(0xFFFFFF);
    for (int Y = 0; Y < 4; ++Y)
        for (int X = 0; X < 4; ++X) Src.Row(Y)[X] = PixelFromColor(RGB(X * 50, Y * 50, 7));
    DC D(Dst), S(Src);
    D.IntersectClipRect(0, 0, 10, 6);
    ASSERT_TRUE(D.BitBlt(3, 3, 6, 6, &S, 1, 1, SRCCOPY));
    EXPECT_EQ(Dst.GetPixel(3, 3), RGB(50, 50, 7));
    EXPECT_EQ(Dst.GetPixel(5, 5), RGB(150, 150, 7));
    EXPECT_EQ(Dst.GetPixel(5, 6), 0xFFFFFFu); // clipped
    EXPECT_EQ(Dst.GetPixel(6, 4), 0xFFFFFFu); // source column 4 does not exist
    EXPECT_FALSE(D.BitBlt(0, 0, 2, 2, nullptr, 0, 0, SRCCOPY));
    // Raster operations without a source.
    D.BitBlt(0, 0, 2, 2, nullptr, 0, 0, BLACKNESS);
    EXPECT_EQ(Dst.GetPixel(1, 1), 0u);
    D.BitBlt(0, 0, 2, 2, nullptr, 0, 0, DSTINVERT);
    EXPECT_EQ(Dst.GetPixel(1, 1), 0xFFFFFFu);
    D.SelectObject(CreateSolidBrush(RGB(1, 2, 3)));
    D.BitBlt(0, 0, 2, 2, nullptr, 0, 0, PATCOPY);
    EXPECT_EQ(Dst.GetPixel(0, 0), RGB(1, 2, 3));
    D.BitBlt(0, 0, 2, 2, &S, 0, 0, SRCINVERT);
    EXPECT_EQ(Dst.GetPixel(1, 0), RGB(1 ^ 50, 2, 3 ^ 7));
}

TEST(BlitTest, BitBltWithinOneBitmapReadsTheOriginalPixels) {
    Bitmap B(8, 1);
    for (int X = 0; X < 8; ++X) B.Row(0)[X] = static_cast<std::uint32_t>(X);
    DC D(B);
    D.BitBlt(1, 0, 7, 1, &D, 0, 0, SRCCOPY);
    for (int X = 1; X < 8; ++X) EXPECT_EQ(B.Row(0)[X], static_cast<std::uint32_t>(X - 1));
}

TEST(BlitTest, StretchBltScalesAndMirrors) {
    Bitmap Src(2, 1), Dst(4, 2);
    Src.Row(0)[0] = PixelFromColor(RGB(255, 0, 0));
    Src.Row(0)[1] = PixelFromColor(RGB(0, 0, 255));
    DC S(Src), D(Dst);
    D.StretchBlt(0, 0, 4, 1, &S, 0, 0, 2, 1, SRCCOPY);
    EXPECT_EQ(Dst.GetPixel(1, 0), RGB(255, 0, 0));
    EXPECT_EQ(Dst.GetPixel(2, 0), RGB(0, 0, 255));
    D.StretchBlt(4, 1, -4, 1, &S, 0, 0, 2, 1, SRCCOPY);
    EXPECT_EQ(Dst.GetPixel(1, 1), RGB(0, 0, 255));
    EXPECT_EQ(Dst.GetPixel(3, 1), RGB(255, 0, 0));
}

TEST(BlitTest, TransparentBltStretchesAndLeavesTheKeyColourOut) {
    Bitmap Src(2, 1), Dst(4, 2);
    Dst.Fill(RGB(9, 9, 9));
    Src.Row(0)[0] = PixelFromColor(RGB(255, 0, 255));
    Src.Row(0)[1] = PixelFromColor(RGB(0, 0, 255));
    DC S(Src), D(Dst);
    ASSERT_TRUE(D.TransparentBlt(0, 0, 4, 2, S, 0, 0, 2, 1, RGB(255, 0, 255)));
    EXPECT_EQ(Dst.GetPixel(1, 1), RGB(9, 9, 9));
    EXPECT_EQ(Dst.GetPixel(2, 1), RGB(0, 0, 255));
    EXPECT_FALSE(D.TransparentBlt(0, 0, 0, 2, S, 0, 0, 2, 1, RGB(255, 0, 255)));
}

TEST(BlitTest, PngRoundTripAndMissingFile) {
    Bitmap B(5, 3);
    B.Fill(RGB(1, 2, 3));
    B.Row(2)[4] = PixelFromColor(RGB(200, 100, 50));
    const std::string Path = "BlitTest_RoundTrip.png";
    B.SavePng(Path);
    const Bitmap Loaded = Bitmap::LoadPng(Path);
    EXPECT_EQ(Loaded, B);
    std::remove(Path.c_str());
    EXPECT_THROW(Bitmap::LoadPng("no/such/picture.png"), EGdiError);
    try {
        Bitmap::LoadPng("missing.png");
    } catch (const EGdiError& E) {
        EXPECT_NE(std::string(E.what()).find("missing.png"), std::string::npos);
    }
    EXPECT_THROW(Bitmap().SavePng("empty.png"), EGdiError);
    EXPECT_THROW(Bitmap(1 << 16, 1 << 16), EGdiError);
}

} // namespace
} // namespace vur::gdi
