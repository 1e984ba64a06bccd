// Text drawn by the device context over plain, partly plain and differently
// plain backgrounds, with top-byte bits, clips and every raster operation:
// every pixel is what the plain per-pixel rule gives, whichever way the
// device took to draw it.
#include "AllocationCount.h"
#include "RasterReference.h"
#include "TextReference.h"

#include "platform/gdi/DC.h"

#include <gtest/gtest.h>

#include <optional>
#include <random>
#include <string>

namespace vur::gdi {
namespace {

using testing::Arial;

// The ways a destination pixel can relate to a plain background.
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

// Draws Text with Device (which already holds its font and settings) and
// checks every pixel against the plain rule applied to the font's coverage.
void ExpectPlainRule(DC& Device, Bitmap& Picture, const std::optional<Region>& Clip, const std::string& Text,
                     int X, int Y, const std::string& What) {
    bool Inked = false;
    const Bitmap Expected = testing::PlainText(Picture, Device, Clip, Text, X, Y, &Inked);
    Device.TextOut(X, Y, Text);
    ASSERT_TRUE(Inked) << What;
    if (Picture != Expected) {
        testing::KeepPicture(Picture, "TextOverBackgroundTest_TextOut");
        testing::KeepPicture(Expected, "TextOverBackgroundTest_Expected");
        FAIL() << What;
    }
}

TEST(TextOverBackgroundTest, TextOutOverEveryKindOfBackgroundFollowsThePlainRule) {
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

TEST(TextOverBackgroundTest, OpaqueCellsAndManyFontsStayExact) {
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

TEST(TextOverBackgroundTest, RedrawingLabelsThroughTheDeviceAllocatesNothing) {
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
