#include "framework/Graphics.h"
#include "framework/Exceptions.h"
#include "framework/SystemColors.h"

#include <gtest/gtest.h>

#include <sys/stat.h>
#include <unistd.h>

#include <cstdint>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

namespace vur {
namespace {

TEST(MulDivTest, RoundsHalfAwayFromZeroAndRejectsZeroDivisor) {
    EXPECT_EQ(MulDiv(8, 96, 72), 11); // 10.67
    EXPECT_EQ(MulDiv(3, 1, 2), 2);    // 1.5
    EXPECT_EQ(MulDiv(-3, 1, 2), -2);
    EXPECT_EQ(MulDiv(5, 1, 0), -1);
    EXPECT_EQ(MulDiv(1 << 30, 1 << 20, 1 << 20), 1 << 30); // no 32-bit overflow in the product
}

TEST(FontTest, SizeAndHeightFollowThePixelsPerInch) {
    TFont Font;
    Font.SetSize(12);
    EXPECT_EQ(Font.GetHeight(), -16); // 12 pt at 96 ppi
    Font.SetPixelsPerInch(72);
    EXPECT_EQ(Font.GetSize(), 16);
    Font.SetHeight(-24);
    EXPECT_EQ(Font.GetSize(), 24);

    TFont Other;
    Other.SetSize(10);
    Font.Assign(&Other); // different ppi: the point size is kept
    EXPECT_EQ(Font.GetSize(), 10);
    EXPECT_EQ(Font.GetHeight(), -10);
}

TEST(FontTest, StylesMapToTheDeviceFontAndNotifyOnce) {
    TFont Font;
    int Changes = 0;
    Font.OnChange = [&](TPersistent*) { ++Changes; };
    Font.SetStyle(fsBold | fsItalic);
    Font.SetStyle(fsBold | fsItalic);
    EXPECT_EQ(Changes, 1);
    EXPECT_EQ(Font.GetHandle().GetLogFont().Weight, gdi::FW_BOLD);
    EXPECT_TRUE(Font.GetHandle().GetLogFont().Italic);
    EXPECT_EQ(Font.GetStyle(), fsBold | fsItalic);
}

TEST(PenTest, SettersCompareFirstAndAdoptedHandlesGiveWayToProperties) {
    TPen Pen;
    int Changes = 0;
    Pen.OnChange = [&](TPersistent*) { ++Changes; };
    Pen.SetColor(clBlack);
    Pen.SetWidth(1);
    EXPECT_EQ(Changes, 0);
    Pen.SetStyle(psDash);
    EXPECT_EQ(Changes, 1);

    gdi::LOGBRUSH B;
    B.lbColor = 0x0000FF;
    Pen.SetHandle(gdi::ExtCreatePen(gdi::PS_GEOMETRIC | gdi::PS_ENDCAP_FLAT, 4, B, 0, nullptr));
    EXPECT_TRUE(Pen.GetHandle().IsGeometric());
    EXPECT_EQ(Pen.GetWidth(), 4);
    EXPECT_EQ(Pen.GetColor(), 0x0000FFu);
    Pen.SetWidth(4); // same value, but it rebuilds a plain pen from the properties
    EXPECT_FALSE(Pen.GetHandle().IsGeometric());
}

struct CanvasFixture : ::testing::Test {
    TBitmap Bitmap{40, 30};
    TCanvas& Canvas = *Bitmap.GetCanvas();
    std::uint32_t Pixel(int X, int Y) const { return Bitmap.GetImage().GetPixel(X, Y); }
};

TEST_F(CanvasFixture, NewBitmapsAreWhiteAndLinesSkipTheirEndPixel) {
    EXPECT_EQ(Pixel(0, 0), clWhite);
    Canvas.GetPen()->SetColor(clRed);
    Canvas.MoveTo(2, 5);
    Canvas.LineTo(10, 5);
    EXPECT_EQ(Pixel(2, 5), clRed);
    EXPECT_EQ(Pixel(9, 5), clRed);
    EXPECT_EQ(Pixel(10, 5), clWhite);
    EXPECT_EQ(Canvas.GetPenPos(), (TPoint{10, 5}));
}

TEST_F(CanvasFixture, PenChangesReachTheDeviceBeforeTheNextDrawing) {
    Canvas.GetPen()->SetColor(clBlue);
    Canvas.Rectangle(0, 0, 5, 5);
    Canvas.GetPen()->SetColor(clLime);
    Canvas.GetPen()->SetMode(pmNotXor);
    Canvas.MoveTo(0, 10);
    Canvas.LineTo(5, 10);
    // not-xor of lime over white keeps lime
    EXPECT_EQ(Pixel(1, 10), clLime);
    EXPECT_EQ(Pixel(0, 0), clBlue);
    EXPECT_EQ(Canvas.GetHandle().GetROP2(), PenModeToRop2(pmNotXor));
}

TEST_F(CanvasFixture, BrushStylesFillSolidHatchedOrNotAtAll) {
    Canvas.GetPen()->SetStyle(psClear);
    Canvas.GetBrush()->SetColor(clRed);
    Canvas.FillRect(TRect{0, 0, 10, 10});
    EXPECT_EQ(Pixel(5, 5), clRed);
    Canvas.GetBrush()->SetStyle(bsClear);
    Canvas.Rectangle(0, 0, 10, 10);
    EXPECT_EQ(Pixel(5, 5), clRed);
    Canvas.GetBrush()->SetStyle(bsHorizontal);
    Canvas.GetBrush()->SetColor(clBlue);
    Canvas.GetHandle().SetBkMode(gdi::TRANSPARENT);
    Canvas.FillRect(TRect{20, 0, 28, 8});
    int Blue = 0, White = 0;
    for (int Y = 0; Y < 8; ++Y) (Pixel(20, Y) == clBlue ? Blue : White) += 1;
    EXPECT_EQ(Blue, 1); // one hatch row in eight
    EXPECT_EQ(White, 7);
}

TEST_F(CanvasFixture, SystemColoursResolveWhenDrawn) {
    Canvas.GetBrush()->SetColor(clBtnFace);
    Canvas.FillRect(TRect{0, 0, 4, 4});
    EXPECT_EQ(Pixel(1, 1), ColorToRGB(clBtnFace));
    EXPECT_LT(Pixel(1, 1), clSystemColor);
}

TEST_F(CanvasFixture, TextUsesTheFontColourAndMeasuresWithTheFont) {
    Canvas.GetFont()->SetColor(clRed);
    Canvas.GetFont()->SetSize(12);
    const TPoint Extent = Canvas.TextExtent("Wm");
    EXPECT_GT(Extent.X, 10);
    EXPECT_GT(Extent.Y, 12);
    Canvas.TextOut(2, 2, "Wm");
    int Red = 0;
    for (int Y = 0; Y < 30; ++Y)
        for (int X = 0; X < 40; ++X) Red += Pixel(X, Y) == clRed;
    EXPECT_GT(Red, 10);
    Canvas.GetFont()->SetSize(24);
    EXPECT_GT(Canvas.TextWidth("Wm"), Extent.X);
}

TEST(BitmapTest, DrawCopiesAndStretchesAGraphic) {
    TBitmap Source(2, 2);
    Source.GetCanvas()->SetPixel(0, 0, clRed);
    TBitmap Dest(10, 10);
    Dest.GetCanvas()->Draw(3, 3, &Source);
    EXPECT_EQ(Dest.GetImage().GetPixel(3, 3), clRed);
    EXPECT_EQ(Dest.GetImage().GetPixel(4, 4), clWhite);
    Dest.GetCanvas()->StretchDraw(TRect{0, 0, 8, 8}, &Source);
    EXPECT_EQ(Dest.GetImage().GetPixel(3, 3), clRed); // the top-left quarter
    EXPECT_EQ(Dest.GetImage().GetPixel(4, 4), clWhite);
    Dest.GetCanvas()->Draw(0, 0, nullptr);
}

TEST(PictureTest, LoadsPngAndTellsItsOwner) {
    const auto Path = (std::filesystem::temp_directory_path() / "vur_picture_test.png").string();
    TBitmap Source(3, 2);
    Source.GetCanvas()->SetPixel(2, 1, clBlue);
    Source.SaveToFile(Path);

    TPicture Picture;
    int Changes = 0;
    Picture.OnChange = [&](TPersistent*) { ++Changes; };
    Picture.LoadFromFile(Path);
    EXPECT_EQ(Changes, 1);
    EXPECT_EQ(Picture.GetWidth(), 3);
    EXPECT_EQ(Picture.GetBitmap()->GetImage().GetPixel(2, 1), clBlue);
    Picture.GetBitmap()->GetCanvas()->SetPixel(0, 0, clRed);
    Picture.GetBitmap()->SetSize(5, 5);
    EXPECT_EQ(Changes, 2);
    std::filesystem::remove(Path);
}

TEST(PictureTest, MissingFileIsAClearErrorAndKeepsThePicture) {
    TPicture Picture;
    Picture.GetBitmap()->SetSize(4, 4);
    try {
        Picture.LoadFromFile("/nonexistent/vur/picture.png");
        FAIL() << "no exception";
    } catch (const EInvalidGraphic& E) {
        EXPECT_NE(std::string(E.what()).find("/nonexistent/vur/picture.png"), std::string::npos);
    }
    EXPECT_EQ(Picture.GetWidth(), 4);
}

// A scratch folder of this test process's own.
struct PictureFiles : ::testing::Test {
    const std::filesystem::path Folder =
        std::filesystem::temp_directory_path() / ("vur_pictures_" + std::to_string(::getpid()));
    void SetUp() override { std::filesystem::create_directories(Folder); }
    void TearDown() override { std::filesystem::remove_all(Folder); }
    std::string Refusal(const std::string& Path) {
        TPicture Picture;
        Picture.GetBitmap()->SetSize(4, 4);
        try {
            Picture.LoadFromFile(Path);
        } catch (const EInvalidGraphic& E) {
            EXPECT_EQ(Picture.GetWidth(), 4);
            return E.Message();
        }
        return "loaded";
    }
};

std::uint32_t Crc32(const unsigned char* Data, std::size_t Size) {
    std::uint32_t Crc = 0xFFFFFFFFu;
    for (std::size_t I = 0; I < Size; ++I) {
        Crc ^= Data[I];
        for (int Bit = 0; Bit < 8; ++Bit) Crc = (Crc >> 1) ^ (0xEDB88320u & (0u - (Crc & 1u)));
    }
    return ~Crc;
}

// A FIFO or a device never ends (or never starts): only regular files are read.
TEST_F(PictureFiles, OnlyRegularFilesAreRead) {
    const std::string Fifo = (Folder / "pipe.png").string();
    ASSERT_EQ(::mkfifo(Fifo.c_str(), 0600), 0);
    EXPECT_NE(Refusal(Fifo).find("Not a regular file"), std::string::npos);
    EXPECT_NE(Refusal(Folder.string()).find("Not a regular file"), std::string::npos);
    EXPECT_NE(Refusal("/dev/zero").find("Not a regular file"), std::string::npos);
}

// A small file that declares a huge picture is refused from its header,
// before the pixels are allocated (16384 x 16384 once took 1 GB and seconds).
TEST_F(PictureFiles, PicturesBeyondTheDecodedSizeLimitAreRefused) {
    const std::string Path = (Folder / "huge.png").string();
    TBitmap(1, 1).SaveToFile(Path);
    std::vector<unsigned char> Bytes;
    {
        std::ifstream In(Path, std::ios::binary);
        Bytes.assign(std::istreambuf_iterator<char>(In), std::istreambuf_iterator<char>());
    }
    // The header chunk follows the 8-byte signature: length, "IHDR", width,
    // height (big-endian), ..., then its CRC over type and data.
    ASSERT_GT(Bytes.size(), 33u);
    for (const int Offset : {16, 20}) {
        Bytes[Offset] = 0;
        Bytes[Offset + 1] = 0;
        Bytes[Offset + 2] = 0x40;
        Bytes[Offset + 3] = 0;
    }
    const std::uint32_t Crc = Crc32(&Bytes[12], 17);
    for (int I = 0; I < 4; ++I) Bytes[29 + I] = static_cast<unsigned char>(Crc >> (24 - 8 * I));
    std::ofstream(Path, std::ios::binary)
        .write(reinterpret_cast<const char*>(Bytes.data()), static_cast<std::streamsize>(Bytes.size()));
    EXPECT_NE(Refusal(Path).find("16384 x 16384 pixels, more than 16777216"), std::string::npos)
        << Refusal(Path);
}

TEST(BitmapTest, ASizeBeyondTheRasterDeviceIsAnEngineError) {
    TBitmap Bitmap(2, 2);
    EXPECT_THROW(Bitmap.SetSize(1 << 20, 1 << 20), EOutOfResources);
    EXPECT_EQ(Bitmap.GetWidth(), 2);
}

TEST(PictureTest, AssignCopiesTheBitmap) {
    TPicture A, B;
    A.GetBitmap()->SetSize(2, 2);
    A.GetBitmap()->GetCanvas()->SetPixel(1, 1, clRed);
    B.Assign(&A);
    A.GetBitmap()->GetCanvas()->SetPixel(1, 1, clBlue);
    EXPECT_EQ(B.GetBitmap()->GetImage().GetPixel(1, 1), clRed);
    B.Assign(nullptr);
    EXPECT_EQ(B.GetGraphic(), nullptr);
}

} // namespace
} // namespace vur
