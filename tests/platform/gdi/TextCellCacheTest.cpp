// Premixed whole texts: where every pixel a text may change is one
// background value, the text is a copy of premixed rows; anywhere else the
// table declines and leaves the picture alone. Either way the device draws
// what the plain text rule draws, and what its glyph-by-glyph path draws.
#include "AllocationCount.h"
#include "RasterReference.h"
#include "TextReference.h"

#include "platform/gdi/DC.h"
#include "platform/gdi/TextCellCache.h"

#include <gtest/gtest.h>

#include <climits>
#include <optional>
#include <random>
#include <string>
#include <vector>

namespace vur::gdi {
namespace {

using testing::Arial;
using testing::PlainText;
using testing::TextBox;

// Every pixel, top byte included.
void Paint(Bitmap& Picture, std::uint32_t Pixel) {
    for (int Y = 0; Y < Picture.Height(); ++Y)
        for (int X = 0; X < Picture.Width(); ++X) Picture.Row(Y)[X] = Pixel;
}

Bitmap Plain(int Width, int Height, std::uint32_t Pixel) {
    Bitmap Picture(Width, Height);
    Paint(Picture, Pixel);
    return Picture;
}

const unsigned Alignments[] = {TA_LEFT | TA_TOP,      TA_CENTER | TA_TOP,    TA_RIGHT | TA_TOP,
                               TA_LEFT | TA_BASELINE, TA_CENTER | TA_BOTTOM, TA_RIGHT | TA_BASELINE};

// A device set up as a run asks, for the reference, and the run itself.
struct Scene {
    Scene(Bitmap& Picture, const Font& F, std::uint32_t Ink, bool Opaque, std::uint32_t BoxPixel,
          unsigned Align, int Extra = 0)
        : Device(Picture) {
        Device.SelectObject(F);
        Device.SetTextColor(ColorFromPixel(Ink));
        Device.SetBkColor(ColorFromPixel(BoxPixel));
        Device.SetBkMode(Opaque ? OPAQUE : TRANSPARENT);
        Device.SetTextAlign(Align);
        Device.SetTextCharacterExtra(Extra);
        Run.AlignFlags = Align;
        Run.ExtraSpacing = Extra;
        Run.Ink = Ink;
        Run.Opaque = Opaque;
        Run.BoxPixel = BoxPixel;
    }
    TextRun At(const std::string& Text, int X, int Y) const {
        TextRun R = Run;
        R.Text = Text;
        R.X = X;
        R.Y = Y;
        return R;
    }
    DC Device;
    TextRun Run;
};

// The first draw of a text only notes it; the next one draws it.
bool DrawNoted(TextCellCache& Cache, Bitmap& Picture, const RECT& Clip, const Font& F, const TextRun& Run) {
    return Cache.Draw(Picture, Clip, F, Run) || Cache.Draw(Picture, Clip, F, Run);
}

std::optional<Region> RegionOf(const RECT& R) { return Region(R.left, R.top, R.right, R.bottom); }

TEST(TextCellCacheTest, APlainBoxTakesTheRuleFromTheCellAnywhereAndThroughAnyClipBox) {
    std::mt19937 Random(5);
    Bitmap Picture(120, 48);
    const RECT Whole{0, 0, 120, 48};
    const RECT Clips[] = {Whole, RECT{30, 10, 85, 30}, RECT{0, 0, 3, 3}};
    const char* const Texts[] = {"12:34:56", "90", "Wg@%&", "-0.5"};
    const Font Small(Arial(-11)), Large(Arial(-17));
    TextCellCache Cache;
    std::size_t Draws = 0;
    for (const bool Opaque : {false, true})
        for (const unsigned Align : Alignments)
            for (int Case = 0; Case < 12; ++Case) {
                const std::uint32_t Back = Case % 3 == 0 ? 0x01F0F0F0 : Case % 3 == 1 ? 0xF0F0F0 : 0xFFFFFF;
                const std::uint32_t Ink = Case % 2 ? 0x000000 : 0x2040C0;
                const Font& F = Case / 2 % 2 ? Large : Small;
                const RECT& Clip = Clips[static_cast<std::size_t>(Case / 4)];
                const std::string Text = Texts[static_cast<std::size_t>(Case + Case / 3) % 4];
                // Places near and across every edge of the picture.
                const int X = static_cast<int>(Random() % 150) - 15, Y = static_cast<int>(Random() % 70) - 10;
                Paint(Picture, Back);
                Scene S(Picture, F, Ink, Opaque, 0xFFFFC8, Align);
                const Bitmap Expected = PlainText(Picture, S.Device, RegionOf(Clip), Text, X, Y);
                ASSERT_TRUE(DrawNoted(Cache, Picture, Clip, F, S.At(Text, X, Y)));
                ++Draws;
                if (Picture != Expected) {
                    testing::KeepPicture(Picture, "TextCellCacheTest_Cell");
                    testing::KeepPicture(Expected, "TextCellCacheTest_Expected");
                    FAIL() << Text << " opaque " << Opaque << " align " << Align << " case " << Case;
                }
            }
    // Drawn again, elsewhere, a text finds its cell.
    EXPECT_LT(Cache.Made(), Draws);
    Paint(Picture, 0xF0F0F0);
    Scene S(Picture, Small, 0, false, 0, TA_LEFT | TA_TOP);
    ASSERT_TRUE(DrawNoted(Cache, Picture, Whole, Small, S.At("12:34:56", 10, 10)));
    const std::size_t Made = Cache.Made();
    ASSERT_TRUE(Cache.Draw(Picture, Whole, Small, S.At("12:34:56", 50, 25)));
    EXPECT_EQ(Cache.Made(), Made);
    EXPECT_TRUE(Picture ==
                PlainText(PlainText(Plain(120, 48, 0xF0F0F0), S.Device, std::nullopt, "12:34:56", 10, 10),
                          S.Device, std::nullopt, "12:34:56", 50, 25));
}

// Measuring and premixing a text drawn once would cost twice its glyphs.
TEST(TextCellCacheTest, ATextMetOnceIsLeftToTheGlyphPathAndPremixedWhenItComesAgain) {
    Bitmap Picture = Plain(80, 30, 0xF0F0F0);
    const Bitmap Blank = Picture;
    const RECT Whole{0, 0, 80, 30};
    const Font F(Arial(-11));
    TextCellCache Cache;
    Scene S(Picture, F, 0x000080, false, 0, TA_LEFT | TA_TOP);
    EXPECT_FALSE(Cache.Draw(Picture, Whole, F, S.At("50.125", 10, 8)));
    EXPECT_TRUE(Picture == Blank);
    EXPECT_EQ(Cache.Made(), 0u);
    EXPECT_TRUE(Cache.Draw(Picture, Whole, F, S.At("50.125", 10, 8)));
    EXPECT_TRUE(Picture == PlainText(Blank, S.Device, std::nullopt, "50.125", 10, 8));
    EXPECT_EQ(Cache.Made(), 1u);
}

TEST(TextCellCacheTest, OnePixelOffTheBackgroundInsideTheBoxDeclinesAndTheDeviceStillDrawsTheRule) {
    std::mt19937 Random(11);
    Bitmap Picture(140, 50);
    const RECT Whole{0, 0, 140, 50};
    const Font F(Arial(-13));
    const std::uint32_t Back = 0x01E0E0E0;
    TextCellCache Cache;
    for (const bool Opaque : {false, true})
        for (const unsigned Align : Alignments) {
            Paint(Picture, Back);
            Scene S(Picture, F, 0x000080, Opaque, 0xC0FFFF, Align);
            const int X = 70, Y = 25;
            const RECT Box = TextBox(S.Device, "8:05 pm", X, Y);
            ASSERT_LT(Box.left, Box.right);
            struct Change {
                int X, Y;
                std::uint32_t Pixel;
                bool Inside;
            };
            const Change Changes[] = {
                {Box.left, Box.top, 0x000000, true},
                {Box.right - 1, Box.bottom - 1, 0xE0E0E1, true},   // the last pixel, one bit of blue
                {Box.right - 1, Box.top, Back ^ 0x01000000, true}, // the top byte alone
                {static_cast<int>(Box.left + Random() % static_cast<unsigned>(Box.right - Box.left)),
                 static_cast<int>(Box.top + Random() % static_cast<unsigned>(Box.bottom - Box.top)), 0x123456,
                 true},
                {Box.left - 1, Box.top, 0x000000, false},
                {Box.right, Box.bottom - 1, 0x000000, false},
                {Box.left, Box.bottom, 0x000000, false},
            };
            for (const Change& C : Changes) {
                Paint(Picture, Back);
                Picture.Row(C.Y)[C.X] = C.Pixel;
                const Bitmap Before = Picture;
                const Bitmap Expected = PlainText(Before, S.Device, std::nullopt, "8:05 pm", X, Y);
                const std::string What = "opaque " + std::to_string(Opaque) + " align " +
                                         std::to_string(Align) + " at " + std::to_string(C.X) + "," +
                                         std::to_string(C.Y);
                EXPECT_EQ(Cache.Draw(Picture, Whole, F, S.At("8:05 pm", X, Y)), !C.Inside) << What;
                EXPECT_TRUE(Picture == (C.Inside ? Before : Expected)) << What;
                // Outside the clip box the odd pixel does not count.
                if (C.Inside) {
                    const RECT Cut{C.X + 1, 0, 140, 50};
                    Picture = Before;
                    EXPECT_TRUE(Cache.Draw(Picture, Cut, F, S.At("8:05 pm", X, Y))) << What;
                    EXPECT_TRUE(Picture == PlainText(Before, S.Device, RegionOf(Cut), "8:05 pm", X, Y))
                        << What;
                }
                Picture = Before;
                S.Device.TextOut(X, Y, "8:05 pm");
                EXPECT_TRUE(Picture == Expected) << What;
            }
        }
}

// The device draws the same labels as a device whose clip is a region with
// a hole far from them, which keeps to the glyph-by-glyph path.
TEST(TextCellCacheTest, TheDeviceDrawsWhatItsGlyphPathDraws) {
    std::mt19937 Random(29);
    constexpr int Width = 160, Height = 60;
    Bitmap Fast(Width, Height), Slow(Width, Height);
    DC Quick(Fast), Plain(Slow);
    Region Holed = CreateRectRgn(0, 0, Width, Height);
    CombineRgn(Holed, Holed, CreateRectRgn(Width - 1, Height - 1, Width, Height), RGN_XOR);
    Plain.SelectClipRgn(&Holed);
    const Font Fonts[] = {Font(Arial(-11)), Font(Arial(-14)), Font(Arial(-12))};
    const char* const Texts[] = {"12:34:56", "90", "Wg", "100%", "TChart"};
    for (int Case = 0; Case < 400; ++Case) {
        // Mostly plain, now and then a grid line across, in a few colours.
        if (Case % 25 == 0) {
            const std::uint32_t Back = Case % 50 ? 0xF0F0F0 : 0x02FFFFFF;
            Paint(Fast, Back);
            Paint(Slow, Back);
        }
        if (Case % 7 == 0) {
            const int Row = static_cast<int>(Random() % (Height - 1));
            for (int X = 0; X < Width; ++X) Fast.Row(Row)[X] = Slow.Row(Row)[X] = 0x808080;
        }
        for (DC* D : {&Quick, &Plain}) {
            D->SelectObject(Fonts[static_cast<std::size_t>(Case) % 3]);
            D->SetTextColor(Case % 3 ? RGB(0, 0, 0) : RGB(200, 0, 0));
            D->SetBkColor(RGB(255, 255, 200));
            D->SetBkMode(Case % 5 == 0 ? OPAQUE : TRANSPARENT);
            D->SetTextAlign(Alignments[static_cast<std::size_t>(Case) % 6]);
            D->SetTextCharacterExtra(Case % 11 == 0 ? -9 : Case % 13 == 0 ? 2 : 0);
        }
        const std::string Text = Texts[static_cast<std::size_t>(Case) % 5];
        const int X = static_cast<int>(Random() % 140) + 5, Y = static_cast<int>(Random() % 50) + 5;
        Quick.TextOut(X, Y, Text);
        Plain.TextOut(X, Y, Text);
        if (Fast != Slow) {
            testing::KeepPicture(Fast, "TextCellCacheTest_Device");
            testing::KeepPicture(Slow, "TextCellCacheTest_GlyphPath");
            FAIL() << "case " << Case;
        }
    }
}

TEST(TextCellCacheTest, TwoInksTwoBackgroundsAndTwoBoxColoursKeepCellsOfTheirOwn) {
    Bitmap Picture(80, 30);
    const RECT Whole{0, 0, 80, 30};
    const Font F(Arial(-11));
    TextCellCache Cache;
    for (int Round = 0; Round < 2; ++Round)
        for (const std::uint32_t Back : {0xF0F0F0u, 0x01F0F0F0u})
            for (const std::uint32_t Ink : {0x000000u, 0x0000FFu})
                for (const std::uint32_t BoxPixel : {0xFFFFFFu, 0xFFFF00u}) {
                    Paint(Picture, Back);
                    Scene S(Picture, F, Ink, true, BoxPixel, TA_LEFT | TA_TOP);
                    const Bitmap Expected = PlainText(Picture, S.Device, std::nullopt, "12:00", 10, 8);
                    ASSERT_TRUE(DrawNoted(Cache, Picture, Whole, F, S.At("12:00", 10, 8)));
                    ASSERT_TRUE(Picture == Expected) << Round << " " << Back << " " << Ink << " " << BoxPixel;
                }
    EXPECT_EQ(Cache.Made(), 8u);
}

TEST(TextCellCacheTest, AFullTableAndMoreFontsThanItHoldsStartOverAndStayExact) {
    Bitmap Picture(100, 24);
    const RECT Whole{0, 0, 100, 24};
    TextCellCache Cache;
    const Font F(Arial(-11));
    // More texts than there are entries, and more pixels than the pool has.
    for (int Round = 0; Round < 2; ++Round)
        for (int I = 0; I < 300; ++I) {
            const std::string Text = std::to_string(1000000 + I * 7919);
            Paint(Picture, 0xF0F0F0);
            Scene S(Picture, F, 0, I % 2 == 0, 0xFFFFFF, TA_CENTER | TA_TOP);
            const Bitmap Expected = PlainText(Picture, S.Device, std::nullopt, Text, 50, 5);
            ASSERT_TRUE(DrawNoted(Cache, Picture, Whole, F, S.At(Text, 50, 5)));
            ASSERT_TRUE(Picture == Expected) << Round << " " << Text;
        }
    EXPECT_EQ(Cache.Made(), 600u);
    // Six fonts in turn: each new one past four starts over, and a font let
    // go may have its place taken by a new one.
    for (int Round = 0; Round < 3; ++Round)
        for (int Height = -9; Height >= -14; --Height) {
            const Font G(Arial(Height));
            Paint(Picture, 0xF0F0F0);
            Scene S(Picture, G, 0x800000, false, 0, TA_LEFT | TA_TOP);
            const Bitmap Expected = PlainText(Picture, S.Device, std::nullopt, "10:20:30", 3, 3);
            ASSERT_TRUE(DrawNoted(Cache, Picture, Whole, G, S.At("10:20:30", 3, 3)));
            ASSERT_TRUE(Picture == Expected) << Round << " " << Height;
        }
}

TEST(TextCellCacheTest, TurnedUnderlinedLongAndEmptyTextsAreLeftToTheGlyphPath) {
    Bitmap Picture(200, 200);
    const RECT Whole{0, 0, 200, 200};
    TextCellCache Cache;
    LOGFONT Underlined = Arial(-12);
    Underlined.Underline = true;
    const Font Turned(Arial(-12, 900)), Lined(Underlined), F(Arial(-12)), Huge(Arial(-150));
    const std::string Long(TextCellCache::MaxText + 1, 'x');
    const std::pair<const Font*, std::string> Declined[] = {
        {&Turned, "12:34"}, {&Lined, "12:34"}, {&F, Long}, {&F, ""}, {&Huge, "WWW"}};
    for (int Round = 0; Round < 2; ++Round)
        for (const auto& [Face, Text] : Declined) {
            Paint(Picture, 0xF0F0F0);
            Scene S(Picture, *Face, 0, Round == 1, 0xFFFFFF, TA_LEFT | TA_TOP);
            EXPECT_FALSE(Cache.Draw(Picture, Whole, *Face, S.At(Text, 100, 100))) << Text;
            Bitmap Blank(200, 200);
            Paint(Blank, 0xF0F0F0);
            EXPECT_TRUE(Picture == Blank) << Text;
        }
    // Spacing so wide that the text's width would leave an int.
    Scene Wide(Picture, F, 0, false, 0, TA_RIGHT | TA_TOP, INT_MAX / 2);
    EXPECT_FALSE(Cache.Draw(Picture, Whole, F, Wide.At("x", 100, 100)));
    EXPECT_EQ(Cache.Made(), 0u);
}

TEST(TextCellCacheTest, RepaintingTheSameLabelsAllocatesNothing) {
    Bitmap Picture(320, 60);
    const RECT Whole{0, 0, 320, 60};
    const Font Small(Arial(-11));
    TextCellCache Cache;
    DC Device(Picture);
    Device.SelectObject(Small);
    Device.SetBkMode(TRANSPARENT);
    const std::vector<std::string> Labels = {"0", "10", "20", "30", "12:34:56", "12:34:58"};
    const auto Repaint = [&] {
        Paint(Picture, 0xF0F0F0);
        for (std::size_t I = 0; I < Labels.size(); ++I) {
            Device.TextOut(5 + static_cast<int>(I) * 50, 40, Labels[I]);
            TextRun Run;
            Run.Text = Labels[I];
            Run.X = 5 + static_cast<int>(I) * 50;
            Run.Y = 10;
            EXPECT_TRUE(DrawNoted(Cache, Picture, Whole, Small, Run));
        }
    };
    Repaint();
    const long Before = testing::AllocationCount();
    for (int Round = 0; Round < 10; ++Round) Repaint();
    EXPECT_EQ(testing::AllocationCount() - Before, 0);
    EXPECT_EQ(Cache.Made(), Labels.size());
}

} // namespace
} // namespace vur::gdi
