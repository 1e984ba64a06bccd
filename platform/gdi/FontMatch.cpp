#include "platform/gdi/FontMatch.h"

#include "platform/gdi/Font.h"
#include "platform/gdi/FontEngine.h"

#include <fontconfig/fontconfig.h>

#include <memory>

namespace vur::gdi::detail {

namespace {

struct PatternDeleter {
    void operator()(FcPattern* P) const { FcPatternDestroy(P); }
};
struct FontSetDeleter {
    void operator()(FcFontSet* S) const { FcFontSetDestroy(S); }
};

const char* GenericFamily(std::uint8_t PitchAndFamily) {
    if ((PitchAndFamily & 0x03) == FIXED_PITCH) return "monospace";
    switch (PitchAndFamily & 0xF0) {
    case FF_ROMAN:
        return "serif";
    case FF_MODERN:
        return "monospace";
    case FF_SCRIPT:
        return "cursive";
    default:
        return "sans-serif";
    }
}

const char* StringOf(FcPattern* P, const char* Object) {
    FcChar8* Value = nullptr;
    return FcPatternGetString(P, Object, 0, &Value) == FcResultMatch ? reinterpret_cast<const char*>(Value)
                                                                     : nullptr;
}

int IntOf(FcPattern* P, const char* Object, int Default) {
    int Value = 0;
    return FcPatternGetInteger(P, Object, 0, &Value) == FcResultMatch ? Value : Default;
}

bool IsOutline(FcPattern* P) {
    FcBool Outline = FcFalse;
    return FcPatternGetBool(P, FC_OUTLINE, 0, &Outline) == FcResultMatch && Outline;
}

} // namespace

std::vector<FaceChoice> MatchFaces(const std::string& FaceName, int Weight, bool Italic,
                                   std::uint8_t PitchAndFamily) {
    std::vector<FaceChoice> Result;
    FcConfig* Config = FontEngine::Get().FontConfig();
    std::unique_ptr<FcPattern, PatternDeleter> Pattern(FcPatternCreate());
    if (!Pattern) return Result;
    if (!FaceName.empty())
        FcPatternAddString(Pattern.get(), FC_FAMILY, reinterpret_cast<const FcChar8*>(FaceName.c_str()));
    FcPatternAddString(Pattern.get(), FC_FAMILY,
                       reinterpret_cast<const FcChar8*>(GenericFamily(PitchAndFamily)));
    FcPatternAddInteger(Pattern.get(), FC_WEIGHT, FcWeightFromOpenType(Weight <= 0 ? FW_NORMAL : Weight));
    FcPatternAddInteger(Pattern.get(), FC_SLANT, Italic ? FC_SLANT_ITALIC : FC_SLANT_ROMAN);
    if (!FcConfigSubstitute(Config, Pattern.get(), FcMatchPattern)) return Result;
    FcDefaultSubstitute(Pattern.get());

    FcResult Status = FcResultNoMatch;
    std::unique_ptr<FcFontSet, FontSetDeleter> Sorted(
        FcFontSort(Config, Pattern.get(), FcFalse, nullptr, &Status));
    if (!Sorted) return Result;
    for (int I = 0; I < Sorted->nfont && Result.size() < 4; ++I) {
        FcPattern* Font = Sorted->fonts[I];
        const char* File = StringOf(Font, FC_FILE);
        if (File == nullptr || !IsOutline(Font)) continue;
        const char* Family = StringOf(Font, FC_FAMILY);
        FaceChoice Choice;
        Choice.File = File;
        Choice.Index = IntOf(Font, FC_INDEX, 0);
        Choice.Family = Family != nullptr ? Family : "";
        Choice.Bold = IntOf(Font, FC_WEIGHT, FC_WEIGHT_REGULAR) >= FC_WEIGHT_DEMIBOLD;
        Choice.Italic = IntOf(Font, FC_SLANT, FC_SLANT_ROMAN) != FC_SLANT_ROMAN;
        Result.push_back(std::move(Choice));
    }
    return Result;
}

} // namespace vur::gdi::detail
