// The glyphs themselves: 8-bit characters drawn from their Windows-1252
// meaning, compared with FreeType's own rendering of the Unicode character;
// bi-level quality; outlines that agree with the coverage; repeatability.
#include "platform/gdi/Font.h"

#include "TextTestImage.h"

#include <ft2build.h>
#include FT_FREETYPE_H
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <string>
#include <utility>
#include <vector>

namespace vur::gdi {
namespace {

using testing::TextTestImage;

Font Arial(int Height, std::uint8_t Quality = DEFAULT_QUALITY) {
    LOGFONT L;
    L.FaceName = "Arial";
    L.Height = Height;
    L.Quality = Quality;
    return Font(L);
}

// FreeType on its own: the face file of the font at an em of Em pixels.
class DirectFace {
public:
    DirectFace(const std::string& File, int Em) {
        FT_Init_FreeType(&FLibrary);
        FT_New_Face(FLibrary, File.c_str(), 0, &FFace);
        FT_Set_Pixel_Sizes(FFace, 0, static_cast<FT_UInt>(Em));
    }
    ~DirectFace() {
        FT_Done_Face(FFace);
        FT_Done_FreeType(FLibrary);
    }
    DirectFace(const DirectFace&) = delete;
    DirectFace& operator=(const DirectFace&) = delete;

    int Advance(char32_t CodePoint) {
        FT_Load_Char(FFace, CodePoint, FT_LOAD_DEFAULT | FT_LOAD_NO_BITMAP);
        return static_cast<int>((FFace->glyph->metrics.horiAdvance + 32) / 64);
    }
    // Renders the character with its origin at (X, Y) into Image.
    void Draw(char32_t CodePoint, int X, int Y, TextTestImage& Image) {
        FT_Load_Char(FFace, CodePoint, FT_LOAD_DEFAULT | FT_LOAD_NO_BITMAP | FT_LOAD_RENDER);
        const FT_Bitmap& B = FFace->glyph->bitmap;
        const int Left = X + FFace->glyph->bitmap_left;
        const int Top = Y - FFace->glyph->bitmap_top;
        for (unsigned Row = 0; Row < B.rows; ++Row)
            Image.Span(Top + static_cast<int>(Row), Left, B.buffer + Row * static_cast<unsigned>(B.pitch),
                       static_cast<int>(B.width));
    }

private:
    FT_Library FLibrary = nullptr;
    FT_Face FFace = nullptr;
};

TEST(TextGlyphTest, AdvancesAreFreeTypesRoundedAdvances) {
    const Font F = Arial(-12);
    DirectFace Direct(F.GetFontFile(), 12);
    for (const char C : std::string("W i1:.g"))
        EXPECT_EQ(F.CharAdvance(static_cast<unsigned char>(C)), Direct.Advance(static_cast<unsigned char>(C)))
            << C;
    EXPECT_EQ(F.CharAdvance(0x80), Direct.Advance(0x20AC));
}

TEST(TextGlyphTest, HighCharactersRenderFromWindows1252) {
    const std::pair<unsigned char, char32_t> Cases[] = {
        {0x80, 0x20AC}, // euro sign
        {0xE9, 0x00E9}, // e acute
        {0x96, 0x2013}, // en dash
        {0x99, 0x2122}, // trade mark
        {0x8A, 0x0160}, // S caron
        {0xB0, 0x00B0}, // degree
        {0x9F, 0x0178}, // Y diaeresis
    };
    for (const int Em : {11, 12, 20}) {
        const Font F = Arial(-Em);
        DirectFace Direct(F.GetFontFile(), Em);
        for (const auto& [Byte, CodePoint] : Cases) {
            SCOPED_TRACE(std::to_string(Em) + " " + std::to_string(Byte));
            TextTestImage Ours(60, 60), Theirs(60, 60);
            F.RenderText(std::string(1, static_cast<char>(Byte)), 20, 40, TA_BASELINE, 0, Ours);
            Direct.Draw(CodePoint, 20, 40, Theirs);
            ASSERT_TRUE(Theirs.HasInk());
            EXPECT_EQ(Ours.Coverage(), Theirs.Coverage());
            EXPECT_EQ(F.CharAdvance(Byte), Direct.Advance(CodePoint));
        }
    }
}

TEST(TextGlyphTest, NonAntialiasedQualityDrawsOnlyFullPixels) {
    const Font Grey = Arial(-15);
    const Font Mono = Arial(-15, NONANTIALIASED_QUALITY);
    TextTestImage GreyImage(200, 30), MonoImage(200, 30);
    Grey.RenderText("Sharp 0.5%", 5, 5, TA_TOP, 0, GreyImage);
    Mono.RenderText("Sharp 0.5%", 5, 5, TA_TOP, 0, MonoImage);
    int Partial = 0;
    for (const std::uint8_t C : GreyImage.Coverage()) Partial += C != 0 && C != 255;
    EXPECT_GT(Partial, 20);
    for (const std::uint8_t C : MonoImage.Coverage()) ASSERT_TRUE(C == 0 || C == 255);
    EXPECT_TRUE(MonoImage.HasInk());
    EXPECT_EQ(Mono.TextExtent("Sharp").cy, Grey.TextExtent("Sharp").cy);
}

// Collects outline figures and fills them by the non-zero rule at pixel
// centres, an independent scan conversion of the same shapes.
struct Figures : OutlineSink {
    std::vector<std::vector<std::pair<double, double>>> Closed;
    std::vector<std::pair<double, double>> Current;
    int Unclosed = 0;

    void MoveTo(double X, double Y) override {
        if (!Current.empty()) ++Unclosed;
        Current = {{X, Y}};
    }
    void LineTo(double X, double Y) override { Current.emplace_back(X, Y); }
    void CloseFigure() override {
        Closed.push_back(Current);
        Current.clear();
    }
    // Pixel centres of row Y inside the figures by the non-zero rule.
    std::vector<bool> InsideRow(int Y, int Width) const {
        const double Cy = Y + 0.5;
        std::vector<std::pair<double, int>> Crossings;
        for (const auto& F : Closed)
            for (std::size_t I = 0; I < F.size(); ++I) {
                const auto [X0, Y0] = F[I];
                const auto [X1, Y1] = F[(I + 1) % F.size()];
                if ((Y0 <= Cy) != (Y1 <= Cy))
                    Crossings.emplace_back(X0 + (Cy - Y0) * (X1 - X0) / (Y1 - Y0), Y1 > Y0 ? 1 : -1);
            }
        std::sort(Crossings.begin(), Crossings.end());
        std::vector<bool> Row(static_cast<std::size_t>(Width));
        int Winding = 0;
        std::size_t Next = 0;
        for (int X = 0; X < Width; ++X) {
            while (Next < Crossings.size() && Crossings[Next].first < X + 0.5)
                Winding += Crossings[Next++].second;
            Row[static_cast<std::size_t>(X)] = Winding != 0;
        }
        return Row;
    }
};

TEST(TextGlyphTest, OutlinesCoverWhatTheCoverageInks) {
    for (const int Escapement : {0, 900, 300}) {
        SCOPED_TRACE(Escapement);
        LOGFONT L;
        L.FaceName = "Arial";
        L.Height = -30;
        L.Escapement = Escapement;
        L.Underline = true;
        const Font F(L);
        TextTestImage Image(240, 240);
        F.RenderText("Bog%", 60, 160, TA_BASELINE, 0, Image);
        Figures Shapes;
        F.TextOutline("Bog%", 60, 160, TA_BASELINE, 0, Shapes);
        EXPECT_EQ(Shapes.Unclosed, 0);
        EXPECT_TRUE(Shapes.Current.empty());
        EXPECT_GE(Shapes.Closed.size(), 7u); // B 3, o 2, g 2, % 3 or more, underline 1
        int Solid = 0, Mismatch = 0;
        for (int Y = 0; Y < 240; ++Y) {
            const std::vector<bool> Inside = Shapes.InsideRow(Y, 240);
            for (int X = 0; X < 240; ++X) {
                const int C = Image.At(X, Y);
                if (C != 255 && C != 0) continue; // edge pixels may go either way
                Solid += C == 255;
                Mismatch += Inside[static_cast<std::size_t>(X)] != (C == 255);
            }
        }
        EXPECT_GT(Solid, 300);
        EXPECT_LE(Mismatch, Solid / 100);
    }
}

TEST(TextGlyphTest, DrawingAgainGivesTheSamePixels) {
    const Font F = Arial(-11);
    TextTestImage First(120, 20), Second(120, 20);
    F.RenderText("12:34:56", 3, 3, TA_TOP, 0, First);
    const Font Again = Arial(-11);
    Again.RenderText("12:34:56", 3, 3, TA_TOP, 0, Second);
    EXPECT_EQ(First.Coverage(), Second.Coverage());
    EXPECT_EQ(First.SpanCalls, Second.SpanCalls);
}

} // namespace
} // namespace vur::gdi
