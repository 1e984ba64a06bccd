// Shadows and blending against their stated rules: flat strips and their
// offsets, smooth lines fading to white, transparency as an integer mix of
// the drawing and what lay under it, and capture areas that leave the surface.
#include "CanvasTestSupport.h"

#include "chart/RoVedure/Blend.h"
#include "chart/RoVedure/Shadow.h"
#include "chart/RoVedure/VurFont.h"

#include <algorithm>
#include <cstdint>
#include <vector>

namespace vur {
namespace {

constexpr TColor Grey(int Level) { return static_cast<TColor>(Level * 0x010101); }

class ShadowDrawTest : public CanvasFixture {
protected:
    TVurShadow Shadow{{}, clBlack, 0};
    const TRect Box{20, 10, 60, 40};
};

TEST_F(ShadowDrawTest, FlatShadowIsTwoStripsBesideTheRectangleMovedByItsSizes) {
    Shadow.SetSmooth(false);
    Shadow.SetSize(3);
    Shadow.Draw(Canvas, Box);
    // Below: columns 23..62, rows 40..42; right: columns 60..62, rows 13..42.
    EXPECT_EQ(Count(clBlack, TRect{23, 40, 63, 43}), 40 * 3);
    EXPECT_EQ(Count(clBlack, TRect{60, 13, 63, 40}), 3 * 27);
    EXPECT_EQ(Count(clBlack), 40 * 3 + 3 * 27);
    EXPECT_EQ(Ink(), (TRect{23, 13, 63, 43}));
    // Negative sizes put the strips above and to the left.
    Clear();
    Shadow.SetHorizSize(-2);
    Shadow.SetVertSize(-4);
    Shadow.Draw(Canvas, Box);
    EXPECT_EQ(Count(clBlack, TRect{18, 6, 58, 10}), 40 * 4);
    EXPECT_EQ(Count(clBlack, TRect{18, 10, 20, 36}), 2 * 26);
    EXPECT_EQ(Ink(), (TRect{18, 6, 58, 36}));
}

TEST_F(ShadowDrawTest, SmoothShadowFadesToWhiteOneStepPerLine) {
    // Black, 4 wide and 2 deep: the lines below brighten by Round(255 / 2) =
    // 128 each, the lines right of the box by Round(255 / 4) = 64.
    Shadow.SetHorizSize(4);
    Shadow.SetVertSize(2);
    Shadow.Draw(Canvas, Box);
    // Line I below runs from Left + 4 to Right + I (its end pixel left out).
    for (int I = 0; I < 2; ++I) {
        EXPECT_EQ(Count(Grey(128 * I), TRect{24, 40 + I, 60 + I, 41 + I}), 36 + I) << I;
        EXPECT_EQ(Pixel(23, 40 + I), clWhite) << I;
    }
    // Line I right runs from Top + 2 down to Bottom + I, then the corner pixel.
    for (int I = 0; I < 4; ++I) {
        EXPECT_EQ(Count(Grey(64 * I), TRect{60 + I, 12, 61 + I, 40 + I}), 28 + I) << I;
        EXPECT_EQ(Pixel(60 + I, 40 + I), Grey(64 * I)) << I;
        EXPECT_EQ(Pixel(60 + I, 11), clWhite) << I;
    }
    // Nothing is drawn for clNone or for no size at all.
    Clear();
    Shadow.SetColor(clNone);
    Shadow.Draw(Canvas, Box);
    Shadow.SetColor(clBlack);
    Shadow.SetSize(0);
    Shadow.Draw(Canvas, Box);
    EXPECT_EQ(Count(clWhite), Width * Height);
}

TEST_F(ShadowDrawTest, TransparencyMixesTheShadowWithWhatLiesUnderIt) {
    // Black at 50 over white: 0 + 50 * (255 - 0) / 100 = 127.
    Shadow.SetSmooth(false);
    Shadow.SetSize(3);
    Shadow.SetTransparency(50);
    Shadow.Draw(Canvas, Box);
    EXPECT_EQ(Count(Grey(127)), 40 * 3 + 3 * 27);
    EXPECT_EQ(Count(clWhite), Width * Height - (40 * 3 + 3 * 27));
    // A smooth one blends every line, the corner included.
    Clear();
    Shadow.SetSmooth(true);
    Shadow.SetHorizSize(2);
    Shadow.SetVertSize(5);
    Shadow.Draw(Canvas, Box);
    const int Step = 51; // Round(255 / 5)
    for (int I = 0; I < 5; ++I) {
        const int Drawn = Step * I;
        EXPECT_EQ(Pixel(60 + I - 1, 40 + I), Grey(Drawn + 50 * (255 - Drawn) / 100)) << I;
    }
}

TEST_F(ShadowDrawTest, EllipseShadowSitsMovedByTheSizesAndFadesAtItsRim) {
    Shadow.SetSize(3);
    Shadow.SetSmooth(false);
    Shadow.DrawEllipse(Canvas, Box);
    EXPECT_EQ(Ink(), (TRect{23, 13, 63, 43}));
    EXPECT_EQ(Pixel(43, 28), clBlack);
    Clear();
    Shadow.SetSmooth(true);
    Shadow.DrawEllipse(Canvas, Box);
    // A rim of two fading rings round the ellipse; black inside.
    EXPECT_EQ(Ink(), (TRect{21, 11, 65, 45}));
    EXPECT_EQ(Pixel(43, 28), clBlack);
    EXPECT_EQ(Pixel(43, 11), Grey(170));
}

using BlendTest = CanvasFixture;

TEST_F(BlendTest, MixIsDrawnPlusTransparencyTimesTheDifferenceInIntegers) {
    gdi::Bitmap Under(3, 1), Drawn(3, 1);
    // Channel values chosen so that the differences are negative and not
    // multiples of 100 (truncation towards zero matters). The mix treats the
    // three channels alike, so raw pixel values serve.
    const std::uint32_t UnderPixels[] = {0x372010, 0xFFFFFF, 0x000000};
    const std::uint32_t DrawnPixels[] = {0xC8F0FF, 0x000000, 0xFFFFFF};
    std::copy_n(UnderPixels, 3, Under.Row(0));
    std::copy_n(DrawnPixels, 3, Drawn.Row(0));
    const auto Mix = [](std::uint32_t D, std::uint32_t U, int T) {
        std::uint32_t Result = 0;
        for (int Shift = 0; Shift < 24; Shift += 8) {
            const int A = static_cast<int>((D >> Shift) & 0xFF), B = static_cast<int>((U >> Shift) & 0xFF);
            Result |= static_cast<std::uint32_t>(A + T * (B - A) / 100) << Shift;
        }
        return Result;
    };
    for (const int T : {0, 33, 50, 100}) {
        gdi::Bitmap Out = Drawn;
        VurBlendBitmaps(100 - T, TConstPixelRows(Under.Row(0), 3, 3, 1), TPixelRows(Out.Row(0), 3, 3, 1),
                        TPoint{0, 0});
        for (int I = 0; I < 3; ++I)
            EXPECT_EQ(Out.Row(0)[I] & 0xFFFFFF, Mix(DrawnPixels[I], UnderPixels[I], T)) << T << " " << I;
    }
    EXPECT_EQ(Mix(0xC8, 0x37, 33), 0x99u); // 200 + 33 * -145 / 100 = 200 - 47
}

TEST_F(BlendTest, AreasLeavingTheSurfaceAreCutOrInvalidAndChangeNothing) {
    struct TCase {
        TRect Asked;
        bool Valid;
        TRect Kept;
    };
    const std::vector<TCase> Cases{
        {{10, 10, 30, 20}, true, {10, 10, 30, 20}},
        {{30, 20, 10, 10}, true, {10, 10, 30, 20}},            // oriented
        {{-10, -5, 30, 20}, true, {0, 0, 30, 20}},             // top-left kept on the surface
        {{100, 70, 200, 100}, true, {100, 70, Width, Height}}, // cut at the far edges
        {{40, 40, 40, 40}, true, {40, 40, 41, 41}},            // at least one pixel
        {{Width + 5, 10, Width + 50, 20}, false, {}},
        {{-50, -50, -10, -10}, true, {0, 0, 1, 1}},
    };
    for (const TCase& C : Cases) {
        const TVurBlend Blend(Canvas, C.Asked);
        EXPECT_EQ(Blend.GetValid(), C.Valid);
        if (C.Valid) {
            EXPECT_EQ(Blend.GetRect(), C.Kept);
        }
    }
    // An invalid blend leaves the drawing as it is.
    auto Blend = Canvas.BeginBlending(TRect{Width + 5, 0, Width + 50, 20}, 50);
    Canvas.GetBrush()->SetColor(clBlack);
    Canvas.FillRect(TRect{0, 0, Width, Height});
    Canvas.EndBlending(std::move(Blend));
    EXPECT_EQ(Count(clBlack), Width * Height);
}

TEST_F(BlendTest, ABlendInsideAnotherEndsWithItsOwnTransparency) {
    auto Outer = Canvas.BeginBlending(TRect{0, 0, 40, 40}, 20);
    auto Inner = Canvas.BeginBlending(TRect{50, 0, 90, 40}, 80);
    Canvas.GetBrush()->SetColor(clBlack);
    Canvas.FillRect(TRect{0, 0, 90, 40});
    Canvas.EndBlending(std::move(Inner));
    Canvas.EndBlending(std::move(Outer));
    EXPECT_EQ(Pixel(60, 10), Grey(80 * 255 / 100));
    EXPECT_EQ(Pixel(10, 10), Grey(20 * 255 / 100));
}

TEST_F(BlendTest, AnAlignmentChangedDuringTheBlendIsPutBack) {
    TVurFont Font;
    Canvas.AssignFont(&Font);
    Canvas.SetTextAlign(TA_CENTER);
    auto Blend = Canvas.BeginBlending(TRect{0, 0, 40, 40}, 50);
    Canvas.SetTextAlign(TA_RIGHT | TA_BOTTOM);
    Canvas.GetFont()->SetColor(clRed);
    Canvas.EndBlending(std::move(Blend));
    EXPECT_EQ(Canvas.GetTextAlign(), TA_CENTER);
    EXPECT_EQ(Canvas.GetFont()->GetColor(), clBlack);
}

} // namespace
} // namespace vur
