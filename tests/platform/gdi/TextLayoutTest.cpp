// Where text lands: extents, alignment, rotation by the escapement, underline
// and strike-out, clipping, and survival of odd input.
#include "platform/gdi/Font.h"

#include "TextTestImage.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <climits>
#include <cmath>
#include <cstdlib>
#include <string>

namespace vur::gdi {
namespace {

using testing::TextTestImage;

Font Arial(int Height, int Escapement = 0) {
    LOGFONT L;
    L.FaceName = "Arial";
    L.Height = Height;
    L.Escapement = Escapement;
    L.Orientation = Escapement;
    return Font(L);
}

void SaveOnFailure(const TextTestImage& Image, const std::string& Name) {
    if (::testing::Test::HasFailure()) Image.Save(Name + ".png", 4);
}

TEST(TextLayoutTest, ExtentOfWIsItsAdvanceAndTheCellHeight) {
    const Font F = Arial(-12);
    const SIZE W = F.TextExtent("W");
    EXPECT_EQ(W.cx, F.CharAdvance('W'));
    EXPECT_EQ(W.cy, F.GetTextMetrics().tmHeight);
    EXPECT_EQ(F.TextExtent("WW").cx, 2 * W.cx);
    EXPECT_EQ(F.TextExtent("Wi").cx, W.cx + F.CharAdvance('i'));
    EXPECT_EQ(F.TextExtent("").cx, 0);
    EXPECT_EQ(F.TextExtent("").cy, F.GetTextMetrics().tmHeight);
}

TEST(TextLayoutTest, ExtraSpacingAddsItsAmountPerCharacter) {
    const Font F = Arial(-11);
    const int Plain = F.TextExtent("12:30").cx;
    EXPECT_EQ(F.TextExtent("12:30", 3).cx, Plain + 5 * 3);
    EXPECT_EQ(F.TextExtent("12:30", -1).cx, Plain - 5);

    // Each character's ink moves by the spacing of the characters before it.
    TextTestImage Tight(200, 30), Loose(200, 30);
    F.RenderText("I", 10, 5, TA_TOP, 0, Tight);
    F.RenderText("II", 10, 5, TA_TOP, 7, Loose);
    EXPECT_EQ(Loose.InkLeft, Tight.InkLeft);
    EXPECT_EQ(Loose.InkRight, Tight.InkRight + F.CharAdvance('I') + 7);
}

TEST(TextLayoutTest, TopLeftAlignmentPutsTheCellAtTheReferencePoint) {
    const Font F = Arial(-12);
    const TEXTMETRIC M = F.GetTextMetrics();
    const SIZE S = F.TextExtent("Wg");
    TextTestImage Image(80, 40);
    F.RenderText("Wg", 10, 7, TA_LEFT | TA_TOP, 0, Image);
    EXPECT_EQ(Image.CellCalls, 1);
    EXPECT_EQ(Image.CellCorners[0], (POINT{10, 7}));
    EXPECT_EQ(Image.CellCorners[1], (POINT{10 + S.cx, 7}));
    EXPECT_EQ(Image.CellCorners[2], (POINT{10 + S.cx, 7 + M.tmHeight}));
    EXPECT_EQ(Image.CellCorners[3], (POINT{10, 7 + M.tmHeight}));
    // Ink stays inside the cell; W reaches the cap height, g the descender.
    EXPECT_GE(Image.InkTop, 7);
    EXPECT_LE(Image.InkBottom, 7 + M.tmHeight);
    EXPECT_GT(Image.InkBottom, 7 + M.tmAscent);
    EXPECT_GE(Image.InkLeft, 10);
    EXPECT_LE(Image.InkRight, 10 + S.cx + 1);
    SaveOnFailure(Image, "TopLeftAlignment");
}

TEST(TextLayoutTest, AlignmentFlagsMoveTheCellAndTheInkTogether) {
    const Font F = Arial(-16);
    const TEXTMETRIC M = F.GetTextMetrics();
    const int Cx = F.TextExtent("Label").cx;
    const int X = 100, Y = 40;
    TextTestImage Reference(200, 80);
    F.RenderText("Label", X, Y, TA_LEFT | TA_TOP, 0, Reference);

    struct Case {
        unsigned Flags;
        int Dx, Dy; // expected shift of everything against left/top
    };
    const Case Cases[] = {
        {TA_RIGHT | TA_TOP, -Cx, 0},
        {TA_CENTER | TA_TOP, -(Cx / 2), 0},
        {TA_LEFT | TA_BOTTOM, 0, -M.tmHeight},
        {TA_LEFT | TA_BASELINE, 0, -M.tmAscent},
        {TA_RIGHT | TA_BASELINE, -Cx, -M.tmAscent},
        {TA_CENTER | TA_BOTTOM, -(Cx / 2), -M.tmHeight},
    };
    for (const Case& C : Cases) {
        SCOPED_TRACE(C.Flags);
        TextTestImage Image(200, 80);
        F.RenderText("Label", X, Y, C.Flags, 0, Image);
        for (int I = 0; I < 4; ++I) {
            EXPECT_EQ(Image.CellCorners[I].x, Reference.CellCorners[I].x + C.Dx);
            EXPECT_EQ(Image.CellCorners[I].y, Reference.CellCorners[I].y + C.Dy);
        }
        EXPECT_EQ(Image.InkLeft, Reference.InkLeft + C.Dx);
        EXPECT_EQ(Image.InkTop, Reference.InkTop + C.Dy);
        EXPECT_EQ(Image.InkSum(), Reference.InkSum());
    }
}

TEST(TextLayoutTest, RightAlignmentCountsTheExtraSpacing) {
    const Font F = Arial(-11);
    TextTestImage Image(200, 40);
    F.RenderText("abc", 150, 5, TA_RIGHT | TA_TOP, 4, Image);
    EXPECT_EQ(Image.CellCorners[0].x, 150 - F.TextExtent("abc", 4).cx);
    EXPECT_EQ(Image.CellCorners[1].x, 150);
}

// The pixel that pixel (X, Y) of unrotated text turns into when the text is
// turned by Quarter quarter turns counter-clockwise about the pixel corner
// (Ox, Oy).
POINT Turn(int X, int Y, int Ox, int Oy, int Quarter) {
    const int A = X - Ox, D = Y - Oy; // pixel corner offsets
    switch (Quarter) {
    case 1:
        return POINT{Ox + D, Oy - A - 1};
    case 2:
        return POINT{Ox - A - 1, Oy - D - 1};
    case 3:
        return POINT{Ox - D - 1, Oy + A};
    default:
        return POINT{X, Y};
    }
}

TEST(TextLayoutTest, QuarterTurnsRotateTheInkExactly) {
    const std::string Text = "Rot 90 g";
    TextTestImage Flat(200, 200);
    Arial(-13).RenderText(Text, 100, 100, TA_BASELINE, 0, Flat);
    for (const int Quarter : {1, 2, 3}) {
        SCOPED_TRACE(Quarter);
        TextTestImage Turned(200, 200);
        const Font F = Arial(-13, 900 * Quarter);
        F.RenderText(Text, 100, 100, TA_BASELINE, 0, Turned);
        int Worst = 0;
        for (int Y = 0; Y < 200; ++Y)
            for (int X = 0; X < 200; ++X) {
                const POINT P = Turn(X, Y, 100, 100, Quarter);
                Worst = std::max(Worst, std::abs(Flat.At(X, Y) - Turned.At(P.x, P.y)));
            }
        // The grey rasteriser accumulates along rows, so a turned edge pixel may
        // differ by a few levels out of 255; a misplaced glyph differs by far more.
        EXPECT_LE(Worst, 8);
        EXPECT_NEAR(static_cast<double>(Turned.InkSum()), static_cast<double>(Flat.InkSum()),
                    Flat.InkSum() * 0.01);
        SaveOnFailure(Turned, "QuarterTurn" + std::to_string(Quarter));
    }
}

TEST(TextLayoutTest, EscapementOf900SwapsTheBoxOfTheCell) {
    const Font Flat = Arial(-12);
    const Font Up = Arial(-12, 900);
    EXPECT_EQ(Up.TextExtent("Axis title").cx, Flat.TextExtent("Axis title").cx);
    const SIZE S = Flat.TextExtent("Axis title");
    TextTestImage Image(100, 200);
    Up.RenderText("Axis title", 20, 150, TA_LEFT | TA_TOP, 0, Image);
    int Left = INT_MAX, Right = INT_MIN, Top = INT_MAX, Bottom = INT_MIN;
    for (const POINT& P : Image.CellCorners) {
        Left = std::min(Left, P.x), Right = std::max(Right, P.x);
        Top = std::min(Top, P.y), Bottom = std::max(Bottom, P.y);
    }
    EXPECT_EQ(Right - Left, S.cy);
    EXPECT_EQ(Bottom - Top, S.cx);
    // Turned counter-clockwise, the text reads upwards from the reference point
    // and its top lies to the left: the cell is [20, 20 + cy) x [150 - cx, 150).
    EXPECT_EQ(Left, 20);
    EXPECT_EQ(Bottom, 150);
    EXPECT_GE(Image.InkLeft, Left);
    EXPECT_LE(Image.InkRight, Right);
    EXPECT_GE(Image.InkTop, Top - 1);
    EXPECT_LE(Image.InkBottom, Bottom);
    SaveOnFailure(Image, "Escapement900");
}

TEST(TextLayoutTest, AnyEscapementKeepsTheInkAroundTheTurnedCell) {
    const std::string Text = "Turned label";
    for (const int Escapement : {150, 450, 1234, 2250, 3150, -450}) {
        SCOPED_TRACE(Escapement);
        const Font F = Arial(-14, Escapement);
        TextTestImage Image(300, 300);
        F.RenderText(Text, 150, 150, TA_CENTER | TA_BASELINE, 0, Image);
        ASSERT_TRUE(Image.HasInk());
        // The centre of the ink lies near the baseline centre moved up by half
        // the x-height, turned with the text: at most a few pixels from the
        // reference point.
        double SumX = 0, SumY = 0, Sum = 0;
        for (int Y = 0; Y < 300; ++Y)
            for (int X = 0; X < 300; ++X) {
                SumX += (X + 0.5) * Image.At(X, Y);
                SumY += (Y + 0.5) * Image.At(X, Y);
                Sum += Image.At(X, Y);
            }
        EXPECT_NEAR(SumX / Sum, 150.0, 6.0);
        EXPECT_NEAR(SumY / Sum, 150.0, 6.0);
        // The cell is a rectangle of the unrotated cell's sides.
        const SIZE S = F.TextExtent(Text);
        const auto Side = [&](int A, int B) {
            return std::hypot(Image.CellCorners[A].x - Image.CellCorners[B].x,
                              Image.CellCorners[A].y - Image.CellCorners[B].y);
        };
        EXPECT_NEAR(Side(0, 1), S.cx, 1.5);
        EXPECT_NEAR(Side(1, 2), S.cy, 1.5);
        SaveOnFailure(Image, "Escapement" + std::to_string(Escapement));
    }
}

TEST(TextLayoutTest, UnderlineAndStrikeOutDrawBarsAcrossTheWholeExtent) {
    LOGFONT L;
    L.FaceName = "Arial";
    L.Height = -20;
    const Font Plain(L);
    L.Underline = true;
    const Font Under(L);
    L.Underline = false;
    L.StrikeOut = true;
    const Font Strike(L);
    EXPECT_EQ(Under.GetTextMetrics().tmUnderlined, 1);
    EXPECT_EQ(Strike.GetTextMetrics().tmStruckOut, 1);
    const TEXTMETRIC M = Plain.GetTextMetrics();
    const int Cx = Plain.TextExtent("a b").cx;

    TextTestImage Base(120, 40), Lined(120, 40), Struck(120, 40);
    Plain.RenderText("a b", 10, 30, TA_BASELINE, 0, Base);
    Under.RenderText("a b", 10, 30, TA_BASELINE, 0, Lined);
    Strike.RenderText("a b", 10, 30, TA_BASELINE, 0, Struck);
    // Rows whose every pixel of [10, 10 + cx) is fully inked, the bar rows.
    const auto BarRows = [&](const TextTestImage& Image) {
        std::vector<int> Rows;
        for (int Y = 0; Y < 40; ++Y) {
            bool Full = true;
            for (int X = 10; X < 10 + Cx; ++X) Full = Full && Image.At(X, Y) == 255;
            if (Full) Rows.push_back(Y);
        }
        return Rows;
    };
    EXPECT_TRUE(BarRows(Base).empty());
    const std::vector<int> UnderRows = BarRows(Lined);
    const std::vector<int> StrikeRows = BarRows(Struck);
    ASSERT_FALSE(UnderRows.empty());
    ASSERT_FALSE(StrikeRows.empty());
    // The underline sits below the baseline inside the cell; the strike-out
    // crosses the lower-case letters above it.
    EXPECT_GE(UnderRows.front(), 30);
    EXPECT_LT(UnderRows.back(), 30 + M.tmDescent);
    EXPECT_LT(StrikeRows.back(), 30);
    EXPECT_GT(StrikeRows.front(), 30 - M.tmAscent / 2);
    // Nothing beyond the extent.
    EXPECT_EQ(Lined.At(9, UnderRows.front()), 0);
    EXPECT_EQ(Lined.At(10 + Cx, UnderRows.front()), 0);
    SaveOnFailure(Lined, "Underline");
}

TEST(TextLayoutTest, CellComesFirstAndOnceUnlessTheReceiverHasNoUseForIt) {
    struct Order : CoverageSink {
        std::string Calls;
        bool Wanted = true;
        bool WantsCell() const override { return Wanted; }
        void Cell(const POINT (&)[4]) override { Calls += 'C'; }
        void Span(int, int, const std::uint8_t*, int) override {
            if (Calls.empty() || Calls.back() != 'S') Calls += 'S';
        }
    };
    for (const int Escapement : {0, 450}) {
        const Font F = Arial(-12, Escapement);
        Order Sink;
        F.RenderText("Cell", 20, 20, TA_TOP, 0, Sink);
        EXPECT_EQ(Sink.Calls, "CS") << Escapement;
        Order Unwanted;
        Unwanted.Wanted = false;
        F.RenderText("Cell", 20, 20, TA_TOP, 0, Unwanted);
        EXPECT_EQ(Unwanted.Calls, "S") << Escapement;
    }
    // The glyphs are the same either way.
    TextTestImage With(80, 40), Without(80, 40);
    struct NoCell : TextTestImage {
        using TextTestImage::TextTestImage;
        bool WantsCell() const override { return false; }
    } Spared(80, 40);
    Arial(-12).RenderText("Cell", 5, 5, TA_TOP, 0, With);
    Arial(-12).RenderText("Cell", 5, 5, TA_TOP, 0, Spared);
    EXPECT_EQ(Spared.CellCalls, 0);
    EXPECT_EQ(With.CellCalls, 1);
    EXPECT_EQ(Spared.Coverage(), With.Coverage());
}

TEST(TextLayoutTest, SpansStayInsideTheClipBoxTheReceiverGives) {
    const Font F = Arial(-40);
    TextTestImage Whole(300, 60);
    Whole.ClipToImage = false;
    F.RenderText("Clipped", 5, 5, TA_TOP, 0, Whole);
    struct Clipped : TextTestImage {
        using TextTestImage::TextTestImage;
        RECT ClipBox() const override { return RECT{40, 20, 90, 35}; }
    } Part(300, 60);
    F.RenderText("Clipped", 5, 5, TA_TOP, 0, Part);
    EXPECT_GE(Part.InkLeft, 40);
    EXPECT_LE(Part.InkRight, 90);
    EXPECT_GE(Part.InkTop, 20);
    EXPECT_LE(Part.InkBottom, 35);
    for (int Y = 20; Y < 35; ++Y)
        for (int X = 40; X < 90; ++X) EXPECT_EQ(Part.At(X, Y), Whole.At(X, Y)) << X << "," << Y;
}

TEST(TextLayoutTest, HugeGlyphsAreDrawnOnlyWhereTheyCanBeSeen) {
    // Far too large to keep as bitmaps: rasterised from the outline, clipped.
    const Font Big = Arial(-4000);
    const Font Small = Arial(-40);
    // The left stem of H at 40 pixels, scaled up a hundredfold, must cover the
    // middle of a 100-pixel image placed inside it.
    TextTestImage Probe(100, 60);
    Small.RenderText("H", 10, 50, TA_BASELINE, 0, Probe);
    int StemLeft = 0;
    while (StemLeft < 100 && Probe.At(StemLeft, 30) < 128) ++StemLeft;
    int StemRight = StemLeft;
    while (StemRight < 100 && Probe.At(StemRight, 30) >= 128) ++StemRight;
    ASSERT_GT(StemRight - StemLeft, 2);
    const int StemMiddle = (StemLeft + StemRight - 20) * 50; // at 100 times the size, relative to the pen

    TextTestImage Image(100, 100);
    Big.RenderText("H", 50 - StemMiddle, 2000, TA_BASELINE, 0, Image);
    EXPECT_EQ(Image.OutsidePixels, 0);
    EXPECT_EQ(Image.At(50, 50), 255);
    EXPECT_EQ(Image.InkLeft, 0);
    EXPECT_EQ(Image.InkRight, 100);
    EXPECT_EQ(Big.TextExtent("H").cy, Big.GetTextMetrics().tmHeight);
}

TEST(TextLayoutTest, OddInputDoesNotCrash) {
    std::string AllBytes;
    for (int C = 0; C < 256; ++C) AllBytes += static_cast<char>(C);
    const Font F = Arial(-12, 450);
    TextTestImage Image(64, 64);
    F.RenderText("", 10, 10, TA_TOP, 0, Image);
    EXPECT_EQ(Image.CellCalls, 1);
    EXPECT_FALSE(Image.HasInk());
    EXPECT_EQ(F.TextExtent("").cx, 0);
    F.RenderText(AllBytes, 0, 0, TA_CENTER | TA_BOTTOM, 0, Image);
    const int Coordinates[] = {INT_MIN, INT_MIN + 1, -1, INT_MAX - 1, INT_MAX};
    for (const int X : Coordinates)
        for (const int Y : Coordinates)
            for (const unsigned Flags : {0u, 2u, 6u, 8u, 24u, 0xFFFFFFFFu})
                F.RenderText("edge", X, Y, Flags, INT_MAX, Image);
    EXPECT_EQ(F.TextExtent(AllBytes, INT_MAX).cx, INT_MAX);
    EXPECT_EQ(F.TextExtent(AllBytes, INT_MIN).cx, INT_MIN);
}

} // namespace
} // namespace vur::gdi
