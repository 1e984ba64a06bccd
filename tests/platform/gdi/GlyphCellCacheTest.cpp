// Premixed glyph cells: a group of pixels on the cell's background takes the
// premixed pixels, every other group is mixed, and either way the result is
// what the plain per-pixel rule gives. Checked on the pixel runs, on the cell
// table, and on whole text drawn by the device context over plain, partly
// plain and differently plain backgrounds, with top-byte bits, clips and
// every raster operation.
#include "AllocationCount.h"
#include "RasterReference.h"
#include "TextReference.h"

#include "platform/gdi/DC.h"
#include "platform/gdi/GlyphCellCache.h"
#include "platform/gdi/PixelRun.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <optional>
#include <random>
#include <string>
#include <vector>

namespace vur::gdi {
namespace {

using testing::Arial;
using testing::ReferenceLay;

std::vector<std::uint8_t> RandomCoverage(std::mt19937& Random, std::size_t Size) {
    std::vector<std::uint8_t> Coverage(Size);
    for (auto& C : Coverage) {
        const auto K = Random() % 5;
        C = static_cast<std::uint8_t>(K <= 1 ? 0 : K == 2 ? 255 : Random() & 0xFF);
    }
    return Coverage;
}

// The ways a destination pixel can relate to the background a cell was
// premixed over.
enum class Ground { Plain, Partly, OtherPlain, OtherTopByte };

std::uint32_t GroundPixel(Ground G, std::uint32_t Back, std::mt19937& Random) {
    switch (G) {
    case Ground::Plain:
        return Back;
    case Ground::Partly:
        // Some pixels differ from the background only in the top byte or in
        // the lowest bit.
        switch (Random() % 6) {
        case 0:
            return static_cast<std::uint32_t>(Random());
        case 1:
            return Back ^ 0x01000000;
        case 2:
            return Back ^ 1;
        default:
            return Back;
        }
    case Ground::OtherPlain:
        return Back ^ 0x000100;
    case Ground::OtherTopByte:
        return Back ^ 0x01000000;
    }
    return Back;
}

TEST(GlyphCellCacheTest, PremixedRunsEqualThePlainRuleOnAnyDestination) {
    std::mt19937 Random(23);
    constexpr std::uint32_t Guard = 0xC3C3C3C3;
    for (const bool Padded : {false, true})
        for (Ground G : {Ground::Plain, Ground::Partly, Ground::OtherPlain, Ground::OtherTopByte}) {
            for (int Case = 0; Case < 600; ++Case) {
                const std::size_t Count = Random() % 20, Rows = 1 + Random() % 4, Left = Random() % 4;
                const std::size_t Stride = Count + Left + 5, Pitch = Count + 3, CellPitch = Count + 3;
                const std::vector<std::uint8_t> Coverage = RandomCoverage(Random, Pitch * Rows);
                // Half the backgrounds carry top-byte bits, which only a pixel
                // equal in all 32 bits shares.
                const std::uint32_t Back =
                    static_cast<std::uint32_t>(Random()) & (Case % 2 ? 0xFFFFFFFF : 0xFFFFFF);
                const std::uint32_t Pen = static_cast<std::uint32_t>(Random()) & 0xFFFFFF;
                // Padded rows go on with the background in the cell and with
                // pixels the run must leave as they are in the destination.
                std::vector<std::uint32_t> Premixed(CellPitch * Rows, Padded ? Back : Guard);
                for (std::size_t R = 0; R < Rows; ++R)
                    for (std::size_t I = 0; I < Count; ++I)
                        Premixed[R * CellPitch + I] = ReferenceLay(Back, Pen, Coverage[R * Pitch + I]);
                std::vector<std::uint32_t> Pixels(Stride * (Rows + 1), Guard);
                for (std::size_t R = 0; R < Rows; ++R)
                    for (std::size_t I = 0; I < (Padded ? Count + 3 : Count); ++I)
                        Pixels[R * Stride + Left + I] = GroundPixel(G, Back, Random);
                std::vector<std::uint32_t> Expected = Pixels;
                for (std::size_t R = 0; R < Rows; ++R)
                    for (std::size_t I = 0; I < Count; ++I) {
                        std::uint32_t& P = Expected[R * Stride + Left + I];
                        P = ReferenceLay(P, Pen, Coverage[R * Pitch + I]);
                    }
                CoverPixels(Pixels.data() + Left, Stride, CoverageRows{Coverage.data(), Pitch, Count, Rows},
                            Pen, PremixedRows{Premixed.data(), CellPitch, Back, Padded});
                ASSERT_EQ(Pixels, Expected) << (Padded ? "padded " : "") << "ground " << static_cast<int>(G)
                                            << " case " << Case << ": " << Count << " x " << Rows;
            }
        }
}

TEST(GlyphCellCacheTest, CellsArePlainMixesKeptPerGlyphInkAndBackground) {
    std::mt19937 Random(3);
    GlyphCellCache Cache;
    const Font F;
    Cache.UseFont(F);
    const std::vector<std::uint8_t> A = RandomCoverage(Random, 7 * 9), B = RandomCoverage(Random, 7 * 9);
    // Rows of the glyph's pixels, then the background up to the next row.
    const auto Check = [&](const std::vector<std::uint8_t>& Coverage, std::uint32_t Ink, std::uint32_t Back) {
        const std::uint32_t* Cell = Cache.Cell(Coverage.data(), 7, 9, Ink, Back);
        ASSERT_NE(Cell, nullptr);
        const std::size_t Pitch = 7 + GlyphCellCache::Pad;
        for (std::size_t Row = 0; Row < 9; ++Row)
            for (std::size_t I = 0; I < Pitch; ++I)
                ASSERT_EQ(Cell[Row * Pitch + I],
                          I < 7 ? ReferenceLay(Back, Ink, Coverage[Row * 7 + I]) : Back)
                    << I;
    };
    Check(A, 0x102030, 0xF0F0F0);
    Check(B, 0x102030, 0xF0F0F0);
    Check(A, 0x0000FF, 0xF0F0F0);
    Check(A, 0x102030, 0xFFF0F0F0);
    EXPECT_EQ(Cache.Made(), 4u);
    // Enough backgrounds and inks for one glyph that their slots collide.
    for (int Round = 0; Round < 2; ++Round)
        for (std::uint32_t K = 0; K < 60; ++K) {
            Check(A, 0x102030, K * 0x030303u);
            Check(A, K * 0x030303u, 0xF0F0F0);
        }
    EXPECT_EQ(Cache.Made(), 4u + 120u);
    // Asking again finds the same cells.
    const std::uint32_t* First = Cache.Cell(A.data(), 7, 9, 0x102030, 0xF0F0F0);
    EXPECT_EQ(Cache.Cell(A.data(), 7, 9, 0x102030, 0xF0F0F0), First);
    EXPECT_EQ(Cache.Made(), 124u);
    // Nothing to keep for an empty glyph or one past the size limit.
    EXPECT_EQ(Cache.Cell(A.data(), 0, 9, 0, 0), nullptr);
    const std::vector<std::uint8_t> Huge(GlyphCellCache::MaxCellPixels, 128);
    EXPECT_EQ(Cache.Cell(Huge.data(), static_cast<int>(Huge.size()), 1, 0, 0), nullptr);
}

TEST(GlyphCellCacheTest, AFullTableStartsOverAndStillGivesTheRightCells) {
    std::mt19937 Random(9);
    GlyphCellCache Cache;
    const Font F;
    Cache.UseFont(F);
    // More glyphs than the table holds, then more pixels than the pool holds.
    const std::vector<std::uint8_t> Coverage = RandomCoverage(Random, 4096 + GlyphCellCache::MaxCells);
    for (int Round = 0; Round < 2; ++Round)
        for (std::size_t I = 0; I <= GlyphCellCache::MaxCells; ++I) {
            const std::uint32_t Back = static_cast<std::uint32_t>(I) * 0x010101u;
            const std::uint32_t* Cell = Cache.Cell(Coverage.data() + I, 8, 1, 0x0000FF, Back);
            ASSERT_NE(Cell, nullptr);
            for (std::size_t K = 0; K < 8; ++K)
                ASSERT_EQ(Cell[K], ReferenceLay(Back, 0x0000FF, Coverage[I + K]));
        }
    for (std::size_t I = 0; I < 8; ++I) {
        const std::uint32_t* Cell =
            Cache.Cell(Coverage.data() + I, 4096 - GlyphCellCache::Pad, 1, 0x00FF00, 0);
        ASSERT_NE(Cell, nullptr);
        for (std::size_t K = 0; K + GlyphCellCache::Pad < 4096; ++K)
            ASSERT_EQ(Cell[K], ReferenceLay(0, 0x00FF00, Coverage[I + K]));
    }
}

// Draws Text with Device (which already holds its font and settings) and
// checks every pixel against the plain rule applied to the font's coverage.
void ExpectPlainRule(DC& Device, Bitmap& Picture, const std::optional<Region>& Clip, const std::string& Text,
                     int X, int Y, const std::string& What) {
    bool Inked = false;
    const Bitmap Expected = testing::PlainText(Picture, Device, Clip, Text, X, Y, &Inked);
    Device.TextOut(X, Y, Text);
    ASSERT_TRUE(Inked) << What;
    if (Picture != Expected) {
        testing::KeepPicture(Picture, "GlyphCellCacheTest_TextOut");
        testing::KeepPicture(Expected, "GlyphCellCacheTest_Expected");
        FAIL() << What;
    }
}

TEST(GlyphCellCacheTest, TextOutOverEveryKindOfBackgroundFollowsThePlainRule) {
    std::mt19937 Random(17);
    const char* const Texts[] = {"12:34:56", "90", "TChart", "Wg@%&"};
    for (int Rop2 = R2_BLACK; Rop2 <= R2_WHITE; ++Rop2)
        for (int ClipKind = 0; ClipKind < 3; ++ClipKind) {
            // One device for a whole series of labels, so that later labels
            // meet cells made by earlier ones over other backgrounds.
            Bitmap Picture(96, 64);
            DC Device(Picture);
            std::optional<Region> Clip;
            if (ClipKind == 1) Clip = Region(10, 8, 70, 50);
            if (ClipKind == 2) Clip = CreateEllipticRgn(0, 0, 90, 60);
            if (Clip) Device.SelectClipRgn(&*Clip);
            Device.SetROP2(Rop2);
            Device.SetBkMode(TRANSPARENT);
            const Font Fonts[] = {Font(Arial(-11)), Font(Arial(-15)), Font(Arial(-13, 900))};
            for (int Case = 0; Case < 24; ++Case) {
                const Ground G = static_cast<Ground>(Case % 4);
                const std::uint32_t Back =
                    static_cast<std::uint32_t>(Random()) & (Case % 3 ? 0xFFFFFF : 0xFFFFFFFF);
                // Half the time the text and background colours repeat, so
                // that cells are found again.
                const bool Repeat = Case % 2 == 1;
                const std::uint32_t Ground0 = Repeat ? 0xF0F0F0 : Back;
                for (int Y = 0; Y < Picture.Height(); ++Y)
                    for (int X = 0; X < Picture.Width(); ++X)
                        Picture.Row(Y)[X] = GroundPixel(G, Ground0, Random);
                const Font& F = Fonts[static_cast<std::size_t>(Case) % 3];
                Device.SelectObject(F);
                Device.SetTextColor(Repeat ? RGB(0, 0, 0) : static_cast<COLORREF>(Random()) & 0xFFFFFF);
                Device.SetTextAlign(Case % 5 == 0 ? TA_CENTER | TA_BASELINE : TA_LEFT | TA_TOP);
                const std::string Text = Texts[static_cast<std::size_t>(Case) % 4];
                const int X = static_cast<int>(Random() % 80) - 10, Y = static_cast<int>(Random() % 60) - 6;
                ExpectPlainRule(Device, Picture, Clip, Text, X, Y,
                                "rop " + std::to_string(Rop2) + " clip " + std::to_string(ClipKind) +
                                    " case " + std::to_string(Case));
            }
        }
}

TEST(GlyphCellCacheTest, OpaqueCellsAndManyFontsStayExact) {
    // Opaque text lays its glyphs on the freshly filled cell; more fonts
    // than the cache keeps make it start over, and fonts that are gone may
    // have had their glyphs' storage reused by the newer ones. The last round
    // goes through a clip region that cuts both the cell and the glyphs.
    Bitmap Picture(120, 40);
    DC Device(Picture);
    const std::optional<Region> Oval = CreateEllipticRgn(8, -10, 100, 30);
    for (int Round = 0; Round < 3; ++Round) {
        const std::optional<Region>& Clip = Round == 2 ? Oval : std::nullopt;
        if (Clip) Device.SelectClipRgn(&*Clip);
        for (int Height = -9; Height >= -20; --Height) {
            Picture.Fill(RGB(240, 240, 240));
            const Font F(Arial(Height));
            Device.SelectObject(F);
            Device.SetBkMode(Height % 2 ? OPAQUE : TRANSPARENT);
            Device.SetBkColor(RGB(255, 255, 200));
            Device.SetTextColor(RGB(0, 0, 128));
            ExpectPlainRule(Device, Picture, Clip, "10:20:30", 5, 5,
                            "round " + std::to_string(Round) + " height " + std::to_string(Height));
            Device.SelectObject(Font());
        }
    }
}

TEST(GlyphCellCacheTest, RedrawingLabelsThroughTheDeviceAllocatesNothing) {
    Bitmap Picture(200, 60);
    DC Device(Picture);
    const Font Small(Arial(-11)), Title(Arial(-13));
    Device.SetBkMode(TRANSPARENT);
    const auto Paint = [&] {
        Picture.Fill(RGB(240, 240, 240));
        Device.SelectObject(Title);
        Device.SetTextColor(RGB(0, 0, 255));
        Device.TextOut(80, 2, "TChart");
        Device.SelectObject(Small);
        Device.SetTextColor(RGB(0, 0, 0));
        for (int I = 0; I < 8; ++I) Device.TextOut(5 + I * 24, 40, std::to_string(10 * I));
    };
    Paint();
    const long Before = testing::AllocationCount();
    for (int Round = 0; Round < 10; ++Round) Paint();
    EXPECT_EQ(testing::AllocationCount() - Before, 0);
}

} // namespace
} // namespace vur::gdi
