// Where a string's glyphs land: each character of a string inks exactly
// where that character drawn alone at its pen position (the sum of the
// advances and extra spacing before it) inks, upright and turned.
#include "TextTestImage.h"

#include "platform/gdi/Font.h"

#include <gtest/gtest.h>

#include <string>

namespace vur::gdi {
namespace {

Font Arial(int Height, int Escapement) {
    LOGFONT L;
    L.FaceName = "Arial";
    L.Height = Height;
    L.Escapement = Escapement;
    return Font(L);
}

TEST(TextPlacementTest, AStringInksWhereItsCharactersDrawnOneByOneInk) {
    const std::string Text = "Wo1:-9";
    struct Case {
        int Escapement;
        int ExtraSpacing;
        int Dx, Dy; // pen direction in device pixels
    };
    for (const Case C : {Case{0, 0, 1, 0}, Case{0, 3, 1, 0}, Case{0, -2, 1, 0}, Case{900, 1, 0, -1},
                         Case{2700, 0, 0, 1}, Case{1800, 2, -1, 0}}) {
        const Font F = Arial(-13, C.Escapement);
        testing::TextTestImage Whole(160, 160), Pieces(160, 160);
        F.RenderText(Text, 80, 80, TA_LEFT | TA_BASELINE, C.ExtraSpacing, Whole);
        int Pen = 0;
        for (const char Ch : Text) {
            F.RenderText(std::string(1, Ch), 80 + Pen * C.Dx, 80 + Pen * C.Dy, TA_LEFT | TA_BASELINE, 0,
                         Pieces);
            Pen += F.CharAdvance(static_cast<unsigned char>(Ch)) + C.ExtraSpacing;
        }
        ASSERT_TRUE(Whole.HasInk());
        EXPECT_EQ(Whole.Coverage(), Pieces.Coverage())
            << "escapement " << C.Escapement << " spacing " << C.ExtraSpacing;
    }
}

} // namespace
} // namespace vur::gdi
