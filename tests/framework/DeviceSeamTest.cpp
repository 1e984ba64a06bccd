#include "framework/DeviceSeam.h"
#include "framework/Graphics.h"

#include <gtest/gtest.h>

#include <optional>
#include <string>
#include <vector>

namespace vur {
namespace {

constexpr int Size = 20;

// Fills the whole bitmap red through whatever clip is in effect and tells
// which of the probed pixels took it.
std::string Painted(TBitmap& Bitmap, const std::vector<TPoint>& Probes) {
    TCanvas& Canvas = *Bitmap.GetCanvas();
    Canvas.GetBrush()->SetColor(clRed);
    Canvas.FillRect(TRect{0, 0, Size, Size});
    std::string Marks;
    for (const TPoint& P : Probes) Marks += Canvas.GetPixel(P.X, P.Y) == clRed ? '#' : '.';
    return Marks;
}

// Probes: inside both rectangles, only in A (5..15), only in B (10..20), in neither.
const std::vector<TPoint> Probes{{12, 12}, {6, 6}, {17, 17}, {1, 1}};
const TRect A{5, 5, 15, 15}, B{10, 10, 20, 20};

TEST(DeviceSeamTest, ClipAreasCombine) {
    struct Case {
        const char* Name;
        void (*Clip)(TCanvas&);
        const char* Expected;
    };
    const Case Cases[] = {
        {"none", [](TCanvas&) {}, "####"},
        {"intersect twice",
         [](TCanvas& C) {
             IntersectClipArea(C, TClipArea::Rectangle(A));
             IntersectClipArea(C, TClipArea::Rectangle(B));
         },
         "#..."},
        {"xor of two",
         [](TCanvas& C) {
             SetClipArea(C, TClipArea::Rectangle(A));
             XorClipArea(C, TClipArea::Rectangle(B));
         },
         ".##."},
        // With nothing clipped the whole device is the first area.
        {"xor alone", [](TCanvas& C) { XorClipArea(C, TClipArea::Rectangle(A)); }, "..##"},
        {"set then none",
         [](TCanvas& C) {
             SetClipArea(C, TClipArea::Rectangle(A));
             SetClipArea(C, std::nullopt);
         },
         "####"},
        // Alternate filling: the inner square, inside the outline twice, stays out.
        {"polygon",
         [](TCanvas& C) {
             const TPoint Twice[] = {{2, 2},  {18, 2},  {18, 18}, {2, 18}, {2, 2},
                                     {8, 16}, {16, 16}, {16, 8},  {8, 8},  {8, 16}};
             SetClipArea(C, TClipArea::Polygon(Twice));
         },
         ".##."},
    };
    for (const Case& C : Cases) {
        TBitmap Bitmap(Size, Size);
        C.Clip(*Bitmap.GetCanvas());
        EXPECT_EQ(Painted(Bitmap, Probes), C.Expected) << C.Name;
    }
}

TEST(DeviceSeamTest, AnUnclipRestoresTheAreaBeforeTheLastClipOnly) {
    TBitmap Bitmap(Size, Size);
    TCanvas& Canvas = *Bitmap.GetCanvas();
    SetClipArea(Canvas, TClipArea::Rectangle(A));
    ClipCanvas(Canvas, TClipArea::Rectangle(B));
    EXPECT_EQ(Painted(Bitmap, Probes), "#...");
    UnClipCanvas(Canvas);
    EXPECT_EQ(Painted(Bitmap, Probes), "##..");
    // Clips do not stack: the second forgets what the first remembered.
    ClipCanvas(Canvas, TClipArea::Rectangle(B));
    ClipCanvas(Canvas, TClipArea::Rectangle(TRect{11, 11, 13, 13}));
    UnClipCanvas(Canvas);
    EXPECT_EQ(Painted(Bitmap, Probes), "#...");
    const std::optional<TClipArea> Current = GetClipArea(Canvas);
    ASSERT_TRUE(Current.has_value());
    UnClipCanvas(Canvas);
    EXPECT_EQ(Painted(Bitmap, Probes), "####");
    EXPECT_FALSE(GetClipArea(Canvas).has_value());
}

TEST(DeviceSeamTest, WritingPixelsLeavesACopyAsItWas) {
    TBitmap Original(4, 2);
    Original.GetCanvas()->SetPixel(1, 1, clBlue);
    TBitmap Copy;
    Copy.Assign(&Original);
    const TConstPixelRows Read = ReadablePixels(*Copy.GetCanvas());
    EXPECT_EQ(Read.Width(), 4);
    EXPECT_EQ(Read.Height(), 2);
    EXPECT_EQ(Read.Row(1)[1] & 0xFFFFFF, 0x0000FFu); // 0x00RRGGBB on the device
    const TPixelRows Write = WritablePixels(*Copy.GetCanvas());
    Write.Row(1)[1] = 0xFF0000;
    EXPECT_EQ(Copy.GetCanvas()->GetPixel(1, 1), clRed);
    EXPECT_EQ(Original.GetCanvas()->GetPixel(1, 1), clBlue);
}

} // namespace
} // namespace vur
