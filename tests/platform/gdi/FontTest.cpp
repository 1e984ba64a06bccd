// Face resolution, metrics and styles of realised fonts. Expected metrics come
// from the face file itself (read here without FreeType) through the stated
// rule, or from the requests.
#include "platform/gdi/Font.h"

#include "TextTestImage.h"

#include <fontconfig/fontconfig.h>
#include <gtest/gtest.h>

#include <climits>
#include <cmath>
#include <cstdint>
#include <fstream>
#include <iterator>
#include <map>
#include <set>
#include <string>
#include <vector>

namespace vur::gdi {
namespace {

LOGFONT Request(const std::string& Face, int Height, int Weight = FW_NORMAL, bool Italic = false) {
    LOGFONT L;
    L.FaceName = Face;
    L.Height = Height;
    L.Weight = Weight;
    L.Italic = Italic;
    return L;
}

// The few numbers the cell rule needs, read straight from the sfnt tables.
struct SfntNumbers {
    double UnitsPerEm = 0;
    double WinAscent = 0;
    double WinDescent = 0;
};

unsigned Be16(const std::vector<unsigned char>& B, std::size_t At) { return (B.at(At) << 8) | B.at(At + 1); }
std::size_t Be32(const std::vector<unsigned char>& B, std::size_t At) {
    return (static_cast<std::size_t>(Be16(B, At)) << 16) | Be16(B, At + 2);
}

SfntNumbers ReadSfnt(const std::string& File) {
    std::ifstream In(File, std::ios::binary);
    const std::vector<unsigned char> B((std::istreambuf_iterator<char>(In)),
                                       std::istreambuf_iterator<char>());
    SfntNumbers N;
    const unsigned Tables = Be16(B, 4);
    for (unsigned I = 0; I < Tables; ++I) {
        const std::size_t Entry = 12 + 16 * I;
        const std::string Tag(B.begin() + static_cast<long>(Entry), B.begin() + static_cast<long>(Entry) + 4);
        const std::size_t Offset = Be32(B, Entry + 8);
        if (Tag == "head") N.UnitsPerEm = Be16(B, Offset + 18);
        if (Tag == "OS/2") {
            N.WinAscent = Be16(B, Offset + 74);
            N.WinDescent = Be16(B, Offset + 76);
        }
    }
    return N;
}

int RoundHalfUp(double V) { return static_cast<int>(std::floor(V + 0.5)); }

TEST(FontTest, ArialResolvesToTheMetricCompatibleFace) {
    const Font F(Request("Arial", -12));
    EXPECT_EQ(F.GetTextFace(), "Liberation Sans");
    EXPECT_NE(F.GetFontFile().find("LiberationSans-Regular"), std::string::npos) << F.GetFontFile();
}

TEST(FontTest, WindowsInterfaceFacesResolveToASansFace) {
    for (const char* Name : {"MS Sans Serif", "Tahoma", "Verdana", "Microsoft Sans Serif"}) {
        const Font F(Request(Name, -11));
        EXPECT_NE(F.GetTextFace().find("Sans"), std::string::npos) << Name << " -> " << F.GetTextFace();
        EXPECT_EQ(F.GetTextFace().find("Mono"), std::string::npos) << Name << " -> " << F.GetTextFace();
    }
}

TEST(FontTest, UnknownAndEmptyNamesFallBackToAFaceThatDraws) {
    for (const char* Name : {"", "No Such Face 4711", "\xff\xfe garbage"}) {
        const Font F(Request(Name, -12));
        EXPECT_FALSE(F.GetFontFile().empty()) << Name;
        EXPECT_GT(F.TextExtent("Hello").cx, 0) << Name;
        testing::TextTestImage Image(80, 30);
        F.RenderText("Hello", 2, 2, TA_TOP, 0, Image);
        EXPECT_TRUE(Image.HasInk()) << Name;
    }
}

TEST(FontTest, FamilyHintChoosesTheGenericFamilyForUnknownNames) {
    LOGFONT Serif = Request("No Such Face 4711", -12);
    Serif.PitchAndFamily = FF_ROMAN;
    EXPECT_NE(Font(Serif).GetTextFace().find("Serif"), std::string::npos) << Font(Serif).GetTextFace();

    LOGFONT Fixed = Request("No Such Face 4711", -12);
    Fixed.PitchAndFamily = FIXED_PITCH | FF_MODERN;
    const Font Mono(Fixed);
    EXPECT_EQ(Mono.GetTextMetrics().tmPitchAndFamily & TMPF_FIXED_PITCH, 0) << Mono.GetTextFace();
    EXPECT_EQ(Mono.CharAdvance('i'), Mono.CharAdvance('W'));
    EXPECT_NE(Font(Request("Arial", -12)).GetTextMetrics().tmPitchAndFamily & TMPF_FIXED_PITCH, 0);
}

TEST(FontTest, ArialMinus12HasACellOf14) {
    const TEXTMETRIC M = Font(Request("Arial", -12)).GetTextMetrics();
    EXPECT_EQ(M.tmHeight, 14);
    EXPECT_EQ(M.tmAscent + M.tmDescent, M.tmHeight);
    EXPECT_EQ(M.tmWeight, FW_NORMAL);
    EXPECT_EQ(M.tmItalic, 0);
}

TEST(FontTest, NegativeHeightMetricsFollowTheWindowsAscentAndDescentOfTheFace) {
    for (const char* Name : {"Arial", "Times New Roman", "Courier New", "MS Sans Serif"}) {
        const SfntNumbers N = ReadSfnt(Font(Request(Name, -12)).GetFontFile());
        ASSERT_GT(N.UnitsPerEm, 0) << Name;
        for (const int Height : {-8, -11, -12, -13, -16, -24, -37, -100}) {
            const Font F(Request(Name, Height));
            const double S = -Height / N.UnitsPerEm;
            const TEXTMETRIC M = F.GetTextMetrics();
            SCOPED_TRACE(std::string(Name) + " " + std::to_string(Height));
            EXPECT_EQ(M.tmAscent, RoundHalfUp(N.WinAscent * S));
            EXPECT_EQ(M.tmDescent, RoundHalfUp(N.WinDescent * S));
            EXPECT_EQ(M.tmInternalLeading, RoundHalfUp((N.WinAscent + N.WinDescent - N.UnitsPerEm) * S));
            EXPECT_EQ(M.tmHeight, M.tmAscent + M.tmDescent);
        }
    }
}

TEST(FontTest, PositiveHeightIsTheCellHeight) {
    const SfntNumbers N = ReadSfnt(Font(Request("Arial", -12)).GetFontFile());
    for (const int Height : {1, 9, 14, 20, 33, 120}) {
        const Font F(Request("Arial", Height));
        const TEXTMETRIC M = F.GetTextMetrics();
        EXPECT_EQ(M.tmHeight, Height);
        EXPECT_EQ(M.tmAscent + M.tmDescent, Height);
        // The em is the part of the cell that is not internal leading.
        const double Em = Height * N.UnitsPerEm / (N.WinAscent + N.WinDescent);
        EXPECT_EQ(M.tmInternalLeading, Height - RoundHalfUp(Em)) << Height;
    }
}

TEST(FontTest, HeightZeroGivesADefaultSize) {
    const TEXTMETRIC M = Font(Request("Arial", 0)).GetTextMetrics();
    EXPECT_GT(M.tmHeight, 8);
    EXPECT_LT(M.tmHeight, 40);
    EXPECT_EQ(Font().GetTextMetrics().tmHeight, Font(LOGFONT{}).GetTextMetrics().tmHeight);
}

TEST(FontTest, BoldAndItalicUseTheRealFacesWhenTheyExist) {
    const Font Bold(Request("Arial", -12, FW_BOLD));
    EXPECT_NE(Bold.GetFontFile().find("LiberationSans-Bold."), std::string::npos) << Bold.GetFontFile();
    EXPECT_EQ(Bold.GetTextMetrics().tmWeight, FW_BOLD);
    const Font Italic(Request("Arial", -12, FW_NORMAL, true));
    EXPECT_NE(Italic.GetFontFile().find("LiberationSans-Italic."), std::string::npos) << Italic.GetFontFile();
    EXPECT_EQ(Italic.GetTextMetrics().tmItalic, 1);
    const Font Both(Request("Arial", -12, FW_BOLD, true));
    EXPECT_NE(Both.GetFontFile().find("LiberationSans-BoldItalic."), std::string::npos) << Both.GetFontFile();
}

// A scalable family installed here without any bold or italic member, if there is one.
std::string FamilyWithoutStyles() {
    // A configuration of our own, released below: the process default is never
    // released and would show up as a leak.
    FcConfig* Config = FcInitLoadConfigAndFonts();
    FcPattern* All = FcPatternCreate();
    FcObjectSet* Objects = FcObjectSetBuild(FC_FAMILY, FC_WEIGHT, FC_SLANT, FC_OUTLINE, nullptr);
    FcFontSet* Set = FcFontList(Config, All, Objects);
    std::map<std::string, bool> Plain;
    for (int I = 0; Set != nullptr && I < Set->nfont; ++I) {
        FcChar8* Family = nullptr;
        int Weight = 0, Slant = 0;
        FcBool Outline = FcFalse;
        if (FcPatternGetString(Set->fonts[I], FC_FAMILY, 0, &Family) != FcResultMatch) continue;
        FcPatternGetInteger(Set->fonts[I], FC_WEIGHT, 0, &Weight);
        FcPatternGetInteger(Set->fonts[I], FC_SLANT, 0, &Slant);
        FcPatternGetBool(Set->fonts[I], FC_OUTLINE, 0, &Outline);
        const std::string Name(reinterpret_cast<const char*>(Family));
        const bool Styled = Weight >= FC_WEIGHT_DEMIBOLD || Slant != FC_SLANT_ROMAN || !Outline;
        auto [It, New] = Plain.emplace(Name, !Styled);
        if (!New) It->second = It->second && !Styled;
    }
    if (Set != nullptr) FcFontSetDestroy(Set);
    FcObjectSetDestroy(Objects);
    FcPatternDestroy(All);
    FcConfigDestroy(Config);
    for (const auto& [Name, IsPlain] : Plain)
        if (IsPlain && Font(Request(Name, -20)).GetTextFace() == Name) return Name;
    return "";
}

TEST(FontTest, MissingBoldAndItalicAreSynthesised) {
    const std::string Family = FamilyWithoutStyles();
    if (Family.empty()) GTEST_SKIP() << "every installed family has bold and italic faces";
    const Font Regular(Request(Family, -20));
    const Font Bold(Request(Family, -20, FW_BOLD));
    const Font Italic(Request(Family, -20, FW_NORMAL, true));
    EXPECT_EQ(Bold.GetFontFile(), Regular.GetFontFile());
    EXPECT_EQ(Bold.GetTextMetrics().tmWeight, FW_BOLD);
    EXPECT_EQ(Italic.GetTextMetrics().tmItalic, 1);

    testing::TextTestImage Plain(300, 40), Heavy(300, 40), Slanted(300, 40);
    Regular.RenderText("HIH", 10, 5, TA_TOP, 0, Plain);
    Bold.RenderText("HIH", 10, 5, TA_TOP, 0, Heavy);
    Italic.RenderText("HIH", 10, 5, TA_TOP, 0, Slanted);
    EXPECT_GT(Heavy.InkSum(), Plain.InkSum() * 11 / 10) << Family;
    EXPECT_GT(Bold.CharAdvance('H'), Regular.CharAdvance('H'));
    // The slant leans the tops of the stems to the right.
    EXPECT_GT(Slanted.InkRight, Plain.InkRight) << Family;
    EXPECT_EQ(Italic.CharAdvance('H'), Regular.CharAdvance('H'));
}

TEST(FontTest, WidthScalesTheAverageCharacterWidth) {
    LOGFONT Wide = Request("Arial", -20);
    const int Natural = Font(Wide).GetTextMetrics().tmAveCharWidth;
    Wide.Width = 2 * Natural;
    const Font F(Wide);
    EXPECT_NEAR(F.GetTextMetrics().tmAveCharWidth, 2 * Natural, 1);
    EXPECT_EQ(F.GetTextMetrics().tmHeight, Font(Request("Arial", -20)).GetTextMetrics().tmHeight);
    const int Plain = Font(Request("Arial", -20)).TextExtent("Wide text").cx;
    EXPECT_NEAR(F.TextExtent("Wide text").cx, 2 * Plain, 4);
}

TEST(FontTest, SameRequestSharesOneRealisation) {
    const LOGFONT L = Request("Arial", -13, FW_BOLD);
    const Font A(L);
    const Font B(L);
    const Font C = A;
    EXPECT_TRUE(A == B);
    EXPECT_TRUE(A == C);
    EXPECT_EQ(A.GetLogFont(), L);
    EXPECT_FALSE(A == Font(Request("Arial", -14, FW_BOLD)));
}

TEST(FontTest, StrangeRequestsRealiseWithoutCrashing) {
    std::vector<LOGFONT> Requests;
    for (const int Height : {INT_MIN, -1000000, -16385, -1, 1, 16385, INT_MAX})
        Requests.push_back(Request("Arial", Height));
    for (const int Weight : {INT_MIN, -5, 1, 999, 1001, INT_MAX})
        Requests.push_back(Request("Arial", -12, Weight));
    for (const int Width : {INT_MIN, -7, 1, 100000, INT_MAX}) {
        LOGFONT L = Request("Arial", -12);
        L.Width = Width;
        Requests.push_back(L);
    }
    for (const int Escapement : {INT_MIN, -900, -1, 3600, 3601, 36000450, INT_MAX}) {
        LOGFONT L = Request("Arial", -12);
        L.Escapement = Escapement;
        L.Orientation = -(Escapement / 2);
        Requests.push_back(L);
    }
    for (const LOGFONT& L : Requests) {
        const Font F(L);
        const TEXTMETRIC M = F.GetTextMetrics();
        EXPECT_GE(M.tmHeight, 0);
        EXPECT_LE(M.tmHeight, 3 * 16384);
        EXPECT_GE(F.TextExtent("Ag").cx, 0);
        testing::TextTestImage Image(64, 64);
        F.RenderText("Ag", 32, 32, TA_BASELINE, 0, Image);
    }
}

} // namespace
} // namespace vur::gdi
