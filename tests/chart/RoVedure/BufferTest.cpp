// The off-screen buffer, driven the way the chart panel paints: ask
// ReDrawBitmap first, draw only when it declines, then ShowImage.
#include "chart/RoVedure/VurCanvas3D.h"
#include "framework/Graphics.h"

#include <gtest/gtest.h>

namespace vur {
namespace {

constexpr int Width = 64;
constexpr int Height = 48;

class TPaintedWindow {
public:
    TPaintedWindow() : Window(Width, Height) {}

    // One paint request of the window system.
    void Paint() {
        if (Canvas.ReDrawBitmap()) return;
        ++Draws;
        TCanvas* Target = Window.GetCanvas();
        const TRect Bounds = Canvas.InitWindow(Target, nullptr, clWhite, false, TRect{0, 0, Width, Height});
        Canvas.ResetState();
        Canvas.GetBrush()->SetColor(Color);
        Canvas.FillRect(Bounds);
        Canvas.GetBrush()->SetColor(clBlack);
        Canvas.FillRect(TRect{10, 10, 20, 20});
        Canvas.ShowImage(Target, Target, TRect{0, 0, Width, Height});
    }

    // The window system lost the window's pixels (it was covered).
    void Expose() { Window.GetCanvas()->GetHandle().GetSurface().Fill(clWhite); }

    TColor At(int X, int Y) const { return Window.GetImage().GetPixel(X, Y); }

    TBitmap Window;
    TVurCanvas3D Canvas;
    TColor Color = clRed;
    int Draws = 0;
};

TEST(Buffer, RepaintWithoutAChangeCopiesTheBufferAndDrawsNothing) {
    TPaintedWindow W;
    W.Paint();
    ASSERT_EQ(W.Draws, 1);
    EXPECT_FALSE(W.Canvas.GetDirty());
    EXPECT_EQ(W.At(40, 40), clRed);
    EXPECT_EQ(W.At(15, 15), clBlack);

    W.Expose();
    W.Color = clLime; // not announced: the buffer still shows red
    W.Paint();
    EXPECT_EQ(W.Draws, 1);
    EXPECT_EQ(W.At(40, 40), clRed);
    EXPECT_EQ(W.At(15, 15), clBlack);
}

TEST(Buffer, InvalidateRedraws) {
    TPaintedWindow W;
    W.Paint();
    W.Color = clLime;
    W.Canvas.Invalidate();
    W.Paint();
    EXPECT_EQ(W.Draws, 2);
    EXPECT_EQ(W.At(40, 40), clLime);
    W.Paint();
    EXPECT_EQ(W.Draws, 2);
}

TEST(Buffer, MonochromeChangeRedraws) {
    TPaintedWindow W;
    W.Paint();
    W.Canvas.SetMonochrome(true);
    W.Paint();
    EXPECT_EQ(W.Draws, 2);
}

TEST(Buffer, DrawingGoesToTheBufferUntilShowImage) {
    TPaintedWindow W;
    TCanvas* Target = W.Window.GetCanvas();
    const TRect Bounds = W.Canvas.InitWindow(Target, nullptr, clWhite, false, TRect{5, 7, 45, 37});
    EXPECT_EQ(Bounds, (TRect{0, 0, 40, 30}));
    ASSERT_NE(W.Canvas.GetBitmap(), nullptr);
    EXPECT_EQ(W.Canvas.GetBitmap()->GetWidth(), 40);
    EXPECT_EQ(W.Canvas.GetBitmap()->GetHeight(), 30);
    W.Canvas.GetBrush()->SetColor(clBlue);
    W.Canvas.FillRect(Bounds);
    EXPECT_EQ(W.At(10, 10), clWhite);
    // The buffer lands with its corner at the user rectangle's.
    W.Canvas.ShowImage(Target, Target, TRect{5, 7, 45, 37});
    EXPECT_EQ(W.At(5, 7), clBlue);
    EXPECT_EQ(W.At(44, 36), clBlue);
    EXPECT_EQ(W.At(4, 7), clWhite);
    EXPECT_EQ(W.At(45, 36), clWhite);
    EXPECT_EQ(W.Canvas.GetReferenceCanvas(), Target);
}

TEST(Buffer, WithoutBufferEveryPaintDrawsStraightToTheWindow) {
    TPaintedWindow W;
    W.Paint();
    ASSERT_NE(W.Canvas.GetBitmap(), nullptr);
    W.Canvas.SetUseBuffer(false);
    EXPECT_EQ(W.Canvas.GetBitmap(), nullptr);
    EXPECT_TRUE(W.Canvas.GetDirty());
    W.Paint();
    W.Paint();
    EXPECT_EQ(W.Draws, 3);
    EXPECT_EQ(W.Canvas.GetBitmap(), nullptr);
    const TRect Bounds =
        W.Canvas.InitWindow(W.Window.GetCanvas(), nullptr, clWhite, false, TRect{5, 7, 45, 37});
    EXPECT_EQ(Bounds, (TRect{5, 7, 45, 37}));
    EXPECT_EQ(W.Canvas.GetReferenceCanvas(), W.Window.GetCanvas());

    W.Canvas.SetUseBuffer(true);
    W.Paint();
    W.Paint();
    EXPECT_EQ(W.Draws, 4);
}

TEST(Buffer, SwitchingOffMidPaintStopsDrawingIntoTheFreedBuffer) {
    TPaintedWindow W;
    W.Canvas.InitWindow(W.Window.GetCanvas(), nullptr, clWhite, false, TRect{0, 0, Width, Height});
    W.Canvas.SetUseBuffer(false);
    EXPECT_EQ(W.Canvas.GetReferenceCanvas(), nullptr);
    EXPECT_FALSE(W.Canvas.ReDrawBitmap());
}

} // namespace
} // namespace vur
